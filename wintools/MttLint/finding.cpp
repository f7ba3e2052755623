#include "finding.h"

const char* severityWord(Severity severity) {
  switch (severity) {
    case Severity::error:
      return "error";
    case Severity::warning:
      return "warning";
    case Severity::note:
      break;
  }
  return "note";
}

std::string formatFinding(const std::string& file, const Finding& finding,
                          LintFormat format) {
  std::string out = file;
  if (finding.line > 0) {
    const std::string line = std::to_string(finding.line);
    const std::string column = std::to_string(finding.column);
    if (format == LintFormat::msvc) {
      out += '(' + line + ',' + column + ')';
    } else {
      out += ':' + line + ':' + column;
    }
  }
  out += ": ";
  out += severityWord(finding.severity);
  out += ": ";
  out += finding.text;
  return out;
}
