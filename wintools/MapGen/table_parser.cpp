#include "table_parser.h"

#include <algorithm>
#include <string_view>

#include "entry_line.h"
#include "line_reader.h"

namespace {

std::string tooManyElements(std::string_view line) {
  return lineMessage(line, " row contains too many elements");
}

}  // namespace

StoreResult storeEntryLine(std::string_view line, const EntryLine& entry,
                           TableSet& tables, ReportLog& report,
                           std::string& errorText) {
  Table& table = *findTable(tables, entry.letter);
  const ValueList list =
      splitValues(entry.valueText, static_cast<std::size_t>(kMaxColumns));
  if (list.count > static_cast<std::size_t>(table.shape.columns)) {
    errorText = tooManyElements(line);
    return StoreResult::refused;
  }
  long row = entry.row;
  if (table.shape.kind == TableKind::oneRow) {
    if (row > 0) {
      reportWarning(report, std::string("table ") + table.shape.letter +
                                " has too many rows");
      return StoreResult::ignored;
    }
    row = 0;
  } else if (row < 0 || row >= table.shape.rows) {
    // A negative row names no row of the table, just as one beyond it.
    errorText = tooManyElements(line);
    return StoreResult::refused;
  }
  const int rowIndex = static_cast<int>(row);
  std::array<TableCell, kMaxColumns>& cells = table.cells[rowIndex];
  if (cells[0].isSet) {
    errorText = "Duplicate table entry: ";
    errorText.append(line.data(), line.size());
    return StoreResult::refused;
  }
  table.maxRowIndex = std::max(table.maxRowIndex, rowIndex);
  for (std::size_t column = 0; column < list.count; ++column) {
    cells[column].value = list.values[column];
    cells[column].isSet = true;
  }
  table.maxColumnCount =
      std::max(table.maxColumnCount, static_cast<int>(list.count));
  return StoreResult::stored;
}

bool buildTables(LineReader& reader, TableSet& tables, ReportLog& report,
                 std::string& errorText) {
  errorText.clear();
  std::string_view line;
  while (readMeaningfulLine(reader, line)) {
    if (line.empty()) {
      continue;
    }
    EntryLine entry;
    if (!parseEntryLine(line, entry, errorText) ||
        storeEntryLine(line, entry, tables, report, errorText) ==
            StoreResult::refused) {
      countError(report);
      return false;
    }
  }
  if (reader.readFailed) {
    errorText = "Couldn't read the tables file to its end";
    return false;
  }
  return true;
}
