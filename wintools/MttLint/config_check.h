#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "config_reader.h"
#include "finding_report.h"
#include "header_check.h"
#include "input_file.h"
#include "nearest_name.h"

// Where a record's value comes from: a configuration file, by its position
// on the command line, and a line.
struct ValueSource {
  // -1 for no value.
  int file = -1;
  long line = 0;
};

// The configuration files as paramgen applies them, in order, to the
// structures of the header; or, without a header, to names alone.
struct ConfigCheck {
  // Null when names are not checked.
  HeaderCheck* header = nullptr;
  RecordIndex index;
  NameList declared;
  // Per structure, per record.
  std::array<std::vector<ValueSource>, kConfigStructureCount> sources;
  // The names of the files checked so far, in order.
  std::vector<std::string> files;
  // Without a header: the last assignment of each name, and its value.
  std::unordered_map<std::string, std::pair<ValueSource, std::string>> seen;
};

// Starts a check against the header's records, or, with header null, one of
// the syntax alone.
void startConfigCheck(ConfigCheck& check, HeaderCheck* header);

// Checks one configuration file after those before it: lines without "=",
// blanks around "=" or in a name, values that are not one or two
// hexadecimal digits (paramgen's value errors among them), names that no
// structure declares with the nearest declared one, and repeated
// assignments naming the earlier place.
void checkConfigFile(const InputFile& input, ConfigCheck& check,
                     FindingReport& report);

// Reports, at the header line that declares it, every record that no
// configuration file gave a value.
void reportMissingValues(const std::string& headerFile,
                         const ConfigCheck& check, FindingReport& report);

// "config.txt:4" for a value's source.
std::string sourceText(const ConfigCheck& check, const ValueSource& source);
