#include "table_parser.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct ParseRun {
  TableSet tables;
  std::ostringstream console;
  ReportLog report;
  std::string errorText;
  bool result = false;

  explicit ParseRun(const std::string& text) {
    resetTables(tables);
    report.console = &console;
    LineReader reader;
    startLineReader(reader, text);
    result = buildTables(reader, tables, report, errorText);
  }

  const Table& table(char letter) const { return *findTable(tables, letter); }

  std::vector<std::string> row(char letter, int rowIndex, int count) const {
    std::vector<std::string> values;
    for (int column = 0; column < count; ++column) {
      const TableCell& cell = table(letter).cells[rowIndex][column];
      values.push_back(cell.isSet ? cell.value : "unset");
    }
    return values;
  }
};

std::string values(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += (i == 0 ? "" : " ") + std::string("0") + "0123456789ABCDEF"[i % 16];
  }
  return text;
}

TEST(BuildTables, ReadsTheWorkedExample) {
  for (const char* lineEnd : {"\n", "\r\n"}) {
    SCOPED_TRACE(lineEnd[1] ? "CR LF" : "LF");
    std::string text;
    for (const char* line :
         {"# axes", "r[0]=10 20 30 40", "k[0]=05 0A 0F // three rows", "",
          "j[0]=01 02 03 04", "j[1]=11 12 13 14", "j[2]=21 22 23 24",
          "t[1]=01 02"}) {
      text += std::string(line) + lineEnd;
    }
    const ParseRun run(text);
    EXPECT_TRUE(run.result);
    EXPECT_EQ(run.errorText, "");
    EXPECT_EQ(run.row('r', 0, 5),
              (std::vector<std::string>{"10", "20", "30", "40", "unset"}));
    EXPECT_EQ(run.table('r').maxColumnCount, 4);
    EXPECT_EQ(run.table('k').maxColumnCount, 3);
    EXPECT_EQ(run.row('j', 2, 5),
              (std::vector<std::string>{"21", "22", "23", "24", "unset"}));
    EXPECT_EQ(run.table('j').maxRowIndex, 2);
    EXPECT_EQ(run.table('j').maxColumnCount, 4);
    EXPECT_FALSE(run.table('j').cells[3][0].isSet);
    EXPECT_EQ(run.table('j').cells[3][0].value, "00");
    EXPECT_EQ(run.table('t').maxColumnCount, 0);
    EXPECT_FALSE(run.table('t').cells[0][0].isSet);
    EXPECT_EQ(run.console.str(), "Warning: table t has too many rows\n");
    EXPECT_EQ(run.report.warningCount, 1);
    EXPECT_EQ(run.report.errorCount, 0);
  }
}

TEST(BuildTables, AcceptsLinesWithinEachTablesSize) {
  struct Case {
    std::string text;
    char letter;
    int rowIndex;
    int count;
  };
  const Case cases[] = {
      {"j[F]=" + values(16), 'j', 15, 16},
      {"h[2]=" + values(8), 'h', 2, 8},
      {"t[0]=" + values(8), 't', 0, 8},
      {"k[0]=" + values(16), 'k', 0, 16},
      {"k[-1]=01", 'k', 0, 1},
      {"b[-7FFFFFFF]=" + values(3), 'b', 0, 3},
      {"k[0]=01*02", 'k', 0, 1},
      {"k[0]=01 02 # note", 'k', 0, 2},
      {"y[3]=0102 03", 'y', 3, 2},
      {"e[1]=1 2 3", 'e', 1, 2},
      {"l[0]=01\nl[1]=02 03", 'l', 1, 2},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.text);
    const ParseRun run(row.text);
    ASSERT_TRUE(run.result) << run.errorText;
    const Table& table = run.table(row.letter);
    EXPECT_EQ(table.maxColumnCount, row.count);
    for (int column = 0; column < row.count; ++column) {
      EXPECT_TRUE(table.cells[row.rowIndex][column].isSet);
    }
    if (row.count < kMaxColumns) {
      EXPECT_FALSE(table.cells[row.rowIndex][row.count].isSet);
    }
    EXPECT_EQ(run.console.str(), "");
  }
}

