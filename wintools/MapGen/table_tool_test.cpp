#include "table_tool.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct ParseCase {
  const char* name;
  std::vector<std::string> arguments;
  bool usable;
  std::string tableFile;
  std::string logFile;
  std::string outFile;
};

TEST(ParseCommandLine, TakesTheValueAfterEachOption) {
  const ParseCase cases[] = {
      {"table only", {"-t", "a.txt"}, true, "a.txt", "", "tables.mtt"},
      {"upper case",
       {"-T", "a.txt", "-L", "x.log", "-O", "o.mtt"},
       true,
       "a.txt",
       "x.log",
       "o.mtt"},
      {"last wins",
       {"-t", "a.txt", "-t", "b.txt"},
       true,
       "b.txt",
       "",
       "tables.mtt"},
      {"value is never an option",
       {"-t", "-l", "x"},
       true,
       "-l",
       "",
       "tables.mtt"},
      {"unknown skipped",
       {"-x", "-t", "a.txt", "stray"},
       true,
       "a.txt",
       "",
       "tables.mtt"},
      {"any order",
       {"-o", "o.mtt", "-l", "x.log", "-t", "a.txt"},
       true,
       "a.txt",
       "x.log",
       "o.mtt"},
      {"log without value keeps none",
       {"-t", "a.txt", "-l"},
       true,
       "a.txt",
       "",
       "tables.mtt"},
      {"out without value keeps earlier",
       {"-o", "o.mtt", "-t", "a", "-o"},
       true,
       "a",
       "",
       "o.mtt"},
      {"earlier table stays",
       {"-t", "a.txt", "-t"},
       true,
       "a.txt",
       "",
       "tables.mtt"},
      {"table without value", {"-t"}, false, "", "", "tables.mtt"},
      {"empty table name", {"-t", ""}, false, "", "", "tables.mtt"},
      {"nothing", {}, false, "", "", "tables.mtt"},
      {"longer words are no options",
       {"-tt", "a.txt"},
       false,
       "",
       "",
       "tables.mtt"},
  };
  for (const ParseCase& row : cases) {
    SCOPED_TRACE(row.name);
    std::ostringstream console;
    ReportLog report;
    report.console = &console;
    TableToolArgs args;
    EXPECT_EQ(parseCommandLine(row.arguments, args, report), row.usable);
    EXPECT_EQ(args.tableFile, row.tableFile);
    EXPECT_EQ(args.logFile, row.logFile);
    EXPECT_EQ(args.outFile, row.outFile);
    EXPECT_EQ(console.str().empty(), row.usable);
  }
}

TEST(RunTableTool, PrintsBannerAndUsageWithoutATableFile) {
  std::ostringstream console;
  EXPECT_EQ(runTableTool({}, console), -1);
  EXPECT_EQ(console.str(),
            "MapGen v0.8\n\n"
            "Usage: MapGen -t <table file> (optional: -l <log file> -o <out "
            "file> default: tables.mtt)\n"
            "Example: MapGen -t c:\\firmware\\etc\\tables.txt\n"
            "Example: MapGen -t c:\\firmware\\etc\\tables.txt -l error.log\n"
            "Example: MapGen -t c:\\firmware\\etc\\tables.txt -o "
            "c:\\tables.mtt\n");
}

}  // namespace
