#pragma once

#include <string>

// True when the argument is the option word "-" + letter, in either letter
// case ("-t" and "-T"): option words are the only names that ignore case.
bool isOptionWord(const std::string& argument, char letter);
