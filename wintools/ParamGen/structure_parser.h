#pragma once

#include <istream>
#include <string>

#include "field_table.h"

// Fills the table with the uint8_t members of the structure that opens at
// the line equal to marker and closes at the line "};", arrays expanded one
// record per element, reading the header from its first line whatever was
// read before. A missing structure leaves count 0. Returns false with
// errorText set when a member name holds "[" but no "]", or when the header
// cannot be read again from its first line.
[[nodiscard]] bool parseStructure(std::istream& header,
                                  const std::string& marker, FieldTable& table,
                                  std::string& errorText);
