// For every end-to-end case of mapgen and paramgen whose inputs mttlint can
// take, runs mttlint with the case's arguments over its inputs and checks
// that each error and warning line that the generator printed in the case's
// stdout has a finding of the same severity at the same file and line that
// carries the generator's message. Where the case keeps the generator's
// config.mtt, also checks that --layout lists its records at its offsets.
// Where a message belongs is worked out here from the inputs, by the
// generators' rules, not taken from the checker.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "config_structure.h"
#include "config_tool.h"
#include "entry_line.h"
#include "field_table.h"
#include "line_reader.h"
#include "lint_command_line.h"
#include "lint_tool.h"
#include "quoted_text.h"
#include "structure_parser.h"
#include "table_set.h"
#include "table_tool.h"
#include "test_support.h"

#ifndef WINTOOLS_SOURCE_DIR
#error "WINTOOLS_SOURCE_DIR must name the source tree"
#endif

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = WINTOOLS_SOURCE_DIR;
const fs::path kCasesDir = kSourceDir / "tests" / "e2e";

struct GeneratorCase {
  std::string tool;
  fs::path folder;
};

// How the test names its case in its output.
void PrintTo(const GeneratorCase& generatorCase, std::ostream* out) {
  *out << generatorCase.tool << "/" << generatorCase.folder.filename().string();
}

std::vector<GeneratorCase> listCases() {
  std::vector<GeneratorCase> cases;
  for (const char* tool : {"mapgen", "paramgen"}) {
    std::error_code error;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(kCasesDir / tool, error)) {
      if (entry.is_directory()) {
        cases.push_back({tool, entry.path()});
      }
    }
  }
  std::sort(cases.begin(), cases.end(),
            [](const GeneratorCase& a, const GeneratorCase& b) {
              return a.folder < b.folder;
            });
  return cases;
}

std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  std::string line;
  while (std::getline(in, line)) {
    lines.push_back(line);
  }
  return lines;
}

// The case's arguments: one per line, an empty line an empty argument.
std::vector<std::string> argumentsOf(const fs::path& folder) {
  const std::string bytes = test_support::readBytes(folder / "args");
  return linesOf(bytes);
}

// ------------------------------------------------------------- work folder

void copyTree(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::create_directories(to, error);
  for (const fs::directory_entry& entry : fs::directory_iterator(from, error)) {
    const fs::path target = to / entry.path().filename();
    if (entry.is_symlink()) {
      fs::create_symlink(fs::read_symlink(entry.path()), target, error);
    } else if (entry.is_directory()) {
      copyTree(entry.path(), target);
    } else {
      fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing,
                    error);
    }
  }
}

// The case's fixtures, then its in/ over them, as the e2e runner lays them.
void layOut(const fs::path& folder, const fs::path& work) {
  for (const std::string& line :
       linesOf(test_support::readBytes(folder / "fixtures"))) {
    std::istringstream words(line);
    std::string fixture;
    std::string place;
    words >> fixture >> place;
    if (!fixture.empty()) {
      copyTree(kCasesDir / "fixtures" / fixture, work / place);
    }
  }
  if (fs::is_directory(folder / "in")) {
    copyTree(folder / "in", work);
  }
}

// Runs the checker in the folder, as a user there would.
int runChecker(const fs::path& work, const std::vector<std::string>& arguments,
               std::string& output) {
  const fs::path before = fs::current_path();
  fs::current_path(work);
  std::ostringstream console;
  const int status = runLintTool(arguments, console);
  fs::current_path(before);
  output = console.str();
  return status;
}

// ---------------------------------------------------------- the inputs

// A line of an input, as the generators read it.
struct InputLine {
  std::string file;
  long number = 0;
  std::string cleaned;
};

std::vector<InputLine> readLines(const fs::path& work,
                                 const std::string& file) {
  std::vector<InputLine> lines;
  const std::string bytes = test_support::readBytes(work / file);
  LineReader reader;
  startLineReader(reader, bytes);
  std::string_view line;
  while (readCleanLine(reader, line)) {
    if (!line.empty()) {
      lines.push_back({file, reader.lineNumber, std::string(line)});
    }
  }
  return lines;
}

