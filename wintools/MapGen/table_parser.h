#pragma once

#include <istream>
#include <string>

#include "report_log.h"
#include "table_set.h"

// Reads the tables file to its end into the tables. Warnings are reported at
// once; the first error stops the reading, counts one error and returns
// false with its message in errorText.
[[nodiscard]] bool buildTables(std::istream& in, TableSet& tables,
                               ReportLog& report, std::string& errorText);
