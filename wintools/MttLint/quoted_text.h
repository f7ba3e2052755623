#pragma once

#include <string>
#include <string_view>

// The text in double quotes, as a C string literal would write it: printable
// ASCII as it is, except '"' and '\' escaped; tab, CR and LF as \t, \r and
// \n; every other byte below 0x20, 0x7F and every byte from 0x80 as \xNN.
std::string quote(std::string_view text);

// Appends quote(text) to out.
void appendQuote(std::string& out, std::string_view text);

// The end of a finding that carries a generator's own message:
// ` (TOOL: "MESSAGE")`, the message quoted.
std::string generatorMessage(std::string_view tool, std::string_view message);
