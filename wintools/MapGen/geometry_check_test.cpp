#include "geometry_check.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Sizes {
  char letter;
  int maxRowIndex;
  int maxColumnCount;
};

struct CheckRun {
  std::ostringstream console;
  ReportLog report;
  std::string errorText = "stale";
  bool result = false;

  explicit CheckRun(std::initializer_list<Sizes> sizes) {
    TableSet tables;
    resetTables(tables);
    for (const Sizes& size : sizes) {
      findTable(tables, size.letter)->maxRowIndex = size.maxRowIndex;
      findTable(tables, size.letter)->maxColumnCount = size.maxColumnCount;
    }
    report.console = &console;
    result = checkGeometry(tables, report, errorText);
  }
};

const char kTooManyRowsOfL[] =
    "table l contains too many rows, it should have no more than table k has "
    "columns";

TEST(CheckGeometry, AConsistentSetPassesSilently) {
  const CheckRun run({{'r', 0, 16},
                      {'b', 0, 16},
                      {'k', 0, 16},
                      {'n', 15, 16},
                      {'j', 15, 16},
                      {'l', 15, 16},
                      {'t', 0, 8}});
  EXPECT_TRUE(run.result);
  EXPECT_EQ(run.errorText, "");
  EXPECT_EQ(run.console.str(), "");
}

