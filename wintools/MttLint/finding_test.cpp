#include "finding.h"

#include <gtest/gtest.h>

#include <sstream>

#include "finding_report.h"

namespace {

TEST(FormatFinding, WritesThePlaceInEitherFormat) {
  struct Case {
    Finding finding;
    LintFormat format;
    const char* line;
  };
  const Case cases[] = {
      {{3, 12, Severity::warning, "text"},
       LintFormat::gcc,
       "dir/t.txt:3:12: warning: text"},
      {{3, 12, Severity::error, "text"},
       LintFormat::msvc,
       "dir/t.txt(3,12): error: text"},
      {{0, 0, Severity::note, "about the file"},
       LintFormat::gcc,
       "dir/t.txt: note: about the file"},
      {{0, 0, Severity::note, "about the file"},
       LintFormat::msvc,
       "dir/t.txt: note: about the file"},
  };
  for (const Case& row : cases) {
    EXPECT_EQ(formatFinding("dir/t.txt", row.finding, row.format), row.line);
  }
}

TEST(SummaryLine, CountsEachSeverityWithTheWordInTheRightNumber) {
  std::ostringstream out;
  FindingReport report;
  report.out = &out;
  EXPECT_EQ(summaryLine(report), "mttlint: 0 errors, 0 warnings, 0 notes");
  addFinding(report, "a", 1, 1, Severity::error, "e");
  addFinding(report, "a", 1, 1, Severity::warning, "w");
  addFileFinding(report, "a", Severity::note, "n");
  EXPECT_EQ(summaryLine(report), "mttlint: 1 error, 1 warning, 1 note");
  addFinding(report, "a", 2, 1, Severity::error, "e");
  addFinding(report, "a", 2, 1, Severity::warning, "w");
  addFileFinding(report, "a", Severity::note, "n");
  EXPECT_EQ(summaryLine(report), "mttlint: 2 errors, 2 warnings, 2 notes");
  EXPECT_EQ(out.str(),
            "a:1:1: error: e\na:1:1: warning: w\na: note: n\n"
            "a:2:1: error: e\na:2:1: warning: w\na: note: n\n");
}

}  // namespace
