#include "table_tool.h"

#include <fstream>
#include <new>

#include "geometry_check.h"
#include "option_word.h"
#include "table_parser.h"
#include "table_set.h"
#include "table_writer.h"
#include "text_file.h"

namespace {

const char kUsageLine[] =
    "Usage: MapGen -t <table file> (optional: -l <log file> -o <out file> "
    "default: tables.mtt)";

const char* const kUsage[] = {
    kUsageLine,
    "Example: MapGen -t c:\\firmware\\etc\\tables.txt",
    "Example: MapGen -t c:\\firmware\\etc\\tables.txt -l error.log",
    "Example: MapGen -t c:\\firmware\\etc\\tables.txt -o c:\\tables.mtt",
};

enum Status {
  kWritten = 0,
  kUnusableCommandLine = -1,
  kTableFileNotOpened = -2,
  kBuildFailed = -3,
  kCheckOrWriteFailed = -4,
};

// The field an option word sets, or nullptr for any other argument.
std::string* optionTarget(const std::string& word, TableToolArgs& args) {
  if (isOptionWord(word, 't')) {
    return &args.tableFile;
  }
  if (isOptionWord(word, 'l')) {
    return &args.logFile;
  }
  if (isOptionWord(word, 'o')) {
    return &args.outFile;
  }
  return nullptr;
}

// buildTables, with memory running out on a huge line taken as a failure to
// read the file rather than the end of the run.
bool readTables(LineReader& reader, TableSet& tables, ReportLog& report,
                std::string& errorText) {
  try {
    return buildTables(reader, tables, report, errorText);
  } catch (const std::bad_alloc&) {
    reader.readFailed = true;
    return false;
  }
}

void reportStageFailure(ReportLog& report, const char* heading,
                        const std::string& errorText) {
  reportConsoleLine(report, heading);
  reportLine(report, errorText);
}

}  // namespace

bool parseCommandLine(const std::vector<std::string>& arguments,
                      TableToolArgs& args, ReportLog& report) {
  args.tableFile.clear();
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    std::string* target = optionTarget(arguments[index], args);
    // An option without a value after it changes nothing.
    if (target != nullptr && index + 1 < arguments.size()) {
      *target = arguments[++index];
    }
  }
  if (!args.tableFile.empty()) {
    return true;
  }
  for (const char* line : kUsage) {
    reportConsoleLine(report, line);
  }
  return false;
}

int runTableTool(const std::vector<std::string>& arguments,
                 std::ostream& console) {
  ReportLog report;
  report.console = &console;
  reportConsoleLine(report, "MapGen v0.8");
  reportConsoleLine(report, "");

  TableSet tables;
  resetTables(tables);
  report.errorCount = 0;
  report.warningCount = 0;

  TableToolArgs args;
  if (!parseCommandLine(arguments, args, report)) {
    return kUnusableCommandLine;
  }

  std::string errorText;
  // A log on the tables file would destroy it; it counts as unopenable.
  if (!args.logFile.empty() &&
      !openLog(report, args.logFile, {args.tableFile}, errorText)) {
    reportConsoleLine(report, errorText);
  }

  std::ifstream in;
  LineReader reader;
  if (!openTextInput(in, reader, args.tableFile, errorText)) {
    reportLine(report, errorText);
    closeLog(report);
    return kTableFileNotOpened;
  }

  int status = kWritten;
  if (!readTables(reader, tables, report, errorText)) {
    if (reader.readFailed) {
      // The file broke off: what was read says nothing about its lines.
      reportLine(report, readFailureText(args.tableFile));
      status = kTableFileNotOpened;
    } else {
      reportStageFailure(
          report, "Failed to build tables, reported the error: ", errorText);
      status = kBuildFailed;
    }
  } else if (!checkGeometry(tables, report, errorText)) {
    reportStageFailure(
        report, "Geometry check failed, reported the error: ", errorText);
    status = kCheckOrWriteFailed;
  } else if (!writeTables(tables, report, args.outFile,
                          {args.tableFile, args.logFile}, errorText)) {
    reportStageFailure(
        report,
        "Failed to write tables to file, reported the error: ", errorText);
    status = kCheckOrWriteFailed;
  } else {
    reportSummary(report, "tables.mtt");
  }
  in.close();
  closeLog(report);
  return status;
}