TEST(CheckGeometry, EachRuleFiresOnItsOwn) {
  // Start from a consistent set of 4 values and rows 0 to 3, change one
  // quantity, and expect exactly that rule's outcome.
  struct Case {
    Sizes change;
    bool result;
    const char* errorText;
    const char* warning;
  };
  const Case cases[] = {
      {{'b', 0, 5},
       false,
       "table b contains too many items, it should have no more items than "
       "table r",
       ""},
      {{'b', 0, 3}, true, "", "Warning: table b is smaller than table r\n"},
      {{'n', 3, 5},
       false,
       "table n contains too many columns, it should have no more columns "
       "than table r",
       ""},
      {{'n', 3, 3},
       true,
       "",
       "Warning: table n has less columns than table r\n"},
      {{'j', 3, 5},
       false,
       "table j contains too many columns, it should have no more columns "
       "than table r",
       ""},
      {{'j', 3, 3},
       true,
       "",
       "Warning: table j has less columns than table r\n"},
      {{'l', 3, 5},
       false,
       "table l contains too many columns, it should have no more columns "
       "than table r",
       ""},
      {{'l', 3, 3},
       true,
       "",
       "Warning: table l has less columns than table r\n"},
      {{'n', 4, 4},
       false,
       "table n contains too many rows, it should have no more than table k "
       "has columns",
       ""},
      {{'n', 2, 4},
       true,
       "",
       "Warning: table n has less rows than table k has columns\n"},
      {{'j', 4, 4},
       false,
       "table j contains too many rows, it should have no more than table k "
       "has columns",
       ""},
      {{'j', 2, 4},
       true,
       "",
       "Warning: table j has less rows than table k has columns\n"},
      {{'l', 4, 4}, false, kTooManyRowsOfL, ""},
      {{'l', 2, 4},
       true,
       "",
       "Warning: table l has less rows than table k has columns\n"},
      {{'t', 0, 7}, true, "", "Warning: table t has less than 8 items\n"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(std::string(1, row.change.letter) + " " +
                 std::to_string(row.change.maxRowIndex) + " " +
                 std::to_string(row.change.maxColumnCount));
    const CheckRun run({{'r', 0, 4},
                        {'b', 0, 4},
                        {'k', 0, 4},
                        {'n', 3, 4},
                        {'j', 3, 4},
                        {'l', 3, 4},
                        {'t', 0, 8},
                        row.change});
    EXPECT_EQ(run.result, row.result);
    EXPECT_EQ(run.errorText, row.errorText);
    EXPECT_EQ(run.console.str(), row.warning);
    EXPECT_EQ(run.report.warningCount, row.warning[0] == '\0' ? 0 : 1);
    EXPECT_EQ(run.report.errorCount, 0);
  }
}

TEST(CheckGeometry, NoTablesAtAllFailsWithTheLastRowRule) {
  const CheckRun run({});
  EXPECT_FALSE(run.result);
  EXPECT_EQ(run.errorText, kTooManyRowsOfL);
  EXPECT_EQ(run.console.str(), "Warning: table t has less than 8 items\n");
}

TEST(CheckGeometry, TheLastErrorWinsAndWarningsComeInRuleOrder) {
  const CheckRun run(
      {{'r', 0, 4}, {'b', 0, 5}, {'n', 0, 5}, {'k', 0, 1}, {'t', 0, 8}});
  EXPECT_FALSE(run.result);
  EXPECT_EQ(run.errorText,
            "table n contains too many columns, it should have no more "
            "columns than table r");
  EXPECT_EQ(run.console.str(),
            "Warning: table j has less columns than table r\n"
            "Warning: table l has less columns than table r\n");
}

TEST(CheckGeometry, TableKWithOneValueNeedsNoRowsElsewhere) {
  const CheckRun run({{'k', 0, 1}, {'t', 0, 8}});
  EXPECT_TRUE(run.result);
  EXPECT_EQ(run.console.str(), "");
}

TEST(CheckGeometry, AbsentTableNOnlyWarns) {
  const CheckRun run({{'r', 0, 16},
                      {'b', 0, 16},
                      {'k', 0, 16},
                      {'j', 15, 16},
                      {'l', 15, 16},
                      {'t', 0, 8}});
  EXPECT_TRUE(run.result);
  EXPECT_EQ(run.console.str(),
            "Warning: table n has less columns than table r\n"
            "Warning: table n has less rows than table k has columns\n");
  EXPECT_EQ(run.report.warningCount, 2);
}

TEST(ListFiredSizeRules, NamesTheTrackersEachRuleComparesAndTheirValues) {
  // b wider than r, j's highest row below k's values minus one, t short.
  TableSet tables;
  resetTables(tables);
  const Sizes sizes[] = {{'r', 0, 2}, {'b', 0, 3}, {'k', 0, 4}, {'n', 3, 2},
                         {'j', 1, 2}, {'l', 3, 2}, {'t', 0, 5}};
  for (const Sizes& size : sizes) {
    findTable(tables, size.letter)->maxRowIndex = size.maxRowIndex;
    findTable(tables, size.letter)->maxColumnCount = size.maxColumnCount;
  }
  struct Expected {
    GeometryKind kind;
    char left;
    SizeTracker leftTracker;
    int leftValue;
    char right;
    int rightValue;
  };
  const Expected expected[] = {
      {GeometryKind::error, 'b', SizeTracker::maxColumnCount, 3, 'r', 2},
      {GeometryKind::warning, 'j', SizeTracker::maxRowIndex, 1, 'k', 3},
      {GeometryKind::warning, 't', SizeTracker::maxColumnCount, 5, '\0', 8},
  };
  const std::vector<FiredSizeRule> fired = listFiredSizeRules(tables);
  ASSERT_EQ(fired.size(), std::size(expected));
  for (std::size_t i = 0; i < fired.size(); ++i) {
    SCOPED_TRACE(fired[i].text);
    EXPECT_EQ(fired[i].kind, expected[i].kind);
    EXPECT_EQ(fired[i].left.letter, expected[i].left);
    EXPECT_EQ(fired[i].left.tracker, expected[i].leftTracker);
    EXPECT_EQ(fired[i].leftValue, expected[i].leftValue);
    EXPECT_EQ(fired[i].right.letter, expected[i].right);
    EXPECT_EQ(fired[i].rightValue, expected[i].rightValue);
  }
  EXPECT_EQ(fired[1].right.offset, -1);
}

}  // namespace
