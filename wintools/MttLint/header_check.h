#pragma once

#include <array>
#include <vector>

#include "config_structure.h"
#include "field_table.h"
#include "finding_report.h"
#include "input_file.h"

// Where the header declares a record: the member's line and the column of
// its name.
struct RecordOrigin {
  long line = 0;
  long column = 0;
};

// The two structures as paramgen collects them, config_t first, with the
// place of every record.
struct HeaderCheck {
  std::array<FieldTable, kConfigStructureCount> tables;
  std::array<std::vector<RecordOrigin>, kConfigStructureCount> origins;
  std::array<bool, kConfigStructureCount> found{};
};

// Reads the header line by line as paramgen reads it for each structure,
// and reports what it takes otherwise than a compiler would: members that
// take no byte or not the bytes they seem to, lines meant as a structure's
// opening or closing line that are not exactly it, and a structure that is
// not there. Goes on after a member that paramgen stops at.
void checkHeaderFile(const InputFile& input, HeaderCheck& check,
                     FindingReport& report);
