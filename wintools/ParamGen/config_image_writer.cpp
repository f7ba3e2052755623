#include "config_image_writer.h"

#include <cstddef>
#include <fstream>

#include "config_structure.h"
#include "mtt_script.h"
#include "text_file.h"

namespace {

struct Page {
  const FieldTable* table;
  char letter;
};

// Returns false at the first line that could not be written.
bool writePage(std::ostream& out, const Page& page, ReportLog& report) {
  for (int i = 0; i < page.table->count; ++i) {
    const FieldRecord& record =
        page.table->records[static_cast<std::size_t>(i)];
    if (record.assigned) {
      if (!writeMttRecord(out, static_cast<unsigned>(i), page.letter,
                          record.value)) {
        return false;
      }
    } else {
      reportLine(report, missingValueMessage(record.name));
      countWarning(report);
    }
  }
  return true;
}

// Returns false at the first line that could not be written; the warnings of
// the records after it are not printed then.
bool writeConfigScript(std::ostream& out, const FieldTable& configTable,
                       const FieldTable& configExtTable, ReportLog& report) {
  if (!writeMttHeader(out)) {
    return false;
  }
  for (const Page& page : {Page{&configTable, kConfigStructures[0].page},
                           Page{&configExtTable, kConfigStructures[1].page}}) {
    if (!writePage(out, page, report)) {
      return false;
    }
  }
  return writeMttTrailer(out);
}

}  // namespace

std::string missingValueMessage(const std::string& name) {
  // The file named is always config.txt, whatever the files were called.
  return "WARNING: did not find a value for " + name + " in config.txt";
}

bool writeConfigImage(const FieldTable& configTable,
                      const FieldTable& configExtTable, ReportLog& report,
                      const std::string& outFile,
                      const std::vector<std::string>& filesInUse,
                      std::string& errorText) {
  std::ofstream out;
  if (!openOutput(out, outFile, filesInUse, errorText)) {
    return false;
  }
  const bool written =
      writeConfigScript(out, configTable, configExtTable, report);
  const bool closed = closeOutput(out);
  // A script cut short by a full disk must not pass for a complete one.
  if (!written || !closed) {
    errorText = writeFailureText(outFile);
    return false;
  }
  return true;
}
