#include "line_reader.h"

#include <cstddef>

namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

bool beginsComment(const std::string& line, std::size_t pos) {
  const char c = line[pos];
  if (c == '/') {
    // A slash in the last position has nothing after it to form a comment.
    return pos + 1 < line.size() &&
           (line[pos + 1] == '/' || line[pos + 1] == '*');
  }
  return c == '*' || c == '\\' || c == '#';
}

std::size_t findStart(const std::string& line) {
  for (std::size_t pos = 0; pos < line.size(); ++pos) {
    if (!isBlankOrTab(line[pos])) {
      return pos;
    }
  }
  return 0;
}

std::size_t findCut(const std::string& line) {
  for (std::size_t pos = 0; pos < line.size(); ++pos) {
    if (beginsComment(line, pos)) {
      // Blanks before a comment are kept.
      return pos;
    }
  }
  std::size_t cut = line.size();
  while (cut > 0 && line[cut - 1] == ' ') {
    --cut;
  }
  return cut;
}

}  // namespace

std::string cleanLine(std::string line) {
  if (line.empty()) {
    return line;
  }
  const std::size_t start = findStart(line);
  const std::size_t cut = findCut(line);
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
