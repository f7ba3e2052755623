#include "header_check.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "code_text.h"
#include "member_check.h"
#include "quoted_text.h"
#include "structure_lines.h"
#include "structure_parser.h"

namespace {

enum class Phase { searching, members, closed };

// One structure's walk through the header, as parseStructure makes it.
struct StructureWalk {
  Phase phase = Phase::searching;
  long markerLine = 0;
  long markerColumn = 0;
  // Blocks opened inside the structure and not closed yet.
  long depth = 0;
  bool overflowReported = false;
};

// A line that may be the first of a structure written otherwise.
struct PendingOpening {
  long line = 0;
  long column = 0;
  std::string_view text;
  int structure = -1;
  // Braces opened and not closed since the line.
  long depth = 0;
};

struct HeaderWalk {
  const InputFile& input;
  HeaderCheck& check;
  FindingReport& report;
  std::array<StructureWalk, kConfigStructureCount> structures;
  PendingOpening nameOnly;
  PendingOpening typedefOpening;
};

void warnAt(HeaderWalk& walk, long line, long column, std::string text) {
  addFinding(walk.report, walk.input.name, line, column, Severity::warning,
             std::move(text));
}

std::string doesNotStart(const ConfigStructure& structure) {
  return std::string("; paramgen does not see ") + structure.name +
         " start here";
}

// Lines that mean to open a structure without being its marker.
void lookForOpenings(HeaderWalk& walk, long line, long column,
                     std::string_view cleaned, std::string_view code) {
  if (walk.nameOnly.line != 0) {
    const std::vector<std::string_view> tokens = lineTokens(cleaned, 2);
    if (tokens.size() == 1 && tokens[0] == "{") {
      const ConfigStructure& structure =
          kConfigStructures[walk.nameOnly.structure];
      warnAt(walk, walk.nameOnly.line, walk.nameOnly.column,
             quote(walk.nameOnly.text) +
                 " with \"{\" on the next line is "
                 "not the line " +
                 quote(structure.marker) + doesNotStart(structure));
    }
    walk.nameOnly = PendingOpening();
  }
  PendingOpening& opening = walk.typedefOpening;
  if (opening.line != 0) {
    opening.depth += static_cast<long>(countOf(code, '{')) -
                     static_cast<long>(countOf(code, '}'));
    if (opening.depth <= 0) {
      const int named = closingName(cleaned);
      if (named >= 0) {
        const ConfigStructure& structure = kConfigStructures[named];
        warnAt(walk, opening.line, opening.column,
               quote(opening.text) + " starts a structure that " +
                   quote(cleaned) + " (line " + std::to_string(line) +
                   ") names " + structure.name +
                   "; paramgen looks for the "
                   "line " +
                   quote(structure.marker) + " and does not see " +
                   structure.name + " here");
      }
      opening = PendingOpening();
    }
  }
  for (const ConfigStructure& structure : kConfigStructures) {
    if (cleaned == structure.marker) {
      return;
    }
  }
  const Opening look = lookAtOpening(cleaned);
  switch (look.look) {
    case OpeningLook::almostMarker: {
      const ConfigStructure& structure = kConfigStructures[look.structure];
      warnAt(walk, line, column,
             quote(cleaned) + " is not exactly " + quote(structure.marker) +
                 doesNotStart(structure) + invisibleDifference(cleaned));
      break;
    }
    case OpeningLook::nameOnly:
      walk.nameOnly = PendingOpening{line, column, cleaned, look.structure, 0};
      break;
    case OpeningLook::typedefOpening:
      walk.typedefOpening =
          PendingOpening{line, column, cleaned, -1,
                         static_cast<long>(countOf(code, '{')) -
                             static_cast<long>(countOf(code, '}'))};
      break;
    case OpeningLook::none:
      break;
  }
}

// The first byte that a full table drops, for the overflow finding.
std::string firstDropped(const MemberLineEffect& effect) {
  const std::size_t open = effect.name.find('[');
  if (open == std::string::npos) {
    return effect.name;
  }
  return effect.name.substr(0, open + 1) + std::to_string(effect.appended) +
         "]";
}

void walkMemberLine(HeaderWalk& walk, int index, const MemberLine& member) {
  StructureWalk& structure = walk.structures[static_cast<std::size_t>(index)];
  FieldTable& table = walk.check.tables[static_cast<std::size_t>(index)];
  const long column = columnOf(member.raw, member.cleaned.data());
  const MemberLineEffect effect = readMemberLine(member.cleaned, table);
  const long opened = static_cast<long>(countOf(member.code, '{'));
  const long closed = static_cast<long>(countOf(member.code, '}'));
  if (effect.kind == MemberLineKind::closesStructure) {
    if (structure.depth > 0) {
      warnAt(walk, member.line, column,
             "this \"};\" ends a nested block, but paramgen ends " +
                 std::string(member.structure.name) +
                 " here; the members after it get no record");
    }
    structure.phase = Phase::closed;
    return;
  }
  if (effect.kind == MemberLineKind::declaresNothing &&
      isAlmostClosing(member.cleaned) && structure.depth == 0) {
    warnAt(walk, member.line, column,
           quote(member.cleaned) +
               " is not exactly \"};\"; paramgen does "
               "not end " +
               member.structure.name +
               " here and reads on to the next line \"};\"" +
               invisibleDifference(member.cleaned));
    return;
  }
  structure.depth = std::max(0L, structure.depth + opened - closed);
  reportMemberLine(member, effect, walk.report);
  if (effect.appended > 0) {
    const std::string_view name = memberName(member.cleaned);
    const RecordOrigin origin{member.line, columnOf(member.raw, name.data())};
    walk.check.origins[static_cast<std::size_t>(index)].insert(
        walk.check.origins[static_cast<std::size_t>(index)].end(),
        static_cast<std::size_t>(effect.appended), origin);
  }
  if (!structure.overflowReported &&
      effect.appended < std::max(0L, effect.requested)) {
    structure.overflowReported = true;
    const std::string_view name = memberName(member.cleaned);
    warnAt(walk, member.line, columnOf(member.raw, name.data()),
           "more than " + std::to_string(kFieldTableCapacity) + " bytes in " +
               member.structure.name + "; paramgen drops the bytes from " +
               quote(firstDropped(effect)) + " on");
  }
}

}  // namespace

