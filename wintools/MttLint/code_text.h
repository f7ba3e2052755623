#pragma once

#include <cstddef>
#include <string_view>

// The part of a header line that a compiler reads as code: the line cut at
// its first "//" or "/*", without the blanks and tabs around it. Unlike the
// generators' cleaned line it keeps "*", "\" and "#", so that a pointer
// member still shows. A view into the line.
std::string_view codeText(std::string_view line);

// The text without the blanks and tabs at its start and end.
std::string_view trimBlanks(std::string_view text);

// The number of times c occurs in the text.
std::size_t countOf(std::string_view text, char c);
