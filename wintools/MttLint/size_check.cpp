#include "size_check.h"

#include <cstddef>
#include <string>
#include <vector>

#include "entry_line.h"
#include "entry_values.h"
#include "geometry_check.h"
#include "quoted_text.h"
#include "table_writer.h"

namespace {

bool isRows(const SizeQuantity& quantity) {
  return quantity.tracker == SizeTracker::maxRowIndex;
}

// The stored line that sets the quantity's tracker, or none.
const EntryPlace* setterOf(const TablesCheck& check,
                           const SizeQuantity& quantity) {
  if (quantity.letter == '\0') {
    return nullptr;
  }
  const TableLines& lines = linesOf(check, quantity.letter);
  const EntryPlace& place =
      isRows(quantity) ? lines.highestRow : lines.mostValues;
  return place.line == 0 ? nullptr : &place;
}

std::string plural(long count, const char* word) {
  return std::to_string(count) + ' ' + word + (count == 1 ? "" : "s");
}

std::string tableName(char letter) { return std::string("table ") + letter; }

// What the left side of a rule says of its table.
std::string describeLeft(const TablesCheck& check, const FiredSizeRule& rule) {
  const std::string table = tableName(rule.left.letter);
  const bool given = setterOf(check, rule.left) != nullptr;
  if (isRows(rule.left)) {
    const long rows = rule.leftValue + 1;
    return given ? table + " has " + plural(rows, "row")
                 : table + ", which no line gives, counts as 1 row";
  }
  if (!given || rule.leftValue == 0) {
    return table + " has no values";
  }
  const bool grid = findShape(rule.left.letter)->kind != TableKind::oneRow;
  return table + " has " + plural(rule.leftValue, "value") +
         (grid ? " in its longest row" : "");
}

// What the right side of a rule says: the number the left one is held to.
std::string describeRight(const TablesCheck& check, const FiredSizeRule& rule) {
  if (rule.right.letter == '\0') {
    return std::to_string(rule.rightValue);
  }
  // The row rules hold a highest row index to table k's values minus one.
  const long values = rule.rightValue - rule.right.offset;
  const EntryPlace* setter = setterOf(check, rule.right);
  std::string text = "the " + std::to_string(values) +
                     (values == 1 ? " value of " : " values of ") +
                     tableName(rule.right.letter);
  if (setter == nullptr) {
    return text + ", which no line gives";
  }
  return text + " (line " + std::to_string(setter->line) + ")";
}

// The column of a size finding in the line that sets the size: the first
// value past the bound, the values, or the row number.
long sizeColumn(const EntryPlace& place, bool rows, long firstExcess) {
  EntryLine entry;
  std::string errorText;
  if (!parseEntryLine(place.cleaned, entry, errorText)) {
    return columnOf(place.raw, place.cleaned.data());
  }
  if (rows) {
    return columnOf(place.raw, place.cleaned.data() + 2);
  }
  ValueCursor cursor = startValues(entry.valueText);
  std::string_view token;
  bool isRest = false;
  for (long i = 0; firstExcess >= 0 && nextValueToken(cursor, token, isRest);
       ++i) {
    if (i == firstExcess) {
      return columnOf(place.raw, token.data());
    }
  }
  return columnOf(place.raw, entry.valueText.data());
}

void reportRule(const std::string& file, const TablesCheck& check,
                const FiredSizeRule& rule, FindingReport& report) {
  const bool error = rule.kind == GeometryKind::error;
  std::string text =
      describeLeft(check, rule) + (error ? ", more than " : ", fewer than ") +
      describeRight(check, rule) +
      (error ? "; mapgen stops before writing the script"
             : "; mapgen writes the script all the same") +
      generatorMessage("mapgen", error ? std::string(rule.text)
                                       : std::string("Warning: ") + rule.text);
  const Severity severity = error ? Severity::error : Severity::warning;
  const EntryPlace* place = setterOf(check, rule.left);
  long column = 0;
  if (place != nullptr) {
    column = sizeColumn(*place, isRows(rule.left),
                        error && !isRows(rule.left) ? rule.rightValue : -1);
  } else {
    place = setterOf(check, rule.right);
    if (place != nullptr) {
      column = sizeColumn(*place, false, -1);
    }
  }
  if (place == nullptr) {
    addFileFinding(report, file, severity, std::move(text));
  } else {
    addFinding(report, file, place->line, column, severity, std::move(text));
  }
}

// "row 3", "rows 3 and 5", "rows 3, 4 and 5".
std::string rowList(const std::vector<int>& rows) {
  std::string text = rows.size() == 1 ? "row " : "rows ";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) {
      text += i + 1 == rows.size() ? " and " : ", ";
    }
    text += hexNumber(rows[i]);
  }
  return text;
}

int valuesInRow(const Table& table, int row) {
  int count = 0;
  while (count < kMaxColumns && table.cells[row][count].isSet) {
    ++count;
  }
  return count;
}

void reportHoles(const std::string& file, const TablesCheck& check,
                 const Table& table, FindingReport& report) {
  if (table.maxColumnCount == 0 || table.shape.kind == TableKind::oneRow) {
    return;
  }
  const TableLines& lines = linesOf(check, table.shape.letter);
  const std::string tableText = tableName(table.shape.letter);
  const std::string says =
      "; mapgen stops writing the script at the first missing value" +
      generatorMessage("mapgen", missingValueText(table.shape.letter));
  std::vector<int> missing;
  for (int row = 0; row <= table.maxRowIndex; ++row) {
    const EntryPlace& place = lines.rows[static_cast<std::size_t>(row)];
    if (place.line == 0) {
      missing.push_back(row);
      continue;
    }
    const int values = valuesInRow(table, row);
    // A row given without values first is short where its values are.
    const EntryPlace& valued = lines.values[static_cast<std::size_t>(row)];
    const EntryPlace& shortRow = valued.line != 0 ? valued : place;
    if (values < table.maxColumnCount) {
      std::string text = "row " + hexNumber(row) + " of " + tableText;
      text += " has " + plural(values, "value") + ", fewer than the ";
      text += std::to_string(table.maxColumnCount) + " of its longest row";
      text += " (line " + std::to_string(lines.mostValues.line) + ")" + says;
      addFinding(report, file, shortRow.line, sizeColumn(shortRow, false, -1),
                 Severity::error, std::move(text));
    }
  }
  if (!missing.empty()) {
    const EntryPlace& place = lines.highestRow;
    addFinding(
        report, file, place.line, sizeColumn(place, true, -1), Severity::error,
        tableText + " has no " + rowList(missing) + " below its highest row " +
            hexNumber(table.maxRowIndex) + says);
  }
}

}  // namespace

void reportTableSizes(const std::string& file, const TablesCheck& check,
                      FindingReport& report) {
  for (const FiredSizeRule& rule : listFiredSizeRules(check.tables)) {
    reportRule(file, check, rule, report);
  }
  // In the order the writer visits the tables.
  for (const char* letter = "jlnhkrbtye"; *letter != '\0'; ++letter) {
    reportHoles(file, check, *findTable(check.tables, *letter), report);
  }
}
