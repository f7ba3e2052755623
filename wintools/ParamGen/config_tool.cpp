#include "config_tool.h"

#include <fstream>

#include "config_image_writer.h"
#include "config_reader.h"
#include "field_table.h"
#include "option_word.h"
#include "structure_parser.h"
#include "text_file.h"

namespace {

const char* const kUsage[] = {
    "Usage: ParamGen -c <config file1> ... <config fileN> -g <global file> "
    "(optional: -l <log file> -o <out file>)",
    "Example: paramgen -c c:\\firmware\\etc\\config.txt "
    "c:\\firmware\\etc\\myconfig.txt -g c:\\firmware\\global.h",
    "Example: paramgen -c c:\\firmware\\etc\\config.txt -g "
    "c:\\firmware\\global.h -l configError.log",
    "Example: paramgen -c c:\\firmware\\etc\\config.txt -g "
    "c:\\firmware\\global.h -o c:\\config.mtt",
};

enum Status {
  kWritten = 0,
  kUnusableCommandLine = -1,
  kLogNotOpened = -2,
  kHeaderNotOpened = -3,
  kConfigNotParsed = -4,
  kConfigExtNotParsed = -5,
  kConfigFileNotOpened = -6,
  kConfigFileNotReopened = -8,
  kImageNotWritten = -9,
};

// Fewer arguments than "-c", one file, "-g" and a header cannot be usable.
const std::size_t kMinimumArgumentCount = 4;

// Only these two end a "-c" list, and only in lower case.
bool endsConfigList(const std::string& word) {
  return word == "-g" || word == "-l";
}

// The field that an option taking one value sets, or nullptr.
std::string* singleValueTarget(const std::string& word, ConfigToolArgs& args) {
  if (isOptionWord(word, 'g')) {
    return &args.headerFile;
  }
  if (isOptionWord(word, 'l')) {
    return &args.logFile;
  }
  if (isOptionWord(word, 'o')) {
    return &args.outFile;
  }
  return nullptr;
}

std::vector<std::string> inputNames(const ConfigToolArgs& args) {
  std::vector<std::string> names = args.configFiles;
  names.push_back(args.headerFile);
  return names;
}

// Everything after the log is open; the inputs close on every way out.
int runStages(const ConfigToolArgs& args, ReportLog& report,
              FieldTable& configTable, FieldTable& configExtTable) {
  std::string errorText;
  std::ifstream header;
  if (!openInput(header, args.headerFile, errorText)) {
    reportLine(report, errorText);
    return kHeaderNotOpened;
  }
  if (!parseStructure(header, "struct config_t {", configTable, errorText)) {
    reportLine(report, "Error processing global.h for config");
    return kConfigNotParsed;
  }
  if (!parseStructure(header, "struct config_ext_t {", configExtTable,
                      errorText)) {
    reportLine(report, "Error processing global.h for config_ext");
    return kConfigExtNotParsed;
  }

  for (const std::string& name : args.configFiles) {
    // Each input is closed after reading, so that a long list needs one
    // open file at a time here.
    std::ifstream in;
    if (!openInput(in, name, errorText)) {
      reportLine(report, errorText);
      return kConfigFileNotOpened;
    }
    readConfigFile(in, name, report, configTable, configExtTable);
  }

  std::vector<std::ifstream> reopened(args.configFiles.size());
  for (std::size_t i = 0; i < args.configFiles.size(); ++i) {
    if (!openInput(reopened[i], args.configFiles[i], errorText)) {
      reportLine(report, errorText);
      return kConfigFileNotReopened;
    }
  }

  std::vector<std::string> filesInUse = inputNames(args);
  filesInUse.push_back(args.logFile);
  if (!writeConfigImage(configTable, configExtTable, report, args.outFile,
                        filesInUse, errorText)) {
    reportLine(report, "Failed to write config.mtt, reported the error: ");
    reportLine(report, errorText);
    return kImageNotWritten;
  }
  header.close();
  reopened.clear();
  reportSummary(report, "config.mtt");
  return kWritten;
}

}  // namespace

bool parseCommandLine(const std::vector<std::string>& arguments,
                      ConfigToolArgs& args, ReportLog& report) {
  args.headerFile.clear();
  args.configFiles.clear();
  if (arguments.size() >= kMinimumArgumentCount) {
    std::size_t index = 0;
    while (index < arguments.size()) {
      const std::string& word = arguments[index++];
      if (isOptionWord(word, 'c')) {
        while (index < arguments.size() && !endsConfigList(arguments[index])) {
          args.configFiles.push_back(arguments[index++]);
        }
        continue;
      }
      std::string* target = singleValueTarget(word, args);
      // An option without a value after it changes nothing.
      if (target != nullptr && index < arguments.size()) {
        *target = arguments[index++];
      }
    }
  }
  if (!args.configFiles.empty() && !args.headerFile.empty()) {
    return true;
  }
  for (const char* line : kUsage) {
    reportConsoleLine(report, line);
  }
  return false;
}

int runConfigTool(const std::vector<std::string>& arguments,
                  std::ostream& console) {
  FieldTable configTable;
  FieldTable configExtTable;
  ReportLog report;
  report.console = &console;
  report.errorCount = 0;
  report.warningCount = 0;
  reportConsoleLine(report, "ParamGen v0.6");
  reportConsoleLine(report, "");

  ConfigToolArgs args;
  if (!parseCommandLine(arguments, args, report)) {
    return kUnusableCommandLine;
  }

  std::string errorText;
  // A log on an input would destroy it; it counts as one that cannot open.
  if (!args.logFile.empty() &&
      !openLog(report, args.logFile, inputNames(args), errorText)) {
    reportConsoleLine(report, errorText);
    return kLogNotOpened;
  }
  const int status = runStages(args, report, configTable, configExtTable);
  closeLog(report);
  return status;
}
