#include "table_set.h"

#include <cstring>

void resetTables(TableSet& tables) {
  for (int index = 0; index < kTableCount; ++index) {
    Table& table = tables.tables[index];
    table = Table();
    table.letter = kTableLetters[index];
    table.kind = tableKindOf(table.letter);
  }
}

Table* findTable(TableSet& tables, char letter) {
  const Table* found = findTable(static_cast<const TableSet&>(tables), letter);
  return const_cast<Table*>(found);
}

bool isTableLetter(char letter) {
  // NUL would match the terminator of the letter string.
  return letter != '\0' && std::strchr(kTableLetters, letter) != nullptr;
}

const Table* findTable(const TableSet& tables, char letter) {
  if (!isTableLetter(letter)) {
    return nullptr;
  }
  return &tables.tables[std::strchr(kTableLetters, letter) - kTableLetters];
}

TableKind tableKindOf(char letter) {
  switch (letter) {
    case 'h':
      return TableKind::threeRow;
    case 'k':
    case 'r':
    case 'b':
    case 't':
      return TableKind::oneRow;
    default:
      return TableKind::grid;
  }
}

int rowCountOf(const Table& table) {
  switch (table.kind) {
    case TableKind::grid:
      return 16;
    case TableKind::threeRow:
      return 3;
    case TableKind::oneRow:
      break;
  }
  return 1;
}

int columnCountOf(const Table& table) {
  return table.letter == 'h' || table.letter == 't' ? 8 : 16;
}
