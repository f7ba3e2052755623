#include "config_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;

using Words = std::vector<std::string>;

TEST(ParseCommandLine, TakesFileNamesFromTheOptions) {
  struct Case {
    const char* name;
    Words arguments;
    Words configFiles;
    std::string headerFile;
    std::string logFile;
    std::string outFile;
  };
  const Case cases[] = {
      {"shortest usable line",
       {"-c", "a.txt", "-g", "global.h"},
       {"a.txt"},
       "global.h",
       "",
       "config.mtt"},
      {"list runs to the end",
       {"-g", "global.h", "-c", "a.txt", "b.txt"},
       {"a.txt", "b.txt"},
       "global.h",
       "",
       "config.mtt"},
      {"upper-case option words",
       {"-C", "a.txt", "-g", "global.h"},
       {"a.txt"},
       "global.h",
       "",
       "config.mtt"},
      {"upper-case header option",
       {"-G", "global.h", "-C", "a.txt"},
       {"a.txt"},
       "global.h",
       "",
       "config.mtt"},
      {"-o inside the list is a file name",
       {"-c", "a.txt", "-o", "out.mtt", "-g", "global.h"},
       {"a.txt", "-o", "out.mtt"},
       "global.h",
       "",
       "config.mtt"},
      {"-c inside the list is a file name",
       {"-c", "a.txt", "-c", "b.txt", "-g", "h"},
       {"a.txt", "-c", "b.txt"},
       "h",
       "",
       "config.mtt"},
      {"-L inside the list is a file name",
       {"-c", "a.txt", "-L", "x.log", "-g", "h"},
       {"a.txt", "-L", "x.log"},
       "h",
       "",
       "config.mtt"},
      {"-l ends the list",
       {"-c", "a.txt", "-l", "x.log", "-g", "h"},
       {"a.txt"},
       "h",
       "x.log",
       "config.mtt"},
      {"a second -c appends",
       {"-c", "a.txt", "-g", "h", "-c", "b.txt"},
       {"a.txt", "b.txt"},
       "h",
       "",
       "config.mtt"},
      {"output file",
       {"-o", "out.mtt", "-c", "a.txt", "-g", "h"},
       {"a.txt"},
       "h",
       "",
       "out.mtt"},
      {"later options win",
       {"-o", "1.mtt", "-g", "h1", "-c", "a.txt", "-g", "h2", "-o", "2.mtt"},
       {"a.txt"},
       "h2",
       "",
       "2.mtt"},
      {"-o last keeps the earlier value",
       {"-o", "1.mtt", "-c", "a.txt", "-g", "h", "-o"},
       {"a.txt"},
       "h",
       "",
       "1.mtt"},
      {"-g last keeps the earlier value",
       {"-g", "h", "-c", "a.txt", "-l", "x.log", "-g"},
       {"a.txt"},
       "h",
       "x.log",
       "config.mtt"},
      {"-l last keeps no log",
       {"-g", "h", "-c", "a.txt", "-l"},
       {"a.txt"},
       "h",
       "",
       "config.mtt"},
      {"other words are ignored",
       {"x", "-c", "a.txt", "-g", "h", "-x", "y", "--g"},
       {"a.txt"},
       "h",
       "",
       "config.mtt"},
      {"-g takes any next word",
       {"-g", "-c", "-c", "a.txt"},
       {"a.txt"},
       "-c",
       "",
       "config.mtt"},
      {"empty file names are names",
       {"-c", "", "-g", "h"},
       {""},
       "h",
       "",
       "config.mtt"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    std::ostringstream console;
    ReportLog report;
    report.console = &console;
    ConfigToolArgs args;
    ASSERT_TRUE(parseCommandLine(row.arguments, args, report));
    EXPECT_EQ(args.configFiles, row.configFiles);
    EXPECT_EQ(args.headerFile, row.headerFile);
    EXPECT_EQ(args.logFile, row.logFile);
    EXPECT_EQ(args.outFile, row.outFile);
    EXPECT_EQ(console.str(), "");
  }
}

TEST(ParseCommandLine, PrintsTheUsageWhenNoFileOrNoHeaderIsNamed) {
  const struct {
    const char* name;
    Words arguments;
  } cases[] = {
      {"no arguments", {}},
      {"three arguments", {"-c", "a.txt", "-g"}},
      {"upper-case -G does not end the list",
       {"-c", "a.txt", "-G", "global.h"}},
      {"no configuration file", {"-c", "-g", "global.h", "x"}},
      {"empty header name", {"-c", "a.txt", "-g", ""}},
      {"no header", {"-c", "a.txt", "b.txt", "c.txt"}},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    std::ostringstream console;
    ReportLog report;
    report.console = &console;
    ConfigToolArgs args;
    EXPECT_FALSE(parseCommandLine(row.arguments, args, report));
    EXPECT_EQ(console.str(),
              "Usage: ParamGen -c <config file1> ... <config fileN> -g "
              "<global file> (optional: -l <log file> -o <out file>)\n"
              "Example: paramgen -c c:\\firmware\\etc\\config.txt "
              "c:\\firmware\\etc\\myconfig.txt -g c:\\firmware\\global.h\n"
              "Example: paramgen -c c:\\firmware\\etc\\config.txt -g "
              "c:\\firmware\\global.h -l configError.log\n"
              "Example: paramgen -c c:\\firmware\\etc\\config.txt -g "
              "c:\\firmware\\global.h -o c:\\config.mtt\n");
  }
}

class ConfigToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             (std::string("config_tool_test_") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder);
    header = (folder / "global.h").string();
    config = (folder / "config.txt").string();
    outFile = (folder / "config.mtt").string();
    std::ofstream(header, std::ios::binary)
        << "struct config_t {\nuint8_t a;\n};\n";
    std::ofstream(config, std::ios::binary) << "a=1\n";
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
  std::string header;
  std::string config;
  std::string outFile;
};

