// Feeds arbitrary bytes to the line reader, from memory and from a stream,
// and checks what every line and every cleaned line must satisfy.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "line_reader.h"

namespace {

void check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

std::vector<std::string> linesOf(LineReader& reader) {
  std::vector<std::string> lines;
  std::string_view line;
  while (readLine(reader, line)) {
    check(static_cast<std::size_t>(reader.lineNumber) == lines.size() + 1);
    lines.emplace_back(line);
  }
  check(!reader.readFailed);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  LineReader fromMemory;
  startLineReader(fromMemory, bytes);
  const std::vector<std::string> lines = linesOf(fromMemory);
  std::istringstream in(bytes);
  LineReader fromStream;
  startLineReader(fromStream, in);
  check(linesOf(fromStream) == lines);

  const bool utf16 = size >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                   (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
  check(fromMemory.isUtf16 == utf16);
  const std::size_t start = fromMemory.hadByteOrderMark ? 3 : 0;
  // Joined again with their line feeds, the lines give back the input but
  // for the mark and the CR of each CR LF.
  std::string joined;
  for (const std::string& line : lines) {
    joined += line + "\n";
  }
  std::string expected;
  if (!utf16) {
    for (std::size_t i = start; i < size; ++i) {
      if (bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n') {
        continue;
      }
      expected += bytes[i];
    }
    if (!expected.empty() && expected.back() != '\n') {
      expected += '\n';
    }
  }
  check(joined == expected);

  for (const std::string& line : lines) {
    const std::string_view cleaned = cleanLine(line);
    check(cleaned.empty() ||
          (cleaned.data() >= line.data() &&
           cleaned.data() + cleaned.size() <= line.data() + line.size()));
    const std::string text(cleaned);
    check(text.find_first_of("*\\#") == std::string::npos);
    check(text.find("//") == std::string::npos);
    check(text.find("/*") == std::string::npos);
    // Leading blanks and tabs survive only in a line of nothing else.
    check(text.empty() || (text.front() != ' ' && text.front() != '\t') ||
          text.find_first_not_of(" \t") == std::string::npos);
  }
  return 0;
}
