#include "lint_tool.h"

#include <deque>
#include <memory>
#include <new>

#include "config_check.h"
#include "finding_report.h"
#include "header_check.h"
#include "input_file.h"
#include "layout.h"
#include "lint_command_line.h"
#include "quoted_text.h"
#include "size_check.h"
#include "table_check.h"

#ifndef WINTOOLS_VERSION
#error "WINTOOLS_VERSION must name the project's version"
#endif

namespace {

enum Status { kClean = 0, kErrorsFound = 1, kUnusable = 2 };

// One named string, so that clang sees no stray concatenation in the array.
const char kUsageLine[] =
    "Usage: mttlint [-t <table file>] [-c <config file>... -g <global file>] "
    "[options]";

const char* const kUsage[] = {
    kUsageLine,
    "Checks the inputs of mapgen (-t) and paramgen (-c, -g) and tells",
    "FILE:LINE:COLUMN what the generators would take without a word.",
    "-l and -o with their values are accepted and ignored, so a",
    "generator's command line can be given as it is.",
    "Options:",
    "  --werror         warnings make the exit status 1",
    "  --format=gcc     FILE:LINE:COLUMN: severity: text (the default)",
    "  --format=msvc    FILE(LINE,COLUMN): severity: text",
    "  --layout         print the tables and records the generators make",
    "  --help           print this text",
    "  --version        print the version",
    "Exit status: 0 no error, 1 errors found, 2 unusable command line or",
    "an input that cannot be read.",
};

void printUsage(std::ostream& console) {
  for (const char* line : kUsage) {
    console << line << '\n';
  }
}

// What the checks of one run found and keep for the layout. The inputs
// stay read: the checks keep views into them.
struct LintRun {
  std::deque<InputFile> inputs;
  std::unique_ptr<TablesCheck> tables;
  std::unique_ptr<HeaderCheck> header;
  std::unique_ptr<ConfigCheck> configs;
  // Every error in the tables file stops mapgen, and every error in the
  // header stops paramgen, before either writes a complete script.
  bool tablesStopMapgen = false;
  bool headerStopsParamgen = false;
};

// Reads an input and reports what any input can hold; null when it cannot
// be read.
const InputFile* readChecked(LintRun& run, const std::string& name,
                             const char* generator, FindingReport& report) {
  run.inputs.emplace_back();
  InputFile& input = run.inputs.back();
  if (!readInput(name, generator, input, report)) {
    return nullptr;
  }
  reportInputBytes(input, report);
  return &input;
}

// Runs one input's check. Memory running out on a huge line ends that check
// as for an input that cannot be read, never the run.
template <typename Check>
void checkWithinMemory(const std::string& name, FindingReport& report,
                       Check check) {
  try {
    check();
  } catch (const std::bad_alloc&) {
    addFileFinding(report, name, Severity::error,
                   "the file needs more memory than is left to be checked; "
                   "its check stops here");
    report.inputUnreadable = true;
  }
}

void checkTables(LintRun& run, const std::string& name, FindingReport& report) {
  const InputFile* input = readChecked(run, name, "mapgen", report);
  if (input == nullptr) {
    return;
  }
  run.tables = std::make_unique<TablesCheck>();
  checkTablesFile(*input, *run.tables, report);
  reportTableSizes(input->name, *run.tables, report);
  reportMissingLastLineEnd(*input, report);
}

void checkHeader(LintRun& run, const std::string& name, FindingReport& report) {
  const InputFile* input = readChecked(run, name, "paramgen", report);
  if (input == nullptr) {
    return;
  }
  run.header = std::make_unique<HeaderCheck>();
  checkHeaderFile(*input, *run.header, report);
  reportMissingLastLineEnd(*input, report);
}

void checkConfigs(LintRun& run, const LintArgs& args, FindingReport& report) {
  run.configs = std::make_unique<ConfigCheck>();
  startConfigCheck(*run.configs, run.header.get());
  bool allRead = true;
  for (const std::string& name : args.configFiles) {
    const InputFile* input = readChecked(run, name, "paramgen", report);
    if (input == nullptr) {
      allRead = false;
      continue;
    }
    if (run.header == nullptr) {
      addFileFinding(report, name, Severity::note,
                     args.headerFile.empty()
                         ? "names are not checked: no header is given (-g)"
                         : "names are not checked: the header cannot be "
                           "read");
    }
    bool checked = false;
    checkWithinMemory(name, report, [&] {
      checkConfigFile(*input, *run.configs, report);
      reportMissingLastLineEnd(*input, report);
      checked = true;
    });
    allRead = allRead && checked;
  }
  // Values from a file that cannot be read are not known.
  if (allRead) {
    checkWithinMemory(args.headerFile, report, [&] {
      reportMissingValues(args.headerFile, *run.configs, report);
    });
  }
}

void printLayout(const LintRun& run, const LintArgs& args,
                 std::ostream& console) {
  if (run.tables != nullptr) {
    if (run.tablesStopMapgen) {
      console << args.tableFile
              << ": mapgen stops at the first error above and writes no "
                 "complete script; the tables below are what it would write "
                 "without the errors\n";
    }
    printTableLayout(console, args.tableFile, *run.tables);
  }
  if (run.header != nullptr) {
    if (run.headerStopsParamgen) {
      console << args.headerFile
              << ": paramgen stops at the error above and writes no script; "
                 "the records below are what it would make without it\n";
    }
    printStructureLayout(
        console, args.headerFile, *run.header,
        args.configFiles.empty() ? nullptr : run.configs.get());
  }
}

}  // namespace

int runLintTool(const std::vector<std::string>& arguments,
                std::ostream& console) {
  LintArgs args;
  std::string errorText;
  if (!parseLintCommandLine(arguments, args, errorText)) {
    console << "mttlint: " << errorText << '\n';
    printUsage(console);
    return kUnusable;
  }
  if (args.help) {
    printUsage(console);
    return kClean;
  }
  if (args.version) {
    console << "mttlint " << WINTOOLS_VERSION << '\n';
    return kClean;
  }
  FindingReport report;
  report.out = &console;
  report.format = args.format;
  LintRun run;
  for (const std::string& word : args.skippedWords) {
    addFileFinding(report, "mttlint", Severity::note,
                   "argument " + quote(word) +
                       " is no option; the generators skip it, and so does "
                       "mttlint");
  }
  if (!args.tableFile.empty()) {
    const long before = report.errors;
    checkWithinMemory(args.tableFile, report,
                      [&] { checkTables(run, args.tableFile, report); });
    run.tablesStopMapgen = report.errors > before;
  }
  if (!args.headerFile.empty()) {
    const long before = report.errors;
    checkWithinMemory(args.headerFile, report,
                      [&] { checkHeader(run, args.headerFile, report); });
    run.headerStopsParamgen = report.errors > before;
  }
  if (!args.configFiles.empty()) {
    checkConfigs(run, args, report);
  }
  if (args.layout) {
    printLayout(run, args, console);
  }
  console << summaryLine(report) << '\n';
  console.flush();
  if (report.inputUnreadable) {
    return kUnusable;
  }
  const bool failed = report.errors > 0 || (args.werror && report.warnings > 0);
  return failed ? kErrorsFound : kClean;
}
