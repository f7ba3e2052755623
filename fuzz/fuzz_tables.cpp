// Feeds arbitrary bytes as a tables file through the parser, the size check
// and the writer, and checks what must hold of the tables and the script.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "geometry_check.h"
#include "table_parser.h"
#include "table_writer.h"

namespace {

void check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

void checkTable(const Table& table) {
  check(table.maxRowIndex >= 0 && table.maxRowIndex < rowCountOf(table));
  check(table.maxColumnCount >= 0 &&
        table.maxColumnCount <= columnCountOf(table));
  const int rowsInExtent =
      table.kind == TableKind::oneRow ? 1 : table.maxRowIndex + 1;
  for (int row = 0; row < kMaxRows; ++row) {
    for (int column = 0; column < kMaxColumns; ++column) {
      const TableCell& cell = table.cells[row][column];
      if (cell.isSet) {
        check(row < rowsInExtent && column < table.maxColumnCount);
        check(!cell.value.empty() && cell.value.size() <= 2);
      } else {
        check(cell.value == "00");
      }
    }
  }
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream console;
  ReportLog report;
  report.console = &console;
  TableSet tables;
  resetTables(tables);
  std::string errorText;
  const bool built = buildTables(in, tables, report, errorText);
  check(built == (report.errorCount == 0));
  check(built == errorText.empty());
  for (const Table& table : tables.tables) {
    checkTable(table);
  }
  if (!built || !checkGeometry(tables, report, errorText)) {
    return 0;
  }
  std::ostringstream script;
  if (writeTableScript(script, tables, report, errorText)) {
    check(script.str().compare(0, 7, "Mantt\r\n") == 0);
    check(endsWith(script.str(), "\r\nmcs\r\nbye\r\n"));
  } else {
    check(errorText.size() == 35);
    check(script.str().compare(0, 7, "Mantt\r\n") == 0);
    check(!endsWith(script.str(), "bye\r\n"));
  }
  return 0;
}
