// Runs one end-to-end case: the tool in a fresh temporary folder holding a
// copy of the case's in/ files, then compares the console bytes, the exit
// status and every file in the folder with what the case expects.
//
// Usage: e2e_case [--crlf-console] <case folder> <command> [<arg>...]
// The command and its arguments come first (a launcher such as an emulator
// may stand before the tool); the case's own arguments follow them.
// --crlf-console expects console lines to end in CR LF, as on Windows.

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// One argument per line; an empty line is an empty argument.
std::vector<std::string> readArguments(const fs::path& name) {
  std::vector<std::string> arguments;
  if (!fs::exists(name)) {
    return arguments;
  }
  const std::string bytes = readBytes(name);
  std::string::size_type start = 0;
  while (start < bytes.size()) {
    std::string::size_type end = bytes.find('\n', start);
    if (end == std::string::npos) {
      end = bytes.size();
    }
    arguments.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return arguments;
}

std::string toCrLf(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\n') {
      result += '\r';
    }
    result += c;
  }
  return result;
}

// Every regular file below the folder, by its relative path.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  if (!fs::exists(folder)) {
    return files;
  }
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), folder).generic_string()] =
          readBytes(entry.path());
    }
  }
  return files;
}

std::string printable(const std::string& bytes, std::size_t from) {
  std::string shown;
  for (std::size_t i = from; i < bytes.size() && i < from + 60; ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c < 32 || c > 126) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      shown += hex;
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

bool sameBytes(const std::string& what, const std::string& expected,
               const std::string& actual) {
  if (expected == actual) {
    return true;
  }
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() &&
         expected[at] == actual[at]) {
    ++at;
  }
  const std::size_t from = at > 20 ? at - 20 : 0;
  std::cerr << what << " differs at byte " << at << " (expected "
            << expected.size() << " bytes, got " << actual.size() << ")\n"
            << "  expected: " << printable(expected, from) << "\n"
            << "  actual:   " << printable(actual, from) << "\n";
  return false;
}

struct RunResult {
  std::string console;
  int status = -1;
};

// A file beside the work folder, so that it is not taken for an output.
int makeCaptureFile(std::string& name) {
  name = (fs::temp_directory_path() / "e2e_capture_XXXXXX").string();
  return mkstemp(name.data());
}

// The tool's console goes to files rather than pipes: a launcher may leave a
// helper process behind that inherits the descriptors, and a pipe would then
// stay open long after the tool has ended.
bool runIn(const fs::path& folder, const std::vector<std::string>& command,
           RunResult& result) {
  std::string consoleName;
  std::string errorsName;
  const int console = makeCaptureFile(consoleName);
  const int errors = makeCaptureFile(errorsName);
  if (console < 0 || errors < 0) {
    std::perror("mkstemp");
    return false;
  }
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    close(console);
    close(errors);
    return false;
  }
  if (child == 0) {
    dup2(console, STDOUT_FILENO);
    dup2(errors, STDERR_FILENO);
    close(console);
    close(errors);
    if (chdir(folder.c_str()) != 0) {
      _exit(127);
    }
    std::vector<char*> argv;
    for (const std::string& word : command) {
      argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    std::perror("execvp");
    _exit(127);
  }
  close(console);
  close(errors);
  int waitStatus = 0;
  while (waitpid(child, &waitStatus, 0) < 0 && errno == EINTR) {
  }
  result.console = readBytes(consoleName);
  std::cerr << readBytes(errorsName);
  fs::remove(consoleName);
  fs::remove(errorsName);
  if (!WIFEXITED(waitStatus)) {
    std::cerr << "the tool did not exit normally (status " << waitStatus
              << ")\n";
    return false;
  }
  result.status = WEXITSTATUS(waitStatus);
  return true;
}

fs::path makeWorkFolder() {
  std::string pattern =
      (fs::temp_directory_path() / "e2e_case_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    return fs::path();
  }
  return fs::path(pattern);
}

}  // namespace

int main(int argc, char** argv) {
  int next = 1;
  bool crlfConsole = false;
  if (next < argc && std::string(argv[next]) == "--crlf-console") {
    crlfConsole = true;
    ++next;
  }
  if (argc - next < 2) {
    std::cerr << "usage: e2e_case [--crlf-console] <case folder> <command> "
                 "[<arg>...]\n";
    return 2;
  }
  const fs::path caseFolder = argv[next++];
  std::vector<std::string> command(argv + next, argv + argc);
  for (const std::string& argument : readArguments(caseFolder / "args")) {
    command.push_back(argument);
  }

  const fs::path work = makeWorkFolder();
  if (work.empty()) {
    std::perror("mkdtemp");
    return 2;
  }
  if (fs::exists(caseFolder / "in")) {
    fs::copy(caseFolder / "in", work, fs::copy_options::recursive);
  }

  RunResult result;
  if (!runIn(work, command, result)) {
    return 1;
  }

  bool passed = true;
  std::string expectedConsole = readBytes(caseFolder / "stdout");
  if (crlfConsole) {
    expectedConsole = toCrLf(expectedConsole);
  }
  passed &= sameBytes("console output", expectedConsole, result.console);

  const int expectedStatus =
      std::atoi(readBytes(caseFolder / "status").c_str()) & 0xFF;
  if (result.status != expectedStatus) {
    std::cerr << "exit status " << result.status << ", expected "
              << expectedStatus << "\n";
    passed = false;
  }

  std::map<std::string, std::string> expectedFiles =
      snapshot(caseFolder / "in");
  for (const auto& [name, bytes] : snapshot(caseFolder / "out")) {
    expectedFiles[name] = bytes;
  }
  const std::map<std::string, std::string> actualFiles = snapshot(work);
  for (const auto& [name, bytes] : expectedFiles) {
    const auto found = actualFiles.find(name);
    if (found == actualFiles.end()) {
      std::cerr << "missing file: " << name << "\n";
      passed = false;
    } else {
      passed &= sameBytes("file " + name, bytes, found->second);
    }
  }
  for (const auto& [name, bytes] : actualFiles) {
    if (expectedFiles.count(name) == 0) {
      std::cerr << "unexpected file: " << name << " (" << printable(bytes, 0)
                << ")\n";
      passed = false;
    }
  }

  if (passed) {
    fs::remove_all(work);
    return 0;
  }
  std::cerr << "work folder kept: " << work.string() << "\n";
  return 1;
}
