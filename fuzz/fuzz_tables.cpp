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

// The harness's own account of the tables, written from the file format
// rather than taken from the code: which letters are one-row tables and how
// many rows and columns each may fill.
struct Limits {
  bool oneRow;
  int rows;
  int columns;
};

Limits limitsOf(char letter) {
  switch (letter) {
    case 'h':
      return {false, 3, 8};
    case 't':
      return {true, 1, 8};
    case 'k':
    case 'r':
    case 'b':
      return {true, 1, 16};
    default:
      return {false, 16, 16};
  }
}

void checkTable(const Table& table) {
  const Limits limits = limitsOf(table.shape.letter);
  check(table.maxRowIndex >= 0 && table.maxRowIndex < limits.rows);
  check(!limits.oneRow || table.maxRowIndex == 0);
  check(table.maxColumnCount >= 0 && table.maxColumnCount <= limits.columns);
  for (int row = 0; row < kMaxRows; ++row) {
    for (int column = 0; column < kMaxColumns; ++column) {
      const TableCell& cell = table.cells[row][column];
      if (cell.isSet) {
        check(row <= table.maxRowIndex && column < table.maxColumnCount);
        check(!cell.value.empty() && cell.value.size() <= 2);
      } else {
        check(cell.value == "00");
      }
    }
  }
}

// The script a complete set of tables gives: every cell of each table's
// extent, in the fixed order of the tables, row by row.
std::string expectedScript(const TableSet& tables) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string script = "Mantt\r\n";
  for (char letter : std::string("jlnhkrbtye")) {
    const Table& table = *findTable(tables, letter);
    for (int row = 0; row <= table.maxRowIndex; ++row) {
      for (int column = 0; column < table.maxColumnCount; ++column) {
        script += 'g';
        script += kHex[row];
        script += kHex[column];
        script += letter;
        script += table.cells[row][column].value + "\r\n";
      }
    }
  }
  return script + "mcs\r\nbye\r\n";
}

bool allCellsOfExtentsSet(const TableSet& tables) {
  for (const Table& table : tables.tables) {
    for (int row = 0; row <= table.maxRowIndex; ++row) {
      for (int column = 0; column < table.maxColumnCount; ++column) {
        if (!table.cells[row][column].isSet) {
          return false;
        }
      }
    }
  }
  return true;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  LineReader reader;
  startLineReader(reader, bytes);
  std::ostringstream console;
  ReportLog report;
  report.console = &console;
  TableSet tables;
  resetTables(tables);
  std::string errorText;
  const bool built = buildTables(reader, tables, report, errorText);
  check(built == (report.errorCount == 0));
  check(built == errorText.empty());
  for (const Table& table : tables.tables) {
    checkTable(table);
  }
  if (!built || !checkGeometry(tables, report, errorText)) {
    return 0;
  }
  std::ostringstream script;
  const bool written = writeTableScript(script, tables, report, errorText);
  check(written == allCellsOfExtentsSet(tables));
  if (written) {
    check(script.str() == expectedScript(tables));
  } else {
    check(errorText.size() == 35);
    check(script.str().compare(0, 7, "Mantt\r\n") == 0);
    check(!endsWith(script.str(), "bye\r\n"));
  }
  return 0;
}
