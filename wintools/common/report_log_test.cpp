#include "report_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

std::string readBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ReportLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    report.console = &console;
    logName =
        (std::filesystem::temp_directory_path() /
         (std::string("report_log_test_") +
          ::testing::UnitTest::GetInstance()->current_test_info()->name() +
          ".log"))
            .string();
  }
  void TearDown() override { std::remove(logName.c_str()); }

  void openTheLog() {
    std::string errorText;
    ASSERT_TRUE(openLog(report, logName, {}, errorText));
  }

  std::ostringstream console;
  ReportLog report;
  std::string logName;
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
  {
    std::ofstream old(logName, std::ios::binary);
    old << "from an earlier run\r\n";
  }
  openTheLog();
  reportLine(report, "new");
  closeLog(report);
  EXPECT_EQ(readBytes(logName), "new\r\n");
}

TEST_F(ReportLogTest, SummaryWithoutErrors) {
  openTheLog();
  reportWarning(report, "w");
  reportSummary(report, "tables.mtt");
  closeLog(report);
  EXPECT_EQ(console.str(),
            "Warning: w\n\ntables.mtt generated with 0 errors and 1 "
            "warnings.\n");
  EXPECT_EQ(readBytes(logName),
            "Warning: w\r\ntables.mtt generated with 0 errors and 1 "
            "warnings.\r\n");
}

TEST_F(ReportLogTest, SummaryWithErrorsWarnsAgainstTheImage) {
  openTheLog();
  countError(report);
  countError(report);
  reportSummary(report, "config.mtt");
  closeLog(report);
  EXPECT_EQ(console.str(),
            "\nconfig.mtt generated with 2 errors and 0 warnings.\n\n"
            "Errors encountered, do not use config.mtt file!\n");
  EXPECT_EQ(readBytes(logName),
            "config.mtt generated with 2 errors and 0 warnings.\r\n"
            "Errors encountered, do not use config.mtt file!\r\n");
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
