// Runs one end-to-end case: the tool in a fresh temporary folder holding the
// case's fixtures, in/ files and FIFOs, then compares the console bytes, the
// exit status and every entry of the folder with what the case expects.
// tests/e2e/README.md describes the files of a case.
//
// Usage: e2e_case [--crlf-console] [--fixtures <folder>] <case folder>
//                 <command> [<arg>...]
// The command and its arguments come first (a launcher such as an emulator
// may stand before the tool); the case's own arguments follow them.
// --crlf-console expects console lines to end in CR LF, as on Windows.
// --fixtures names the folder of the fixtures the cases may list.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------- bytes

[[nodiscard]] bool readBytes(const fs::path& name, std::string& bytes,
                             std::string& errorText) {
  std::ifstream in(name, std::ios::binary);
  if (!in) {
    errorText = "cannot read " + name.string();
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

// One line per LF; a last line without LF counts too, so "a\n" and "a" are
// both one line.
std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < bytes.size()) {
    std::string::size_type end = bytes.find('\n', start);
    if (end == std::string::npos) {
      end = bytes.size();
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return lines;
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

// ---------------------------------------------------------------- the case

struct FixtureUse {
  std::string fixture;
  std::string folder;  // below the work folder; "" for the work folder
};

struct Fifo {
  std::string name;  // below the work folder
  bool fed = false;
  std::string feed;  // the bytes a writer puts into it when fed
};

struct Case {
  std::vector<std::string> arguments;
  bool hasStdin = false;
  std::string stdinBytes;
  // A file of the work folder that is the tool's standard input itself.
  bool hasStdinFrom = false;
  std::string stdinFrom;
  std::string expectedConsole;
  int expectedStatus = 0;
  std::vector<FixtureUse> fixtures;
  std::vector<Fifo> fifos;
  // The tool's address space in MiB; 0 for no limit of the runner's own.
  long memoryLimit = 0;
};

// What a case folder may hold besides the feeds its fifos file names.
const char* const kCaseEntries[] = {
    "args",   "stdin",        "stdin-from", "stdout",
    "status", "in",           "out",        "fixtures",
    "fifos",  "memory-limit", "linux-only", "windows-only",
};

// Reads a file of the case folder; a missing one leaves found false.
[[nodiscard]] bool readCaseFile(const fs::path& caseFolder, const char* name,
                                bool& found, std::string& bytes,
                                std::string& errorText) {
  bytes.clear();
  std::error_code error;
  const fs::file_status status = fs::symlink_status(caseFolder / name, error);
  found = fs::exists(status);
  if (!found) {
    return true;
  }
  if (!fs::is_regular_file(status)) {
    errorText = std::string("the case's ") + name + " is not a plain file";
    return false;
  }
  return readBytes(caseFolder / name, bytes, errorText);
}

[[nodiscard]] bool readRequiredCaseFile(const fs::path& caseFolder,
                                        const char* name, std::string& bytes,
                                        std::string& errorText) {
  bool found = false;
  if (!readCaseFile(caseFolder, name, found, bytes, errorText)) {
    return false;
  }
  if (!found) {
    errorText = "the case has no " + std::string(name) + " file (" +
                (caseFolder / name).string() + ")";
    return false;
  }
  return true;
}

// An optional '-', decimal digits and at most one LF, within -255..255.
[[nodiscard]] bool parseStatus(const std::string& bytes, int& status,
                               std::string& errorText) {
  std::string_view text(bytes);
  if (!text.empty() && text.back() == '\n') {
    text.remove_suffix(1);
  }
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) {
    text.remove_prefix(1);
  }
  int value = 0;
  bool valid = !text.empty();
  for (std::size_t i = 0; valid && i < text.size(); ++i) {
    valid = text[i] >= '0' && text[i] <= '9';
    value = value * 10 + (text[i] - '0');
    valid = valid && value <= 255;
  }
  if (!valid) {
    errorText =
        "the status file must hold one whole number from -255 to "
        "255 and at most a LF after it, not \"" +
        printable(bytes, 0) + "\"";
    return false;
  }
  status = negative ? -value : value;
  return true;
}

// A name below the work folder: relative, and never climbing out of it.
bool isNameInside(const std::string& name) {
  const fs::path path(name);
  if (name.empty() || path.has_root_path()) {
    return false;
  }
  for (const fs::path& part : path) {
    if (part == "..") {
      return false;
    }
  }
  return true;
}

// A line "<first>" or "<first> <second>", each word non-empty.
[[nodiscard]] bool splitWords(const std::string& line, std::string& first,
                              std::string& second) {
  const std::string::size_type space = line.find(' ');
  first = line.substr(0, space);
  second = space == std::string::npos ? "" : line.substr(space + 1);
  return !first.empty() && (space == std::string::npos || !second.empty()) &&
         second.find(' ') == std::string::npos &&
         line.find_first_of("\t\r") == std::string::npos;
}

[[nodiscard]] bool parseFixtures(const std::string& bytes,
                                 std::vector<FixtureUse>& fixtures,
                                 std::string& errorText) {
  for (const std::string& line : splitLines(bytes)) {
    FixtureUse use;
    if (!splitWords(line, use.fixture, use.folder) ||
        use.fixture.find('/') != std::string::npos || use.fixture == "." ||
        use.fixture == ".." ||
        (!use.folder.empty() && !isNameInside(use.folder))) {
      errorText = "fixtures line \"" + printable(line, 0) +
                  "\" is not \"<fixture>\" or \"<fixture> <folder>\" with a "
                  "folder inside the work folder";
      return false;
    }
    fixtures.push_back(use);
  }
  return true;
}

[[nodiscard]] bool parseFifos(const fs::path& caseFolder,
                              const std::string& bytes,
                              std::vector<Fifo>& fifos,
                              std::string& errorText) {
  for (const std::string& line : splitLines(bytes)) {
    Fifo fifo;
    std::string feedName;
    if (!splitWords(line, fifo.name, feedName) || !isNameInside(fifo.name)) {
      errorText = "fifos line \"" + printable(line, 0) +
                  "\" is not \"<name>\" or \"<name> <feed>\" with a name "
                  "inside the work folder";
      return false;
    }
    fifo.fed = !feedName.empty();
    if (fifo.fed && !readBytes(caseFolder / feedName, fifo.feed, errorText)) {
      errorText.insert(0, "the feed of fifo " + fifo.name + ": ");
      return false;
    }
    fifos.push_back(fifo);
  }
  return true;
}

// An entry the case does not know of is most likely a misspelt case file.
[[nodiscard]] bool checkCaseEntries(const fs::path& caseFolder,
                                    const std::string& fifosBytes,
                                    std::string& errorText) {
  std::vector<std::string> known(std::begin(kCaseEntries),
                                 std::end(kCaseEntries));
  for (const std::string& line : splitLines(fifosBytes)) {
    std::string name;
    std::string feed;
    if (splitWords(line, name, feed) && !feed.empty()) {
      known.push_back(fs::path(feed).begin()->string());
    }
  }
  std::error_code error;
  for (fs::directory_iterator it(caseFolder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    bool isKnown = false;
    for (const std::string& entry : known) {
      isKnown = isKnown || entry == name;
    }
    if (!isKnown) {
      errorText =
          "the case folder holds " + name + ", which is no file of a case";
      return false;
    }
  }
  if (error) {
    errorText = "cannot list " + caseFolder.string() + ": " + error.message();
    return false;
  }
  return true;
}

// A number of MiB, from 16 up, and one LF at most.
[[nodiscard]] bool parseMemoryLimit(const std::string& bytes, long& limit,
                                    std::string& errorText) {
  std::string digits = bytes;
  if (!digits.empty() && digits.back() == '\n') {
    digits.pop_back();
  }
  limit = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || limit > 1000000) {
      limit = 0;
      break;
    }
    limit = limit * 10 + (c - '0');
  }
  if (limit < 16) {
    errorText = "memory-limit must be a number of MiB from 16 up";
    return false;
  }
  return true;
}

[[nodiscard]] bool readCase(const fs::path& caseFolder, Case& testCase,
                            std::string& errorText) {
  std::string bytes;
  bool found = false;
  if (!readCaseFile(caseFolder, "args", found, bytes, errorText)) {
    return false;
  }
  // One argument per line; an empty line is an empty argument.
  testCase.arguments = splitLines(bytes);

  if (!readCaseFile(caseFolder, "stdin", testCase.hasStdin, testCase.stdinBytes,
                    errorText) ||
      !readRequiredCaseFile(caseFolder, "stdout", testCase.expectedConsole,
                            errorText) ||
      !readRequiredCaseFile(caseFolder, "status", bytes, errorText) ||
      !parseStatus(bytes, testCase.expectedStatus, errorText)) {
    return false;
  }

  if (!readCaseFile(caseFolder, "stdin-from", testCase.hasStdinFrom, bytes,
                    errorText)) {
    return false;
  }
  if (testCase.hasStdinFrom) {
    const std::vector<std::string> lines = splitLines(bytes);
    if (lines.size() != 1 || lines[0].empty() || testCase.hasStdin) {
      errorText =
          "stdin-from must name one file of the work folder, and no stdin "
          "file may stand beside it";
      return false;
    }
    testCase.stdinFrom = lines[0];
  }

  if (!readCaseFile(caseFolder, "memory-limit", found, bytes, errorText) ||
      (found && !parseMemoryLimit(bytes, testCase.memoryLimit, errorText))) {
    return false;
  }

  if (!readCaseFile(caseFolder, "fixtures", found, bytes, errorText) ||
      !parseFixtures(bytes, testCase.fixtures, errorText)) {
    return false;
  }
  return readCaseFile(caseFolder, "fifos", found, bytes, errorText) &&
         parseFifos(caseFolder, bytes, testCase.fifos, errorText) &&
         checkCaseEntries(caseFolder, bytes, errorText);
}

// ---------------------------------------------------------------- work folder

fs::path makeWorkFolder() {
  std::string pattern =
      (fs::temp_directory_path() / "e2e_case_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    return fs::path();
  }
  return fs::path(pattern);
}

[[nodiscard]] bool layTree(const fs::path& from, const fs::path& to,
                           std::string& errorText);

// Puts one entry at target, over what is there; a folder's content merges
// with a folder already there.
[[nodiscard]] bool layEntry(const fs::path& source, fs::file_status status,
                            const fs::path& target, std::string& errorText) {
  std::error_code error;
  const fs::file_status there = fs::symlink_status(target, error);
  const bool isFolder = fs::is_directory(status);
  error.clear();
  // Whatever else stands there goes first: a file copied onto a link would
  // go through to the link's target.
  if (fs::exists(there) && !(isFolder && fs::is_directory(there))) {
    fs::remove_all(target, error);
  }
  if (!error && isFolder) {
    fs::create_directory(target, error);
  } else if (!error && fs::is_symlink(status)) {
    const fs::path linkTarget = fs::read_symlink(source, error);
    if (!error) {
      fs::create_symlink(linkTarget, target, error);
    }
  } else if (!error && fs::is_regular_file(status)) {
    fs::copy_file(source, target, error);
  } else if (!error) {
    errorText = source.string() + " is no file, folder or link";
    return false;
  }
  if (error) {
    errorText = "cannot copy " + source.string() + ": " + error.message();
    return false;
  }
  return !isFolder || layTree(source, target, errorText);
}

// Copies the entries below one folder into another, over what is there.
// Links are copied as links, their target text unchanged, dangling or not.
[[nodiscard]] bool layTree(const fs::path& from, const fs::path& to,
                           std::string& errorText) {
  std::error_code error;
  for (fs::directory_iterator it(from, error), end; !error && it != end;
       it.increment(error)) {
    const fs::file_status status = it->symlink_status(error);
    if (error) {
      break;
    }
    if (!layEntry(it->path(), status, to / it->path().filename(), errorText)) {
      return false;
    }
  }
  if (error) {
    errorText = "cannot list " + from.string() + ": " + error.message();
    return false;
  }
  return true;
}

[[nodiscard]] bool layFixtures(const fs::path& fixturesFolder,
                               const std::vector<FixtureUse>& fixtures,
                               const fs::path& work, std::string& errorText) {
  for (const FixtureUse& use : fixtures) {
    const fs::path fixture = fixturesFolder / use.fixture;
    std::error_code error;
    if (fixturesFolder.empty() || !fs::is_directory(fixture, error)) {
      errorText = "fixture " + use.fixture + " is no folder of " +
                  fixturesFolder.string();
      return false;
    }
    const fs::path folder = work / use.folder;
    fs::create_directories(folder, error);
    if (error) {
      errorText = "cannot make " + folder.string() + ": " + error.message();
      return false;
    }
    if (!layTree(fixture, folder, errorText)) {
      return false;
    }
  }
  return true;
}

[[nodiscard]] bool makeFifos(const std::vector<Fifo>& fifos,
                             const fs::path& work, std::string& errorText) {
  for (const Fifo& fifo : fifos) {
    const fs::path name = work / fifo.name;
    std::error_code error;
    if (fs::exists(fs::symlink_status(name, error))) {
      errorText = "fifo " + fifo.name + " is named as an input";
      return false;
    }
    fs::create_directories(name.parent_path(), error);
    if (error || mkfifo(name.c_str(), 0644) != 0) {
      errorText = "cannot make fifo " + fifo.name + ": " +
                  (error ? error.message() : std::strerror(errno));
      return false;
    }
  }
  return true;
}

// Fixtures first, then the case's in/ over them, then its FIFOs.
[[nodiscard]] bool prepareWorkFolder(const fs::path& caseFolder,
                                     const fs::path& fixturesFolder,
                                     const Case& testCase, const fs::path& work,
                                     std::string& errorText) {
  if (!layFixtures(fixturesFolder, testCase.fixtures, work, errorText)) {
    return false;
  }
  std::error_code error;
  if (fs::is_directory(fs::symlink_status(caseFolder / "in", error)) &&
      !layTree(caseFolder / "in", work, errorText)) {
    return false;
  }
  return makeFifos(testCase.fifos, work, errorText);
}

// ---------------------------------------------------------------- snapshot

enum class Kind { kFile, kLink, kFifo, kOther };

struct Entry {
  Kind kind = Kind::kOther;
  std::string content;  // the bytes of a file, the target text of a link
};

// Every entry below a folder but the folders themselves, by relative name.
using Snapshot = std::map<std::string, Entry>;

const char* kindName(Kind kind) {
  switch (kind) {
    case Kind::kFile:
      return "file";
    case Kind::kLink:
      return "link";
    case Kind::kFifo:
      return "fifo";
    case Kind::kOther:
      break;
  }
  return "special file";
}

// Never follows a link and never opens a FIFO.
[[nodiscard]] bool takeSnapshot(const fs::path& folder, Snapshot& entries,
                                std::string& errorText) {
  std::error_code error;
  if (!fs::exists(fs::symlink_status(folder, error))) {
    return true;
  }
  for (fs::recursive_directory_iterator it(folder, error), end;
       !error && it != end; it.increment(error)) {
    const fs::file_status status = it->symlink_status(error);
    if (error) {
      break;
    }
    if (fs::is_directory(status)) {
      continue;
    }
    Entry entry;
    if (fs::is_regular_file(status)) {
      entry.kind = Kind::kFile;
      if (!readBytes(it->path(), entry.content, errorText)) {
        return false;
      }
    } else if (fs::is_symlink(status)) {
      entry.kind = Kind::kLink;
      entry.content = fs::read_symlink(it->path(), error).string();
    } else if (fs::is_fifo(status)) {
      entry.kind = Kind::kFifo;
    }
    if (error) {
      break;
    }
    entries[it->path().lexically_relative(folder).generic_string()] = entry;
  }
  if (error) {
    errorText = "cannot list " + folder.string() + ": " + error.message();
    return false;
  }
  return true;
}

// An entry laid over a name replaces what was there, a folder's content too.
void layOver(Snapshot& below, const Snapshot& above) {
  for (const auto& [name, entry] : above) {
    const std::string inside = name + "/";
    for (auto it = below.lower_bound(inside);
         it != below.end() && it->first.compare(0, inside.size(), inside) == 0;
         it = below.erase(it)) {
    }
    for (std::string::size_type slash = name.find('/');
         slash != std::string::npos; slash = name.find('/', slash + 1)) {
      below.erase(name.substr(0, slash));
    }
    below[name] = entry;
  }
}

// ---------------------------------------------------------------- running

struct RunResult {
  std::string console;
  int status = -1;
};

void writeAll(int descriptor, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written =
        write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return;
    }
    done += static_cast<std::size_t>(written);
  }
}

