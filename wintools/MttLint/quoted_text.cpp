#include "quoted_text.h"

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

void appendEscaped(std::string& out, unsigned char byte) {
  switch (byte) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\n':
      out += "\\n";
      return;
    default:
      break;
  }
  if (byte >= 0x20 && byte < 0x7F) {
    out += static_cast<char>(byte);
    return;
  }
  out += "\\x";
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
}

bool isPlain(unsigned char byte) {
  return byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\';
}

}  // namespace

void appendQuote(std::string& out, std::string_view text) {
  out.reserve(out.size() + text.size() + 2);
  out += '"';
  // Runs of bytes shown as they are go in whole.
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() &&
           isPlain(static_cast<unsigned char>(text[end]))) {
      ++end;
    }
    out.append(text.data() + pos, end - pos);
    if (end < text.size()) {
      appendEscaped(out, static_cast<unsigned char>(text[end]));
      ++end;
    }
    pos = end;
  }
  out += '"';
}

std::string quote(std::string_view text) {
  std::string out;
  appendQuote(out, text);
  return out;
}

std::string generatorMessage(std::string_view tool, std::string_view message) {
  std::string out = " (";
  out.append(tool.data(), tool.size());
  out += ": ";
  appendQuote(out, message);
  out += ')';
  return out;
}
