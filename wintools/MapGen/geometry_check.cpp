#include "geometry_check.h"

namespace {

enum class Relation { greater, less };

struct GeometryRule {
  SizeQuantity left;
  Relation relation;
  SizeQuantity right;
  GeometryKind kind;
  const char* text;
};

constexpr SizeQuantity valuesOf(char letter) {
  return {letter, SizeTracker::maxColumnCount, 0};
}

constexpr SizeQuantity highestRowOf(char letter) {
  return {letter, SizeTracker::maxRowIndex, 0};
}

// The highest row index that matches table k's number of values.
constexpr SizeQuantity kValuesOfKMinusOne = {'k', SizeTracker::maxColumnCount,
                                             -1};
constexpr SizeQuantity kEight = {'\0', SizeTracker::maxColumnCount, 8};

// Every rule is evaluated, in this order.
const GeometryRule kRules[] = {
    {valuesOf('b'), Relation::greater, valuesOf('r'), GeometryKind::error,
     "table b contains too many items, it should have no more items than "
     "table r"},
    {valuesOf('b'), Relation::less, valuesOf('r'), GeometryKind::warning,
     "table b is smaller than table r"},
    {valuesOf('n'), Relation::greater, valuesOf('r'), GeometryKind::error,
     "table n contains too many columns, it should have no more columns than "
     "table r"},
    {valuesOf('n'), Relation::less, valuesOf('r'), GeometryKind::warning,
     "table n has less columns than table r"},
    {valuesOf('j'), Relation::greater, valuesOf('r'), GeometryKind::error,
     "table j contains too many columns, it should have no more columns than "
     "table r"},
    {valuesOf('j'), Relation::less, valuesOf('r'), GeometryKind::warning,
     "table j has less columns than table r"},
    {valuesOf('l'), Relation::greater, valuesOf('r'), GeometryKind::error,
     "table l contains too many columns, it should have no more columns than "
     "table r"},
    {valuesOf('l'), Relation::less, valuesOf('r'), GeometryKind::warning,
     "table l has less columns than table r"},
    {highestRowOf('n'), Relation::greater, kValuesOfKMinusOne,
     GeometryKind::error,
     "table n contains too many rows, it should have no more than table k has "
     "columns"},
    {highestRowOf('n'), Relation::less, kValuesOfKMinusOne,
     GeometryKind::warning, "table n has less rows than table k has columns"},
    {highestRowOf('j'), Relation::greater, kValuesOfKMinusOne,
     GeometryKind::error,
     "table j contains too many rows, it should have no more than table k has "
     "columns"},
    {highestRowOf('j'), Relation::less, kValuesOfKMinusOne,
     GeometryKind::warning, "table j has less rows than table k has columns"},
    {highestRowOf('l'), Relation::greater, kValuesOfKMinusOne,
     GeometryKind::error,
     "table l contains too many rows, it should have no more than table k has "
     "columns"},
    {highestRowOf('l'), Relation::less, kValuesOfKMinusOne,
     GeometryKind::warning, "table l has less rows than table k has columns"},
    {valuesOf('t'), Relation::less, kEight, GeometryKind::warning,
     "table t has less than 8 items"},
};

int valueOf(const SizeQuantity& quantity, const TableSet& tables) {
  if (quantity.letter == '\0') {
    return quantity.offset;
  }
  const Table& table = *findTable(tables, quantity.letter);
  const int tracker = quantity.tracker == SizeTracker::maxColumnCount
                          ? table.maxColumnCount
                          : table.maxRowIndex;
  return tracker + quantity.offset;
}

}  // namespace

std::vector<FiredSizeRule> listFiredSizeRules(const TableSet& tables) {
  std::vector<FiredSizeRule> fired;
  for (const GeometryRule& rule : kRules) {
    const int left = valueOf(rule.left, tables);
    const int right = valueOf(rule.right, tables);
    const bool holds =
        rule.relation == Relation::greater ? left > right : left < right;
    if (holds) {
      fired.push_back(
          {rule.kind, rule.text, rule.left, rule.right, left, right});
    }
  }
  return fired;
}

bool checkGeometry(const TableSet& tables, ReportLog& report,
                   std::string& errorText) {
  errorText.clear();
  bool passed = true;
  for (const FiredSizeRule& rule : listFiredSizeRules(tables)) {
    if (rule.kind == GeometryKind::error) {
      errorText = rule.text;
      passed = false;
    } else {
      reportWarning(report, rule.text);
    }
  }
  return passed;
}