void waitFor(pid_t child, int& waitStatus) {
  while (waitpid(child, &waitStatus, 0) < 0 && errno == EINTR) {
  }
}

// Writers are processes of their own, so that a tool that reads little or
// nothing cannot leave the runner blocked on a full pipe or a FIFO's open.
void stopWriters(std::vector<pid_t>& writers) {
  for (pid_t writer : writers) {
    kill(writer, SIGKILL);
    int waitStatus = 0;
    waitFor(writer, waitStatus);
  }
  writers.clear();
}

// Each writer waits in open() until the tool opens the FIFO for reading.
[[nodiscard]] bool startFifoWriters(const fs::path& work,
                                    const std::vector<Fifo>& fifos,
                                    std::vector<pid_t>& writers,
                                    std::string& errorText) {
  for (const Fifo& fifo : fifos) {
    if (!fifo.fed) {
      continue;
    }
    const std::string name = (work / fifo.name).string();
    const pid_t writer = fork();
    if (writer < 0) {
      errorText = std::string("fork: ") + std::strerror(errno);
      return false;
    }
    if (writer == 0) {
      const int descriptor = open(name.c_str(), O_WRONLY);
      if (descriptor >= 0) {
        writeAll(descriptor, fifo.feed);
      }
      _exit(0);
    }
    writers.push_back(writer);
  }
  return true;
}

