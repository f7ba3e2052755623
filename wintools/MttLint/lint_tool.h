#pragma once

#include <ostream>
#include <string>
#include <vector>

// Checks the files the arguments name and prints what it finds on console.
// Returns the exit status: 0 when no error was found, 1 when one was, 2 for
// an unusable command line or an input that cannot be opened or read.
int runLintTool(const std::vector<std::string>& arguments,
                std::ostream& console);