// Where a generator's message belongs: a file and a line, or the whole
// file (line 0).
struct Place {
  std::string file;
  long line = 0;
};

struct ExpectedFinding {
  bool error = false;
  std::string message;
  Place place;
};

// ------------------------------------------------------------- mapgen

// The tables file as mapgen reads it up to its first error: the entry of
// each line, and the lines behind the trackers.
struct TablesRead {
  struct Entry {
    const InputLine* line;
    EntryLine entry;
    std::size_t count;
    // Ignored: a one-row table given a row above 0.
    bool ignored;
  };
  std::vector<InputLine> lines;
  std::vector<Entry> entries;
};

TablesRead readTables(const fs::path& work, const std::string& file) {
  TablesRead read;
  read.lines = readLines(work, file);
  for (const InputLine& line : read.lines) {
    TablesRead::Entry entry{&line, EntryLine(), 0, false};
    std::string errorText;
    if (!parseEntryLine(line.cleaned, entry.entry, errorText)) {
      break;
    }
    entry.count = splitValues(entry.entry.valueText, 0).count;
    const TableShape& shape = *findShape(entry.entry.letter);
    entry.ignored = shape.kind == TableKind::oneRow && entry.entry.row > 0;
    if (shape.kind == TableKind::oneRow) {
      entry.entry.row = 0;
    }
    read.entries.push_back(entry);
  }
  return read;
}

// The first line of the table that reaches the tracker's highest value, or
// none when the table has no line.
const InputLine* trackerLine(const TablesRead& read, char letter, bool rows) {
  const InputLine* best = nullptr;
  long bestValue = -1;
  for (const TablesRead::Entry& entry : read.entries) {
    if (entry.entry.letter != letter || entry.ignored) {
      continue;
    }
    const long value = rows ? entry.entry.row : static_cast<long>(entry.count);
    if (value > bestValue) {
      best = entry.line;
      bestValue = value;
    }
  }
  return best;
}

Place placeOf(const std::string& file, const InputLine* line) {
  return line == nullptr ? Place{file, 0} : Place{file, line->number};
}

// A size rule's message: at the line that sets the size of the table it
// names first, else of the table it compares with, else the file.
Place sizeRulePlace(const TablesRead& read, const std::string& file,
                    const std::string& text) {
  const char left = text[6];
  const bool rows = text.find(" rows") != std::string::npos;
  const InputLine* line = trackerLine(read, left, rows);
  if (line == nullptr && text.find("than table") != std::string::npos) {
    line = trackerLine(read, rows ? 'k' : 'r', false);
  }
  return placeOf(file, line);
}

// A missing value: the first cell the writer finds without one, at the
// line that sets the highest row when its row is not given, else at the
// row's line with values.
Place missingValuePlace(const TablesRead& read, const std::string& file,
                        char letter) {
  const InputLine* highest = trackerLine(read, letter, true);
  std::size_t most = 0;
  long top = 0;
  for (const TablesRead::Entry& entry : read.entries) {
    if (entry.entry.letter == letter && !entry.ignored) {
      most = std::max(most, entry.count);
      top = std::max(top, entry.entry.row);
    }
  }
  for (long row = 0; row <= top; ++row) {
    const InputLine* given = nullptr;
    const InputLine* valued = nullptr;
    std::size_t count = 0;
    for (const TablesRead::Entry& entry : read.entries) {
      if (entry.entry.letter == letter && !entry.ignored &&
          entry.entry.row == row) {
        given = given == nullptr ? entry.line : given;
        if (entry.count > 0 && valued == nullptr) {
          valued = entry.line;
          count = entry.count;
        }
      }
    }
    if (given == nullptr) {
      return placeOf(file, highest);
    }
    if (count < most) {
      return placeOf(file, valued != nullptr ? valued : given);
    }
  }
  return Place{file, 0};
}