// The read end of a pipe a writer fills with the bytes, or -1.
int startStdinWriter(const std::string& bytes, std::vector<pid_t>& writers,
                     std::string& errorText) {
  int ends[2];
  if (pipe(ends) != 0) {
    errorText = std::string("pipe: ") + std::strerror(errno);
    return -1;
  }
  const pid_t writer = fork();
  if (writer < 0) {
    errorText = std::string("fork: ") + std::strerror(errno);
    close(ends[0]);
    close(ends[1]);
    return -1;
  }
  if (writer == 0) {
    close(ends[0]);
    writeAll(ends[1], bytes);
    _exit(0);
  }
  // The tool must hold no write end, or it would never see the input end.
  close(ends[1]);
  writers.push_back(writer);
  return ends[0];
}

// A file beside the work folder, so that it is not taken for an output.
int makeCaptureFile(std::string& name) {
  name = (fs::temp_directory_path() / "e2e_capture_XXXXXX").string();
  return mkstemp(name.data());
}

[[noreturn]] void execTool(const fs::path& folder,
                           const std::vector<std::string>& command, int input,
                           int console, int errors, long memoryLimit) {
  const int from[] = {input, console, errors};
  const int to[] = {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO};
  for (int i = 0; i < 3; ++i) {
    dup2(from[i], to[i]);
  }
  // Only the three standard descriptors reach the tool, so that the first
  // file it opens is always descriptor 3, whatever the runner inherited.
  const long openMax = sysconf(_SC_OPEN_MAX);
  for (long descriptor = STDERR_FILENO + 1;
       descriptor < (openMax > 0 && openMax < 65536 ? openMax : 65536);
       ++descriptor) {
    close(static_cast<int>(descriptor));
  }
  if (chdir(folder.c_str()) != 0) {
    _exit(127);
  }
  if (memoryLimit > 0) {
    const rlim_t bytes = static_cast<rlim_t>(memoryLimit) * 1024 * 1024;
    const rlimit limit = {bytes, bytes};
    if (setrlimit(RLIMIT_AS, &limit) != 0) {
      std::perror("setrlimit");
      _exit(127);
    }
  }
  std::vector<char*> argv;
  argv.reserve(command.size() + 1);
  for (const std::string& word : command) {
    argv.push_back(const_cast<char*>(word.c_str()));
  }
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  std::perror("execvp");
  _exit(127);
}

