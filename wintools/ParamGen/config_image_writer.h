#pragma once

#include <string>
#include <vector>

#include "field_table.h"
#include "report_log.h"

// The warning about a record that no configuration file gave a value.
std::string missingValueMessage(const std::string& name);

// Writes one record line per assigned record (page "c" or "C") and warns
// about each other one. Returns false with errorText set when outFile is one
// of filesInUse (left untouched) or cannot be opened or written in full.
[[nodiscard]] bool writeConfigImage(const FieldTable& configTable,
                                    const FieldTable& configExtTable,
                                    ReportLog& report,
                                    const std::string& outFile,
                                    const std::vector<std::string>& filesInUse,
                                    std::string& errorText);
