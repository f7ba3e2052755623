#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "field_table.h"
#include "line_reader.h"
#include "report_log.h"

// The first record of each name, config_t first, so that a name that both
// structures declare reaches the config_t record.
using RecordIndex = std::unordered_map<std::string, FieldRecord*>;

// Indexes the records of both tables by name.
RecordIndex indexRecords(FieldTable& configTable, FieldTable& configExtTable);

// What one configuration line did.
enum class ConfigLineResult {
  // No "=": the line is passed over without a message.
  noAssignment,
  // No record has the name: warned about, nothing changed.
  unknownName,
  // The record received the value.
  assigned,
  // The record had a value already: warned about, the new value replaces it.
  reassigned,
};

// Applies one cleaned configuration line of the file fileName to the first
// record of its name, reporting its value error, unknown name or repeated
// assignment as readConfigFile does. record is the record it set, or nullptr.
ConfigLineResult applyConfigLine(std::string_view line,
                                 const std::string& fileName,
                                 const RecordIndex& index, ReportLog& report,
                                 FieldRecord*& record);

// Applies each assignment to the first record of its name, config_t first,
// reporting value errors, unknown names and repeats under fileName. Nothing
// in a configuration file stops the run: returns false only when reading
// the file failed before its end (the reader's readFailed).
[[nodiscard]] bool readConfigFile(LineReader& reader,
                                  const std::string& fileName,
                                  ReportLog& report, FieldTable& configTable,
                                  FieldTable& configExtTable);
