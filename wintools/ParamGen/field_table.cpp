#include "field_table.h"

bool appendFieldRecord(FieldTable& table, const std::string& name) {
  if (table.count >= kFieldTableCapacity) {
    return false;
  }
  FieldRecord& record = table.records[static_cast<std::size_t>(table.count)];
  record.name = name;
  record.value = "FF";
  record.assigned = false;
  ++table.count;
  return true;
}
