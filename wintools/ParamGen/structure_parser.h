#pragma once

#include <string>
#include <string_view>

#include "field_table.h"

// What one cleaned line of a structure's member phase is.
enum class MemberLineKind {
  // The line "};", which ends the structure.
  closesStructure,
  // No uint8_t member: the line is passed over.
  declaresNothing,
  // A uint8_t member, or a uint8_t array, whose records were appended.
  declaresMember,
  // A member name with "[" but no "]": the header cannot be used.
  unclosedBracket,
};

// What a member line asked for and what the table took of it.
struct MemberLineEffect {
  MemberLineKind kind = MemberLineKind::declaresNothing;
  // The member name as the line declares it.
  std::string name;
  // The records the member asks for: 1, or an array's element count as
  // read (0 or less asks for none).
  long requested = 0;
  // The records appended; fewer than requested once the table is full.
  long appended = 0;
};

// Handles one cleaned line of the member phase: appends the records of a
// uint8_t member to the table (one per array element, until it is full).
MemberLineEffect readMemberLine(std::string_view line, FieldTable& table);

// Lists the uint8_t members between the line marker and the line "};", one
// record per array element, reading the header's bytes from their first
// line. Returns false with errorText set on a name with "[" but no "]".
[[nodiscard]] bool parseStructure(std::string_view header,
                                  const std::string& marker, FieldTable& table,
                                  std::string& errorText);