// Where mapgen stopped at a line: the first line with the cleaned text,
// for a duplicate the first whose row an earlier line gave values.
Place stopPlace(const TablesRead& read, const std::string& file,
                const std::string& text, bool duplicate) {
  std::set<std::pair<char, long>> given;
  for (const TablesRead::Entry& entry : read.entries) {
    const std::pair<char, long> row(entry.entry.letter, entry.entry.row);
    if (entry.line->cleaned == text && (!duplicate || given.count(row) > 0)) {
      return placeOf(file, entry.line);
    }
    if (!entry.ignored && entry.count > 0) {
      given.insert(row);
    }
  }
  for (const InputLine& line : read.lines) {
    if (line.cleaned == text) {
      return placeOf(file, &line);
    }
  }
  return Place{file, -1};
}

const char* const kLineErrors[] = {" Missing '='", " Missing '['",
                                   " Missing ']'", " Invalid table name",
                                   " row contains too many elements"};

std::vector<ExpectedFinding> mapgenFindings(const std::vector<std::string>& out,
                                            const fs::path& work,
                                            const std::string& file) {
  const TablesRead read = readTables(work, file);
  std::vector<ExpectedFinding> found;
  std::map<char, std::size_t> rowWarnings;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::string& line = out[i];
    const std::string next = i + 1 < out.size() ? out[i + 1] : "";
    if (line.compare(0, 9, "Warning: ") == 0) {
      const std::string text = line.substr(9);
      if (text.find(" has too many rows") != std::string::npos) {
        // The n-th warning of a table is its n-th line above row 0.
        const char letter = text[6];
        std::size_t seen = 0;
        Place place{file, -1};
        for (const TablesRead::Entry& entry : read.entries) {
          if (entry.entry.letter == letter && entry.ignored &&
              seen++ == rowWarnings[letter]) {
            place = placeOf(file, entry.line);
            break;
          }
        }
        ++rowWarnings[letter];
        found.push_back({false, line, place});
      } else {
        found.push_back({false, line, sizeRulePlace(read, file, text)});
      }
    } else if (line == "Failed to build tables, reported the error: ") {
      const bool duplicate =
          next.compare(0, 23, "Duplicate table entry: ") == 0;
      std::string text = duplicate ? next.substr(23) : next.substr(6);
      for (const char* suffix : kLineErrors) {
        const std::string end(suffix);
        if (!duplicate && text.size() >= end.size() &&
            text.compare(text.size() - end.size(), end.size(), end) == 0) {
          text.erase(text.size() - end.size());
          break;
        }
      }
      found.push_back({true, next, stopPlace(read, file, text, duplicate)});
    } else if (line == "Geometry check failed, reported the error: ") {
      found.push_back({true, next, sizeRulePlace(read, file, next)});
    } else if (line == "Failed to write tables to file, reported the error: " &&
               next.compare(0, 6, "Table ") == 0) {
      found.push_back({true, next, missingValuePlace(read, file, next[6])});
    } else if (line.compare(0, 20, "Couldn't open file: ") == 0 &&
               line.compare(20, file.size(), file) == 0 &&
               line.size() > 20 + file.size()) {
      // The open failure of a file that exists: UTF-16 text.
      found.push_back({true, line, Place{file, 0}});
    }
  }
  return found;
}

// ------------------------------------------------------------ paramgen

// A record as paramgen collects it, with the header line that declares it.
struct DeclaredRecord {
  std::string name;
  long line = 0;
};

// Both structures as paramgen lists them, and the line that stops each.
struct HeaderRead {
  std::vector<DeclaredRecord> records;
  long unclosed[kConfigStructureCount] = {0, 0};
};

HeaderRead readHeader(const fs::path& work, const std::string& file) {
  HeaderRead read;
  const std::vector<InputLine> lines = readLines(work, file);
  for (int i = 0; i < kConfigStructureCount; ++i) {
    FieldTable table;
    bool inside = false;
    for (const InputLine& line : lines) {
      if (!inside) {
        inside = line.cleaned == kConfigStructures[i].marker;
        continue;
      }
      const int before = table.count;
      const MemberLineEffect effect = readMemberLine(line.cleaned, table);
      if (effect.kind == MemberLineKind::closesStructure) {
        break;
      }
      if (effect.kind == MemberLineKind::unclosedBracket) {
        read.unclosed[i] = line.number;
        break;
      }
      for (int r = before; r < table.count; ++r) {
        read.records.push_back(
            {table.records[static_cast<std::size_t>(r)].name, line.number});
      }
    }
  }
  return read;
}

