#include "member_name.h"

namespace {

// Only "u", "i" and the last "t" of the seven-character word are tested, so
// the word may stand inside a longer one.
bool startsTypeWord(std::string_view line, std::size_t pos) {
  return pos + 6 < line.size() && line[pos] == 'u' && line[pos + 1] == 'i' &&
         line[pos + 6] == 't';
}

}  // namespace

bool findMemberName(std::string_view line, std::size_t& start,
                    std::size_t& size) {
  // Every match begins with a "u"; the search for it is the scan of a line
  // that declares nothing.
  for (std::size_t pos = line.find('u'); pos != std::string_view::npos;
       pos = line.find('u', pos + 1)) {
    if (!startsTypeWord(line, pos)) {
      continue;
    }
    // Only blanks are skipped: a tab becomes part of the name.
    const std::size_t first = line.find_first_not_of(' ', pos + 7);
    if (first == std::string_view::npos) {
      return false;
    }
    // Every later match starts its name at or after this one, so without a
    // ";" from here on no match on this line can succeed.
    const std::size_t semicolon = line.find(';', first);
    if (semicolon == std::string_view::npos) {
      return false;
    }
    start = first;
    size = semicolon - first;
    return size > 0;
  }
  return false;
}

std::string extractMemberName(std::string_view line) {
  std::size_t start = 0;
  std::size_t size = 0;
  if (!findMemberName(line, start, size)) {
    return std::string();
  }
  return std::string(line.substr(start, size));
}
