#include "member_name.h"

#include <cstddef>

namespace {

// Only "u", "i" and the last "t" of the seven-character word are tested, so
// the word may stand inside a longer one.
bool startsTypeWord(std::string_view line, std::size_t pos) {
  return pos + 6 < line.size() && line[pos] == 'u' && line[pos + 1] == 'i' &&
         line[pos + 6] == 't';
}

}  // namespace

std::string extractMemberName(std::string_view line) {
  // Every match begins with a "u"; the search for it is the scan of a line
  // that declares nothing.
  for (std::size_t pos = line.find('u'); pos != std::string_view::npos;
       pos = line.find('u', pos + 1)) {
    if (!startsTypeWord(line, pos)) {
      continue;
    }
    // Only blanks are skipped: a tab becomes part of the name.
    const std::size_t start = line.find_first_not_of(' ', pos + 7);
    if (start == std::string_view::npos) {
      return std::string();
    }
    // Every later match starts its name at or after this one, so without a
    // ";" from here on no match on this line can succeed.
    const std::size_t semicolon = line.find(';', start);
    if (semicolon == std::string_view::npos) {
      return std::string();
    }
    return std::string(line.substr(start, semicolon - start));
  }
  return std::string();
}