// Follows paramgen's configuration messages through the lines they come
// from: each line gives at most a value error and then a name message.
struct ConfigCursor {
  std::vector<InputLine> lines;
  // The line the last message came from, and whether that was its name
  // message.
  std::size_t last = 0;
  bool started = false;
  bool nameTaken = false;
};

std::string nameOf(const InputLine& line) {
  return line.cleaned.substr(0, line.cleaned.find('='));
}

bool isAssignment(const InputLine& line) {
  return line.cleaned.find('=') != std::string::npos;
}

// True when a line before the i-th assigns the same name, as a repeat
// needs.
bool assignedBefore(const ConfigCursor& cursor, std::size_t i) {
  for (std::size_t j = 0; j < i; ++j) {
    if (isAssignment(cursor.lines[j]) &&
        nameOf(cursor.lines[j]) == nameOf(cursor.lines[i])) {
      return true;
    }
  }
  return false;
}

enum class ConfigMessage { valueError, unknownName, repeat };

Place nextConfigLine(ConfigCursor& cursor, const std::string& name,
                     const std::string& file, ConfigMessage message) {
  const bool nameMessage = message != ConfigMessage::valueError;
  std::size_t from = cursor.started ? cursor.last + 1 : 0;
  if (nameMessage && cursor.started && !cursor.nameTaken &&
      nameOf(cursor.lines[cursor.last]) == name) {
    from = cursor.last;
  }
  for (std::size_t i = from; i < cursor.lines.size(); ++i) {
    const InputLine& line = cursor.lines[i];
    if (isAssignment(line) && nameOf(line) == name &&
        (file.empty() || line.file == file) &&
        (message != ConfigMessage::repeat || assignedBefore(cursor, i))) {
      cursor.last = i;
      cursor.started = true;
      cursor.nameTaken = nameMessage;
      return Place{line.file, line.number};
    }
  }
  return Place{file, -1};
}

bool startsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<ExpectedFinding> paramgenFindings(
    const std::vector<std::string>& out, const fs::path& work,
    const ConfigToolArgs& args) {
  const HeaderRead header = readHeader(work, args.headerFile);
  ConfigCursor cursor;
  for (const std::string& file : args.configFiles) {
    const std::vector<InputLine> lines = readLines(work, file);
    cursor.lines.insert(cursor.lines.end(), lines.begin(), lines.end());
  }
  std::size_t nextRecord = 0;
  std::vector<std::string> inputs = args.configFiles;
  inputs.push_back(args.headerFile);
  std::vector<ExpectedFinding> found;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::string& line = out[i];
    if (line == "Failed to write config.mtt, reported the error: ") {
      ++i;  // The output's failure, not an input's.
      continue;
    }
    const std::string missing = "WARNING: did not find a value for ";
    if (startsWith(line, "ERROR ")) {
      const std::string name = line.substr(6, line.rfind(" has value: ") - 6);
      found.push_back(
          {true, line,
           nextConfigLine(cursor, name, "", ConfigMessage::valueError)});
    } else if (startsWith(line, missing)) {
      const std::string name =
          line.substr(missing.size(), line.size() - missing.size() - 14);
      Place place{args.headerFile, -1};
      while (nextRecord < header.records.size()) {
        const DeclaredRecord& record = header.records[nextRecord++];
        if (record.name == name) {
          place.line = record.line;
          break;
        }
      }
      found.push_back({false, line, place});
    } else if (startsWith(line, "WARNING: ") &&
               endsWith(line, " not found in global.h")) {
      for (const std::string& file : args.configFiles) {
        const std::string tail = " in " + file + " not found in global.h";
        if (endsWith(line, tail)) {
          const std::string name =
              line.substr(9, line.size() - 9 - tail.size());
          found.push_back(
              {false, line,
               nextConfigLine(cursor, name, file, ConfigMessage::unknownName)});
          break;
        }
      }
    } else if (startsWith(line, "WARNING: ")) {
      const std::string name =
          line.substr(9, line.rfind(" has been already assigned") - 9);
      found.push_back(
          {false, line,
           nextConfigLine(cursor, name, "", ConfigMessage::repeat)});
    } else {
      for (int s = 0; s < kConfigStructureCount; ++s) {
        if (line == kConfigStructures[s].parseFailure) {
          found.push_back(
              {true, line, Place{args.headerFile, header.unclosed[s]}});
        }
      }
      for (const std::string& input : inputs) {
        if (startsWith(line, "Couldn't open file: " + input + " (")) {
          found.push_back({true, line, Place{input, 0}});
        }
      }
    }
  }
  return found;
}

