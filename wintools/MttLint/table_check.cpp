#include "table_check.h"

#include <cstddef>
#include <sstream>

#include "entry_line.h"
#include "entry_values.h"
#include "quoted_text.h"
#include "table_parser.h"

namespace {

const char kStops[] = "; mapgen stops at this line and writes no script";

std::size_t indexOf(char letter) {
  std::size_t index = 0;
  while (kTableShapes[index].letter != letter) {
    ++index;
  }
  return index;
}

// The parser's error: which part is missing or wrong, and where.
void reportParseError(const InputLine& place, std::string_view cleaned,
                      const std::string& message) {
  const std::size_t open = cleaned.find('[');
  std::string text;
  const char* at = cleaned.data();
  if (cleaned.find('=') == std::string_view::npos) {
    text = "no \"=\" in the line";
  } else if (open == std::string_view::npos) {
    text = "no \"[\" in the line";
  } else if (cleaned.find(']') == std::string_view::npos) {
    text = "no \"]\" after the \"[\"";
    at += open;
  } else {
    text = quote(cleaned.substr(0, open)) +
           " is no table name (the tables are j, l, n, h, k, r, b, t, y and "
           "e)";
  }
  addAt(place, at, Severity::error,
        text + kStops + generatorMessage("mapgen", message));
}

bool isPlainHex(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789ABCDEFabcdef") ==
                              std::string_view::npos;
}

// The row text between the brackets, as mapgen reads it.
void reportRowNumber(const InputLine& place, std::string_view rowText,
                     long row) {
  if (isPlainHex(rowText)) {
    return;
  }
  addAt(place, rowText.data(), Severity::warning,
        rowText.empty() ? "the row number is empty; mapgen reads it as row 0"
                        : "row number " + quote(rowText) +
                              " is not plain hexadecimal; mapgen reads it as "
                              "row " +
                              hexNumber(row));
}

// The token at which a line passes the table's number of columns.
const char* tokenAfter(std::string_view valueText, int columns) {
  ValueCursor cursor = startValues(valueText);
  std::string_view token;
  bool isRest = false;
  for (int i = 0; nextValueToken(cursor, token, isRest); ++i) {
    if (i == columns) {
      return token.data();
    }
  }
  return valueText.data();
}

struct ParsedLine {
  EntryLine entry;
  std::string_view cleaned;
  std::string_view rowText;
  std::size_t count = 0;
};

void reportRefused(const InputLine& place, const ParsedLine& parsed,
                   const TableLines& lines, const std::string& message) {
  const TableShape& shape = *findShape(parsed.entry.letter);
  const std::string table = std::string("table ") + shape.letter;
  const std::string says = kStops + generatorMessage("mapgen", message);
  if (message.compare(0, 10, "Duplicate ") == 0) {
    const long row = shape.kind == TableKind::oneRow ? 0 : parsed.entry.row;
    addAt(place, parsed.cleaned.data(), Severity::error,
          "row " + hexNumber(row) + " of " + table +
              " is given a second time (first at line " +
              std::to_string(lines.values[static_cast<std::size_t>(row)].line) +
              ")" + says);
  } else if (parsed.count > static_cast<std::size_t>(shape.columns)) {
    addAt(place, tokenAfter(parsed.entry.valueText, shape.columns),
          Severity::error,
          table + " takes at most " + std::to_string(shape.columns) +
              " values in a row, the line gives " +
              std::to_string(parsed.count) + says);
  } else {
    addAt(place, parsed.rowText.data(), Severity::error,
          "row " + quote(parsed.rowText) + " is not a row of " + table +
              ", which has rows 0 to " + hexNumber(shape.rows - 1) + says);
  }
}

// Keeps the lines behind the trackers: the first line that reaches the
// highest row or the most values is the one that sets them.
void noteStored(TableLines& lines, const TableShape& shape,
                const EntryPlace& here, const ParsedLine& parsed) {
  const long row = shape.kind == TableKind::oneRow ? 0 : parsed.entry.row;
  const std::size_t index = static_cast<std::size_t>(row);
  if (lines.rows[index].line == 0) {
    lines.rows[index] = here;
  }
  if (parsed.count > 0) {
    lines.values[index] = here;
  }
  if (lines.highestRow.line == 0 || row > lines.highestRowNumber) {
    lines.highestRow = here;
    lines.highestRowNumber = row;
  }
  if (lines.mostValues.line == 0 || parsed.count > lines.mostValuesCount) {
    lines.mostValues = here;
    lines.mostValuesCount = parsed.count;
  }
}

// The one line of text a stage printed through a report of its own.
std::string printedLine(std::ostringstream& console) {
  std::string text = console.str();
  if (!text.empty() && text.back() == '\n') {
    text.pop_back();
  }
  console.str("");
  return text;
}

}  // namespace

std::string hexNumber(long number) {
  std::ostringstream text;
  if (number < 0) {
    text << '-';
    number = -number;
  }
  text << std::uppercase << std::hex << number;
  return text.str();
}

const TableLines& linesOf(const TablesCheck& check, char letter) {
  return check.lines[indexOf(letter)];
}

void checkTablesFile(const InputFile& input, TablesCheck& check,
                     FindingReport& report) {
  resetTables(check.tables);
  check.lines = {};
  // The parser's warnings are printed into this, then turned into findings.
  std::ostringstream console;
  ReportLog own;
  own.console = &console;
  LineReader reader;
  startInputReader(input, reader);
  std::string_view raw;
  while (readLine(reader, raw)) {
    ParsedLine parsed;
    parsed.cleaned = cleanLine(raw);
    if (parsed.cleaned.empty()) {
      continue;
    }
    const InputLine place{input, reader.lineNumber, raw, report};
    std::string message;
    if (!parseEntryLine(parsed.cleaned, parsed.entry, message)) {
      reportParseError(place, parsed.cleaned, message);
      continue;
    }
    const std::size_t open = parsed.cleaned.find('[');
    parsed.rowText =
        parsed.cleaned.substr(open + 1, parsed.cleaned.find(']') - open - 1);
    parsed.count = splitValues(parsed.entry.valueText, 0).count;
    reportRowNumber(place, parsed.rowText, parsed.entry.row);
    const TableShape& shape = *findShape(parsed.entry.letter);
    TableLines& lines = check.lines[indexOf(shape.letter)];
    switch (storeEntryLine(parsed.cleaned, parsed.entry, check.tables, own,
                           message)) {
      case StoreResult::refused:
        reportRefused(place, parsed, lines, message);
        break;
      case StoreResult::ignored:
        addAt(place, parsed.rowText.data(), Severity::warning,
              std::string("table ") + shape.letter +
                  " has only row 0; mapgen ignores this line" +
                  generatorMessage("mapgen", printedLine(console)));
        break;
      case StoreResult::stored:
        noteStored(lines, shape,
                   EntryPlace{reader.lineNumber, raw, parsed.cleaned}, parsed);
        reportEntryValues(input.name, reader.lineNumber, raw,
                          parsed.entry.valueText, report);
        break;
    }
  }
}
