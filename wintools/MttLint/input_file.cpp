#include "input_file.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

#include "quoted_text.h"
#include "text_file.h"

namespace {

bool startsAsUtf16(const std::string& bytes) {
  return bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                               (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

// The text of an input that cannot be read, by what readTextFile found.
std::string unreadableText(const InputFile& input,
                           const std::string& errorText) {
  std::string text;
  if (startsAsUtf16(input.bytes)) {
    text = "the file is UTF-16 text, which cannot be read; " + input.generator +
           " refuses it as it refuses a missing file";
  } else if (errorText == readFailureText(input.name)) {
    text = "the file cannot be read to its end; " + input.generator +
           " stops at it";
  } else {
    text = "the file cannot be opened; " + input.generator + " stops at it";
  }
  return text + generatorMessage(input.generator, errorText);
}

}  // namespace

bool readInput(const std::string& name, const std::string& generator,
               InputFile& input, FindingReport& report) {
  input.name = name;
  input.generator = generator;
  std::string errorText;
  bool read = false;
  // Memory running out on a huge input is a failure to read it.
  try {
    read = readTextFile(name, input.bytes, errorText);
  } catch (const std::bad_alloc&) {
    errorText = readFailureText(name);
  }
  if (!read) {
    addFileFinding(report, name, Severity::error,
                   unreadableText(input, errorText));
    report.inputUnreadable = true;
    input.bytes.clear();
  }
  return read;
}

void startInputReader(const InputFile& input, LineReader& reader) {
  startLineReader(reader, input.bytes);
}

void reportInputBytes(const InputFile& input, FindingReport& report) {
  LineReader reader;
  startInputReader(input, reader);
  if (reader.hadByteOrderMark) {
    addFileFinding(report, input.name, Severity::note,
                   "the file starts with a UTF-8 byte-order mark; " +
                       input.generator + " skips it");
  }
  const std::size_t nulCount = static_cast<std::size_t>(
      std::count(input.bytes.begin(), input.bytes.end(), '\0'));
  if (nulCount == 0) {
    return;
  }
  std::string_view line;
  while (readLine(reader, line)) {
    const void* nul = std::memchr(line.data(), '\0', line.size());
    if (nul != nullptr) {
      const std::string count =
          nulCount == 1
              ? "it is the only one in the file"
              : "the file holds " + std::to_string(nulCount) + " NUL bytes";
      addFinding(report, input.name, reader.lineNumber,
                 columnOf(line, static_cast<const char*>(nul)),
                 Severity::warning,
                 "NUL byte; " + input.generator +
                     " reads it as an ordinary character (" + count + ")");
      return;
    }
  }
}

void reportMissingLastLineEnd(const InputFile& input, FindingReport& report) {
  const std::string& bytes = input.bytes;
  if (bytes.empty() || bytes.back() == '\n') {
    return;
  }
  const std::size_t feed = bytes.rfind('\n');
  std::size_t start = feed == std::string::npos ? 0 : feed + 1;
  LineReader reader;
  startInputReader(input, reader);
  if (feed == std::string::npos && reader.hadByteOrderMark) {
    start = 3;
  }
  // A file of nothing but a byte-order mark holds no line.
  if (start >= bytes.size() || reader.isUtf16) {
    return;
  }
  const long lineNumber =
      static_cast<long>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  addFinding(report, input.name, lineNumber,
             static_cast<long>(bytes.size() - start) + 1, Severity::note,
             "the last line has no line end; " + input.generator +
                 " reads it all the same");
}

void addAt(const InputLine& place, const char* at, Severity severity,
           std::string text) {
  addFinding(place.report, place.input.name, place.line,
             columnOf(place.raw, at), severity, std::move(text));
}
