#pragma once

#include <string_view>

// Reads the integer at the start of the text the way strtol does with the
// given base (16 or 10): white space skipped, an optional sign, for base 16
// an optional 0x prefix, then digits up to the first other character. No
// digit gives 0; a value out of range clamps to the limits of long.
long readLeadingLong(std::string_view text, int base);
