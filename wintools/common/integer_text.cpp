#include "integer_text.h"

#include <climits>
#include <cstddef>

namespace {

// The C locale's white space, as strtol skips it.
bool isCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

// Larger than any base, so that a character that is no digit fails every
// base test.
const int kNoDigit = 36;

int digitValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'z') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'Z') {
    return c - 'A' + 10;
  }
  return kNoDigit;
}

bool isDigitOf(char c, int base) { return digitValue(c) < base; }

}  // namespace

long readLeadingLong(std::string_view text, int base) {
  std::size_t pos = 0;
  while (pos < text.size() && isCSpace(text[pos])) {
    ++pos;
  }
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // "0x" counts as a prefix only when a hex digit follows; "0xz" reads as 0.
  if (base == 16 && pos + 2 < text.size() && text[pos] == '0' &&
      (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
      isDigitOf(text[pos + 2], 16)) {
    pos += 2;
  }
  // Accumulate as a negative number, whose range is the larger one.
  long value = 0;
  bool clamped = false;
  for (; pos < text.size() && isDigitOf(text[pos], base); ++pos) {
    const int digit = digitValue(text[pos]);
    if (clamped) {
      continue;
    }
    if (value < (LONG_MIN + digit) / base) {
      clamped = true;
      continue;
    }
    value = value * base - digit;
  }
  if (clamped) {
    return negative ? LONG_MIN : LONG_MAX;
  }
  if (!negative) {
    return value == LONG_MIN ? LONG_MAX : -value;
  }
  return value;
}
