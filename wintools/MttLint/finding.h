#pragma once

#include <string>
#include <string_view>

// How bad a finding is: errors fail the run, warnings with --werror.
enum class Severity { error, warning, note };

// How a finding's place is written: FILE:LINE:COLUMN (gcc) or
// FILE(LINE,COLUMN) (msvc, for Visual Studio's error list).
enum class LintFormat { gcc, msvc };

// One thing the checker found, at a place of a file.
struct Finding {
  // 1-based; 0 for a finding about the whole file, which has no column.
  long line = 0;
  // 1-based byte offset in the line as written, a byte-order mark not
  // counted.
  long column = 0;
  Severity severity = Severity::warning;
  std::string text;
};

// "error", "warning" or "note".
const char* severityWord(Severity severity);

// The finding as one output line, without line end.
std::string formatFinding(const std::string& file, const Finding& finding,
                          LintFormat format);

// The column of the byte at `at`, which lies in line (a view into the file).
inline long columnOf(std::string_view line, const char* at) {
  return static_cast<long>(at - line.data()) + 1;
}
