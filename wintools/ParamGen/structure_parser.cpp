#include "structure_parser.h"

#include <cstddef>
#include <string_view>

#include "integer_text.h"
#include "line_reader.h"
#include "member_name.h"

namespace {

// Reads up to the marker line; false when the input ends first.
bool findMarker(LineReader& reader, const std::string& marker) {
  std::string_view line;
  while (readCleanLine(reader, line)) {
    if (line == marker) {
      return true;
    }
  }
  return false;
}

// Adds one record per element of an array member "prefix[count...".
void addArrayElements(const std::string& name, std::size_t bracket,
                      FieldTable& table) {
  const std::string prefix = name.substr(0, bracket + 1);
  const long elementCount =
      readLeadingLong(std::string_view(name).substr(bracket + 1), 10);
  // Stopping when the table is full keeps a huge count as cheap as 511.
  for (long index = 0; index < elementCount; ++index) {
    if (!appendFieldRecord(table, prefix + std::to_string(index) + "]")) {
      break;
    }
  }
}

}  // namespace

bool parseStructure(std::string_view header, const std::string& marker,
                    FieldTable& table, std::string& errorText) {
  table.count = 0;
  LineReader reader;
  startLineReader(reader, header);
  if (!findMarker(reader, marker)) {
    return true;
  }
  std::string_view line;
  while (readCleanLine(reader, line)) {
    if (line == "};") {
      return true;
    }
    const std::string name = extractMemberName(line);
    if (name.empty()) {
      continue;
    }
    const std::size_t bracket = name.find('[');
    if (bracket == std::string::npos) {
      // A full table drops further members without a message.
      appendFieldRecord(table, name);
    } else if (name.find(']') == std::string::npos) {
      errorText = "Member without closing \"]\": " + name;
      return false;
    } else {
      addArrayElements(name, bracket, table);
    }
  }
  return true;
}
