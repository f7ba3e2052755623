#include "table_set.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TableShapes, EachLetterHasItsKindRowsAndColumns) {
  struct Case {
    char letter;
    TableKind kind;
    int rows;
    int columns;
  };
  const Case cases[] = {
      {'j', TableKind::grid, 16, 16},  {'l', TableKind::grid, 16, 16},
      {'n', TableKind::grid, 16, 16},  {'y', TableKind::grid, 16, 16},
      {'e', TableKind::grid, 16, 16},  {'h', TableKind::threeRow, 3, 8},
      {'k', TableKind::oneRow, 1, 16}, {'r', TableKind::oneRow, 1, 16},
      {'b', TableKind::oneRow, 1, 16}, {'t', TableKind::oneRow, 1, 8},
  };
  TableSet tables;
  resetTables(tables);
  for (const Case& row : cases) {
    SCOPED_TRACE(row.letter);
    EXPECT_TRUE(isTableLetter(row.letter));
    const TableShape* shape = findShape(row.letter);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->letter, row.letter);
    EXPECT_EQ(shape->kind, row.kind);
    EXPECT_EQ(shape->rows, row.rows);
    EXPECT_EQ(shape->columns, row.columns);
    ASSERT_NE(findTable(tables, row.letter), nullptr);
    EXPECT_EQ(findTable(tables, row.letter)->shape.letter, row.letter);
  }
}

TEST(TableShapes, OtherCharactersAreNoTables) {
  TableSet tables;
  resetTables(tables);
  for (char other : {'J', 'K', 'x', 'a', '\0', '[', ' '}) {
    SCOPED_TRACE(std::string(1, other));
    EXPECT_FALSE(isTableLetter(other));
    EXPECT_EQ(findShape(other), nullptr);
    EXPECT_EQ(findTable(tables, other), nullptr);
  }
}

}  // namespace
