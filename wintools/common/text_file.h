#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "line_reader.h"

// Opens the named file for reading, in binary mode so that the line reader
// alone decides about line ends. A directory does not count as a file.
// Returns false with errorText "Couldn't open file: " + name on failure.
[[nodiscard]] bool openInput(std::ifstream& in, const std::string& name,
                             std::string& errorText);

// openInput, then starts the reader on it. A UTF-16 text cannot be read as
// narrow text and is refused as a file that cannot be opened, with
// errorText "Couldn't open file: " + name + " (UTF-16 text: ...)".
[[nodiscard]] bool openTextInput(std::ifstream& in, LineReader& reader,
                                 const std::string& name,
                                 std::string& errorText);

// Opens the named file and reads it whole into bytes. Returns false with
// errorText set when it cannot be opened or is UTF-16 text (as
// openTextInput), or when reading it fails (readFailureText).
[[nodiscard]] bool readTextFile(const std::string& name, std::string& bytes,
                                std::string& errorText);

// The error text of an input whose reading failed before its end.
std::string readFailureText(const std::string& name);

// The error text of an output that could not be written in full.
std::string writeFailureText(const std::string& name);

// Tells whether the named file can be opened for reading, without reading
// it and without waiting for a writer to a FIFO; nothing stays open.
// Returns false with errorText "Couldn't open file: " + name on failure.
[[nodiscard]] bool checkInputOpens(const std::string& name,
                                   std::string& errorText);

// Creates the named file or empties it, in binary mode. Refuses, without
// creating or emptying anything, a name that leads to the same file as one
// of filesInUse, also to one that does not exist yet.
// Returns false with errorText "Couldn't open file: " + name on failure.
[[nodiscard]] bool openOutput(std::ofstream& out, const std::string& name,
                              const std::vector<std::string>& filesInUse,
                              std::string& errorText);

// Writes the text and CR LF, then flushes. Returns false when the stream has
// failed, so that callers can notice a full disk.
[[nodiscard]] bool writeFileLine(std::ostream& out, std::string_view text);

// Closes an output written line by line. Returns false when the stream had
// failed or the close itself failed: the file may then be cut short.
[[nodiscard]] bool closeOutput(std::ofstream& out);
