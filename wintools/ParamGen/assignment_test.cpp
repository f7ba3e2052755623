#include "assignment.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

struct Case {
  const char* name;
  std::string line;
  std::string expectedName;
  std::string expectedValue;
  // The value-error line, empty when the value is good.
  std::string errorLine;
};

TEST(ParseAssignment, NormalisesTheValueOrReportsItAndStoresFF) {
  const Case cases[] = {
      {"lower case digits", "idle_level=1a", "idle_level", "1A", ""},
      {"upper case stays", "x=FF", "x", "FF", ""},
      {"one digit gets a zero", "fan_steps[0]=7", "fan_steps[0]", "07", ""},
      {"blank before = stays in the name", "spare =5", "spare ", "05", ""},
      {"blank before a comment is cut", "boost_level=40 ", "boost_level", "40",
       ""},
      {"value with a blank keeps two", "x=12 34", "x", "12", ""},
      {"long value cut at a blank", "x=12345 ", "x", "12", ""},
      {"value with a tab keeps two", "x=12\t34", "x", "12", ""},
      {"carriage return after two digits", "x=12\r", "x", "12", ""},
      {"empty name", "=12", "", "12", ""},
      {"name with blanks", " a b =0c", " a b ", "0C", ""},
      {"too long", "fan_steps[1]=123456", "fan_steps[1]", "FF",
       "ERROR fan_steps[1] has value: 123456\n"},
      {"no hexadecimal digit", "fan_steps[2]=G1", "fan_steps[2]", "FF",
       "ERROR fan_steps[2] has value: G1\n"},
      {"digit test shows the upper-cased text", "x=g1", "x", "FF",
       "ERROR x has value: G1\n"},
      {"four characters", "x=0x12", "x", "FF", "ERROR x has value: 0x12\n"},
      {"three characters, before upper-casing", "x=abc", "x", "FF",
       "ERROR x has value: abc\n"},
      {"empty value", "x=", "x", "FF", "ERROR x has value: \n"},
      {"blank inside a short value", "x=1 2", "x", "FF",
       "ERROR x has value: 1 \n"},
      {"one digit and the blank before a comment", "x=7 ", "x", "FF",
       "ERROR x has value: 7 \n"},
      {"one digit and a tab", "x=1\t", "x", "FF", "ERROR x has value: 1\t\n"},
      {"second = belongs to the value", "x==1", "x", "FF",
       "ERROR x has value: =1\n"},
      {"one digit and a carriage return", "x=1\r", "x", "FF",
       "ERROR x has value: 1\r\n"},
      {"three characters ending in a carriage return", "x=1g\r", "x", "FF",
       "ERROR x has value: 1G\n"},
      {"NUL byte", std::string("x=1\0", 4), "x", "FF",
       std::string("ERROR x has value: 1\0\n", 22)},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    std::ostringstream console;
    ReportLog report;
    report.console = &console;
    Assignment assignment;
    ASSERT_TRUE(parseAssignment(row.line, report, assignment));
    EXPECT_EQ(assignment.name, row.expectedName);
    EXPECT_EQ(assignment.value, row.expectedValue);
    EXPECT_EQ(console.str(), row.errorLine);
    EXPECT_EQ(report.errorCount, row.errorLine.empty() ? 0 : 1);
    EXPECT_EQ(report.warningCount, 0);
  }
}

TEST(ParseAssignment, ALineWithoutEqualsIsNoAssignment) {
  std::ostringstream console;
  ReportLog report;
  report.console = &console;
  Assignment assignment;
  EXPECT_FALSE(parseAssignment("idle_level 1a", report, assignment));
  EXPECT_EQ(console.str(), "");
  EXPECT_EQ(report.errorCount, 0);
}

}  // namespace
