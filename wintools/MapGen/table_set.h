#pragma once

#include <array>
#include <string>

// One cell of a table: the value text as written, and whether a line set it.
struct TableCell {
  std::string value = "00";
  bool isSet = false;
};

enum class TableKind { grid, threeRow, oneRow };

// The fixed shape of one lettered table.
struct TableShape {
  char letter;
  TableKind kind;
  int rows;
  int columns;
};

constexpr int kTableCount = 10;

// The ten tables, in the order the set keeps them ("jkrlnhbtye"). Every
// question about a letter (is it a table, which kind, how large) is answered
// from this one array.
constexpr TableShape kTableShapes[kTableCount] = {
    {'j', TableKind::grid, 16, 16},  {'k', TableKind::oneRow, 1, 16},
    {'r', TableKind::oneRow, 1, 16}, {'l', TableKind::grid, 16, 16},
    {'n', TableKind::grid, 16, 16},  {'h', TableKind::threeRow, 3, 8},
    {'b', TableKind::oneRow, 1, 16}, {'t', TableKind::oneRow, 1, 8},
    {'y', TableKind::grid, 16, 16},  {'e', TableKind::grid, 16, 16},
};

// The largest shape, which every table's cells are laid out in.
constexpr int kMaxRows = 16;
constexpr int kMaxColumns = 16;

struct Table {
  TableShape shape{};
  std::array<std::array<TableCell, kMaxColumns>, kMaxRows> cells;
  // Highest row number of any accepted line (grid and three-row tables).
  int maxRowIndex = 0;
  // Largest number of values on any accepted line.
  int maxColumnCount = 0;
};

struct TableSet {
  std::array<Table, kTableCount> tables;
};

// Puts every cell back to "00" and not set and every tracker to 0, and gives
// each table its shape.
void resetTables(TableSet& tables);

// The shape of the table with that letter (compared exactly), or nullptr
// when no table has it.
const TableShape* findShape(char letter);

// True for one of the ten table letters, compared exactly.
bool isTableLetter(char letter);

// The table of the given letter, or nullptr when no table has that letter.
Table* findTable(TableSet& tables, char letter);
const Table* findTable(const TableSet& tables, char letter);
