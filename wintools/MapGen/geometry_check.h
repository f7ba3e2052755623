#pragma once

#include <string>
#include <vector>

#include "report_log.h"
#include "table_set.h"

// Whether a size rule stops mapgen (error) or lets it go on (warning).
enum class GeometryKind { error, warning };

// Which tracker of a table a size rule reads.
enum class SizeTracker { maxColumnCount, maxRowIndex };

// One side of a size rule: a table's tracker plus an offset, or, with
// letter '\0', the fixed number in offset.
struct SizeQuantity {
  char letter = '\0';
  SizeTracker tracker = SizeTracker::maxColumnCount;
  int offset = 0;
};

// A size rule whose condition holds, with the values it compared.
struct FiredSizeRule {
  GeometryKind kind = GeometryKind::warning;
  const char* text = "";
  // The rule holds when left is greater (error rules) or less (warning
  // rules) than right.
  SizeQuantity left;
  SizeQuantity right;
  int leftValue = 0;
  int rightValue = 0;
};

// Every size rule that holds for the tables, in the order they are checked.
std::vector<FiredSizeRule> listFiredSizeRules(const TableSet& tables);

// Compares the sizes of the tables with each other. Reports every warning at
// once; returns false when an error rule fired, with the text of the last
// one in errorText.
[[nodiscard]] bool checkGeometry(const TableSet& tables, ReportLog& report,
                                 std::string& errorText);
