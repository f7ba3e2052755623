#pragma once

#include <string>

#include "report_log.h"
#include "table_set.h"

// Compares the sizes of the tables with each other. Reports every warning at
// once; returns false when an error rule fired, with the text of the last
// one in errorText.
[[nodiscard]] bool checkGeometry(const TableSet& tables, ReportLog& report,
                                 std::string& errorText);
