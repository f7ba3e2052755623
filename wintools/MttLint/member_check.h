#pragma once

#include <string>
#include <string_view>

#include "config_structure.h"
#include "finding_report.h"
#include "structure_parser.h"

// A line of a structure's member phase, as paramgen reads it (cleaned) and
// as a compiler does (code), both views into raw.
struct MemberLine {
  const std::string& file;
  long line;
  std::string_view raw;
  std::string_view cleaned;
  std::string_view code;
  const ConfigStructure& structure;
};

// Reports what a member line declares that paramgen takes otherwise than a
// compiler: a member of another type, which takes no byte; an array size
// that is no number; several names in one declaration; a second member on
// the line; a bit-field; a name holding a blank or a tab; a
// two-dimensional array; a name with "[" and no "]" (paramgen's error).
// effect is what readMemberLine made of the line.
void reportMemberLine(const MemberLine& member, const MemberLineEffect& effect,
                      FindingReport& report);

// The records a member line made, for a finding's text: `no record`,
// `one record named "a"`, `4 records, "a[0]" to "a[3]"`.
std::string describeRecords(const MemberLineEffect& effect);

// The name that the line's uint8_t member has in paramgen's records, as a
// view into the cleaned line; empty when the line collects none.
std::string_view memberName(std::string_view cleaned);
