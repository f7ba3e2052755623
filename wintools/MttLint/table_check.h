#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "finding_report.h"
#include "input_file.h"
#include "table_set.h"

// A line of the tables file that the checker looks back at.
struct EntryPlace {
  // 0 for no line.
  long line = 0;
  // The line as written, and its cleaned part, both views into the file.
  std::string_view raw;
  std::string_view cleaned;
};

// The lines behind one table's trackers and rows.
struct TableLines {
  // The first stored line with the highest row number (maxRowIndex), and
  // that number.
  EntryPlace highestRow;
  long highestRowNumber = 0;
  // The first stored line with the most values (maxColumnCount), and their
  // number.
  EntryPlace mostValues;
  std::size_t mostValuesCount = 0;
  // Per row: the first stored line of the row, even one without values.
  std::array<EntryPlace, kMaxRows> rows;
  // Per row: the stored line that gave the row its values.
  std::array<EntryPlace, kMaxRows> values;
};

// The tables as mapgen fills them from the lines it accepts, and the lines
// behind them; views into the file's bytes, which must outlive it.
struct TablesCheck {
  TableSet tables;
  std::array<TableLines, kTableCount> lines;
};

// Checks every line of the tables file as mapgen reads it, but goes on
// after a line that mapgen stops at; stores the lines mapgen accepts.
void checkTablesFile(const InputFile& input, TablesCheck& check,
                     FindingReport& report);

// The lines of the table with that letter.
const TableLines& linesOf(const TablesCheck& check, char letter);

// A row number as mapgen's messages and rows are read: hexadecimal digits,
// upper case, a "-" before a negative one.
std::string hexNumber(long number);
