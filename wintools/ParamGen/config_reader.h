#pragma once

#include <istream>
#include <string>

#include "field_table.h"
#include "report_log.h"

// Applies every assignment of one configuration file to the first record of
// that name, config_t before config_ext_t. Prints and counts value errors,
// names that match no record and repeated assignments; fileName is shown in
// those messages. Nothing in a file stops the run, so the result is always
// true.
bool readConfigFile(std::istream& in, const std::string& fileName,
                    ReportLog& report, FieldTable& configTable,
                    FieldTable& configExtTable);