// The tool's console goes to files rather than pipes: a launcher may leave a
// helper process behind that inherits the descriptors, and a pipe would then
// stay open long after the tool has ended.
[[nodiscard]] bool runTool(const fs::path& folder,
                           const std::vector<std::string>& command, int input,
                           long memoryLimit, RunResult& result,
                           std::string& errorText) {
  std::string consoleName;
  std::string errorsName;
  const int console = makeCaptureFile(consoleName);
  const int errors = makeCaptureFile(errorsName);
  std::error_code error;
  if (console < 0 || errors < 0) {
    errorText = std::string("mkstemp: ") + std::strerror(errno);
    for (int descriptor : {console, errors}) {
      if (descriptor >= 0) {
        close(descriptor);
      }
    }
    fs::remove(consoleName, error);
    fs::remove(errorsName, error);
    return false;
  }
  const pid_t child = fork();
  if (child == 0) {
    execTool(folder, command, input, console, errors, memoryLimit);
  }
  const int forkErrno = errno;
  close(console);
  close(errors);
  int waitStatus = 0;
  if (child > 0) {
    waitFor(child, waitStatus);
  }
  std::string toolErrors;
  const bool captured = readBytes(consoleName, result.console, errorText) &&
                        readBytes(errorsName, toolErrors, errorText);
  std::cerr << toolErrors;
  fs::remove(consoleName, error);
  fs::remove(errorsName, error);
  if (child < 0) {
    errorText = std::string("fork: ") + std::strerror(forkErrno);
    return false;
  }
  if (!captured) {
    return false;
  }
  if (!WIFEXITED(waitStatus)) {
    errorText = "the tool did not exit normally (status " +
                std::to_string(waitStatus) + ")";
    return false;
  }
  result.status = WEXITSTATUS(waitStatus);
  return true;
}

