#pragma once

#include <string>

// True when both names lead to one existing file of any kind (a file, a
// folder, a FIFO, a device), links and /dev/fd names followed.
bool isSameExistingFile(const std::string& first, const std::string& second);

// True when the name leads to an existing file of any kind; a dangling link
// leads nowhere.
bool existsAsFile(const std::string& name);

// The path at which creating the name would create a file: made absolute
// and resolved component by component the way the file system resolves it,
// links followed also where they dangle. Empty when it cannot be told.
std::string creationPath(const std::string& name);

// True when two creation paths name the same place. Windows ignores letter
// case in names; elsewhere the paths must be equal.
bool isSameCreationPath(const std::string& first, const std::string& second);
