#include "line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct CleanCase {
  const char* name;
  std::string line;
  std::string expected;
};

TEST(CleanLine, FollowsTheCommentAndBlankRules) {
  const CleanCase cases[] = {
      {"empty", "", ""},
      {"blanks only", "    ", ""},
      {"leading blanks", "  a = 1", "a = 1"},
      {"leading tabs", "\t\tx", "x"},
      {"trailing blanks without comment", "a = 12   ", "a = 12"},
      {"blanks before a comment stay", "a = 12   // note", "a = 12   "},
      {"number sign after blanks", "   # text", ""},
      {"asterisk alone", "a*b", "a"},
      {"single slash", "a/b", "a/b"},
      {"slash in last position", "a/", "a/"},
      {"line comment", "a//b", "a"},
      {"block comment", "a/*b*/", "a"},
      {"backslash", "c:\\firmware", "c:"},
      {"a single tab", "\t", "\t"},
      {"blank tab blank", " \t ", " \t"},
      {"trailing tab stays", "x\t", "x\t"},
      {"comment at start", "//x", ""},
      {"NUL bytes are text", std::string("a\0b ", 4), std::string("a\0b", 3)},
      {"CR is text here", "a\r", "a\r"},
  };
  for (const CleanCase& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(cleanLine(row.line), row.expected);
  }
}

std::vector<std::string> readAll(const std::string& bytes) {
  std::istringstream in(bytes);
  std::vector<std::string> lines;
  while (in.good()) {
    lines.push_back(readCleanLine(in));
  }
  return lines;
}

TEST(ReadCleanLine, DropsOnlyTheCarriageReturnBeforeALineFeed) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"LF", "a=1\nb=2\n", {"a=1", "b=2", ""}},
      {"CR LF", "a=1\r\nb=2\r\n", {"a=1", "b=2", ""}},
      {"last line without end", "a=1\nb=2", {"a=1", "b=2"}},
      {"CR without LF at the end stays", "b=2\r", {"b=2\r"}},
      {"CR inside a line stays", "a\rb\n", {"a\rb", ""}},
      {"two CRs lose one", "a\r\r\n", {"a\r", ""}},
      {"empty input", "", {""}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(readAll(row.bytes), row.lines);
  }
}

TEST(ReadCleanLine, LeavesTheStreamAtEndAndFailedWhenNothingIsLeft) {
  std::istringstream in("x\n");
  EXPECT_EQ(readCleanLine(in), "x");
  EXPECT_TRUE(in.good());
  EXPECT_EQ(readCleanLine(in), "");
  EXPECT_TRUE(in.eof());
  EXPECT_TRUE(in.fail());
}

TEST(ReadCleanLine, ReadsAVeryLongLineWhole) {
  const std::string longLine(3 * 1024 * 1024, 'v');
  std::istringstream in(longLine + "\r\nnext");
  EXPECT_EQ(readCleanLine(in), longLine);
  EXPECT_EQ(readCleanLine(in), "next");
}

}  // namespace
