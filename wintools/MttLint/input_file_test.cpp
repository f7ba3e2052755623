#include "input_file.h"

#include <gtest/gtest.h>

#include <string>

#include "lint_test_support.h"
#include "test_support.h"

namespace {

using lint_test::Expected;

const char kByteOrderMark[] = "\xEF\xBB\xBF";

TEST(InputFile, ReportsWhatAnyInputHoldsWithoutAWord) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<Expected> findings;
  };
  const Case cases[] = {
      {"plain LF lines", "a\nb\n", {}},
      {"CR LF lines", "a\r\nb\r\n", {}},
      {"a byte-order mark",
       std::string(kByteOrderMark) + "a\n",
       {{": note",
         "the file starts with a UTF-8 byte-order mark; mapgen "
         "skips it"}}},
      {"NUL bytes, at the first, counted",
       std::string("a\nbc\0d\0\n\0", 9),
       {{"2:3: warning",
         "NUL byte; mapgen reads it as an ordinary character "
         "(the file holds 3 NUL bytes)"},
        {"3:2: note", "the last line has no line end"}}},
      {"a last line without line end, after a byte-order mark",
       std::string(kByteOrderMark) + "abc",
       {{": note", "byte-order mark"},
        {"1:4: note",
         "the last line has no line end; mapgen reads it all "
         "the same"}}},
      {"a last line that ends in a CR only",
       "a\nb\r",
       {{"2:3: note", "no line end"}}},
      {"nothing but a byte-order mark",
       kByteOrderMark,
       {{": note", "byte-order mark"}}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    lint_test::CapturedReport captured;
    const InputFile input{"t.txt", "mapgen", row.bytes};
    reportInputBytes(input, captured.report);
    reportMissingLastLineEnd(input, captured.report);
    lint_test::expectFindings(captured.out.str(), "t.txt", row.findings);
  }
}

TEST(ReadInput, RefusesWhatTheGeneratorsCannotReadWithTheirMessage) {
  test_support::TempFolder folder;
  ASSERT_FALSE(folder.path().empty());
  test_support::writeBytes(folder.file("utf16.txt"), "\xFF\xFEk\0[\0");
  test_support::writeBytes(folder.file("plain.txt"), "k[0]=01\n");
  struct Case {
    std::string name;
    bool read;
    std::string finding;
  };
  const Case cases[] = {
      {folder.file("plain.txt"), true, ""},
      {folder.file("absent.txt"), false,
       ": error: the file cannot be opened; paramgen stops at it (paramgen: "
       "\"Couldn't open file: " +
           folder.file("absent.txt") + "\")\n"},
      {folder.path().string(), false,
       ": error: the file cannot be opened; paramgen stops at it"},
      {folder.file("utf16.txt"), false,
       ": error: the file is UTF-16 text, which cannot be read; paramgen "
       "refuses it as it refuses a missing file (paramgen: \"Couldn't open "
       "file: " +
           folder.file("utf16.txt") +
           " (UTF-16 text: save it as UTF-8 or ANSI)\")\n"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    lint_test::CapturedReport captured;
    InputFile input;
    EXPECT_EQ(readInput(row.name, "paramgen", input, captured.report),
              row.read);
    EXPECT_EQ(captured.report.inputUnreadable, !row.read);
    const std::string printed = captured.out.str();
    if (row.read) {
      EXPECT_EQ(printed, "");
      EXPECT_EQ(input.bytes, "k[0]=01\n");
    } else {
      EXPECT_EQ(printed.compare(0, row.name.size() + row.finding.size(),
                                row.name + row.finding),
                0)
          << printed;
    }
  }
}

}  // namespace
