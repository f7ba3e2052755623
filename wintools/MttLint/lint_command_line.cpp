#include "lint_command_line.h"

#include "option_word.h"

namespace {

// The option words of the generators, whose command lines the checker
// takes as they are.
bool isGeneratorOption(const std::string& word) {
  for (char letter : {'t', 'c', 'g', 'l', 'o'}) {
    if (isOptionWord(word, letter)) {
      return true;
    }
  }
  return false;
}

// A word of the checker's own options' form, known or not: it ends a "-c"
// list, so that "-c a.txt --werror" checks a.txt alone.
bool isLongOption(const std::string& word) {
  return word.compare(0, 2, "--") == 0;
}

// A long option of the checker's own; false for any other argument.
bool takeLongOption(const std::string& word, LintArgs& args) {
  if (word == "--help") {
    args.help = true;
  } else if (word == "--version") {
    args.version = true;
  } else if (word == "--werror") {
    args.werror = true;
  } else if (word == "--layout") {
    args.layout = true;
  } else if (word == "--format=gcc") {
    args.format = LintFormat::gcc;
  } else if (word == "--format=msvc") {
    args.format = LintFormat::msvc;
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool parseLintCommandLine(const std::vector<std::string>& arguments,
                          LintArgs& args, std::string& errorText) {
  args = LintArgs();
  std::size_t index = 0;
  while (index < arguments.size()) {
    const std::string& word = arguments[index++];
    if (takeLongOption(word, args)) {
      continue;
    }
    if (isOptionWord(word, 'c')) {
      const std::size_t first = index;
      while (index < arguments.size() && !isGeneratorOption(arguments[index]) &&
             !isLongOption(arguments[index])) {
        args.configFiles.push_back(arguments[index++]);
      }
      if (index == first) {
        errorText = "-c names no configuration file";
        return false;
      }
      continue;
    }
    if (word.empty() || word[0] != '-') {
      args.skippedWords.push_back(word);
      continue;
    }
    if (!isGeneratorOption(word)) {
      errorText = "unknown option: " + word;
      return false;
    }
    if (index == arguments.size()) {
      errorText = word + " needs a value";
      return false;
    }
    const std::string& value = arguments[index++];
    if (isOptionWord(word, 't')) {
      args.tableFile = value;
    } else if (isOptionWord(word, 'g')) {
      args.headerFile = value;
    }
    // -l and -o name the generators' log and script: nothing to check.
  }
  if (args.help || args.version) {
    return true;
  }
  if (args.tableFile.empty() && args.configFiles.empty() &&
      args.headerFile.empty()) {
    errorText =
        "nothing to check: name a tables file, a header or "
        "configuration files";
    return false;
  }
  return true;
}
