#include "entry_line.h"

#include "integer_text.h"
#include "table_set.h"

namespace {

void addValue(ValueList& list, std::string_view token, std::size_t keepAtMost) {
  if (list.values.size() < keepAtMost) {
    list.values.emplace_back(token.substr(0, 2));
  }
  ++list.count;
}

}  // namespace

std::string lineMessage(std::string_view line, std::string_view what) {
  std::string message = "Line: ";
  message.append(line.data(), line.size());
  message.append(what.data(), what.size());
  return message;
}

bool parseEntryLine(std::string_view line, EntryLine& entry,
                    std::string& errorText) {
  entry = EntryLine();
  const std::size_t equals = line.find('=');
  const std::size_t open = line.find('[');
  const std::size_t close = line.find(']');
  if (equals == std::string_view::npos) {
    errorText = lineMessage(line, " Missing '='");
    return false;
  }
  if (open == std::string_view::npos) {
    errorText = lineMessage(line, " Missing '['");
    return false;
  }
  if (close == std::string_view::npos) {
    errorText = lineMessage(line, " Missing ']'");
    return false;
  }
  // A "]" before the "[" makes the name longer than one character.
  if (open != 1 || !isTableLetter(line[0])) {
    errorText = lineMessage(line, " Invalid table name");
    return false;
  }
  entry.letter = line[0];
  entry.row = readLeadingLong(line.substr(open + 1, close - open - 1), 16);
  entry.valueText = line.substr(equals + 1);
  return true;
}

ValueList splitValues(std::string_view valueText, std::size_t keepAtMost) {
  ValueList list;
  std::string_view rest = valueText;
  // Each search starts behind the previous blank, so the whole split is one
  // pass over the text however many values it holds.
  std::size_t blank = rest.find(' ');
  while (blank != std::string_view::npos && blank > 0) {
    addValue(list, rest.substr(0, blank), keepAtMost);
    rest.remove_prefix(blank + 1);
    blank = rest.find(' ');
  }
  if (rest.size() >= 2) {
    addValue(list, rest, keepAtMost);
  }
  return list;
}
