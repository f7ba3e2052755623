#include "config_reader.h"

#include <cstddef>

#include "assignment.h"
#include "line_reader.h"

namespace {

void reportRepeatedAssignment(ReportLog& report, const FieldRecord& record,
                              const Assignment& assignment,
                              const std::string& fileName) {
  reportConsoleLine(report, "WARNING: " + assignment.name +
                                " has been already assigned the value " +
                                record.value);
  reportConsoleLine(report, "Overwriting " + assignment.name + " with value " +
                                assignment.value + " from config file " +
                                fileName);
  countWarning(report);
}

}  // namespace

RecordIndex indexRecords(FieldTable& configTable, FieldTable& configExtTable) {
  RecordIndex index;
  for (FieldTable* table : {&configTable, &configExtTable}) {
    for (int i = 0; i < table->count; ++i) {
      FieldRecord& record = table->records[static_cast<std::size_t>(i)];
      index.emplace(record.name, &record);
    }
  }
  return index;
}

ConfigLineResult applyConfigLine(std::string_view line,
                                 const std::string& fileName,
                                 const RecordIndex& index, ReportLog& report,
                                 FieldRecord*& record) {
  record = nullptr;
  Assignment assignment;
  if (line.empty() || !parseAssignment(line, report, assignment)) {
    return ConfigLineResult::noAssignment;
  }
  const auto found = index.find(assignment.name);
  if (found == index.end()) {
    reportLine(report, "WARNING: " + assignment.name + " in " + fileName +
                           " not found in global.h");
    countWarning(report);
    return ConfigLineResult::unknownName;
  }
  record = found->second;
  const bool repeated = record->assigned;
  if (repeated) {
    reportRepeatedAssignment(report, *record, assignment, fileName);
  }
  record->value = assignment.value;
  record->assigned = true;
  return repeated ? ConfigLineResult::reassigned : ConfigLineResult::assigned;
}

bool readConfigFile(LineReader& reader, const std::string& fileName,
                    ReportLog& report, FieldTable& configTable,
                    FieldTable& configExtTable) {
  const RecordIndex index = indexRecords(configTable, configExtTable);
  std::string_view line;
  FieldRecord* record = nullptr;
  while (readMeaningfulLine(reader, line)) {
    applyConfigLine(line, fileName, index, report, record);
  }
  return !reader.readFailed;
}
