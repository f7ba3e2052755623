// Feeds arbitrary bytes as a configuration file over a fixed small header
// and checks that every assigned value is two upper-case hex digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "config_reader.h"
#include "structure_parser.h"

namespace {

void check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

const char kHeader[] =
    "struct config_t {\n"
    "  uint8_t idle_level;\n"
    "  uint8_t mode[3];\n"
    "  uint16_t ignored;\n"
    "  uint8_t a;\n"
    "};\n"
    "struct config_ext_t {\n"
    "  uint8_t idle_level;\n"
    "  uint8_t table[2];\n"
    "  uint8_t b;\n"
    "};\n";

bool isUpperHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FieldTable configTable;
  FieldTable configExtTable;
  std::string errorText;
  const std::string header(kHeader);
  check(parseStructure(header, "struct config_t {", configTable, errorText));
  check(parseStructure(header, "struct config_ext_t {", configExtTable,
                       errorText));
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  LineReader reader;
  startLineReader(reader, bytes);
  std::ostringstream console;
  ReportLog report;
  report.console = &console;
  check(readConfigFile(reader, "config.txt", report, configTable,
                       configExtTable));
  for (const FieldTable* table : {&configTable, &configExtTable}) {
    check(table->count <= kFieldTableCapacity);
    for (int index = 0; index < table->count; ++index) {
      const FieldRecord& record = table->records[index];
      if (record.assigned) {
        check(record.value.size() == 2 && isUpperHex(record.value[0]) &&
              isUpperHex(record.value[1]));
      }
    }
  }
  return 0;
}
