#include "line_reader.h"

#include <cstddef>

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

bool beginsComment(const std::string& line, std::size_t pos) {
  if (line[pos] != '/') {
    return true;
  }
  // A slash in the last position has nothing after it to form a comment.
  return pos + 1 < line.size() &&
         (line[pos + 1] == '/' || line[pos + 1] == '*');
}

}  // namespace

std::string cleanLine(std::string line) {
  // One pass finds the first character that is no blank or tab, the first
  // comment mark and the end of the text before any trailing blanks, so
  // that long lines cost one scan.
  const std::size_t none = std::string::npos;
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
    return std::string();
  }
  line.erase(cut);
  line.erase(0, start);
  return line;
}

std::string readCleanLine(std::istream& in) {
  std::string line;
  std::getline(in, line);
  // getline stops at end of file without setting eof only when it consumed
  // a line feed; only then is a final CR part of the line end.
  if (!in.eof() && !line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return cleanLine(std::move(line));
}
