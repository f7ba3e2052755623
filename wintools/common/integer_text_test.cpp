#include "integer_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct Case {
  const char* text;
  int base;
  long expected;
};

TEST(ReadLeadingLong, ReadsLikeStrtol) {
  const Case cases[] = {
      {"A", 16, 10},
      {"0a", 16, 10},
      {"10", 16, 16},
      {"", 16, 0},
      {"z", 16, 0},
      {"F", 16, 15},
      {" \t-1", 16, -1},
      {"+f", 16, 15},
      {"0x1F", 16, 31},
      {"0X1f]", 16, 31},
      {"0x", 16, 0},
      {"0xz", 16, 0},
      {"-0x10", 16, -16},
      {"1g", 16, 1},
      {"12", 10, 12},
      {"0x12", 10, 0},
      {"2147483647", 10, 2147483647L},
      {"-", 10, 0},
      {"7fffffffffffffff", 16, LONG_MAX},
      {"-8000000000000000", 16, LONG_MIN},
      {"10000000000000000", 16, LONG_MAX},
      {"-10000000000000001", 16, LONG_MIN},
      {"99999999999999999999999999", 10, LONG_MAX},
      {"-99999999999999999999999999", 10, LONG_MIN},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(readLeadingLong(row.text, row.base), row.expected);
    EXPECT_EQ(readLeadingLong(row.text, row.base),
              std::strtol(row.text, nullptr, row.base));
  }
}

TEST(ReadLeadingLong, StopsAtANulByte) {
  EXPECT_EQ(readLeadingLong(std::string("1\0"
                                        "2",
                                        3),
                            10),
            1);
}

}  // namespace
