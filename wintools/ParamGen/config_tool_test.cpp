#include "config_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;

using Words = std::vector<std::string>;

const char kUsage[] =
    "Usage: ParamGen -c <config file1> ... <config fileN> -g <global file> "
    "(optional: -l <log file> -o <out file>)\n"
    "Example: paramgen -c c:\\firmware\\etc\\config.txt "
    "c:\\firmware\\etc\\myconfig.txt -g c:\\firmware\\global.h\n"
    "Example: paramgen -c c:\\firmware\\etc\\config.txt -g "
    "c:\\firmware\\global.h -l configError.log\n"
    "Example: paramgen -c c:\\firmware\\etc\\config.txt -g "
    "c:\\firmware\\global.h -o c:\\config.mtt\n";

TEST(ParseCommandLine, TakesFileNamesFromTheOptionsOrPrintsTheUsage) {
  struct Case {
    const char* name;
    bool usable;
    Words arguments;
    Words configFiles;
    std::string headerFile;
    std::string logFile;
    std::string outFile;
  };
  const Case cases[] = {
      {"shortest usable line",
       true,
       {"-c", "a.txt", "-g", "global.h"},
       {"a.txt"},
       "global.h",
       "",
       "config.mtt"},
      {"list runs to the end",
       true,
       {"-g", "global.h", "-c", "a.txt", "b.txt"},
       {"a.txt", "b.txt"},
       "global.h",
       "",
       "config.mtt"},
      {"upper-case option words",
       true,
       {"-C", "a.txt", "-g", "global.h"},
       {"a.txt"},
       "global.h",
       "",
       "config.mtt"},
      {"upper-case header option",
       true,
       {"-G", "global.h", "-C", "a.txt"},
       {"a.txt"},
       "global.h",
       "",
       "config.mtt"},
      {"-o inside the list is a file name",
       true,
       {"-c", "a.txt", "-o", "out.mtt", "-g", "global.h"},
       {"a.txt", "-o", "out.mtt"},
       "global.h",
       "",
       "config.mtt"},
      {"-c inside the list is a file name",
       true,
       {"-c", "a.txt", "-c", "b.txt", "-g", "h"},
       {"a.txt", "-c", "b.txt"},
       "h",
       "",
       "config.mtt"},
      {"-L inside the list is a file name",
       true,
       {"-c", "a.txt", "-L", "x.log", "-g", "h"},
       {"a.txt", "-L", "x.log"},
       "h",
       "",
       "config.mtt"},
      {"-l ends the list",
       true,
       {"-c", "a.txt", "-l", "x.log", "-g", "h"},
       {"a.txt"},
       "h",
       "x.log",
       "config.mtt"},
      {"a second -c appends",
       true,
       {"-c", "a.txt", "-g", "h", "-c", "b.txt"},
       {"a.txt", "b.txt"},
       "h",
       "",
       "config.mtt"},
      {"output file",
       true,
       {"-o", "out.mtt", "-c", "a.txt", "-g", "h"},
       {"a.txt"},
       "h",
       "",
       "out.mtt"},
      {"later options win",
       true,
       {"-o", "1.mtt", "-g", "h1", "-c", "a.txt", "-g", "h2", "-o", "2.mtt"},
       {"a.txt"},
       "h2",
       "",
       "2.mtt"},
      {"-o last keeps the earlier value",
       true,
       {"-o", "1.mtt", "-c", "a.txt", "-g", "h", "-o"},
       {"a.txt"},
       "h",
       "",
       "1.mtt"},
      {"-g last keeps the earlier value",
       true,
       {"-g", "h", "-c", "a.txt", "-l", "x.log", "-g"},
       {"a.txt"},
       "h",
       "x.log",
       "config.mtt"},
      {"-l last keeps no log",
       true,
       {"-g", "h", "-c", "a.txt", "-l"},
       {"a.txt"},
       "h",
       "",
       "config.mtt"},
      {"other words are ignored",
       true,
       {"x", "-c", "a.txt", "-g", "h", "-x", "y", "--g"},
       {"a.txt"},
       "h",
       "",
       "config.mtt"},
      {"-g takes any next word",
       true,
       {"-g", "-c", "-c", "a.txt"},
       {"a.txt"},
       "-c",
       "",
       "config.mtt"},
      {"empty file names are names",
       true,
       {"-c", "", "-g", "h"},
       {""},
       "h",
       "",
       "config.mtt"},
      {"no arguments", false, {}, {}, "", "", "config.mtt"},
      {"three arguments are too few",
       false,
       {"-c", "a.txt", "-g"},
       {},
       "",
       "",
       "config.mtt"},
      {"upper-case -G does not end the list",
       false,
       {"-c", "a.txt", "-G", "global.h"},
       {"a.txt", "-G", "global.h"},
       "",
       "",
       "config.mtt"},
      {"no configuration file",
       false,
       {"-c", "-g", "global.h", "x"},
       {},
       "global.h",
       "",
       "config.mtt"},
      {"empty header name",
       false,
       {"-c", "a.txt", "-g", ""},
       {"a.txt"},
       "",
       "",
       "config.mtt"},
      {"no header",
       false,
       {"-c", "a.txt", "b.txt", "c.txt"},
       {"a.txt", "b.txt", "c.txt"},
       "",
       "",
       "config.mtt"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    std::ostringstream console;
    ReportLog report;
    report.console = &console;
    ConfigToolArgs args;
    EXPECT_EQ(parseCommandLine(row.arguments, args, report), row.usable);
    EXPECT_EQ(args.configFiles, row.configFiles);
    EXPECT_EQ(args.headerFile, row.headerFile);
    EXPECT_EQ(args.logFile, row.logFile);
    EXPECT_EQ(args.outFile, row.outFile);
    EXPECT_EQ(console.str(), row.usable ? "" : kUsage);
  }
}

class ConfigToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    test_support::writeBytes(header, "struct config_t {\nuint8_t a;\n};\n");
    test_support::writeBytes(config, "a=1\n");
  }

  test_support::TempFolder folder;
  const std::string header = folder.file("global.h");
  const std::string config = folder.file("config.txt");
  const std::string outFile = folder.file("config.mtt");
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

TEST_F(ConfigToolTest, AListLongerThanTheOpenFileLimitIsRead) {
#if defined(__unix__) || defined(__APPLE__)
  // Each file is open only while it is read or checked a second time, so a
  // list longer than the limit of open files needs one handle at a time.
  Words arguments = {"-g", header, "-o", outFile, "-c"};
  for (int i = 0; i < 200; ++i) {
    arguments.push_back(config);
  }
  std::ostringstream console;
  int status = -1;
  {
    OpenFileLimit limit(64);
    if (!limit.ok()) {
      GTEST_SKIP() << "cannot lower the open-file limit";
    }
    status = runConfigTool(arguments, console);
  }
  EXPECT_EQ(status, 0);
  EXPECT_EQ(console.str().find("Couldn't open file"), std::string::npos);
  EXPECT_EQ(test_support::readBytes(outFile),
            "Mantt\r\ng00c01\r\nmcs\r\nbye\r\n");
#else
  GTEST_SKIP() << "needs a limit of open files";
#endif
}

}  // namespace
