#include "table_set.h"

#include <cstddef>

namespace {

// The position of the letter's shape in kTableShapes, or kTableCount.
int shapeIndex(char letter) {
  int index = 0;
  while (index < kTableCount && kTableShapes[index].letter != letter) {
    ++index;
  }
  return index;
}

}  // namespace

void resetTables(TableSet& tables) {
  for (int index = 0; index < kTableCount; ++index) {
    Table& table = tables.tables[static_cast<std::size_t>(index)];
    table = Table();
    table.shape = kTableShapes[index];
  }
}

const TableShape* findShape(char letter) {
  const int index = shapeIndex(letter);
  return index < kTableCount ? &kTableShapes[index] : nullptr;
}

bool isTableLetter(char letter) { return findShape(letter) != nullptr; }

Table* findTable(TableSet& tables, char letter) {
  const Table* found = findTable(static_cast<const TableSet&>(tables), letter);
  return const_cast<Table*>(found);
}

const Table* findTable(const TableSet& tables, char letter) {
  const int index = shapeIndex(letter);
  if (index == kTableCount) {
    return nullptr;
  }
  return &tables.tables[static_cast<std::size_t>(index)];
}
