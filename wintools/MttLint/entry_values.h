#pragma once

#include <string>
#include <string_view>

#include "finding_report.h"

// Walks a value text the way mapgen's splitValues splits it, giving each
// token whose first two characters become a value, as a view into the text.
struct ValueCursor {
  std::string_view rest;
  bool ended = false;
};

// Starts a walk over the value text.
ValueCursor startValues(std::string_view valueText);

// Gives the next token: the text up to the next blank, or, once no blank
// follows or the rest begins with one, the whole rest (isRest) when it holds
// two characters or more. Returns false when no value is left; cursor.rest
// then holds the one character dropped, or nothing.
[[nodiscard]] bool nextValueToken(ValueCursor& cursor, std::string_view& token,
                                  bool& isRest);

// Reports what is wrong with the values of one stored entry line: a value
// that is not two hexadecimal digits, a token cut to two characters, a tab
// or a run of blanks among the values, a dropped one-character last value.
// valueText is a view into line, which is a line of file at lineNumber.
void reportEntryValues(const std::string& file, long lineNumber,
                       std::string_view line, std::string_view valueText,
                       FindingReport& report);
