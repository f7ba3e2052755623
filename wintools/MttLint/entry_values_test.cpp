#include "entry_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry_line.h"
#include "lint_test_support.h"

namespace {

using lint_test::Expected;

// The values a walk gives: the first two characters of each token.
std::vector<std::string> walkedValues(std::string_view text) {
  std::vector<std::string> values;
  ValueCursor cursor = startValues(text);
  std::string_view token;
  bool isRest = false;
  while (nextValueToken(cursor, token, isRest)) {
    values.emplace_back(token.substr(0, 2));
  }
  return values;
}

TEST(NextValueToken, GivesTheValuesMapgensSplitGives) {
  const char* const texts[] = {
      "01 02 03",  "123 4567", "1 2 3",     "0102 03", "01 02 ",
      "01  02",    " 01 02",   "",          "7",       "  ",
      "01\t02 03", "01 02   ", "a b c d e", "\t\t01",  "01 02\r",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(walkedValues(text), splitValues(text, 100).values);
  }
}

TEST(ReportEntryValues, ReportsEachValueMapgenTakesOtherwiseThanWritten) {
  struct Case {
    const char* name;
    // The line; the values start after its first "=".
    std::string line;
    std::vector<Expected> findings;
  };
  const Case cases[] = {
      {"clean values, lower case, tabs before a comment",
       "k[0]=01 a5 FF 78\t\t",
       {}},
      {"a value that is no hex",
       "k[0]=01 2G",
       {{"1:9: warning",
         "value \"2G\" is not two hexadecimal digits; mapgen "
         "writes it into the script as it is"}}},
      {"a one-character value before a blank is kept as it is",
       "k[0]=1 02",
       {{"1:6: warning", "value \"1\" is not two"}}},
      {"a long token is cut",
       "k[0]=200 01",
       {{"1:6: warning",
         "value \"200\" is longer than two characters; "
         "mapgen writes \"20\" and drops \"0\""}}},
      {"the last token is cut too",
       "k[0]=01 0203",
       {{"1:9: warning", "\"0203\" is longer than two characters"}}},
      {"a dropped last value",
       "k[0]=01 5",
       {{"1:9: warning",
         "last value \"5\" has one character; mapgen drops "
         "it"}}},
      {"two blanks between values",
       "k[0]=01  02 03",
       {{"1:9: warning",
         "more than one blank between values; mapgen takes "
         "\" 0\" as the last value of the row and drops \"2 "
         "03\""}}},
      {"a blank after the equals sign",
       "k[0]= 01",
       {{"1:6: warning",
         "blank after \"=\"; mapgen takes \" 0\" as the only "
         "value of the row and drops \"1\""}}},
      {"three blanks before a comment make a value of blanks",
       "k[0]=01 02   ",
       {{"1:12: warning",
         "blanks after the last value; mapgen takes \"  \" "
         "as one more value"}}},
      {"two blanks before a comment drop a blank", "k[0]=01 02  ", {}},
      {"a tab between values, at the tab",
       "k[0]=01\t02 03",
       {{"1:8: warning", "reads \"01\\t02\" as one value and writes \"01\""}}},
      {"a carriage return left on the line is cut off",
       "k[0]=01 02\r",
       {{"1:9: warning", "\"02\\r\" is longer than two characters"}}},
      {"a NUL byte in a value",
       std::string("k[0]=0\0 01", 10),
       {{"1:6: warning", "value \"0\\x00\" is not two"}}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    lint_test::CapturedReport captured;
    const std::string_view line = row.line;
    reportEntryValues("t.txt", 1, line, line.substr(line.find('=') + 1),
                      captured.report);
    lint_test::expectFindings(captured.out.str(), "t.txt", row.findings);
  }
}

}  // namespace
