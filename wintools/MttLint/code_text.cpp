#include "code_text.h"

#include <algorithm>

std::string_view trimBlanks(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) {
    return text.substr(text.size());
  }
  const std::size_t end = text.find_last_not_of(" \t");
  return text.substr(start, end - start + 1);
}

std::string_view codeText(std::string_view line) {
  std::size_t cut = line.size();
  for (std::size_t slash = line.find('/'); slash != std::string_view::npos;
       slash = line.find('/', slash + 1)) {
    if (slash + 1 < line.size() &&
        (line[slash + 1] == '/' || line[slash + 1] == '*')) {
      cut = slash;
      break;
    }
  }
  return trimBlanks(line.substr(0, cut));
}

std::size_t countOf(std::string_view text, char c) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}
