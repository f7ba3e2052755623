// Feeds arbitrary bytes to the line reader and checks what every cleaned
// line must satisfy.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "line_reader.h"

namespace {

void check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  std::size_t lines = 0;
  std::size_t cleanedBytes = 0;
  while (in.good()) {
    const std::string line = readCleanLine(in);
    ++lines;
    cleanedBytes += line.size();
    check(line.find('\n') == std::string::npos);
    check(line.find_first_of("*\\#") == std::string::npos);
    check(line.find("//") == std::string::npos);
    check(line.find("/*") == std::string::npos);
    // Leading blanks and tabs survive only in a line of nothing else.
    check(line.empty() || (line.front() != ' ' && line.front() != '\t') ||
          line.find_first_not_of(" \t") == std::string::npos);
    check(bytes.find(line) != std::string::npos);
  }
  // Every line but the last one ends in a line feed of the input.
  std::size_t feeds = 0;
  for (char c : bytes) {
    feeds += c == '\n' ? 1 : 0;
  }
  check(lines == feeds + 1 || lines == feeds);
  check(cleanedBytes <= size);
  return 0;
}
