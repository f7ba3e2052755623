#include "config_check.h"

#include <cstddef>
#include <sstream>

#include "assignment.h"
#include "config_image_writer.h"
#include "quoted_text.h"

namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

const char* blankWord(char c) { return c == ' ' ? "blank" : "tab"; }

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ||
         (c >= 'a' && c <= 'f');
}

// One or two hexadecimal digits, blanks and tabs after them aside.
bool isByteValue(std::string_view value) {
  std::size_t end = value.size();
  while (end > 0 && isBlankOrTab(value[end - 1])) {
    --end;
  }
  return (end == 1 || end == 2) && isHexDigit(value[0]) &&
         isHexDigit(value[end - 1]);
}

// Blanks and tabs around "=" and inside the name.
void reportBlanks(const InputLine& place, std::string_view name,
                  std::string_view value) {
  std::size_t end = name.size();
  while (end > 0 && isBlankOrTab(name[end - 1])) {
    --end;
  }
  if (end < name.size()) {
    addAt(place, name.data() + end, Severity::warning,
          std::string(blankWord(name[end])) +
              " before \"=\"; paramgen keeps it in the name and looks for a "
              "member named " +
              quote(name));
  }
  const std::size_t inside = name.substr(0, end).find_first_of(" \t");
  if (inside != std::string_view::npos) {
    addAt(place, name.data() + inside, Severity::warning,
          "the name " + quote(name.substr(0, end)) + " holds a " +
              blankWord(name[inside]) +
              "; paramgen looks for a member of that name, " +
              blankWord(name[inside]) + " included");
  }
  if (!value.empty() && isBlankOrTab(value[0])) {
    addAt(place, value.data(), Severity::warning,
          std::string(blankWord(value[0])) +
              " after \"=\"; paramgen keeps it in the value " + quote(value));
  }
}

// The lines that a stage printed through a report of its own.
std::vector<std::string> printedLines(std::ostringstream& console) {
  std::vector<std::string> lines;
  const std::string text = console.str();
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos;
       end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  console.str("");
  return lines;
}

struct RecordPlace {
  int structure = -1;
  std::size_t index = 0;
};

RecordPlace placeOf(const HeaderCheck& header, const FieldRecord* record) {
  for (int i = 0; i < kConfigStructureCount; ++i) {
    const auto& records = header.tables[static_cast<std::size_t>(i)].records;
    if (record >= records.data() && record < records.data() + records.size()) {
      return {i, static_cast<std::size_t>(record - records.data())};
    }
  }
  return {};
}

void reportValueError(const InputLine& place, std::string_view value,
                      const std::string& name, bool known,
                      const std::string& message) {
  std::string text =
      value.empty()
          ? std::string("no value after \"=\"")
          : "value " + quote(value) + " is not one or two hexadecimal digits";
  text += known ? "; paramgen writes FF for " + quote(name)
                : "; paramgen counts an error";
  addAt(place, value.data(), Severity::error,
        text + generatorMessage("paramgen", message));
}

void reportRepeat(const InputLine& place, std::string_view cleaned,
                  const std::string& name, const std::string& oldValue,
                  const std::string& newValue, const std::string& earlier,
                  const std::string& message) {
  addAt(place, cleaned.data(), Severity::warning,
        quote(name) + " is set again; paramgen replaces " + oldValue +
            ", set at " + earlier + ", with " + newValue +
            generatorMessage("paramgen", message));
}

// Applies the line to the header's records, as paramgen does.
void applyToRecords(const InputLine& place, std::string_view cleaned,
                    std::string_view value, ConfigCheck& check,
                    std::ostringstream& console, ReportLog& own) {
  const std::string name(cleaned.substr(0, cleaned.find('=')));
  std::string oldValue;
  const auto found = check.index.find(name);
  if (found != check.index.end()) {
    oldValue = found->second->value;
  }
  FieldRecord* record = nullptr;
  const ConfigLineResult result =
      applyConfigLine(cleaned, place.input.name, check.index, own, record);
  const std::vector<std::string> lines = printedLines(console);
  const std::size_t tail = result == ConfigLineResult::unknownName  ? 1
                           : result == ConfigLineResult::reassigned ? 2
                                                                    : 0;
  const bool valueError = lines.size() > tail;
  if (valueError) {
    reportValueError(place, value, name, record != nullptr, lines[0]);
  }
  if (result == ConfigLineResult::unknownName) {
    std::string text = "no member of config_t or config_ext_t is named " +
                       quote(name) + "; paramgen skips the line";
    const std::string nearest =
        name.empty() ? std::string() : nearestName(check.declared, name);
    if (!nearest.empty()) {
      text += "; did you mean " + quote(nearest) + "?";
    }
    addAt(place, cleaned.data(), Severity::warning,
          text + generatorMessage("paramgen", lines.back()));
    return;
  }
  const RecordPlace at = placeOf(*check.header, record);
  ValueSource& source =
      check.sources[static_cast<std::size_t>(at.structure)][at.index];
  if (result == ConfigLineResult::reassigned) {
    reportRepeat(place, cleaned, name, oldValue, record->value,
                 sourceText(check, source), lines[lines.size() - 2]);
  }
  source = ValueSource{static_cast<int>(check.files.size()) - 1, place.line};
  if (!valueError && !isByteValue(value)) {
    addAt(place, value.data(), Severity::warning,
          "value " + quote(value) +
              " is not one or two hexadecimal digits; paramgen writes " +
              quote(record->value));
  }
}

