#pragma once

#include <string>
#include <vector>

#include "report_log.h"
#include "table_set.h"

// Writes every cell of every table's extent to outFile as an MTT script, in
// the fixed table order. Refuses, touching nothing, an outFile that is the
// same existing file as one of filesInUse. Returns false with errorText set
// when the file cannot be opened or written, or a cell in an extent has no
// value; the file then keeps what was written before the missing cell.
[[nodiscard]] bool writeTables(const TableSet& tables, ReportLog& report,
                               const std::string& outFile,
                               const std::vector<std::string>& filesInUse,
                               std::string& errorText);
