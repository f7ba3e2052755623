#include "line_reader.h"

#include <cstring>
#include <new>

namespace {

// Character classes for the one pass over a line.
enum : unsigned char { kPlain = 0, kBlank = 1, kTab = 2, kCommentMark = 3 };

struct CharClasses {
  unsigned char of[256] = {};
  CharClasses() {
    of[static_cast<unsigned char>(' ')] = kBlank;
    of[static_cast<unsigned char>('\t')] = kTab;
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
const std::size_t kBlockSize = 64 * 1024;

bool startsWith(std::string_view text, const char* prefix, std::size_t size) {
  return text.size() >= size && std::memcmp(text.data(), prefix, size) == 0;
}

// Looks at the first bytes of the input, once at least three are there or
// the input has ended.
void classifyStart(LineReader& reader, std::string_view start) {
  if (startsWith(start, "\xEF\xBB\xBF", 3)) {
    reader.hadByteOrderMark = true;
    reader.lineStart = 3;
    reader.scanFrom = 3;
  } else if (startsWith(start, "\xFF\xFE", 2) ||
             startsWith(start, "\xFE\xFF", 2)) {
    reader.isUtf16 = true;
  }
}

// Makes room behind the unread bytes, moving them to the front or growing
// the buffer when one line fills it. False when memory runs out.
bool makeRoom(LineReader& reader) {
  if (reader.lineStart > 0) {
    const std::size_t unread = reader.dataEnd - reader.lineStart;
    std::memmove(reader.buffer.get(), reader.buffer.get() + reader.lineStart,
                 unread);
    reader.scanFrom -= reader.lineStart;
    reader.dataEnd = unread;
    reader.lineStart = 0;
  }
  if (reader.capacity - reader.dataEnd >= kBlockSize / 2) {
    return true;
  }
  const std::size_t grown =
      reader.capacity == 0 ? kBlockSize : 2 * reader.capacity;
  // A line too long for the memory left ends the reading as a failure,
  // never the run.
  std::unique_ptr<char[]> larger(new (std::nothrow) char[grown]);
  if (!larger) {
    return false;
  }
  if (reader.dataEnd > 0) {
    std::memcpy(larger.get(), reader.buffer.get(), reader.dataEnd);
  }
  reader.buffer = std::move(larger);
  reader.capacity = grown;
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
  in.read(reader.buffer.get() + reader.dataEnd,
          static_cast<std::streamsize>(reader.capacity - reader.dataEnd));
  const std::size_t got = static_cast<std::size_t>(in.gcount());
  reader.dataEnd += got;
  if (in.bad()) {
    reader.readFailed = true;
    return false;
  }
  if (!in.good()) {
    reader.inputEnded = true;
  }
  return got > 0;
}

const char* unreadData(const LineReader& reader) {
  return reader.in != nullptr ? reader.buffer.get() : reader.bytes.data();
}

}  // namespace

std::string_view cleanLine(std::string_view line) {
  // One pass finds the first character that is no blank or tab, the first
  // comment mark and the end of the text before any trailing blanks, so
  // that long lines cost one scan.
  const std::size_t none = std::string_view::npos;
  std::size_t start = none;
  std::size_t endBeforeBlanks = 0;
  std::size_t comment = none;
  for (std::size_t pos = 0; pos < line.size(); ++pos) {
    const unsigned char kind =
        kClasses.of[static_cast<unsigned char>(line[pos])];
    if (kind == kBlank) {
      continue;
    }
    if (kind == kCommentMark && beginsComment(line, pos)) {
      comment = pos;
      break;
    }
    if (kind != kTab && start == none) {
      start = pos;
    }
    endBeforeBlanks = pos + 1;
  }
  if (start == none) {
    start = comment == none ? 0 : comment;
  }
  // Blanks before a comment stay; without a comment trailing blanks go.
  const std::size_t cut = comment != none ? comment : endBeforeBlanks;
  if (cut <= start) {
    return std::string_view();
  }
  return line.substr(start, cut - start);
}

void startLineReader(LineReader& reader, std::istream& in) {
  reader = LineReader();
  reader.in = &in;
  while (reader.dataEnd < 3 && fill(reader)) {
  }
  classifyStart(reader, std::string_view(reader.buffer.get(), reader.dataEnd));
}

void startLineReader(LineReader& reader, std::string_view bytes) {
  reader = LineReader();
  reader.bytes = bytes;
  reader.dataEnd = bytes.size();
  reader.inputEnded = true;
  classifyStart(reader, bytes);
}

bool readLine(LineReader& reader, std::string_view& line) {
  if (reader.isUtf16) {
    return false;
  }
  for (;;) {
    const char* data = unreadData(reader);
    const void* feed = reader.scanFrom < reader.dataEnd
                           ? std::memchr(data + reader.scanFrom, '\n',
                                         reader.dataEnd - reader.scanFrom)
                           : nullptr;
    if (feed != nullptr) {
      const std::size_t end =
          static_cast<std::size_t>(static_cast<const char*>(feed) - data);
      std::size_t length = end - reader.lineStart;
      if (length > 0 && data[end - 1] == '\r') {
        --length;
      }
      line = std::string_view(data + reader.lineStart, length);
      reader.lineStart = end + 1;
      reader.scanFrom = end + 1;
      ++reader.lineNumber;
      return true;
    }
    reader.scanFrom = reader.dataEnd;
    if (reader.inputEnded || !fill(reader)) {
      if (reader.readFailed) {
        return false;
      }
      // A last line without a line feed keeps even a final CR.
      if (reader.lineStart < reader.dataEnd) {
        data = unreadData(reader);
        line = std::string_view(data + reader.lineStart,
                                reader.dataEnd - reader.lineStart);
        reader.lineStart = reader.dataEnd;
        ++reader.lineNumber;
        return true;
      }
      return false;
    }
  }
}

bool readCleanLine(LineReader& reader, std::string_view& line) {
  if (!readLine(reader, line)) {
    return false;
  }
  line = cleanLine(line);
  return true;
}

bool readAllBytes(std::istream& in, std::string& bytes) {
  bytes.clear();
  std::unique_ptr<char[]> block(new (std::nothrow) char[kBlockSize]);
  if (!block) {
    return false;
  }
  // Growing the text may throw when memory runs out; that is a failure to
  // read the input, reported like any other.
  try {
    while (in.good()) {
      in.read(block.get(), static_cast<std::streamsize>(kBlockSize));
      bytes.append(block.get(), static_cast<std::size_t>(in.gcount()));
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  return !in.bad();
}
