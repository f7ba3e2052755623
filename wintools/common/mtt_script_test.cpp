#include "mtt_script.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(MttScript, WritesHeaderRecordsAndTrailerWithCrLf) {
  std::ostringstream out;
  EXPECT_TRUE(writeMttHeader(out));
  EXPECT_TRUE(writeMttRecord(out, 0, 'c', "1A"));
  EXPECT_TRUE(writeMttTrailer(out));
  EXPECT_EQ(out.str(), "Mantt\r\ng00c1A\r\nmcs\r\nbye\r\n");
}

TEST(MttScript, EmptyScriptIsSeventeenBytes) {
  std::ostringstream out;
  EXPECT_TRUE(writeMttHeader(out));
  EXPECT_TRUE(writeMttTrailer(out));
  EXPECT_EQ(out.str().size(), 17u);
}

TEST(MttScript, FormatsTheOffsetAsUpperCaseHexOfAtLeastTwoDigits) {
  struct Case {
    unsigned offset;
    char page;
    const char* value;
    const char* expectedLine;
  };
  const Case cases[] = {
      {0, 'j', "5", "g00j5\r\n"},
      {5, 'c', "1A", "g05c1A\r\n"},
      {5, 'C', "1A", "g05C1A\r\n"},
      {10, 'k', "0A", "g0Ak0A\r\n"},
      {0x27, 'h', "01", "g27h01\r\n"},
      {171, 'c', "00", "gABc00\r\n"},
      {255, 'c', "FF", "gFFcFF\r\n"},
      {256, 'C', "05", "g100C05\r\n"},
      {510, 'c', "00", "g1FEc00\r\n"},
      {0x3C, 'y', "", "g3Cy\r\n"},
      // With the rows above, every hexadecimal digit appears in some offset.
      {0x46, 'n', "01", "g46n01\r\n"},
      {0x89, 'l', "02", "g89l02\r\n"},
      {0x9D, 'e', "03", "g9De03\r\n"},
      {0xD8, 'y', "04", "gD8y04\r\n"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.expectedLine);
    std::ostringstream out;
    EXPECT_TRUE(writeMttRecord(out, row.offset, row.page, row.value));
    EXPECT_EQ(out.str(), row.expectedLine);
  }
}

TEST(MttScript, ReportsAFailedStream) {
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  EXPECT_FALSE(writeMttHeader(out));
  EXPECT_FALSE(writeMttRecord(out, 1, 'j', "01"));
  EXPECT_FALSE(writeMttTrailer(out));
}

}  // namespace