#if defined(__unix__) || defined(__APPLE__)
// Lowers the limit of open files for one test and puts it back after.
class OpenFileLimit {
 public:
  explicit OpenFileLimit(rlim_t limit) {
    ok_ = getrlimit(RLIMIT_NOFILE, &saved_) == 0;
    rlimit lowered = saved_;
    lowered.rlim_cur = limit;
    ok_ = ok_ && setrlimit(RLIMIT_NOFILE, &lowered) == 0;
  }
  ~OpenFileLimit() {
    if (ok_) {
      setrlimit(RLIMIT_NOFILE, &saved_);
    }
  }
  bool ok() const { return ok_; }

 private:
  rlimit saved_{};
  bool ok_ = false;
};
#endif

TEST_F(ConfigToolTest, AFileThatCannotBeOpenedASecondTimeStopsTheRun) {
#if defined(__unix__) || defined(__APPLE__)
  // The files are read one at a time but kept open together afterwards, so
  // a list longer than the open-file limit fails only at the second opening.
  Words arguments = {"-g", header, "-o", outFile, "-c"};
  for (int i = 0; i < 200; ++i) {
    arguments.push_back(config);
  }
  std::ostringstream console;
  int status = 0;
  {
    OpenFileLimit limit(64);
    if (!limit.ok()) {
      GTEST_SKIP() << "cannot lower the open-file limit";
    }
    status = runConfigTool(arguments, console);
  }
  EXPECT_EQ(status, -8);
  const std::string text = console.str();
  const std::string lastLine = "Couldn't open file: " + config + "\n";
  ASSERT_GE(text.size(), lastLine.size());
  EXPECT_EQ(text.substr(text.size() - lastLine.size()), lastLine);
  EXPECT_EQ(text.find("Error"), std::string::npos);
  EXPECT_FALSE(fs::exists(outFile));
#else
  GTEST_SKIP() << "needs a limit of open files";
#endif
}

}  // namespace
