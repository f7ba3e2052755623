#include "entry_values.h"

#include "quoted_text.h"

namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

bool onlyBlanksAndTabs(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ||
         (c >= 'a' && c <= 'f');
}

bool isTwoHexDigits(std::string_view value) {
  return value.size() == 2 && isHexDigit(value[0]) && isHexDigit(value[1]);
}

struct ValuePlace {
  const std::string& file;
  long lineNumber;
  std::string_view line;
  FindingReport& report;
};

void warnAt(const ValuePlace& place, const char* at, std::string text) {
  addFinding(place.report, place.file, place.lineNumber,
             columnOf(place.line, at), Severity::warning, std::move(text));
}

// A rest that begins with a blank: a run of blanks (or a blank right after
// "=") ends the splitting, and the rest gives at most one value.
void reportBlankLedRest(const ValuePlace& place, std::string_view rest,
                        bool first) {
  const std::string value = quote(rest.substr(0, 2));
  if (onlyBlanksAndTabs(rest)) {
    warnAt(place, rest.data(),
           first ? "blanks after \"=\"; mapgen takes " + value +
                       " as the only value of the row"
                 : "blanks after the last value; mapgen takes " + value +
                       " as one more value");
    return;
  }
  std::string text = first ? "blank after \"=\"; mapgen takes " + value +
                                 " as the only value of the row"
                           : "more than one blank between values; mapgen "
                             "takes " +
                                 value + " as the last value of the row";
  if (rest.size() > 2) {
    text += " and drops " + quote(rest.substr(2));
  }
  warnAt(place, rest.data(), std::move(text));
}

// At most one finding per token: a tab explains a cut and a bad value.
void reportToken(const ValuePlace& place, std::string_view token) {
  const std::size_t tab = token.find('\t');
  if (tab != std::string_view::npos && !onlyBlanksAndTabs(token.substr(tab))) {
    warnAt(place, token.data() + tab,
           "tab in the values; mapgen splits at single blanks only, so it "
           "reads " +
               quote(token) + " as one value and writes " +
               quote(token.substr(0, 2)));
    return;
  }
  const std::string_view value = token.substr(0, 2);
  if (token.size() > 2 && !onlyBlanksAndTabs(token.substr(2))) {
    warnAt(place, token.data(),
           "value " + quote(token) +
               " is longer than two characters; mapgen writes " + quote(value) +
               " and drops " + quote(token.substr(2)));
    return;
  }
  if (!isTwoHexDigits(value)) {
    warnAt(place, token.data(),
           "value " + quote(value) +
               " is not two hexadecimal digits; mapgen writes it into the "
               "script as it is");
  }
}

}  // namespace

ValueCursor startValues(std::string_view valueText) {
  ValueCursor cursor;
  cursor.rest = valueText;
  return cursor;
}

bool nextValueToken(ValueCursor& cursor, std::string_view& token,
                    bool& isRest) {
  if (cursor.ended) {
    return false;
  }
  const std::size_t blank = cursor.rest.find(' ');
  if (blank != std::string_view::npos && blank > 0) {
    token = cursor.rest.substr(0, blank);
    cursor.rest.remove_prefix(blank + 1);
    isRest = false;
    return true;
  }
  cursor.ended = true;
  if (cursor.rest.size() < 2) {
    return false;
  }
  token = cursor.rest;
  cursor.rest.remove_prefix(cursor.rest.size());
  isRest = true;
  return true;
}

void reportEntryValues(const std::string& file, long lineNumber,
                       std::string_view line, std::string_view valueText,
                       FindingReport& report) {
  const ValuePlace place{file, lineNumber, line, report};
  ValueCursor cursor = startValues(valueText);
  std::string_view token;
  bool isRest = false;
  bool first = true;
  while (nextValueToken(cursor, token, isRest)) {
    if (isRest && token[0] == ' ') {
      reportBlankLedRest(place, token, first);
    } else {
      reportToken(place, token);
    }
    first = false;
  }
  if (cursor.rest.size() == 1 && !isBlankOrTab(cursor.rest[0])) {
    warnAt(place, cursor.rest.data(),
           "last value " + quote(cursor.rest) +
               " has one character; mapgen drops it");
  }
}