// ------------------------------------------------------------ the checker

// True when the checker's output has a finding of that severity at the
// place that carries the message.
bool hasFinding(const std::vector<std::string>& lines,
                const ExpectedFinding& expected) {
  const std::string severity = expected.error ? "error: " : "warning: ";
  const std::string carried = quote(expected.message);
  const std::string file = expected.place.file;
  for (const std::string& line : lines) {
    if (!startsWith(line, file) || line.find(carried) == std::string::npos) {
      continue;
    }
    const std::string rest = line.substr(file.size());
    if (expected.place.line == 0) {
      if (startsWith(rest, ": " + severity)) {
        return true;
      }
      continue;
    }
    const std::string at = ":" + std::to_string(expected.place.line) + ":";
    const std::size_t after = rest.find(": ", at.size());
    if (startsWith(rest, at) && after != std::string::npos &&
        rest.compare(after + 2, severity.size(), severity) == 0) {
      return true;
    }
  }
  return false;
}

// The record lines of a script: "g00c1A" and so on.
std::vector<std::string> scriptRecords(const std::string& script) {
  std::vector<std::string> records;
  for (std::string line : linesOf(script)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (!line.empty() && line[0] == 'g') {
      records.push_back(line);
    }
  }
  return records;
}

// The records that the layout shows with a value, as script lines.
std::vector<std::string> layoutRecords(const std::string& output) {
  std::vector<std::string> records;
  for (const std::string& line : linesOf(output)) {
    std::istringstream words(line);
    std::string index;
    std::string record;
    std::string value;
    words >> index >> record >> value;
    const bool isRecord =
        !index.empty() &&
        index.find_first_not_of("0123456789") == std::string::npos &&
        record.size() >= 4 && record[0] == 'g' &&
        (record.back() == 'c' || record.back() == 'C');
    if (isRecord && value != "--") {
      records.push_back(record + value);
    }
  }
  return records;
}

// ---------------------------------------------------------------- tests

class GeneratorAgreement : public ::testing::TestWithParam<GeneratorCase> {};

// Why the checker cannot take the case's inputs, or the empty text.
std::string whyNot(const fs::path& folder) {
  const std::pair<const char*, const char*> markers[] = {
      {"windows-only", "runs under Wine only"},
      {"stdin", "an input comes through standard input"},
      {"stdin-from", "an input comes through standard input"},
      {"fifos", "an input is a FIFO"},
      {"memory-limit", "an input is endless"},
  };
  for (const auto& marker : markers) {
    if (fs::exists(folder / marker.first)) {
      return marker.second;
    }
  }
  return "";
}

