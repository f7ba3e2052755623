#pragma once

#include <string>
#include <string_view>

#include "finding_report.h"
#include "line_reader.h"

// One input of the checker, read whole, and which generator reads it.
struct InputFile {
  // As the command line gives it; findings name the file so.
  std::string name;
  // "mapgen" or "paramgen", for the findings that carry its messages.
  std::string generator;
  std::string bytes;
};

// Reads the named input whole. When it cannot be opened or read, or is
// UTF-16 text, reports that as an error about the file (with the message
// the generator prints), marks the report's inputUnreadable and returns
// false.
[[nodiscard]] bool readInput(const std::string& name,
                             const std::string& generator, InputFile& input,
                             FindingReport& report);

// Starts a reader on the input's bytes, past a byte-order mark.
void startInputReader(const InputFile& input, LineReader& reader);

// Reports what any input can hold that the generators pass over without a
// word: a byte-order mark (note) and NUL bytes (a warning at the first).
void reportInputBytes(const InputFile& input, FindingReport& report);

// Reports a last line without a line end (note), at the column after it.
void reportMissingLastLineEnd(const InputFile& input, FindingReport& report);

// A line of an input, for the findings that point into it.
struct InputLine {
  const InputFile& input;
  long line;
  // The line as written, a view into the input's bytes.
  std::string_view raw;
  FindingReport& report;
};

// Adds a finding at the column of the byte `at`, which lies in the line.
void addAt(const InputLine& place, const char* at, Severity severity,
           std::string text);
