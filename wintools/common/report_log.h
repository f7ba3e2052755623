#pragma once

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

// The run's reporting facility: the console, the optional log and the two
// counters that the summary line prints.
struct ReportLog {
  std::ostream* console = &std::cout;
  std::ofstream log;
  // True from a successful openLog until closeLog or the first failed write.
  bool logUsable = false;
  std::int32_t errorCount = 0;
  std::int32_t warningCount = 0;
};

// Adds one to errorCount; the count stops at its maximum instead of wrapping.
void countError(ReportLog& report);

// Adds one to warningCount; the count stops at its maximum instead of wrapping.
void countWarning(ReportLog& report);

// Writes the text as one line to the console, then to the log while usable.
void reportLine(ReportLog& report, const std::string& text);

// Writes the text as one line to the console only.
void reportConsoleLine(ReportLog& report, const std::string& text);

// Counts a warning and writes "Warning: " + message to the log (while
// usable) and then to the console.
void reportWarning(ReportLog& report, const std::string& message);

// Writes the closing lines of a successful run for the named image.
void reportSummary(ReportLog& report, const std::string& imageName);

// Creates or empties the log file and makes it usable. Refuses a file that
// is one of filesInUse, so that a log never overwrites an input. Returns
// false with errorText set when the log cannot be opened.
[[nodiscard]] bool openLog(ReportLog& report, const std::string& fileName,
                           const std::vector<std::string>& filesInUse,
                           std::string& errorText);

// Flushes and closes the log if it is open; the log is unusable afterwards.
void closeLog(ReportLog& report);
