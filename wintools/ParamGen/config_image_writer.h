#pragma once

#include <string>
#include <vector>

#include "field_table.h"
#include "report_log.h"

// Writes the MTT script: one record line per assigned record, page "c" for
// config_t and "C" for config_ext_t, offset its image index; warns about and
// counts every record without a value. Refuses, touching nothing, a file
// that is one of filesInUse. Returns false with errorText set when the file
// cannot be opened, or cannot be written or closed in full.
[[nodiscard]] bool writeConfigImage(const FieldTable& configTable,
                                    const FieldTable& configExtTable,
                                    ReportLog& report,
                                    const std::string& outFile,
                                    const std::vector<std::string>& filesInUse,
                                    std::string& errorText);
