#pragma once

#include <string>

#include "line_reader.h"
#include "report_log.h"
#include "table_set.h"

// Reads the tables file to its end into the tables. Warnings are reported at
// once; the first error stops the reading, counts one error and returns
// false with its message in errorText. A read that fails also returns false,
// uncounted, with the reader's readFailed set.
[[nodiscard]] bool buildTables(LineReader& reader, TableSet& tables,
                               ReportLog& report, std::string& errorText);
