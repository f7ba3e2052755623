#include "lint_tool.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "lint_test_support.h"
#include "test_support.h"

namespace {

class LintToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    const std::string maps = "n[0]=01\nj[0]=01\nl[0]=01\nk[0]=01\nr[0]=01\n";
    write("clean.txt", maps + "b[0]=01\nt[0]=01 02 03 04 05 06 07 08\n");
    write("warned.txt", maps + "b[0]=01\nt[0]=01\n");
    write("wrong.txt",
          maps + "k[0]=02\nb[0]=01\nt[0]=01 02 03 04 05 06 07 08\n");
    write("utf16.txt", "\xFF\xFE");
    write("global.h", "struct config_t {\n  uint8_t a;\n};\n");
    write("config.txt", "a=01\n");
  }

  void write(const std::string& name, const std::string& bytes) {
    test_support::writeBytes(folder.file(name), bytes);
  }

  // Runs the tool; the names in the arguments are of the folder.
  int run(std::vector<std::string> arguments) {
    for (std::string& argument : arguments) {
      if (argument.find('.') != std::string::npos && argument[0] != '-') {
        argument = folder.file(argument);
      }
    }
    console.str("");
    return runLintTool(arguments, console);
  }

  std::string lastLine() const {
    const std::vector<std::string> lines = lint_test::linesOf(console.str());
    return lines.empty() ? "" : lines.back();
  }

  test_support::TempFolder folder;
  std::ostringstream console;
};

TEST_F(LintToolTest, ExitsWithTheStatusOfWhatItFound) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    const char* summary;
  };
  const Case cases[] = {
      {{"-t", "clean.txt"}, 0, "mttlint: 0 errors, 0 warnings, 0 notes"},
      {{"-T", "warned.txt", "-l", "x.log", "-o", "x.mtt"},
       0,
       "mttlint: 0 errors, 1 warning, 0 notes"},
      {{"--werror", "-t", "warned.txt"},
       1,
       "mttlint: 0 errors, 1 warning, 0 notes"},
      {{"--werror", "-t", "clean.txt"},
       0,
       "mttlint: 0 errors, 0 warnings, 0 notes"},
      {{"-t", "wrong.txt"}, 1, "mttlint: 1 error, 0 warnings, 0 notes"},
      {{"-t", "absent.txt"}, 2, "mttlint: 1 error, 0 warnings, 0 notes"},
      {{"-t", "wrong.txt", "-c", "absent.txt", "-g", "global.h"},
       2,
       "mttlint: 2 errors, 0 warnings, 1 note"},
      {{"-c", "config.txt", "-g", "utf16.txt"},
       2,
       "mttlint: 1 error, 0 warnings, 1 note"},
      {{"-c", "config.txt", "-g", "global.h"},
       0,
       "mttlint: 0 errors, 0 warnings, 1 note"},
      {{"-g", "global.h"}, 0, "mttlint: 0 errors, 0 warnings, 1 note"},
      {{"-c", "config.txt"}, 0, "mttlint: 0 errors, 0 warnings, 1 note"},
      {{"-t", "clean.txt", "--bogus"}, 2, "an input that cannot be read."},
      {{"--help"}, 0, "an input that cannot be read."},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.arguments[0] + " " + row.arguments.back());
    EXPECT_EQ(run(row.arguments), row.status);
    EXPECT_EQ(lastLine(), row.summary);
  }
}

TEST_F(LintToolTest, NamesEachFileAsTheCommandLineGivesIt) {
  EXPECT_EQ(run({"--format=msvc", "-t", "warned.txt"}), 0);
  const std::string expected =
      folder.file("warned.txt") + "(7,6): warning: table t has 1 value";
  EXPECT_EQ(console.str().compare(0, expected.size(), expected), 0)
      << console.str();
}

TEST_F(LintToolTest, PrintsTheLayoutBeforeTheSummary) {
  EXPECT_EQ(run({"-c", "config.txt", "-g", "global.h", "--layout"}), 0);
  const std::vector<std::string> lines = lint_test::linesOf(console.str());
  ASSERT_EQ(lines.size(), 6u) << console.str();
  EXPECT_EQ(lines[1], folder.file("global.h") + ": config_t, page c, 1 record");
  EXPECT_EQ(lines[3], "    0  g00c    01     \"a\"   " +
                          folder.file("config.txt") + ":1");
  EXPECT_EQ(lines[4],
            folder.file("global.h") + ": config_ext_t, page C, 0 records");
}

TEST_F(LintToolTest, TheLayoutSaysWhenAGeneratorStopsAtAnError) {
  write("open.h", "struct config_t {\n  uint8_t a;\n  uint8_t b[4;\n};\n");
  const struct {
    const char* name;
    std::vector<std::string> arguments;
    std::string stopLine;
  } cases[] = {
      {"a tables error stops mapgen",
       {"-t", "wrong.txt", "--layout"},
       folder.file("wrong.txt") +
           ": mapgen stops at the first error above and writes no complete "
           "script; the tables below are what it would write without the "
           "errors"},
      {"a member without \"]\" stops paramgen",
       {"-g", "open.h", "--layout"},
       folder.file("open.h") +
           ": paramgen stops at the error above and writes no script; the "
           "records below are what it would make without it"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(run(row.arguments), 1);
    EXPECT_NE(console.str().find(row.stopLine + "\n"), std::string::npos)
        << console.str();
  }
  EXPECT_EQ(run({"-t", "clean.txt", "--layout"}), 0);
  EXPECT_EQ(console.str().find(" stops at "), std::string::npos);
}

// The sanitizers reserve far more address space than the limit leaves.
#if defined(__SANITIZE_ADDRESS__)
#define WINTOOLS_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WINTOOLS_ADDRESS_SANITIZER 1
#endif
#endif

TEST_F(LintToolTest, MemoryRunningOutOnAHugeLineEndsItsCheckNotTheRun) {
#ifdef WINTOOLS_ADDRESS_SANITIZER
  GTEST_SKIP() << "the sanitizers need more address space than the limit";
#else
  // A line without "=" of 96 MiB: its finding quotes the whole line, which
  // does not fit beside the file under the limit.
  write("huge.txt", "k[0]" + std::string(96u << 20, 'x') + "\n");
  const std::string name = folder.file("huge.txt");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlim_t bytes = rlim_t{320} << 20;
    const rlimit limit = {bytes, bytes};
    if (setrlimit(RLIMIT_AS, &limit) != 0) {
      _exit(100);
    }
    std::ostringstream out;
    const int status = runLintTool({"-t", name}, out);
    const std::string text = out.str();
    const bool told =
        text.find(
            ": error: the file needs more memory than is left to be "
            "checked; its check stops here\n") != std::string::npos &&
        text.find("mttlint: 1 error, 0 warnings, 0 notes\n") !=
            std::string::npos;
    _exit(told ? status : 101);
  }
  int waitStatus = 0;
  ASSERT_EQ(waitpid(child, &waitStatus, 0), child);
  ASSERT_TRUE(WIFEXITED(waitStatus)) << "the run ended by signal";
  EXPECT_EQ(WEXITSTATUS(waitStatus), 2);
#endif
}

}  // namespace
