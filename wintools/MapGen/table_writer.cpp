#include "table_writer.h"

#include <fstream>

#include "mtt_script.h"
#include "text_file.h"

namespace {

// The order of the tables in the script, which is not the order in which
// the set keeps them.
constexpr char kWriteOrder[] = "jlnhkrbtye";

const char kOpenFailure[] = "Couldn't open file";
const char kWriteFailure[] = "Couldn't write file";

int rowsWritten(const Table& table) {
  return table.shape.kind == TableKind::oneRow ? 1 : table.maxRowIndex + 1;
}

enum class TableResult { written, missingValue, writeFailed };

TableResult writeTable(std::ostream& out, const Table& table) {
  for (int row = 0; row < rowsWritten(table); ++row) {
    for (int column = 0; column < table.maxColumnCount; ++column) {
      const TableCell& cell = table.cells[row][column];
      if (!cell.isSet) {
        return TableResult::missingValue;
      }
      if (!writeMttRecord(out, static_cast<unsigned>(16 * row + column),
                          table.shape.letter, cell.value)) {
        return TableResult::writeFailed;
      }
    }
  }
  return TableResult::written;
}

bool failWith(const char* message, ReportLog& report, std::string& errorText) {
  errorText = message;
  countError(report);
  return false;
}

}  // namespace

std::string missingValueText(char letter) {
  return std::string("Table ") + letter + " missing has a missing value";
}

bool writeTableScript(std::ostream& out, const TableSet& tables,
                      ReportLog& report, std::string& errorText) {
  errorText.clear();
  if (!writeMttHeader(out)) {
    return failWith(kWriteFailure, report, errorText);
  }
  for (const char* letter = kWriteOrder; *letter != '\0'; ++letter) {
    const Table& table = *findTable(tables, *letter);
    switch (writeTable(out, table)) {
      case TableResult::written:
        break;
      case TableResult::missingValue:
        // The lines written so far stay in the file, without the trailer.
        errorText = missingValueText(table.shape.letter);
        return false;
      case TableResult::writeFailed:
        return failWith(kWriteFailure, report, errorText);
    }
  }
  if (!writeMttTrailer(out)) {
    return failWith(kWriteFailure, report, errorText);
  }
  return true;
}

bool writeTables(const TableSet& tables, ReportLog& report,
                 const std::string& outFile,
                 const std::vector<std::string>& filesInUse,
                 std::string& errorText) {
  errorText.clear();
  std::ofstream out;
  std::string openError;
  if (!openOutput(out, outFile, filesInUse, openError)) {
    return failWith(kOpenFailure, report, errorText);
  }
  if (!writeTableScript(out, tables, report, errorText)) {
    return false;
  }
  if (!closeOutput(out)) {
    return failWith(kWriteFailure, report, errorText);
  }
  return true;
}
