#include "size_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lint_test_support.h"

namespace {

using lint_test::Expected;

// A consistent set of 2 values and rows 0 and 1, to which each case adds.
const char kConsistent[] =
    "r[0]=01 02\n"
    "k[0]=01 02\n"
    "b[0]=01 02\n"
    "t[0]=01 02 03 04 05 06 07 08\n"
    "n[0]=01 02\nn[1]=01 02\n"
    "j[0]=01 02\nj[1]=01 02\n"
    "l[0]=01 02\nl[1]=01 02\n";

TEST(ReportTableSizes, PutsEachRuleAtTheLineThatSetsTheSizeInQuestion) {
  struct Case {
    const char* name;
    std::string tables;
    std::vector<Expected> findings;
  };
  const Case cases[] = {
      {"a consistent set", kConsistent, {}},
      {"a row rule, at the row number of the highest row",
       std::string(kConsistent) + "\nj[2]=01 02\n",
       {{"12:3: error",
         "table j has 3 rows, more than the 2 values of table k "
         "(line 2); mapgen stops before writing the script "
         "(mapgen: \"table j contains too many rows, it "
         "should have no more than table k has columns\")"}}},
      {"a column rule, at the first value past r's",
       "r[0]=01 02\nk[0]=01\nb[0]=01 02 03\nt[0]=01 02 03 04 05 06 07 08\n"
       "n[0]=01 02\nj[0]=01 02\nl[0]=01 02\n",
       {{"3:12: error",
         "table b has 3 values, more than the 2 values of table "
         "r (line 1)"}}},
      {"a short table, at its values, with mapgen's warning",
       "r[0]=01 02\nk[0]=01\nb[0]=01 02\nt[0]=01 02 03\nn[0]=01 02\n"
       "j[0]=01\nl[0]=01 02\n",
       {{"6:6: warning",
         "table j has 1 value in its longest row, fewer than "
         "the 2 values of table r (line 1)"},
        {"4:6: warning",
         "table t has 3 values, fewer than 8; mapgen writes the "
         "script all the same (mapgen: \"Warning: table t has "
         "less than 8 items\")"}}},
      {"an absent table, at the other table's line",
       "r[0]=01 02\nk[0]=01\nb[0]=01 02\nt[0]=01 02 03 04 05 06 07 08\n"
       "j[0]=01 02\nl[0]=01 02\n",
       {{"1:6: warning",
         "table n has no values, fewer than the 2 values of "
         "table r (line 1)"}}},
      {"no tables at all, about the file",
       "",
       {{": error",
         "table n, which no line gives, counts as 1 row, more than "
         "the 0 values of table k, which no line gives"},
        {": error", "table j, which no line gives"},
        {": error", "table l, which no line gives"},
        {": warning", "table t has no values, fewer than 8"}}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    lint_test::CapturedReport captured;
    const InputFile input{"t.txt", "mapgen", row.tables};
    TablesCheck check;
    checkTablesFile(input, check, captured.report);
    reportTableSizes("t.txt", check, captured.report);
    lint_test::expectFindings(captured.out.str(), "t.txt", row.findings);
  }
}

TEST(ReportTableSizes, ReportsEveryHoleTheWriterWouldStopAt) {
  lint_test::CapturedReport captured;
  // Row 1 of y is given first without values, then with one.
  const InputFile input{"t.txt", "mapgen",
                        "y[0]=01 02 03\n"
                        "y[1]=\n"
                        "y[1]=01\n"
                        "y[4]=01 02 03\n"
                        "y[5]=\n"
                        "h[2]=01\n"};
  TablesCheck check;
  checkTablesFile(input, check, captured.report);
  reportTableSizes("t.txt", check, captured.report);
  const std::vector<std::string> lines = lint_test::linesOf(captured.out.str());
  std::vector<std::string> holes;
  for (const std::string& line : lines) {
    if (line.find("Table ") != std::string::npos) {
      holes.push_back(line.substr(0, line.find(" (mapgen")));
    }
  }
  EXPECT_EQ(holes,
            (std::vector<std::string>{
                "t.txt:6:3: error: table h has no rows 0 and 1 below its "
                "highest row 2; mapgen stops writing the script at the first "
                "missing value",
                "t.txt:3:6: error: row 1 of table y has 1 value, fewer than "
                "the 3 of its longest row (line 1); mapgen stops writing the "
                "script at the first missing value",
                "t.txt:5:6: error: row 5 of table y has 0 values, fewer than "
                "the 3 of its longest row (line 1); mapgen stops writing the "
                "script at the first missing value",
                "t.txt:5:3: error: table y has no rows 2 and 3 below its "
                "highest row 5; mapgen stops writing the script at the first "
                "missing value"}));
}

}  // namespace