// Standard input is the case's stdin file through a pipe, the file of the
// work folder that stdin-from names, or else /dev/null.
[[nodiscard]] bool runCase(const fs::path& work, const Case& testCase,
                           const std::vector<std::string>& command,
                           RunResult& result, std::string& errorText) {
  std::vector<pid_t> writers;
  if (!startFifoWriters(work, testCase.fifos, writers, errorText)) {
    stopWriters(writers);
    return false;
  }
  const std::string inputName = testCase.hasStdinFrom
                                    ? (work / testCase.stdinFrom).string()
                                    : std::string("/dev/null");
  const int input = testCase.hasStdin ? startStdinWriter(testCase.stdinBytes,
                                                         writers, errorText)
                                      : open(inputName.c_str(), O_RDONLY);
  if (input < 0) {
    if (errorText.empty()) {
      errorText = inputName + ": " + std::strerror(errno);
    }
    stopWriters(writers);
    return false;
  }
  const bool ran =
      runTool(work, command, input, testCase.memoryLimit, result, errorText);
  close(input);
  stopWriters(writers);
  return ran;
}

// ---------------------------------------------------------------- comparing

bool sameEntries(const Snapshot& expected, const Snapshot& actual) {
  bool same = true;
  for (const auto& [name, entry] : expected) {
    const auto found = actual.find(name);
    if (found == actual.end()) {
      std::cerr << "missing " << kindName(entry.kind) << ": " << name << "\n";
      same = false;
    } else if (found->second.kind != entry.kind) {
      std::cerr << name << " is a " << kindName(found->second.kind)
                << ", expected a " << kindName(entry.kind) << "\n";
      same = false;
    } else if (entry.kind == Kind::kLink &&
               found->second.content != entry.content) {
      std::cerr << "link " << name << " points to " << found->second.content
                << ", expected " << entry.content << "\n";
      same = false;
    } else if (entry.kind == Kind::kFile) {
      same &= sameBytes("file " + name, entry.content, found->second.content);
    }
  }
  for (const auto& [name, entry] : actual) {
    if (expected.count(name) != 0) {
      continue;
    }
    std::cerr << "unexpected " << kindName(entry.kind) << ": " << name;
    if (entry.kind == Kind::kFile) {
      std::cerr << " (" << printable(entry.content, 0) << ")";
    } else if (entry.kind == Kind::kLink) {
      std::cerr << " -> " << entry.content;
    }
    std::cerr << "\n";
    same = false;
  }
  return same;
}

