#include "member_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ExtractMemberName, TakesTheTextBetweenTheTypeWordAndTheSemicolon) {
  struct Case {
    const char* name;
    std::string line;
    std::string expected;
  };
  const Case cases[] = {
      {"plain member", "uint8_t  idle_level;", "idle_level"},
      {"blank before semicolon stays", "uint8_t  spare ;", "spare "},
      {"array keeps its brackets", "uint8_t fan_steps[3];", "fan_steps[3]"},
      {"after qualifiers", "const volatile uint8_t flags;", "flags"},
      {"inside a longer word", "my_uint8_t level;", "level"},
      {"only u, i and the last t are tested", "uiXXXXt odd;", "odd"},
      {"name right after the type word", "uint8_tlevel;", "level"},
      {"tab is part of the name", "uint8_t\tlevel;", "\tlevel"},
      {"several names stay one text", "uint8_t first, second;",
       "first, second"},
      {"first declaration counts", "uint8_t a; uint8_t b;", "a"},
      {"NUL is a character of the name", std::string("uint8_t a\0b;", 12),
       std::string("a\0b", 3)},
      {"uint16_t", "uint16_t cycle_time;", ""},
      {"uint32_t", "uint32_t serial;", ""},
      {"int8_t", "int8_t offset;", ""},
      {"char", "unsigned char letter;", ""},
      {"u and i near the end", "uint16_t fluid;", ""},
      {"no semicolon", "uint8_t level", ""},
      {"nothing after the type word", "uint8_t", ""},
      {"only blanks after the type word", "uint8_t   ", ""},
      {"semicolon only before the name", "; uint8_t level", ""},
      {"empty name", "uint8_t;", ""},
      {"empty line", "", ""},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(extractMemberName(row.line), row.expected);
  }
}

TEST(ExtractMemberName, StaysLinearOnAHugeLineWithoutSemicolon) {
  std::string line;
  for (int i = 0; i < 1000000; ++i) {
    line += "uint8_t x";
  }
  EXPECT_EQ(extractMemberName(line), "");
  EXPECT_EQ(extractMemberName(line + ";"), line.substr(8));
}

}  // namespace
