#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "report_log.h"

// The file names taken from the command line.
struct TableToolArgs {
  std::string tableFile;
  std::string logFile;
  std::string outFile = "tables.mtt";
};

// Fills args from the arguments (without the program name). Returns false
// after printing the usage lines when no table file was named.
[[nodiscard]] bool parseCommandLine(const std::vector<std::string>& arguments,
                                    TableToolArgs& args, ReportLog& report);

// Runs the whole tool, writing its console lines to console. Returns the
// exit status: 0 when the script was written, negative for the failed step.
int runTableTool(const std::vector<std::string>& arguments,
                 std::ostream& console);
