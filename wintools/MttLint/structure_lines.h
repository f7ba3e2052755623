#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The first tokens of a cleaned header line: words split at blanks and
// tabs, with "{", "}" and ";" tokens of their own; at most maxTokens.
std::vector<std::string_view> lineTokens(std::string_view line,
                                         std::size_t maxTokens);

// How a line that is not a structure's marker may still be meant as one.
enum class OpeningLook {
  none,
  // "typedef struct config_t {", "struct config_t{", a blank before a
  // comment, ...: the marker's words, written otherwise.
  almostMarker,
  // "struct config_t" alone: the brace may follow on the next line.
  nameOnly,
  // "typedef struct {" or "typedef struct tag {": its closing line may
  // give the structure's name.
  typedefOpening,
};

// What lookAtOpening makes of a line.
struct Opening {
  OpeningLook look = OpeningLook::none;
  // The configuration structure meant, by its index; -1 for none.
  int structure = -1;
};

// Looks at a cleaned line that is no marker.
Opening lookAtOpening(std::string_view cleaned);

// The configuration structure that a closing line "} name;" names, by its
// index, or -1.
int closingName(std::string_view cleaned);

// True for a line that begins with "}" and so may be meant as the line
// "};" that ends a structure, without being exactly that line.
bool isAlmostClosing(std::string_view cleaned);

// Why a line that reads like an exact line is not one: a blank before the
// comment, or a tab, that stay part of the cleaned line; or nothing.
std::string invisibleDifference(std::string_view cleaned);
