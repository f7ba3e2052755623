#pragma once

#include <ostream>
#include <string_view>

// Writes the script's header line "Mantt". Returns false when the stream
// has failed.
[[nodiscard]] bool writeMttHeader(std::ostream& out);

// Writes one record line: "g", the offset as "%02X", the page letter and
// the value text. Returns false when the stream has failed.
[[nodiscard]] bool writeMttRecord(std::ostream& out, unsigned offset, char page,
                                  std::string_view value);

// Writes the trailer lines "mcs" and "bye". Returns false when the stream
// has failed.
[[nodiscard]] bool writeMttTrailer(std::ostream& out);
