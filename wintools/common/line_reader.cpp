#include "line_reader.h"

#include <cstring>
#include <new>

namespace {

// The characters that can begin a comment, found by one look-up each.
enum : unsigned char { kPlain = 0, kCommentMark = 1 };

struct CharClasses {
  unsigned char of[256] = {};
  CharClasses() {
    for (char mark : {'/', '*', '\\', '#'}) {
      of[static_cast<unsigned char>(mark)] = kCommentMark;
    }
  }
};

const CharClasses kClasses;

bool beginsComment(std::string_view line, std::size_t pos) {
  if (line[pos] != '/') {
    return true;
  }
  // A slash in the last position has nothing after it to form a comment.
  return pos + 1 < line.size() &&
         (line[pos + 1] == '/' || line[pos + 1] == '*');
}

// Large enough that reading costs few calls, small beside any memory limit.
const std::size_t kBlockSize = std::size_t{64} * 1024;

bool startsWith(std::string_view text, const char* prefix, std::size_t size) {
  return text.size() >= size && std::memcmp(text.data(), prefix, size) == 0;
}

// Looks at the first bytes of the input, once at least three are there or
// the input has ended.
void classifyStart(LineReader& reader) {
  const std::string_view start(
      reader.next, static_cast<std::size_t>(reader.end - reader.next));
  if (startsWith(start, "\xEF\xBB\xBF", 3)) {
    reader.hadByteOrderMark = true;
    reader.next += 3;
    reader.scan = reader.next;
  } else if (startsWith(start, "\xFF\xFE", 2) ||
             startsWith(start, "\xFE\xFF", 2)) {
    // Nothing of it is returned as lines.
    reader.isUtf16 = true;
    reader.inputEnded = true;
    reader.next = reader.end;
    reader.scan = reader.end;
  }
}

// Makes room behind the unread bytes, moving them to the front or growing
// the buffer when one line fills it. False when memory runs out.
bool makeRoom(LineReader& reader) {
  char* data = reader.buffer.get();
  const std::size_t unread = static_cast<std::size_t>(reader.end - reader.next);
  const std::size_t scanned =
      static_cast<std::size_t>(reader.scan - reader.next);
  if (data != nullptr && reader.next != data) {
    std::memmove(data, reader.next, unread);
  }
  if (reader.capacity - unread < kBlockSize / 2) {
    const std::size_t grown =
        reader.capacity == 0 ? kBlockSize : 2 * reader.capacity;
    // A line too long for the memory left ends the reading as a failure,
    // never the run.
    std::unique_ptr<char[]> larger(new (std::nothrow) char[grown]);
    if (!larger) {
      return false;
    }
    if (unread > 0) {
      std::memcpy(larger.get(), data, unread);
    }
    reader.buffer = std::move(larger);
    reader.capacity = grown;
    data = reader.buffer.get();
  }
  reader.next = data;
  reader.scan = data + scanned;
  reader.end = data + unread;
  return true;
}

// Reads the next block of a stream behind the unread bytes. False when
// nothing more could be read: the input ended, or failed.
bool fill(LineReader& reader) {
  if (reader.in == nullptr || reader.inputEnded) {
    reader.inputEnded = true;
    return false;
  }
  if (!makeRoom(reader)) {
    reader.readFailed = true;
    return false;
  }
  std::istream& in = *reader.in;
  char* const room = reader.buffer.get() + (reader.end - reader.next);
  in.read(room, static_cast<std::streamsize>(
                    reader.capacity -
                    static_cast<std::size_t>(reader.end - reader.next)));
  const std::size_t got = static_cast<std::size_t>(in.gcount());
  reader.end += got;
  if (in.bad()) {
    reader.readFailed = true;
    return false;
  }
  if (!in.good()) {
    reader.inputEnded = true;
  }
  return got > 0;
}

}  // namespace

namespace {

const char kEightBlanks[] = "        ";

// The position of the first comment mark that begins a comment, or the
// line's size. A long line is searched for each mark with memchr, each
// search no further than the nearest mark found so far.
std::size_t findComment(std::string_view line) {
  const std::size_t size = line.size();
  if (size < 64) {
    std::size_t pos = 0;
    while (pos < size && (kClasses.of[static_cast<unsigned char>(line[pos])] !=
                              kCommentMark ||
                          !beginsComment(line, pos))) {
      ++pos;
    }
    return pos;
  }
  std::size_t nearest = size;
  for (char mark : {'#', '*', '\\'}) {
    const std::size_t found = line.substr(0, nearest).find(mark);
    if (found != std::string_view::npos) {
      nearest = found;
    }
  }
  for (std::size_t slash = line.substr(0, nearest).find('/');
       slash != std::string_view::npos;
       slash = line.substr(0, nearest).find('/', slash + 1)) {
    if (beginsComment(line, slash)) {
      return slash;
    }
  }
  return nearest;
}

// The first position at or after pos, up to limit, that holds neither a
// blank nor a tab; runs of blanks are passed eight at a time.
std::size_t skipBlanksAndTabs(std::string_view line, std::size_t pos,
                              std::size_t limit) {
  for (;;) {
    while (pos + 8 <= limit &&
           std::memcmp(line.data() + pos, kEightBlanks, 8) == 0) {
      pos += 8;
    }
    if (pos == limit || (line[pos] != ' ' && line[pos] != '\t')) {
      return pos;
    }
    ++pos;
  }
}

// The end of the text before the blanks that end it, tabs kept.
std::size_t dropTrailingBlanks(std::string_view line, std::size_t end) {
  while (end >= 8 && std::memcmp(line.data() + end - 8, kEightBlanks, 8) == 0) {
    end -= 8;
  }
  while (end > 0 && line[end - 1] == ' ') {
    --end;
  }
  return end;
}

}  // namespace

