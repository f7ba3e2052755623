#include "structure_lines.h"

#include "code_text.h"
#include "config_structure.h"

namespace {

bool isSeparate(char c) { return c == '{' || c == '}' || c == ';'; }

int structureNamed(std::string_view name) {
  for (int i = 0; i < kConfigStructureCount; ++i) {
    if (name == kConfigStructures[i].name) {
      return i;
    }
  }
  return -1;
}

}  // namespace

std::vector<std::string_view> lineTokens(std::string_view line,
                                         std::size_t maxTokens) {
  std::vector<std::string_view> tokens;
  std::size_t pos = 0;
  while (pos < line.size() && tokens.size() < maxTokens) {
    const char c = line[pos];
    if (c == ' ' || c == '\t') {
      ++pos;
      continue;
    }
    if (isSeparate(c)) {
      tokens.push_back(line.substr(pos, 1));
      ++pos;
      continue;
    }
    const std::size_t end = line.find_first_of(" \t{};", pos);
    const std::size_t stop = end == std::string_view::npos ? line.size() : end;
    tokens.push_back(line.substr(pos, stop - pos));
    pos = stop;
  }
  return tokens;
}

Opening lookAtOpening(std::string_view cleaned) {
  const std::vector<std::string_view> tokens = lineTokens(cleaned, 5);
  std::size_t first = 0;
  const bool typedefed = !tokens.empty() && tokens[0] == "typedef";
  if (typedefed) {
    first = 1;
  }
  if (tokens.size() < first + 2 || tokens[first] != "struct") {
    return Opening();
  }
  const std::string_view name = tokens[first + 1];
  const int structure = structureNamed(name);
  const bool braceFollows =
      tokens.size() > first + 2 && tokens[first + 2] == "{";
  if (structure >= 0) {
    if (braceFollows) {
      return Opening{OpeningLook::almostMarker, structure};
    }
    if (tokens.size() == first + 2) {
      return Opening{OpeningLook::nameOnly, structure};
    }
    return Opening();
  }
  if (typedefed && (name == "{" || braceFollows)) {
    return Opening{OpeningLook::typedefOpening, -1};
  }
  return Opening();
}

int closingName(std::string_view cleaned) {
  const std::vector<std::string_view> tokens = lineTokens(cleaned, 4);
  if (tokens.size() != 3 || tokens[0] != "}" || tokens[2] != ";") {
    return -1;
  }
  return structureNamed(tokens[1]);
}

bool isAlmostClosing(std::string_view cleaned) {
  const std::string_view trimmed = trimBlanks(cleaned);
  return !trimmed.empty() && trimmed[0] == '}' && cleaned != "};";
}

std::string invisibleDifference(std::string_view cleaned) {
  if (!cleaned.empty() && cleaned.back() == ' ') {
    return " (the blank before the comment stays part of the line)";
  }
  if (cleaned.find('\t') != std::string_view::npos) {
    return " (a tab stays part of the line)";
  }
  return "";
}
