#pragma once

#include <ostream>
#include <string>

#include "finding.h"

// Where the findings of a run go: each is printed as it is found, and
// counted for the summary and the exit status.
struct FindingReport {
  std::ostream* out = nullptr;
  LintFormat format = LintFormat::gcc;
  long errors = 0;
  long warnings = 0;
  long notes = 0;
  // An input could not be opened or read: the exit status is 2.
  bool inputUnreadable = false;
};

// Prints the finding about the file and counts it.
void addFinding(FindingReport& report, const std::string& file,
                const Finding& finding);

// addFinding of a finding at a line and column.
void addFinding(FindingReport& report, const std::string& file, long line,
                long column, Severity severity, std::string text);

// addFinding of a finding about the whole file.
void addFileFinding(FindingReport& report, const std::string& file,
                    Severity severity, std::string text);

// "mttlint: N errors, N warnings, N notes", each word singular for 1.
std::string summaryLine(const FindingReport& report);
