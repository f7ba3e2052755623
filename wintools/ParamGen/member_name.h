#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Finds the name that one cleaned header line declares with the type word
// uint8_t (the text between the type word, blanks skipped, and the next
// ";"): its start and size in the line. Returns false when the line
// declares none. Linear in the length of the line.
[[nodiscard]] bool findMemberName(std::string_view line, std::size_t& start,
                                  std::size_t& size);

// The name findMemberName finds, or the empty text when there is none.
std::string extractMemberName(std::string_view line);
