#include "geometry_check.h"

namespace {

int valuesOf(const TableSet& tables, char letter) {
  return findTable(tables, letter)->maxColumnCount;
}

int highestRowOf(const TableSet& tables, char letter) {
  return findTable(tables, letter)->maxRowIndex;
}

using Quantity = int (*)(const TableSet&);

int valuesOfR(const TableSet& t) { return valuesOf(t, 'r'); }
int valuesOfB(const TableSet& t) { return valuesOf(t, 'b'); }
int valuesOfT(const TableSet& t) { return valuesOf(t, 't'); }
int columnsOfN(const TableSet& t) { return valuesOf(t, 'n'); }
int columnsOfJ(const TableSet& t) { return valuesOf(t, 'j'); }
int columnsOfL(const TableSet& t) { return valuesOf(t, 'l'); }
int highestRowOfN(const TableSet& t) { return highestRowOf(t, 'n'); }
int highestRowOfJ(const TableSet& t) { return highestRowOf(t, 'j'); }
int highestRowOfL(const TableSet& t) { return highestRowOf(t, 'l'); }
// The highest row index that matches table k's number of values.
int valuesOfKMinusOne(const TableSet& t) { return valuesOf(t, 'k') - 1; }
int eight(const TableSet&) { return 8; }

enum class Relation { greater, less };
enum class RuleKind { error, warning };

struct GeometryRule {
  Quantity left;
  Relation relation;
  Quantity right;
  RuleKind kind;
  const char* text;
};

// Every rule is evaluated, in this order.
const GeometryRule kRules[] = {
    {valuesOfB, Relation::greater, valuesOfR, RuleKind::error,
     "table b contains too many items, it should have no more items than "
     "table r"},
    {valuesOfB, Relation::less, valuesOfR, RuleKind::warning,
     "table b is smaller than table r"},
    {columnsOfN, Relation::greater, valuesOfR, RuleKind::error,
     "table n contains too many columns, it should have no more columns than "
     "table r"},
    {columnsOfN, Relation::less, valuesOfR, RuleKind::warning,
     "table n has less columns than table r"},
    {columnsOfJ, Relation::greater, valuesOfR, RuleKind::error,
     "table j contains too many columns, it should have no more columns than "
     "table r"},
    {columnsOfJ, Relation::less, valuesOfR, RuleKind::warning,
     "table j has less columns than table r"},
    {columnsOfL, Relation::greater, valuesOfR, RuleKind::error,
     "table l contains too many columns, it should have no more columns than "
     "table r"},
    {columnsOfL, Relation::less, valuesOfR, RuleKind::warning,
     "table l has less columns than table r"},
    {highestRowOfN, Relation::greater, valuesOfKMinusOne, RuleKind::error,
     "table n contains too many rows, it should have no more than table k has "
     "columns"},
    {highestRowOfN, Relation::less, valuesOfKMinusOne, RuleKind::warning,
     "table n has less rows than table k has columns"},
    {highestRowOfJ, Relation::greater, valuesOfKMinusOne, RuleKind::error,
     "table j contains too many rows, it should have no more than table k has "
     "columns"},
    {highestRowOfJ, Relation::less, valuesOfKMinusOne, RuleKind::warning,
     "table j has less rows than table k has columns"},
    {highestRowOfL, Relation::greater, valuesOfKMinusOne, RuleKind::error,
     "table l contains too many rows, it should have no more than table k has "
     "columns"},
    {highestRowOfL, Relation::less, valuesOfKMinusOne, RuleKind::warning,
     "table l has less rows than table k has columns"},
    {valuesOfT, Relation::less, eight, RuleKind::warning,
     "table t has less than 8 items"},
};

bool holds(const GeometryRule& rule, const TableSet& tables) {
  const int left = rule.left(tables);
  const int right = rule.right(tables);
  return rule.relation == Relation::greater ? left > right : left < right;
}

}  // namespace

bool checkGeometry(const TableSet& tables, ReportLog& report,
                   std::string& errorText) {
  errorText.clear();
  bool passed = true;
  for (const GeometryRule& rule : kRules) {
    if (!holds(rule, tables)) {
      continue;
    }
    if (rule.kind == RuleKind::error) {
      errorText = rule.text;
      passed = false;
    } else {
      reportWarning(report, rule.text);
    }
  }
  return passed;
}
