// Feeds arbitrary bytes to mttlint's checks as a tables file, as a header and
// as a configuration file under that header, with the layout, and checks
// that each finding is one line whose place lies within the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "config_check.h"
#include "header_check.h"
#include "input_file.h"
#include "layout.h"
#include "size_check.h"
#include "table_check.h"

namespace {

void check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// The length of each line as the reader gives it, from line 1.
std::vector<std::size_t> lineLengths(const std::string& bytes) {
  std::vector<std::size_t> lengths;
  LineReader reader;
  startLineReader(reader, bytes);
  std::string_view line;
  while (readLine(reader, line)) {
    lengths.push_back(line.size());
  }
  return lengths;
}

// "X:LINE:COLUMN: " or "X: " at the start of a finding about file X.
void checkPlace(const std::string& finding,
                const std::vector<std::size_t>& lengths) {
  check(finding.size() > 3 && finding[1] == ':');
  if (finding[2] == ' ') {
    return;
  }
  std::istringstream place(finding.substr(2));
  long line = 0;
  long column = 0;
  char colon = '\0';
  place >> line >> colon >> column;
  check(colon == ':' && line >= 1 &&
        static_cast<std::size_t>(line) <= lengths.size());
  check(column >= 1 && static_cast<std::size_t>(column) <=
                           lengths[static_cast<std::size_t>(line) - 1] + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ostringstream out;
  FindingReport report;
  report.out = &out;

  const InputFile tables{"t", "mapgen", bytes};
  reportInputBytes(tables, report);
  TablesCheck tablesCheck;
  checkTablesFile(tables, tablesCheck, report);
  reportTableSizes(tables.name, tablesCheck, report);
  reportMissingLastLineEnd(tables, report);

  const InputFile header{"h", "paramgen", bytes};
  HeaderCheck headerCheck;
  checkHeaderFile(header, headerCheck, report);
  for (int i = 0; i < kConfigStructureCount; ++i) {
    check(headerCheck.origins[static_cast<std::size_t>(i)].size() ==
          static_cast<std::size_t>(
              headerCheck.tables[static_cast<std::size_t>(i)].count));
  }

  const InputFile config{"c", "paramgen", bytes};
  ConfigCheck configCheck;
  startConfigCheck(configCheck, &headerCheck);
  checkConfigFile(config, configCheck, report);
  reportMissingValues(header.name, configCheck, report);

  const std::string findings = out.str();
  const std::vector<std::size_t> lengths = lineLengths(bytes);
  std::size_t count = 0;
  std::size_t start = 0;
  for (std::size_t end = findings.find('\n'); end != std::string::npos;
       end = findings.find('\n', start)) {
    checkPlace(findings.substr(start, end - start), lengths);
    start = end + 1;
    ++count;
  }
  check(start == findings.size());
  check(count == static_cast<std::size_t>(report.errors + report.warnings +
                                          report.notes));

  std::ostringstream layout;
  printTableLayout(layout, tables.name, tablesCheck);
  printStructureLayout(layout, header.name, headerCheck, &configCheck);
  return 0;
}
