#include "entry_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

TEST(ParseEntryLine, SplitsTheLineOrRefusesItWithTheFirstFailingTest) {
  struct Case {
    std::string line;
    // Empty for a line that parses.
    std::string message;
    char letter;
    long row;
    std::string valueText;
  };
  const Case cases[] = {
      {"j[1]=11 12 13", "", 'j', 1, "11 12 13"},
      {"j[F]=01", "", 'j', 15, "01"},
      {"j[0a]=01", "", 'j', 10, "01"},
      {"j[10]=01", "", 'j', 16, "01"},
      {"k[-1]=01", "", 'k', -1, "01"},
      {"k[]=01", "", 'k', 0, "01"},
      {"k[z]=01", "", 'k', 0, "01"},
      {"k[0x1f]=01", "", 'k', 31, "01"},
      {"e[0] ignored =01", "", 'e', 0, "01"},
      {"k[0]= 01", "", 'k', 0, " 01"},
      {"k[0]=", "", 'k', 0, ""},
      {"k[0=]1 2", "", 'k', 0, "]1 2"},
      {"j[FFFFFFFFFFFFFFFFFFFF]=01", "", 'j', LONG_MAX, "01"},
      {"j[-FFFFFFFFFFFFFFFFFFFF]=01", "", 'j', LONG_MIN, "01"},
      {"j[100000001]=01", "", 'j', 0x100000001L, "01"},
      {"\t", "Line: \t Missing '='", '\0', 0, ""},
      {"k[0]01", "Line: k[0]01 Missing '='", '\0', 0, ""},
      {"k0]=01", "Line: k0]=01 Missing '['", '\0', 0, ""},
      {"k[0=01", "Line: k[0=01 Missing ']'", '\0', 0, ""},
      {"k", "Line: k Missing '='", '\0', 0, ""},
      {"K[0]=01", "Line: K[0]=01 Invalid table name", '\0', 0, ""},
      {"kk[0]=01", "Line: kk[0]=01 Invalid table name", '\0', 0, ""},
      {"[0]=01", "Line: [0]=01 Invalid table name", '\0', 0, ""},
      {"x[0]=01", "Line: x[0]=01 Invalid table name", '\0', 0, ""},
      {"k [0]=01", "Line: k [0]=01 Invalid table name", '\0', 0, ""},
      {"k]0[=01", "Line: k]0[=01 Invalid table name", '\0', 0, ""},
      {"=k[0]", "Line: =k[0] Invalid table name", '\0', 0, ""},
      {std::string("\0[0]=01", 7),
       std::string("Line: \0[0]=01 Invalid table name", 32), '\0', 0, ""},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.line);
    EntryLine entry;
    std::string errorText;
    EXPECT_EQ(parseEntryLine(row.line, entry, errorText), row.message.empty());
    EXPECT_EQ(errorText, row.message);
    EXPECT_EQ(entry.letter, row.letter);
    EXPECT_EQ(entry.row, row.row);
    EXPECT_EQ(std::string(entry.valueText), row.valueText);
  }
}

TEST(SplitValues, TakesTwoCharactersOfEachBlankSeparatedToken) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {"three values", "01 02 03", {"01", "02", "03"}},
      {"long tokens are cut", "123 4567", {"12", "45"}},
      {"short last token dropped", "1 2 3", {"1", "2"}},
      {"glued values", "0102 03", {"01", "03"}},
      {"trailing blank", "01 02 ", {"01", "02"}},
      {"two blanks end the split", "01  02", {"01", " 0"}},
      {"leading blank", " 01 02", {" 0"}},
      {"empty", "", {}},
      {"one character", "5", {}},
      {"blank only", " ", {}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    const ValueList list = splitValues(row.text, 16);
    EXPECT_EQ(list.values, row.values);
    EXPECT_EQ(list.count, row.values.size());
  }
}

TEST(SplitValues, CountsEveryValueButKeepsOnlyTheFirstOnes) {
  std::string text;
  for (int i = 0; i < 100000; ++i) {
    text += "AB ";
  }
  text += "CD";
  const ValueList list = splitValues(text, 16);
  EXPECT_EQ(list.count, 100001u);
  EXPECT_EQ(list.values.size(), 16u);
  EXPECT_EQ(list.values.front(), "AB");
}

}  // namespace
