#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

// Returns the meaningful part of one line, as a part of the line itself:
// leading blanks and tabs dropped, everything from the first comment mark
// ("//", "/*", "*", "\", "#") cut off, and trailing blanks dropped when the
// line holds no comment mark.
std::string_view cleanLine(std::string_view line);

// Reads one input line by line through a buffer of its own, so that a line
// costs a scan for its line feed and no allocation. The input is a stream,
// read in large blocks, or bytes already in memory, read in place.
struct LineReader {
  std::istream* in = nullptr;
  // The bytes of the input in memory, when it is read in place.
  std::string_view bytes;
  std::unique_ptr<char[]> buffer;
  std::size_t capacity = 0;
  // The buffer holds the input's bytes from lineStart to dataEnd that no
  // line has returned yet; those before scanFrom hold no line feed.
  std::size_t lineStart = 0;
  std::size_t scanFrom = 0;
  std::size_t dataEnd = 0;
  bool inputEnded = false;
  // A read failed or memory ran out: the input did not end, it broke off.
  bool readFailed = false;
  // The input starts with a UTF-8 byte-order mark, which is not returned.
  bool hadByteOrderMark = false;
  // The input starts with a UTF-16 byte-order mark: it is no narrow text,
  // and no line is returned.
  bool isUtf16 = false;
  // The number of the line last returned, counted from 1.
  long lineNumber = 0;
};

// Starts reading the stream from where it stands, which is taken to be the
// start of the input. Reads the first bytes to tell a byte-order mark.
void startLineReader(LineReader& reader, std::istream& in);

// Starts reading bytes held in memory, which must outlive the reading.
void startLineReader(LineReader& reader, std::string_view bytes);

// Gives the next line without its line end (a CR directly before the LF is
// dropped with it) as a view into the reader, valid until the next call.
// Returns false at the end of the input, and when the input cannot be read
// further (readFailed) or is UTF-16 (isUtf16).
[[nodiscard]] bool readLine(LineReader& reader, std::string_view& line);

// readLine, then cleanLine of the line.
[[nodiscard]] bool readCleanLine(LineReader& reader, std::string_view& line);

// Reads the rest of the stream into bytes. Returns false when a read fails
// or memory runs out before the end.
[[nodiscard]] bool readAllBytes(std::istream& in, std::string& bytes);
