#include "report_log.h"

#include <limits>

#include "text_file.h"

namespace {

void addOne(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) {
    ++counter;
  }
}

void writeLogLine(ReportLog& report, const std::string& text) {
  if (!report.logUsable) {
    return;
  }
  // A log that cannot be written to is dropped for the rest of the run.
  if (!writeFileLine(report.log, text)) {
    report.logUsable = false;
  }
}

}  // namespace

void countError(ReportLog& report) { addOne(report.errorCount); }

void countWarning(ReportLog& report) { addOne(report.warningCount); }

void reportConsoleLine(ReportLog& report, const std::string& text) {
  // The console is a text stream: "\n" becomes the platform's own line end.
  *report.console << text << '\n';
  report.console->flush();
}

void reportLine(ReportLog& report, const std::string& text) {
  reportConsoleLine(report, text);
  writeLogLine(report, text);
}

void reportWarning(ReportLog& report, const std::string& message) {
  countWarning(report);
  const std::string line = "Warning: " + message;
  writeLogLine(report, line);
  reportConsoleLine(report, line);
}

void reportSummary(ReportLog& report, const std::string& imageName) {
  reportConsoleLine(report, "");
  reportLine(report, imageName + " generated with " +
                         std::to_string(report.errorCount) + " errors and " +
                         std::to_string(report.warningCount) + " warnings.");
  if (report.errorCount > 0) {
    reportConsoleLine(report, "");
    reportLine(report,
               "Errors encountered, do not use " + imageName + " file!");
  }
}

bool openLog(ReportLog& report, const std::string& fileName,
             const std::vector<std::string>& filesInUse,
             std::string& errorText) {
  report.logUsable = openOutput(report.log, fileName, filesInUse, errorText);
  return report.logUsable;
}

void closeLog(ReportLog& report) {
  if (report.log.is_open()) {
    report.log.flush();
    report.log.close();
  }
  report.logUsable = false;
}