// The syntax alone, names unchecked: values and repeats by name.
void applyToNames(const InputLine& place, std::string_view cleaned,
                  std::string_view value, ConfigCheck& check,
                  std::ostringstream& console, ReportLog& own) {
  Assignment assignment;
  if (!parseAssignment(cleaned, own, assignment)) {
    return;
  }
  const std::vector<std::string> lines = printedLines(console);
  if (!lines.empty()) {
    reportValueError(place, value, assignment.name, true, lines[0]);
  }
  const ValueSource here{static_cast<int>(check.files.size()) - 1, place.line};
  const auto inserted = check.seen.emplace(
      assignment.name, std::make_pair(here, assignment.value));
  if (!inserted.second) {
    auto& earlier = inserted.first->second;
    reportRepeat(place, cleaned, assignment.name, earlier.second,
                 assignment.value, sourceText(check, earlier.first),
                 "WARNING: " + assignment.name +
                     " has been already assigned the value " + earlier.second);
    earlier = std::make_pair(here, assignment.value);
  }
  if (lines.empty() && !isByteValue(value)) {
    addAt(place, value.data(), Severity::warning,
          "value " + quote(value) +
              " is not one or two hexadecimal digits; paramgen writes " +
              quote(assignment.value));
  }
}

}  // namespace

void startConfigCheck(ConfigCheck& check, HeaderCheck* header) {
  check = ConfigCheck();
  check.header = header;
  if (header == nullptr) {
    return;
  }
  check.index = indexRecords(header->tables[0], header->tables[1]);
  for (int i = 0; i < kConfigStructureCount; ++i) {
    const FieldTable& table = header->tables[static_cast<std::size_t>(i)];
    check.sources[static_cast<std::size_t>(i)].assign(
        static_cast<std::size_t>(table.count), ValueSource());
    for (int r = 0; r < table.count; ++r) {
      check.declared.names.push_back(
          table.records[static_cast<std::size_t>(r)].name);
    }
  }
}

std::string sourceText(const ConfigCheck& check, const ValueSource& source) {
  if (source.file < 0) {
    return "no value";
  }
  return check.files[static_cast<std::size_t>(source.file)] + ":" +
         std::to_string(source.line);
}

void checkConfigFile(const InputFile& input, ConfigCheck& check,
                     FindingReport& report) {
  check.files.push_back(input.name);
  std::ostringstream console;
  ReportLog own;
  own.console = &console;
  LineReader reader;
  startInputReader(input, reader);
  std::string_view raw;
  while (readLine(reader, raw)) {
    const std::string_view cleaned = cleanLine(raw);
    if (cleaned.empty()) {
      continue;
    }
    const InputLine place{input, reader.lineNumber, raw, report};
    const std::size_t equals = cleaned.find('=');
    if (equals == std::string_view::npos) {
      addAt(place, cleaned.data(), Severity::warning,
            "no \"=\" in the line; paramgen skips it");
      continue;
    }
    const std::string_view value = cleaned.substr(equals + 1);
    reportBlanks(place, cleaned.substr(0, equals), value);
    if (check.header != nullptr) {
      applyToRecords(place, cleaned, value, check, console, own);
    } else {
      applyToNames(place, cleaned, value, check, console, own);
    }
  }
}

void reportMissingValues(const std::string& headerFile,
                         const ConfigCheck& check, FindingReport& report) {
  if (check.header == nullptr) {
    return;
  }
  for (int i = 0; i < kConfigStructureCount; ++i) {
    const FieldTable& table = check.header->tables[static_cast<std::size_t>(i)];
    const std::vector<RecordOrigin>& origins =
        check.header->origins[static_cast<std::size_t>(i)];
    for (int r = 0; r < table.count; ++r) {
      const FieldRecord& record = table.records[static_cast<std::size_t>(r)];
      if (record.assigned) {
        continue;
      }
      const RecordOrigin& origin = origins[static_cast<std::size_t>(r)];
      addFinding(
          report, headerFile, origin.line, origin.column, Severity::warning,
          "no configuration file sets " + quote(record.name) +
              "; paramgen writes no byte for it" +
              generatorMessage("paramgen", missingValueMessage(record.name)));
    }
  }
}
