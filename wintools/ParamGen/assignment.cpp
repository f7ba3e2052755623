#include "assignment.h"

#include <cstddef>

namespace {

const char kMalformedValue[] = "FF";

void reportValueError(ReportLog& report, Assignment& assignment) {
  reportLine(report,
             "ERROR " + assignment.name + " has value: " + assignment.value);
  countError(report);
  assignment.value = kMalformedValue;
}

void cutToTwoIfHolding(std::string& value, char c) {
  if (value.find(c) != std::string::npos && value.size() > 2) {
    value.erase(2);
  }
}

// Leaves a value of one or two characters, or reports a value error.
void applyLengthRule(ReportLog& report, Assignment& assignment) {
  std::string& value = assignment.value;
  if (value.size() == 1) {
    value.insert(value.begin(), '0');
  } else if (value.size() == 3 && value[2] == '\r') {
    // A line that ended in two CRs keeps one after the line reader.
    value.erase(2);
  } else if (value.size() != 2) {
    // Empty or three or more characters: no byte has that many digits.
    reportValueError(report, assignment);
  }
}

void toUpperAscii(std::string& value) {
  for (char& c : value) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
}

bool isUpperHex(const std::string& value) {
  return value.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

}  // namespace

bool parseAssignment(std::string_view line, ReportLog& report,
                     Assignment& assignment) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    return false;
  }
  assignment.name = std::string(line.substr(0, equals));
  assignment.value = std::string(line.substr(equals + 1));
  cutToTwoIfHolding(assignment.value, ' ');
  cutToTwoIfHolding(assignment.value, '\t');
  applyLengthRule(report, assignment);
  toUpperAscii(assignment.value);
  if (!isUpperHex(assignment.value)) {
    reportValueError(report, assignment);
  }
  return true;
}