bool sameResult(const Case& testCase, bool crlfConsole,
                const RunResult& result) {
  const std::string expectedConsole =
      crlfConsole ? test_support::withCrLf(testCase.expectedConsole)
                  : testCase.expectedConsole;
  bool same = sameBytes("console output", expectedConsole, result.console);
  // A process returns the low 8 bits of its status, so -2 comes back as 254.
  const int expectedStatus = testCase.expectedStatus & 0xFF;
  if (result.status != expectedStatus) {
    std::cerr << "exit status " << result.status << ", expected "
              << expectedStatus << "\n";
    same = false;
  }
  return same;
}

// ---------------------------------------------------------------- main

struct Options {
  bool crlfConsole = false;
  fs::path fixturesFolder;
  fs::path caseFolder;
  std::vector<std::string> command;
};

[[nodiscard]] bool parseOptions(int argc, char** argv, Options& options) {
  int next = 1;
  for (; next < argc; ++next) {
    const std::string word = argv[next];
    if (word == "--crlf-console") {
      options.crlfConsole = true;
    } else if (word == "--fixtures" && next + 1 < argc) {
      options.fixturesFolder = argv[++next];
    } else {
      break;
    }
  }
  if (argc - next < 2) {
    return false;
  }
  options.caseFolder = argv[next++];
  options.command.assign(argv + next, argv + argc);
  return true;
}

