#include "structure_parser.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "integer_text.h"
#include "line_reader.h"
#include "member_name.h"

namespace {

// The bytes not read yet: the header is read in memory.
std::string_view unread(const LineReader& reader) {
  return std::string_view(reader.next,
                          static_cast<std::size_t>(reader.end - reader.next));
}

// Reads up to the marker line; false when the input ends first. A line can
// be the marker only if it holds the marker's text, so the lines between
// one place of that text and the next are not read at all.
bool findMarker(LineReader& reader, const std::string& marker) {
  for (;;) {
    const std::size_t found = unread(reader).find(marker);
    if (found == std::string_view::npos) {
      return false;
    }
    skipToLineOf(reader, reader.next + found);
    std::string_view line;
    if (readLine(reader, line) && cleanLine(line) == marker) {
      return true;
    }
  }
}

// The next of the member lines that may close the structure or declare a
// member: the closing line holds a "}", and every type word a "u". The
// places of both letters are kept between calls, so that the search stays
// one pass over the header.
struct MemberLineFinder {
  const char* nextU = nullptr;
  const char* nextBrace = nullptr;
};

const char* findAhead(const LineReader& reader, char c) {
  const std::string_view rest = unread(reader);
  const std::size_t found = rest.find(c);
  return found != std::string_view::npos ? reader.next + found : reader.end;
}

// Moves the reader on to the next line that may matter; false when none is
// left.
bool skipToMemberLine(LineReader& reader, MemberLineFinder& finder) {
  if (finder.nextU < reader.next) {
    finder.nextU = findAhead(reader, 'u');
  }
  if (finder.nextBrace < reader.next) {
    finder.nextBrace = findAhead(reader, '}');
  }
  const char* nearest = std::min(finder.nextU, finder.nextBrace);
  if (nearest == reader.end) {
    return false;
  }
  skipToLineOf(reader, nearest);
  return true;
}

// Adds one record per element of an array member "prefix[count...".
void addArrayElements(const std::string& name, std::size_t bracket,
                      FieldTable& table, MemberLineEffect& effect) {
  const std::string prefix = name.substr(0, bracket + 1);
  const long elementCount =
      readLeadingLong(std::string_view(name).substr(bracket + 1), 10);
  effect.requested = elementCount;
  // Stopping when the table is full keeps a huge count as cheap as 511.
  for (long index = 0; index < elementCount; ++index) {
    if (!appendFieldRecord(table, prefix + std::to_string(index) + "]")) {
      break;
    }
    ++effect.appended;
  }
}

}  // namespace

MemberLineEffect readMemberLine(std::string_view line, FieldTable& table) {
  MemberLineEffect effect;
  if (line == "};") {
    effect.kind = MemberLineKind::closesStructure;
    return effect;
  }
  effect.name = extractMemberName(line);
  if (effect.name.empty()) {
    return effect;
  }
  effect.kind = MemberLineKind::declaresMember;
  const std::size_t bracket = effect.name.find('[');
  if (bracket == std::string::npos) {
    effect.requested = 1;
    // A full table drops further members without a message.
    effect.appended = appendFieldRecord(table, effect.name) ? 1 : 0;
  } else if (effect.name.find(']') == std::string::npos) {
    effect.kind = MemberLineKind::unclosedBracket;
  } else {
    addArrayElements(effect.name, bracket, table, effect);
  }
  return effect;
}

bool parseStructure(std::string_view header, const std::string& marker,
                    FieldTable& table, std::string& errorText) {
  table.count = 0;
  LineReader reader;
  startLineReader(reader, header);
  if (!findMarker(reader, marker)) {
    return true;
  }
  MemberLineFinder finder;
  std::string_view raw;
  while (skipToMemberLine(reader, finder) && readLine(reader, raw)) {
    const MemberLineEffect effect = readMemberLine(cleanLine(raw), table);
    if (effect.kind == MemberLineKind::closesStructure) {
      return true;
    }
    if (effect.kind == MemberLineKind::unclosedBracket) {
      errorText = "Member without closing \"]\": " + effect.name;
      return false;
    }
  }
  return true;
}
