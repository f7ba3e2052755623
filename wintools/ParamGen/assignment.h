#pragma once

#include <string>
#include <string_view>

#include "report_log.h"

// One configuration line split at its first "=".
struct Assignment {
  std::string name;
  // Two upper-case hexadecimal digits; "FF" after a value error.
  std::string value;
};

// Splits a cleaned line at its first "=" and normalises the value, printing
// and counting a value error ("ERROR " + name + " has value: " + value) when
// it is no one-byte hexadecimal value. Returns false for a line without "=".
[[nodiscard]] bool parseAssignment(std::string_view line, ReportLog& report,
                                   Assignment& assignment);
