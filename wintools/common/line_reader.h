#pragma once

#include <cstddef>
#include <cstring>
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
  // The buffer of a stream; bytes in memory are read where they are.
  std::unique_ptr<char[]> buffer;
  std::size_t capacity = 0;
  // The bytes not returned yet run from next to end; those before scan
  // hold no line feed.
  const char* next = nullptr;
  const char* scan = nullptr;
  const char* end = nullptr;
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

// readLine for a line that the buffer does not hold whole: reads on, or
// gives the last line of the input.
[[nodiscard]] bool readLineReadingOn(LineReader& reader,
                                     std::string_view& line);

// Gives the next line without its line end (a CR directly before the LF is
// dropped with it) as a view into the reader, valid until the next call.
// Returns false at the end of the input, and when the input cannot be read
// further (readFailed) or is UTF-16 (isUtf16). Inline, as it runs once for
// every line of every input.
[[nodiscard]] inline bool readLine(LineReader& reader, std::string_view& line) {
  const char* const feed =
      reader.scan < reader.end
          ? static_cast<const char*>(
                std::memchr(reader.scan, '\n',
                            static_cast<std::size_t>(reader.end - reader.scan)))
          : nullptr;
  if (feed == nullptr) {
    return readLineReadingOn(reader, line);
  }
  const char* stop = feed;
  if (stop > reader.next && stop[-1] == '\r') {
    --stop;
  }
  line = std::string_view(reader.next,
                          static_cast<std::size_t>(stop - reader.next));
  reader.next = feed + 1;
  reader.scan = feed + 1;
  ++reader.lineNumber;
  return true;
}

// readLine, then cleanLine of the line.
[[nodiscard]] bool readCleanLine(LineReader& reader, std::string_view& line);

// readCleanLine, passing over the lines that clean to nothing (empty lines,
// blanks, comments), which no reader of an input looks at; lineNumber still
// counts them.
[[nodiscard]] bool readMeaningfulLine(LineReader& reader,
                                      std::string_view& line);

// Moves a reader of bytes in memory on to the start of the line that holds
// the byte at `within`, passing over the lines before it without counting
// them in lineNumber.
void skipToLineOf(LineReader& reader, const char* within);

// Reads the rest of the stream into bytes, expectedSize of them read in one
// go (the size of a file, or 0). Returns false when a read fails or memory
// runs out before the end.
[[nodiscard]] bool readAllBytes(std::istream& in, std::string& bytes,
                                std::size_t expectedSize);
