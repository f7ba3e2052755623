#pragma once

#include <string>
#include <string_view>

#include "field_table.h"

// Lists the uint8_t members between the line marker and the line "};", one
// record per array element, reading the header's bytes from their first
// line. Returns false with errorText set on a name with "[" but no "]".
[[nodiscard]] bool parseStructure(std::string_view header,
                                  const std::string& marker, FieldTable& table,
                                  std::string& errorText);
