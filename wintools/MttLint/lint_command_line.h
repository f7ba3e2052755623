#pragma once

#include <string>
#include <vector>

#include "finding.h"

// What the command line asks the checker to do.
struct LintArgs {
  std::string tableFile;
  // Checked in this order, as the generator applies them.
  std::vector<std::string> configFiles;
  std::string headerFile;
  bool help = false;
  bool version = false;
  // Warnings count as errors for the exit status.
  bool werror = false;
  LintFormat format = LintFormat::gcc;
  bool layout = false;
  // Words that are no option and no option's value: the generators skip
  // them, and so does the checker, with a note.
  std::vector<std::string> skippedWords;
};

// Fills args from the arguments (without the program name): the generators'
// option words in any letter case ("-l" and "-o" with their value are taken
// and ignored, and a "-c" list ends at any option word or "--" word), and
// the checker's own long options. Returns false with errorText set for an
// argument it does not know, an option without its value, or nothing to check.
[[nodiscard]] bool parseLintCommandLine(
    const std::vector<std::string>& arguments, LintArgs& args,
    std::string& errorText);
