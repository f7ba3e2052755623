#include "lint_tool.h"

#include "lint_command_line.h"

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
  console << "mttlint: 0 errors, 0 warnings, 0 notes\n";
  return kClean;
}