std::string_view cleanLine(std::string_view line) {
  // The first comment mark cuts the line; a slash counts only before a
  // slash or an asterisk.
  const std::size_t comment = findComment(line);
  const bool hasComment = comment < line.size();
  std::size_t start = skipBlanksAndTabs(line, 0, comment);
  if (start == comment) {
    // Nothing but blanks and tabs before the end or the comment: a comment
    // line is empty, a line of blanks and tabs is kept from its start.
    if (hasComment) {
      return std::string_view();
    }
    start = 0;
  }
  // Blanks before a comment stay; without a comment trailing blanks go.
  const std::size_t cut =
      hasComment ? comment : dropTrailingBlanks(line, comment);
  if (cut <= start) {
    return std::string_view();
  }
  return line.substr(start, cut - start);
}

void startLineReader(LineReader& reader, std::istream& in) {
  reader = LineReader();
  reader.in = &in;
  while (reader.end - reader.next < 3 && fill(reader)) {
  }
  classifyStart(reader);
}

void startLineReader(LineReader& reader, std::string_view bytes) {
  reader = LineReader();
  reader.next = bytes.data();
  reader.scan = reader.next;
  reader.end = bytes.data() + bytes.size();
  reader.inputEnded = true;
  classifyStart(reader);
}

bool readLineReadingOn(LineReader& reader, std::string_view& line) {
  for (;;) {
    reader.scan = reader.end;
    if (!fill(reader)) {
      break;
    }
    if (reader.scan < reader.end &&
        std::memchr(reader.scan, '\n',
                    static_cast<std::size_t>(reader.end - reader.scan)) !=
            nullptr) {
      return readLine(reader, line);
    }
  }
  // A last line without a line feed keeps even a final CR.
  if (reader.readFailed || reader.next == reader.end) {
    return false;
  }
  line = std::string_view(reader.next,
                          static_cast<std::size_t>(reader.end - reader.next));
  reader.next = reader.end;
  ++reader.lineNumber;
  return true;
}

bool readCleanLine(LineReader& reader, std::string_view& line) {
  if (!readLine(reader, line)) {
    return false;
  }
  line = cleanLine(line);
  return true;
}

namespace {

// Passes over the lines at the front of the buffer that are blanks, or
// blanks and a comment, and that the buffer holds whole.
void skipEmptyLines(LineReader& reader) {
  const char* next = reader.next;
  const char* const end = reader.end;
  long number = reader.lineNumber;
  for (;;) {
    const std::string_view rest(next, static_cast<std::size_t>(end - next));
    const std::size_t blanks = rest.find_first_not_of(' ');
    // A line end or a comment mark needs two bytes to be told.
    if (blanks == std::string_view::npos || rest.size() - blanks < 2) {
      break;
    }
    const char* text = next + blanks;
    const char* feed = nullptr;
    if (text[0] == '\n') {
      feed = text;
    } else if (text[0] == '\r' && text[1] == '\n') {
      feed = text + 1;
    } else if (kClasses.of[static_cast<unsigned char>(text[0])] ==
                   kCommentMark &&
               beginsComment(std::string_view(text, 2), 0)) {
      feed = static_cast<const char*>(
          std::memchr(text, '\n', static_cast<std::size_t>(end - text)));
    }
    if (feed == nullptr) {
      break;
    }
    next = feed + 1;
    ++number;
  }
  if (next != reader.next) {
    reader.next = next;
    reader.scan = next;
    reader.lineNumber = number;
  }
}

}  // namespace

bool readMeaningfulLine(LineReader& reader, std::string_view& line) {
  for (;;) {
    // Most lines that are not entries clean to nothing; those are passed
    // over where they lie, the rest take the way of every line.
    skipEmptyLines(reader);
    if (!readCleanLine(reader, line)) {
      return false;
    }
    if (!line.empty()) {
      return true;
    }
  }
}

void skipToLineOf(LineReader& reader, const char* within) {
  const char* start = within;
  while (start > reader.next && start[-1] != '\n') {
    --start;
  }
  reader.next = start;
  reader.scan = start;
}

bool readAllBytes(std::istream& in, std::string& bytes,
                  std::size_t expectedSize) {
  bytes.clear();
  std::unique_ptr<char[]> block(new (std::nothrow) char[kBlockSize]);
  if (!block) {
    return false;
  }
  // Growing the text may throw when memory runs out; that is a failure to
  // read the input, reported like any other.
  try {
    // A file of known size is read straight into place, with one block
    // more for anything that has grown since.
    bytes.resize(expectedSize);
    in.read(bytes.data(), static_cast<std::streamsize>(expectedSize));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    while (in.good()) {
      in.read(block.get(), static_cast<std::streamsize>(kBlockSize));
      bytes.append(block.get(), static_cast<std::size_t>(in.gcount()));
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  return !in.bad();
}
