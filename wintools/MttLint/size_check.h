#pragma once

#include "finding_report.h"
#include "table_check.h"

// Reports every size rule that holds for the stored lines, at the line that
// sets the size in question (the other table's when the table has no line,
// the file when neither has one), then every cell that the writer will find
// without a value: rows missing below a table's highest row, at the line
// that sets it, and rows shorter than the table's longest, at their line.
void reportTableSizes(const std::string& file, const TablesCheck& check,
                      FindingReport& report);
