#include "report_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "test_support.h"

namespace {

using test_support::readBytes;

class ReportLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    report.console = &console;
  }

  void openTheLog() {
    std::string errorText;
    ASSERT_TRUE(openLog(report, logName, {}, errorText));
  }

  test_support::TempFolder folder;
  const std::string logName = folder.file("run.log");
  std::ostringstream console;
  ReportLog report;
};

TEST_F(ReportLogTest, WithoutLogEverythingGoesToTheConsoleOnly) {
  reportLine(report, "one");
  reportWarning(report, "two");
  EXPECT_EQ(console.str(), "one\nWarning: two\n");
  EXPECT_EQ(report.warningCount, 1);
  EXPECT_EQ(report.errorCount, 0);
}

TEST_F(ReportLogTest, LogHoldsTheSameLinesWithCrLf) {
  openTheLog();
  reportLine(report, "one");
  reportConsoleLine(report, "console only");
  reportWarning(report, "two");
  closeLog(report);
  EXPECT_EQ(console.str(), "one\nconsole only\nWarning: two\n");
  EXPECT_EQ(readBytes(logName), "one\r\nWarning: two\r\n");
}

TEST_F(ReportLogTest, AnOldLogIsEmptiedAtOpen) {
  test_support::writeBytes(logName, "from an earlier run\r\n");
  openTheLog();
  reportLine(report, "new");
  closeLog(report);
  EXPECT_EQ(readBytes(logName), "new\r\n");
}

TEST_F(ReportLogTest, CloseLogLeavesTheLogClosedAndUnusable) {
  openTheLog();
  closeLog(report);
  EXPECT_FALSE(report.log.is_open());
  EXPECT_FALSE(report.logUsable);
  reportLine(report, "after the close");
  EXPECT_EQ(readBytes(logName), "");
  EXPECT_EQ(console.str(), "after the close\n");
}

TEST_F(ReportLogTest, SummaryWarnsAgainstTheImageFromTheFirstError) {
  struct Case {
    int errors;
    int warnings;
    const char* imageName;
    std::string console;
    std::string log;
  };
  const Case cases[] = {
      {0, 1, "tables.mtt",
       "\ntables.mtt generated with 0 errors and 1 warnings.\n",
       "tables.mtt generated with 0 errors and 1 warnings.\r\n"},
      {1, 0, "config.mtt",
       "\nconfig.mtt generated with 1 errors and 0 warnings.\n\n"
       "Errors encountered, do not use config.mtt file!\n",
       "config.mtt generated with 1 errors and 0 warnings.\r\n"
       "Errors encountered, do not use config.mtt file!\r\n"},
      {2, 3, "config.mtt",
       "\nconfig.mtt generated with 2 errors and 3 warnings.\n\n"
       "Errors encountered, do not use config.mtt file!\n",
       "config.mtt generated with 2 errors and 3 warnings.\r\n"
       "Errors encountered, do not use config.mtt file!\r\n"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(std::to_string(row.errors) + " errors");
    console.str("");
    report = ReportLog();
    report.console = &console;
    openTheLog();
    report.errorCount = row.errors;
    report.warningCount = row.warnings;
    reportSummary(report, row.imageName);
    closeLog(report);
    EXPECT_EQ(console.str(), row.console);
    EXPECT_EQ(readBytes(logName), row.log);
  }
}

TEST_F(ReportLogTest, CountersStopAtTheirMaximum) {
  report.errorCount = 2147483647;
  report.warningCount = 2147483647;
  countError(report);
  reportWarning(report, "w");
  EXPECT_EQ(report.errorCount, 2147483647);
  EXPECT_EQ(report.warningCount, 2147483647);
}

TEST_F(ReportLogTest, ALogThatCannotBeOpenedStaysUnusable) {
  std::string errorText;
  EXPECT_FALSE(openLog(report, "", {}, errorText));
  EXPECT_EQ(errorText, "Couldn't open file: ");
  EXPECT_FALSE(report.logUsable);
  reportLine(report, "still shown");
  EXPECT_EQ(console.str(), "still shown\n");
}

TEST_F(ReportLogTest, AFailedLogWriteTurnsTheLogOff) {
  std::string errorText;
  if (!std::filesystem::exists("/dev/full")) {
    GTEST_SKIP() << "no /dev/full here";
  }
  ASSERT_TRUE(openLog(report, "/dev/full", {}, errorText));
  reportLine(report, "lost");
  EXPECT_FALSE(report.logUsable);
  reportLine(report, "console only now");
  EXPECT_EQ(console.str(), "lost\nconsole only now\n");
  closeLog(report);
}

}  // namespace