TEST(BuildTables, StopsAtTheFirstErrorAndCountsIt) {
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"j[10]=01", "Line: j[10]=01 row contains too many elements"},
      {"j[-1]=01", "Line: j[-1]=01 row contains too many elements"},
      {"h[-1]=01", "Line: h[-1]=01 row contains too many elements"},
      {"h[3]=01", "Line: h[3]=01 row contains too many elements"},
      {"j[FFFFFFFFFFFFFFFFFFFF]=01",
       "Line: j[FFFFFFFFFFFFFFFFFFFF]=01 row contains too many elements"},
      {"j[100000001]=01",
       "Line: j[100000001]=01 row contains too many elements"},
      {"h[0]=" + values(9),
       "Line: h[0]=" + values(9) + " row contains too many elements"},
      {"t[0]=" + values(9),
       "Line: t[0]=" + values(9) + " row contains too many elements"},
      {"k[0]=" + values(17),
       "Line: k[0]=" + values(17) + " row contains too many elements"},
      {"k[1]=" + values(17),
       "Line: k[1]=" + values(17) + " row contains too many elements"},
      {"j[0]=" + values(17),
       "Line: j[0]=" + values(17) + " row contains too many elements"},
      {"j[0]=01 02\nj[0]=01 02", "Duplicate table entry: j[0]=01 02"},
      {"k[0]=01\nk[-1]=02", "Duplicate table entry: k[-1]=02"},
      {"  J[3]=00  // upper case", "Line: J[3]=00   Invalid table name"},
      {"\t", "Line: \t Missing '='"},
      {"k[0]=01\nx\nk[1]=01", "Line: x Missing '='"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.text);
    const ParseRun run(row.text);
    EXPECT_FALSE(run.result);
    EXPECT_EQ(run.errorText, row.message);
    EXPECT_EQ(run.report.errorCount, 1);
    // No line after the error is read, so no later warning appears.
    EXPECT_EQ(run.console.str(), "");
  }
}

TEST(BuildTables, AnEmptyRowLeavesTheRowFreeButRaisesTheRowTracker) {
  const ParseRun run("j[4]=\nj[4]=01");
  ASSERT_TRUE(run.result) << run.errorText;
  EXPECT_EQ(run.table('j').maxRowIndex, 4);
  EXPECT_EQ(run.row('j', 4, 2), (std::vector<std::string>{"01", "unset"}));
}

TEST(BuildTables, WarnsForEachOneRowTableGivenARowAboveZero) {
  const ParseRun run("k[1]=01\nr[2]=01\nb[3]=01\nt[1]=01\nk[0]=05");
  ASSERT_TRUE(run.result);
  EXPECT_EQ(run.console.str(),
            "Warning: table k has too many rows\n"
            "Warning: table r has too many rows\n"
            "Warning: table b has too many rows\n"
            "Warning: table t has too many rows\n");
  EXPECT_EQ(run.report.warningCount, 4);
  EXPECT_EQ(run.row('k', 0, 1), std::vector<std::string>{"05"});
}

TEST(BuildTables, EmptyOrCommentOnlyInputLeavesEverythingAtStart) {
  for (const char* text : {"", "\n\n", "// a\n  # b\n/* c */\n   \n"}) {
    SCOPED_TRACE(text);
    const ParseRun run(text);
    EXPECT_TRUE(run.result);
    for (const Table& table : run.tables.tables) {
      EXPECT_EQ(table.maxRowIndex, 0);
      EXPECT_EQ(table.maxColumnCount, 0);
      EXPECT_FALSE(table.cells[0][0].isSet);
    }
  }
}

TEST(BuildTables, KeepsNulBytesAndOtherBytesOfValues) {
  const ParseRun run(std::string("k[0]=\x01\0 \xff\xfe", 10));
  ASSERT_TRUE(run.result) << run.errorText;
  EXPECT_EQ(run.table('k').cells[0][0].value, std::string("\x01\0", 2));
  EXPECT_EQ(run.table('k').cells[0][1].value, "\xff\xfe");
}

}  // namespace
