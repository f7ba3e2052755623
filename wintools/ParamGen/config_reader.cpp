#include "config_reader.h"

#include <cstddef>
#include <unordered_map>

#include "assignment.h"
#include "line_reader.h"

namespace {

using RecordIndex = std::unordered_map<std::string, FieldRecord*>;

// The first record of each name, config_t first, so that a name that both
// structures declare reaches the config_t record.
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

bool readConfigFile(LineReader& reader, const std::string& fileName,
                    ReportLog& report, FieldTable& configTable,
                    FieldTable& configExtTable) {
  const RecordIndex index = indexRecords(configTable, configExtTable);
  std::string_view line;
  while (readMeaningfulLine(reader, line)) {
    Assignment assignment;
    if (line.empty() || !parseAssignment(line, report, assignment)) {
      continue;
    }
    const auto found = index.find(assignment.name);
    if (found == index.end()) {
      reportLine(report, "WARNING: " + assignment.name + " in " + fileName +
                             " not found in global.h");
      countWarning(report);
      continue;
    }
    FieldRecord& record = *found->second;
    if (record.assigned) {
      reportRepeatedAssignment(report, record, assignment, fileName);
    }
    record.value = assignment.value;
    record.assigned = true;
  }
  return !reader.readFailed;
}
