#pragma once

#include <istream>
#include <string>

#include "field_table.h"

// Lists the uint8_t members between the line marker and the line "};", one
// record per array element, reading from the header's first line. Returns
// false with errorText set on a name with "[" but no "]", or a header that
// cannot be read from its first line again.
[[nodiscard]] bool parseStructure(std::istream& header,
                                  const std::string& marker, FieldTable& table,
                                  std::string& errorText);
