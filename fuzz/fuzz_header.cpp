// Feeds arbitrary bytes as a firmware header to the structure parser, then
// writes the image of what it found, and checks the tables and the script.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "config_image_writer.h"
#include "structure_parser.h"

namespace {

void check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

const std::string& scriptName() {
  static const std::string name =
      "/tmp/fuzz_header_" + std::to_string(getpid()) + ".mtt";
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string header(reinterpret_cast<const char*>(data), size);
  FieldTable configTable;
  FieldTable configExtTable;
  std::string errorText;
  if (!parseStructure(header, "struct config_t {", configTable, errorText) ||
      !parseStructure(header, "struct config_ext_t {", configExtTable,
                      errorText)) {
    check(!errorText.empty());
    return 0;
  }
  for (const FieldTable* table : {&configTable, &configExtTable}) {
    check(table->count >= 0 && table->count <= kFieldTableCapacity);
    for (int index = 0; index < table->count; ++index) {
      check(!table->records[index].assigned);
    }
  }
  std::ostringstream console;
  ReportLog report;
  report.console = &console;
  if (writeConfigImage(configTable, configExtTable, report, scriptName(), {},
                       errorText)) {
    std::ifstream in(scriptName(), std::ios::binary);
    const std::string script(std::istreambuf_iterator<char>(in), {});
    check(script == "Mantt\r\nmcs\r\nbye\r\n");
    check(report.warningCount == configTable.count + configExtTable.count);
  }
  std::remove(scriptName().c_str());
  return 0;
}