// Runs the case in the work folder; false once it is known to fail.
bool passes(const Options& options, const Case& testCase,
            const fs::path& work) {
  std::string errorText;
  Snapshot expected;
  Snapshot expectedOut;
  if (!prepareWorkFolder(options.caseFolder, options.fixturesFolder, testCase,
                         work, errorText) ||
      !takeSnapshot(work, expected, errorText) ||
      !takeSnapshot(options.caseFolder / "out", expectedOut, errorText)) {
    std::cerr << errorText << "\n";
    return false;
  }
  layOver(expected, expectedOut);

  std::vector<std::string> command = options.command;
  command.insert(command.end(), testCase.arguments.begin(),
                 testCase.arguments.end());
  RunResult result;
  if (!runCase(work, testCase, command, result, errorText)) {
    std::cerr << errorText << "\n";
    return false;
  }
  bool passed = sameResult(testCase, options.crlfConsole, result);

  Snapshot actual;
  if (!takeSnapshot(work, actual, errorText)) {
    std::cerr << errorText << "\n";
    return false;
  }
  return sameEntries(expected, actual) && passed;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::cerr << "usage: e2e_case [--crlf-console] [--fixtures <folder>] "
                 "<case folder> <command> [<arg>...]\n";
    return 2;
  }
  Case testCase;
  std::string errorText;
  if (!readCase(options.caseFolder, testCase, errorText)) {
    std::cerr << options.caseFolder.string() << ": " << errorText << "\n";
    return 1;
  }
  const fs::path work = makeWorkFolder();
  if (work.empty()) {
    std::perror("mkdtemp");
    return 2;
  }
  if (passes(options, testCase, work)) {
    std::error_code error;
    fs::remove_all(work, error);
    return 0;
  }
  std::cerr << "work folder kept: " << work.string() << "\n";
  return 1;
}
