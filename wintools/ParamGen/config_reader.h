#pragma once

#include <string>

#include "field_table.h"
#include "line_reader.h"
#include "report_log.h"

// Applies each assignment to the first record of its name, config_t first,
// reporting value errors, unknown names and repeats under fileName. Nothing
// in a configuration file stops the run: returns false only when reading
// the file failed before its end (the reader's readFailed).
[[nodiscard]] bool readConfigFile(LineReader& reader,
                                  const std::string& fileName,
                                  ReportLog& report, FieldTable& configTable,
                                  FieldTable& configExtTable);
