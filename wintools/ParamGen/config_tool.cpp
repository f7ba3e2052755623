#include "config_tool.h"

#include <fstream>
#include <new>

#include "config_image_writer.h"
#include "config_reader.h"
#include "config_structure.h"
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

void reportImageFailure(ReportLog& report, const std::string& errorText) {
  reportLine(report, "Failed to write config.mtt, reported the error: ");
  reportLine(report, errorText);
}

std::vector<std::string> inputNames(const ConfigToolArgs& args) {
  std::vector<std::string> names = args.configFiles;
  names.push_back(args.headerFile);
  return names;
}

// What the run is reading, so that memory running out is reported as the
// failure to read that input, with its status.
struct Progress {
  std::string input;
  int status = kHeaderNotOpened;
};

// Everything after the log is open; the inputs close on every way out.
int runStages(const ConfigToolArgs& args, ReportLog& report,
              FieldTable& configTable, FieldTable& configExtTable,
              Progress& progress) {
  std::string errorText;
  // Read once and kept, so that both structures are read from its first
  // line, also when the header comes through a pipe.
  std::string header;
  progress.input = args.headerFile;
  if (!readTextFile(args.headerFile, header, errorText)) {
    reportLine(report, errorText);
    return kHeaderNotOpened;
  }
  FieldTable* const tables[kConfigStructureCount] = {&configTable,
                                                     &configExtTable};
  const int failures[kConfigStructureCount] = {kConfigNotParsed,
                                               kConfigExtNotParsed};
  for (int i = 0; i < kConfigStructureCount; ++i) {
    const ConfigStructure& structure = kConfigStructures[i];
    if (!parseStructure(header, structure.marker, *tables[i], errorText)) {
      reportLine(report, structure.parseFailure);
      return failures[i];
    }
  }

  progress.status = kConfigFileNotOpened;
  for (const std::string& name : args.configFiles) {
    progress.input = name;
    std::ifstream in;
    LineReader reader;
    if (!openTextInput(in, reader, name, errorText)) {
      reportLine(report, errorText);
      return kConfigFileNotOpened;
    }
    if (!readConfigFile(reader, name, report, configTable, configExtTable)) {
      reportLine(report, readFailureText(name));
      return kConfigFileNotOpened;
    }
  }

  // Checked one at a time and closed again, so that a long list never runs
  // out of file handles.
  for (const std::string& name : args.configFiles) {
    if (!checkInputOpens(name, errorText)) {
      reportLine(report, errorText);
      return kConfigFileNotReopened;
    }
  }

  progress.status = kImageNotWritten;
  std::vector<std::string> filesInUse = inputNames(args);
  filesInUse.push_back(args.logFile);
  if (!writeConfigImage(configTable, configExtTable, report, args.outFile,
                        filesInUse, errorText)) {
    reportImageFailure(report, errorText);
    return kImageNotWritten;
  }
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
  Progress progress;
  int status = kWritten;
  try {
    status = runStages(args, report, configTable, configExtTable, progress);
  } catch (const std::bad_alloc&) {
    status = progress.status;
    if (status == kImageNotWritten) {
      reportImageFailure(report, writeFailureText(args.outFile));
    } else {
      reportLine(report, readFailureText(progress.input));
    }
  }
  closeLog(report);
  return status;
}
