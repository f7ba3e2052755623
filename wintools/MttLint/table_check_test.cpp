#include "table_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lint_test_support.h"

namespace {

using lint_test::Expected;

TEST(CheckTablesFile, ReportsEachLineAtItsPlaceAndGoesOnAfterAnError) {
  struct Case {
    const char* name;
    std::string tables;
    std::vector<Expected> findings;
  };
  const Case cases[] = {
      {"missing parts and a wrong name, each stopping mapgen",
       "k[0]01\n  k0]=01\nk[0=01\nK[0]=01\n",
       {{"1:1: error", "no \"=\" in the line; mapgen stops at this line"},
        {"2:3: error", "(mapgen: \"Line: k0]=01 Missing '['\")"},
        {"3:2: error", "no \"]\" after the \"[\""},
        {"4:1: error", "\"K\" is no table name"}}},
      {"too many values, at the first one too many",
       "t[0]=01 02 03 04 05 06 07 08 09 0A\n",
       {{"1:30: error",
         "table t takes at most 8 values in a row, the line gives 10"}}},
      {"a row beyond the table, and a negative one",
       "h[3]=01\nj[-1]=01\n",
       {{"1:3: error",
         "row \"3\" is not a row of table h, which has rows 0 "
         "to 2"},
        {"2:3: warning",
         "row number \"-1\" is not plain hexadecimal; mapgen "
         "reads it as row -1"},
        {"2:3: error", "row \"-1\" is not a row of table j"}}},
      {"a duplicate names the first line of its row",
       "j[1]=01\n\nj[01]=02\n",
       {{"3:1: error",
         "row 1 of table j is given a second time (first at "
         "line 1)"}}},
      {"a one-row table above row 0 carries mapgen's warning",
       "b[2]=01\n",
       {{"1:3: warning",
         "table b has only row 0; mapgen ignores this line (mapgen: "
         "\"Warning: table b has too many rows\")"}}},
      {"row numbers that are not plain hex",
       "j[0x1]=01\nj[]=01\nj[ 2]=01\nj[a]=01\n",
       {{"1:3: warning",
         "\"0x1\" is not plain hexadecimal; mapgen reads it "
         "as row 1"},
        {"2:3: warning", "the row number is empty; mapgen reads it as row 0"},
        {"3:3: warning",
         "\" 2\" is not plain hexadecimal; mapgen reads it "
         "as row 2"}}},
      {"columns count the line as written: tabs, blanks, a comment",
       "\t j[0]=01 2G\t// axis\n",
       {{"1:11: warning", "value \"2G\" is not two hexadecimal digits"}}},
      {"values of lines that mapgen refuses or ignores are not looked at",
       "k[1]=2G\nk[0]=01\nk[0]=2G\n",
       {{"1:3: warning", "mapgen ignores this line"},
        {"3:1: error",
         "row 0 of table k is given a second time (first at "
         "line 2)"}}},
      {"the lines after an error are read and stored",
       "x[0]=01\nj[0]=01 02\nj[0]=01 02\n",
       {{"1:1: error", "\"x\" is no table name"},
        {"3:1: error", "first at line 2"}}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    lint_test::CapturedReport captured;
    const InputFile input{"t.txt", "mapgen", row.tables};
    TablesCheck check;
    checkTablesFile(input, check, captured.report);
    lint_test::expectFindings(captured.out.str(), "t.txt", row.findings);
  }
}

TEST(CheckTablesFile, KeepsTheLinesThatSetTheTrackers) {
  lint_test::CapturedReport captured;
  const InputFile input{"t.txt", "mapgen",
                        "j[2]=01\n"
                        "j[0]=01 02 03\n"
                        "j[1]=01 02 03\n"
                        "j[2]=09\n"
                        "j[3]=\n"
                        "k[0]=01\n"};
  TablesCheck check;
  checkTablesFile(input, check, captured.report);
  const TableLines& j = linesOf(check, 'j');
  // The first line that reaches the highest row sets it, even without
  // values; the first with the most values sets the column count.
  EXPECT_EQ(j.highestRow.line, 5);
  EXPECT_EQ(j.highestRowNumber, 3);
  EXPECT_EQ(j.mostValues.line, 2);
  EXPECT_EQ(j.mostValuesCount, 3u);
  EXPECT_EQ(j.rows[2].line, 1);
  EXPECT_EQ(j.values[2].line, 1);
  EXPECT_EQ(j.rows[3].line, 5);
  EXPECT_EQ(j.values[3].line, 0);
  EXPECT_EQ(findTable(check.tables, 'j')->maxRowIndex, 3);
  EXPECT_EQ(linesOf(check, 'k').mostValues.line, 6);
}

}  // namespace
