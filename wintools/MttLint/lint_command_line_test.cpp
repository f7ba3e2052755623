#include "lint_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

TEST(ParseLintCommandLine, TakesTheGeneratorsCommandLinesAndItsOwnOptions) {
  struct Case {
    const char* name;
    Words arguments;
    // Empty for a usable command line.
    std::string errorText;
    std::string tableFile;
    Words configFiles;
    std::string headerFile;
  };
  const Case cases[] = {
      {"a mapgen command line",
       {"-T", "tables.txt", "-l", "run.log", "-o", "out.mtt"},
       "",
       "tables.txt",
       {},
       ""},
      {"a paramgen command line",
       {"-c", "a.txt", "b.txt", "-G", "global.h", "-L", "x.log"},
       "",
       "",
       {"a.txt", "b.txt"},
       "global.h"},
      {"a -c list ends at any option word",
       {"-c", "a.txt", "-O", "out.mtt", "-g", "global.h"},
       "",
       "",
       {"a.txt"},
       "global.h"},
      {"a -c list ends at a long option too",
       {"-c", "a.txt", "--werror", "-g", "h"},
       "",
       "",
       {"a.txt"},
       "h"},
      {"both parts at once",
       {"-t", "tables.txt", "-c", "a.txt", "-g", "global.h", "--werror"},
       "",
       "tables.txt",
       {"a.txt"},
       "global.h"},
      {"a value is never an option",
       {"-t", "--werror"},
       "",
       "--werror",
       {},
       ""},
      {"unknown option",
       {"-t", "tables.txt", "-x"},
       "unknown option: -x",
       "",
       {},
       ""},
      {"unknown long option",
       {"--format=json", "-t", "a"},
       "unknown option: --format=json",
       "",
       {},
       ""},
      {"a stray word is skipped, as the generators skip it",
       {"stray", "-t", "tables.txt", "also"},
       "",
       "tables.txt",
       {},
       ""},
      {"a stray word alone names nothing to check",
       {"tables.txt"},
       "nothing to check: name a tables file, a header or configuration "
       "files",
       "",
       {},
       ""},
      {"option without value", {"-t"}, "-t needs a value", "", {}, ""},
      {"empty list",
       {"-c", "-g", "h"},
       "-c names no configuration file",
       "",
       {},
       ""},
      {"nothing to check",
       {"--werror"},
       "nothing to check: name a tables file, a header or configuration "
       "files",
       "",
       {},
       ""},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    LintArgs args;
    std::string errorText;
    EXPECT_EQ(parseLintCommandLine(row.arguments, args, errorText),
              row.errorText.empty());
    EXPECT_EQ(errorText, row.errorText);
    if (row.errorText.empty()) {
      EXPECT_EQ(args.tableFile, row.tableFile);
      EXPECT_EQ(args.configFiles, row.configFiles);
      EXPECT_EQ(args.headerFile, row.headerFile);
    }
  }
}

TEST(ParseLintCommandLine, KeepsTheSkippedWordsInTheirOrder) {
  LintArgs args;
  std::string errorText;
  ASSERT_TRUE(parseLintCommandLine({"x", "-t", "a", "", "-c", "b", "-g", "h"},
                                   args, errorText));
  EXPECT_EQ(args.skippedWords, (Words{"x", ""}));
}

TEST(ParseLintCommandLine, ReadsTheLongOptions) {
  LintArgs args;
  std::string errorText;
  ASSERT_TRUE(parseLintCommandLine(
      {"--werror", "--layout", "--format=msvc", "-t", "a"}, args, errorText));
  EXPECT_TRUE(args.werror);
  EXPECT_TRUE(args.layout);
  EXPECT_EQ(args.format, LintFormat::msvc);
  ASSERT_TRUE(parseLintCommandLine({"--version"}, args, errorText));
  EXPECT_TRUE(args.version);
  ASSERT_TRUE(parseLintCommandLine({"--help"}, args, errorText));
  EXPECT_TRUE(args.help);
  EXPECT_EQ(args.format, LintFormat::gcc);
}

}  // namespace
