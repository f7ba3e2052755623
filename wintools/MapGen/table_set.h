#pragma once

#include <array>
#include <string>

// One cell of a table: the value text as written, and whether a line set it.
struct TableCell {
  std::string value = "00";
  bool isSet = false;
};

enum class TableKind { grid, threeRow, oneRow };

constexpr int kMaxRows = 16;
constexpr int kMaxColumns = 16;

struct Table {
  char letter = '\0';
  TableKind kind = TableKind::grid;
  std::array<std::array<TableCell, kMaxColumns>, kMaxRows> cells;
  // Highest row number of any accepted line (grid and three-row tables).
  int maxRowIndex = 0;
  // Largest number of values on any accepted line.
  int maxColumnCount = 0;
};

// The table letters, in the order the tables are kept.
constexpr char kTableLetters[] = "jkrlnhbtye";
constexpr int kTableCount = 10;

struct TableSet {
  std::array<Table, kTableCount> tables;
};

// Puts every cell back to "00" and not set and every tracker to 0, and gives
// each table its letter and kind.
void resetTables(TableSet& tables);

// True for one of the ten table letters, compared exactly.
bool isTableLetter(char letter);

// The table of the given letter, or nullptr when no table has that letter.
Table* findTable(TableSet& tables, char letter);
const Table* findTable(const TableSet& tables, char letter);

// The kind of the table of a valid letter.
TableKind tableKindOf(char letter);

// Number of rows the table has (16, 3 or 1).
int rowCountOf(const Table& table);

// Number of columns the table has (16 or 8).
int columnCountOf(const Table& table);