TEST_P(GeneratorAgreement, EveryErrorAndWarningIsAFindingAtItsLine) {
  const GeneratorCase& generatorCase = GetParam();
  const fs::path& folder = generatorCase.folder;
  const std::string why = whyNot(folder);
  if (!why.empty()) {
    GTEST_SKIP() << why;
  }
  const std::vector<std::string> arguments = argumentsOf(folder);
  LintArgs lintArgs;
  std::string errorText;
  if (!parseLintCommandLine(arguments, lintArgs, errorText)) {
    GTEST_SKIP() << "mttlint refuses the command line: " << errorText;
  }
  std::ostringstream usage;
  ReportLog report;
  report.console = &usage;
  std::vector<std::string> inputs;
  ConfigToolArgs configArgs;
  if (generatorCase.tool == "mapgen") {
    TableToolArgs tableArgs;
    if (!parseCommandLine(arguments, tableArgs, report)) {
      GTEST_SKIP() << "mapgen prints its usage";
    }
    if (tableArgs.tableFile != lintArgs.tableFile) {
      GTEST_SKIP() << "mapgen reads another file than mttlint";
    }
    inputs = {tableArgs.tableFile};
  } else {
    if (!parseCommandLine(arguments, configArgs, report)) {
      GTEST_SKIP() << "paramgen prints its usage";
    }
    if (configArgs.configFiles != lintArgs.configFiles ||
        configArgs.headerFile != lintArgs.headerFile) {
      GTEST_SKIP() << "paramgen reads other files than mttlint (its -c list "
                      "ends only at -g or -l)";
    }
    inputs = configArgs.configFiles;
    inputs.push_back(configArgs.headerFile);
  }
  const std::string stdoutBytes = test_support::readBytes(folder / "stdout");
  const std::vector<std::string> printed = linesOf(stdoutBytes);
  const int status = std::stoi(test_support::readBytes(folder / "status"));
  if (generatorCase.tool == "paramgen" && status == -2) {
    GTEST_SKIP() << "paramgen stops at its log before it reads an input";
  }

  test_support::TempFolder work;
  ASSERT_FALSE(work.path().empty());
  layOut(folder, work.path());
  for (const std::string& input : inputs) {
    std::error_code error;
    // Devices and system files stand for inputs that cannot be read.
    if (fs::path(input).is_absolute() ||
        !fs::is_regular_file(work.path() / input, error)) {
      GTEST_SKIP() << input << " is no file of the case's folder";
    }
  }

  std::string output;
  runChecker(work.path(), arguments, output);
  const std::vector<std::string> findings = linesOf(output);
  const std::vector<ExpectedFinding> expected =
      generatorCase.tool == "mapgen"
          ? mapgenFindings(printed, work.path(), inputs[0])
          : paramgenFindings(printed, work.path(), configArgs);
  for (const ExpectedFinding& finding : expected) {
    SCOPED_TRACE(finding.message);
    ASSERT_GE(finding.place.line, 0)
        << "no line of the inputs gives this message";
    EXPECT_TRUE(hasFinding(findings, finding))
        << (finding.error ? "error" : "warning") << " expected at "
        << finding.place.file << ":" << finding.place.line << "\n"
        << output;
  }

  // The records of the image the case keeps, as the layout lists them.
  const fs::path script = folder / "out" / configArgs.outFile;
  if (generatorCase.tool == "paramgen" && status == 0 &&
      fs::is_regular_file(script)) {
    std::vector<std::string> withLayout = arguments;
    withLayout.push_back("--layout");
    runChecker(work.path(), withLayout, output);
    EXPECT_EQ(layoutRecords(output),
              scriptRecords(test_support::readBytes(script)))
        << output;
  }
}

std::string caseName(const ::testing::TestParamInfo<GeneratorCase>& info) {
  return info.param.tool + "_" + info.param.folder.filename().string();
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneratorAgreement,
                         ::testing::ValuesIn(listCases()), caseName);

TEST(LayoutOfTheExample, ListsTheRecordsParamgenWritesAtTheirOffsets) {
  test_support::TempFolder work;
  ASSERT_FALSE(work.path().empty());
  const fs::path firmware = kSourceDir / "examples" / "firmware";
  const std::vector<std::string> inputs = {
      "-c", (firmware / "etc" / "config.txt").string(),
      (firmware / "etc" / "myconfig.txt").string(), "-g",
      (firmware / "global.h").string()};
  std::vector<std::string> generator = inputs;
  generator.push_back("-o");
  generator.push_back(work.file("config.mtt"));
  std::ostringstream console;
  ASSERT_EQ(runConfigTool(generator, console), 0) << console.str();
  std::vector<std::string> checker = inputs;
  checker.push_back("--layout");
  std::string output;
  EXPECT_EQ(runChecker(work.path(), checker, output), 0) << output;
  const std::vector<std::string> records =
      scriptRecords(test_support::readBytes(work.file("config.mtt")));
  EXPECT_EQ(records.size(), 26u);
  EXPECT_EQ(layoutRecords(output), records) << output;
}

}  // namespace
