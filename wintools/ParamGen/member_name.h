#pragma once

#include <string>
#include <string_view>

// The name that one cleaned header line declares with the type word uint8_t
// (the text between the type word, blanks skipped, and the next ";"), or the
// empty text when the line declares none. Linear in the length of the line.
std::string extractMemberName(std::string_view line);
