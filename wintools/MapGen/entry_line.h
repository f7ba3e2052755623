#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The parts of one entry line such as "j[1]=11 12 13".
struct EntryLine {
  char letter = '\0';
  long row = 0;
  // Everything after the first "=", pointing into the parsed line.
  std::string_view valueText;
};

// The text of the parser's line errors: "Line: " + the cleaned line + what.
std::string lineMessage(std::string_view line, std::string_view what);

// Splits the cleaned line into table letter, row number and value text.
// Returns false with the line's error message in errorText.
[[nodiscard]] bool parseEntryLine(std::string_view line, EntryLine& entry,
                                  std::string& errorText);

// The values of one value text, of which at most keepAtMost are kept, and
// the number of values the text holds.
struct ValueList {
  std::vector<std::string> values;
  std::size_t count = 0;
};

// Splits the value text at single blanks; each value is the first two
// characters of its token, and a last token shorter than two is dropped.
ValueList splitValues(std::string_view valueText, std::size_t keepAtMost);
