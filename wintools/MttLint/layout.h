#pragma once

#include <ostream>
#include <string>

#include "config_check.h"
#include "header_check.h"
#include "table_check.h"

// Prints, for each of the ten tables in the order the writer writes them,
// the rows and columns it will write (its trackers), the records that
// makes, and where a missing value will stop it.
void printTableLayout(std::ostream& out, const std::string& file,
                      const TablesCheck& check);

// Prints every record of both structures: its image index, the record as
// the script begins it, the value it will carry, its name, and the file and
// line of that value, or "no value". values may be null: no configuration
// file was checked.
void printStructureLayout(std::ostream& out, const std::string& file,
                          const HeaderCheck& header, const ConfigCheck* values);
