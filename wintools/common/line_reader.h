#pragma once

#include <istream>
#include <string>

// Returns the meaningful part of one line: leading blanks and tabs dropped,
// everything from the first comment mark ("//", "/*", "*", "\", "#") cut
// off, and trailing blanks dropped when the line holds no comment mark.
std::string cleanLine(std::string line);

// Reads the next line (up to LF, or to the end of input), drops a CR that
// directly precedes the LF and returns cleanLine of it. The end of input
// shows in the stream's state, not in the result.
std::string readCleanLine(std::istream& in);
