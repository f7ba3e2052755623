#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "report_log.h"

// The file names taken from the command line.
struct ConfigToolArgs {
  // Applied in this order; a later file overrides an earlier one.
  std::vector<std::string> configFiles;
  std::string headerFile;
  std::string logFile;
  std::string outFile = "config.mtt";
};

// Fills args from the arguments (without the program name). The list after
// "-c" ends only at an argument that is exactly "-g" or "-l". Returns false
// after printing the usage lines when no configuration file or no header
// was named.
[[nodiscard]] bool parseCommandLine(const std::vector<std::string>& arguments,
                                    ConfigToolArgs& args, ReportLog& report);

// Runs the whole tool, writing its console lines to console. Returns the
// exit status: 0 when the script was written, negative for the failed step.
int runConfigTool(const std::vector<std::string>& arguments,
                  std::ostream& console);
