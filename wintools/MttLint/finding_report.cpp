#include "finding_report.h"

#include <utility>

namespace {

std::string counted(long count, const char* word) {
  std::string text = std::to_string(count) + ' ' + word;
  if (count != 1) {
    text += 's';
  }
  return text;
}

}  // namespace

void addFinding(FindingReport& report, const std::string& file,
                const Finding& finding) {
  switch (finding.severity) {
    case Severity::error:
      ++report.errors;
      break;
    case Severity::warning:
      ++report.warnings;
      break;
    case Severity::note:
      ++report.notes;
      break;
  }
  // Written without a flush: a run may find a great many.
  *report.out << formatFinding(file, finding, report.format) << '\n';
}

void addFinding(FindingReport& report, const std::string& file, long line,
                long column, Severity severity, std::string text) {
  addFinding(report, file, Finding{line, column, severity, std::move(text)});
}

void addFileFinding(FindingReport& report, const std::string& file,
                    Severity severity, std::string text) {
  addFinding(report, file, Finding{0, 0, severity, std::move(text)});
}

std::string summaryLine(const FindingReport& report) {
  return "mttlint: " + counted(report.errors, "error") + ", " +
         counted(report.warnings, "warning") + ", " +
         counted(report.notes, "note");
}