void checkHeaderFile(const InputFile& input, HeaderCheck& check,
                     FindingReport& report) {
  HeaderWalk walk{input, check, report, {}, {}, {}};
  for (int i = 0; i < kConfigStructureCount; ++i) {
    check.tables[static_cast<std::size_t>(i)].count = 0;
    check.origins[static_cast<std::size_t>(i)].clear();
    check.found[static_cast<std::size_t>(i)] = false;
  }
  LineReader reader;
  startInputReader(input, reader);
  std::string_view raw;
  while (readLine(reader, raw)) {
    const std::string_view cleaned = cleanLine(raw);
    if (cleaned.empty()) {
      continue;
    }
    const long line = reader.lineNumber;
    const long column = columnOf(raw, cleaned.data());
    const std::string_view code = codeText(raw);
    lookForOpenings(walk, line, column, cleaned, code);
    for (int i = 0; i < kConfigStructureCount; ++i) {
      StructureWalk& structure = walk.structures[static_cast<std::size_t>(i)];
      const ConfigStructure& config = kConfigStructures[i];
      if (structure.phase == Phase::searching) {
        if (cleaned == config.marker) {
          structure.phase = Phase::members;
          structure.markerLine = line;
          structure.markerColumn = column;
          check.found[static_cast<std::size_t>(i)] = true;
        }
      } else if (structure.phase == Phase::members) {
        walkMemberLine(
            walk, i, MemberLine{input.name, line, raw, cleaned, code, config});
      }
    }
  }
  for (int i = 0; i < kConfigStructureCount; ++i) {
    const StructureWalk& structure =
        walk.structures[static_cast<std::size_t>(i)];
    const ConfigStructure& config = kConfigStructures[i];
    if (structure.phase == Phase::searching) {
      addFileFinding(report, input.name, Severity::note,
                     std::string("no line ") + quote(config.marker) +
                         "; paramgen finds no structure " + config.name +
                         " and writes no record of page " + config.page);
    } else if (structure.phase == Phase::members) {
      warnAt(walk, structure.markerLine, structure.markerColumn,
             std::string(config.name) +
                 " has no line \"};\" after it; "
                 "paramgen takes the uint8_t members up to the end of the "
                 "file as its own");
    }
  }
}
