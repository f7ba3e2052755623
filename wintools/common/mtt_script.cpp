#include "mtt_script.h"

#include <string>

#include "text_file.h"

namespace {

std::string upperHex(unsigned value) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value > 0);
  if (digits.size() < 2) {
    digits.insert(digits.begin(), '0');
  }
  return digits;
}

}  // namespace

bool writeMttHeader(std::ostream& out) { return writeFileLine(out, "Mantt"); }

bool writeMttRecord(std::ostream& out, unsigned offset, char page,
                    std::string_view value) {
  std::string line = "g" + upperHex(offset);
  line += page;
  line.append(value.data(), value.size());
  return writeFileLine(out, line);
}

bool writeMttTrailer(std::ostream& out) {
  const bool mcsWritten = writeFileLine(out, "mcs");
  return writeFileLine(out, "bye") && mcsWritten;
}
