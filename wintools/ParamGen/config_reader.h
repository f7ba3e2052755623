#pragma once

#include <istream>
#include <string>

#include "field_table.h"
#include "report_log.h"

// Applies each assignment to the first record of its name, config_t first,
// reporting value errors, unknown names and repeats under fileName. Always
// true: nothing in a configuration file stops the run.
bool readConfigFile(std::istream& in, const std::string& fileName,
                    ReportLog& report, FieldTable& configTable,
                    FieldTable& configExtTable);
