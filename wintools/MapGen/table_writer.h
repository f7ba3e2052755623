#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "report_log.h"
#include "table_set.h"

// The writer's message for a cell without a value in the table's extent.
std::string missingValueText(char letter);

// Writes the script of the tables to an open stream: the header, every cell
// of every table's extent in the fixed table order, and the trailer. Returns
// false with errorText set at a cell without a value, which ends the script
// without its trailer, or when the stream fails.
[[nodiscard]] bool writeTableScript(std::ostream& out, const TableSet& tables,
                                    ReportLog& report, std::string& errorText);

// Writes every cell of every table's extent to outFile as an MTT script, in
// the fixed table order. Refuses, touching nothing, an outFile that is the
// same existing file as one of filesInUse. Returns false with errorText set
// when the file cannot be opened or written, or a cell in an extent has no
// value; the file then keeps what was written before the missing cell.
[[nodiscard]] bool writeTables(const TableSet& tables, ReportLog& report,
                               const std::string& outFile,
                               const std::vector<std::string>& filesInUse,
                               std::string& errorText);
