#include "member_check.h"

#include <cstddef>

#include "code_text.h"
#include "line_reader.h"
#include "member_name.h"
#include "quoted_text.h"

namespace {

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '_';
}

bool isDecimal(std::string_view text) {
  return !text.empty() &&
         text.find_first_not_of("0123456789") == std::string_view::npos;
}

void warn(const MemberLine& member, const char* at, std::string text,
          FindingReport& report) {
  addFinding(report, member.file, member.line, columnOf(member.raw, at),
             Severity::warning, std::move(text));
}

// The type and name of a declaration as a compiler reads it ("uint16_t",
// "cycle_time"), or false for a text that is no plain declaration.
bool splitDeclaration(std::string_view declaration, std::string& type,
                      std::string_view& name) {
  if (declaration.find_first_of("(){}=") != std::string_view::npos) {
    return false;
  }
  // Of several declarators, the first shows the type.
  declaration = declaration.substr(0, declaration.find(','));
  std::string_view head =
      trimBlanks(declaration.substr(0, declaration.find_first_of("[:")));
  std::size_t start = head.size();
  while (start > 0 && isNameChar(head[start - 1])) {
    --start;
  }
  name = head.substr(start);
  const std::string_view typeText = trimBlanks(head.substr(0, start));
  if (name.empty() || typeText.empty()) {
    return false;
  }
  // Runs of blanks and tabs in the type are shown as one blank.
  type.clear();
  for (char c : typeText) {
    const bool blank = c == ' ' || c == '\t';
    if (!blank) {
      type += c;
    } else if (type.back() != ' ') {
      type += ' ';
    }
  }
  return true;
}

void reportOtherType(const MemberLine& member, std::string_view declaration,
                     FindingReport& report) {
  std::string type;
  std::string_view name;
  if (!splitDeclaration(declaration, type, name)) {
    return;
  }
  std::string text = "member " + quote(name) + " of type " + quote(type) +
                     " takes no byte in paramgen's image of " +
                     member.structure.name +
                     "; the image indexes after it are not the structure's "
                     "byte offsets";
  // A uint8_t member that a comment mark in the code hid from paramgen.
  const char* cut = member.cleaned.data() + member.cleaned.size();
  if (cut < declaration.data() + declaration.size()) {
    text += " (paramgen cuts the line at " + quote(std::string_view(cut, 1)) +
            " as at a comment)";
  }
  warn(member, declaration.data(), std::move(text), report);
}

// What follows the first declaration of the line, if anything.
void reportSecondMember(const MemberLine& member, const char* afterFirst,
                        FindingReport& report) {
  const char* codeEnd = member.code.data() + member.code.size();
  if (afterFirst >= codeEnd) {
    return;
  }
  const std::string_view rest = trimBlanks(std::string_view(
      afterFirst, static_cast<std::size_t>(codeEnd - afterFirst)));
  if (rest.empty()) {
    return;
  }
  std::string text = "second member on the line, " + quote(rest) +
                     "; paramgen reads only the first member of a line";
  // What paramgen would collect, were the declaration on a line of its own.
  const std::string lost = extractMemberName(cleanLine(rest));
  if (!lost.empty()) {
    text += ", so " + quote(lost) + " gets no record";
  }
  warn(member, rest.data(), std::move(text), report);
}

// Every number in the brackets of an array declaration, multiplied, or 0
// when one is no number; saturates far below the limits of long.
long long totalElements(std::string_view arrayPart) {
  long long total = 1;
  for (std::size_t open = arrayPart.find('['); open != std::string_view::npos;
       open = arrayPart.find('[', open + 1)) {
    const std::size_t close = arrayPart.find(']', open);
    if (close == std::string_view::npos) {
      return 0;
    }
    const std::string_view size =
        trimBlanks(arrayPart.substr(open + 1, close - open - 1));
    if (!isDecimal(size) || size.size() > 9) {
      return 0;
    }
    total *= std::stoll(std::string(size));
    if (total > 1000000000000LL) {
      return 0;
    }
  }
  return total;
}

void reportArray(const MemberLine& member, std::string_view name,
                 const MemberLineEffect& effect, FindingReport& report) {
  const std::size_t open = name.find('[');
  const std::size_t close = name.find(']', open);
  if (close == std::string_view::npos) {
    return;
  }
  const std::string_view size = name.substr(open + 1, close - open - 1);
  if (!isDecimal(trimBlanks(size))) {
    warn(member, name.data() + open + 1,
         "array size " + quote(size) +
             " is not a number; paramgen reads it "
             "as " +
             std::to_string(effect.requested) + " and makes " +
             describeRecords(effect),
         report);
  }
  const std::string_view after = name.substr(close + 1);
  const std::size_t next = after.find_first_not_of(" \t");
  if (next != std::string_view::npos && after[next] == '[') {
    const long long total = totalElements(name.substr(open));
    std::string text =
        "two-dimensional array; paramgen reads the first size "
        "only and makes " +
        describeRecords(effect);
    if (total > 0) {
      text += ", not " + std::to_string(total);
    }
    warn(member, after.data() + next, std::move(text), report);
  }
}

void reportName(const MemberLine& member, std::string_view name,
                const MemberLineEffect& effect, FindingReport& report) {
  const std::size_t comma = name.find(',');
  if (comma != std::string_view::npos) {
    warn(member, name.data() + comma,
         "several names in one declaration; paramgen reads them as one name "
         "and makes " +
             describeRecords(effect),
         report);
    return;
  }
  const std::size_t colon = name.find(':');
  if (colon != std::string_view::npos) {
    warn(member, name.data() + colon,
         "bit-field; paramgen reads the width as part of the name and makes " +
             describeRecords(effect),
         report);
    return;
  }
  const std::size_t open = name.find('[');
  const std::string_view prefix = name.substr(0, open);
  const std::size_t blank = prefix.find_first_of(" \t");
  if (blank != std::string_view::npos) {
    warn(member, prefix.data() + blank,
         "the member name " + quote(prefix) + " holds a " +
             (prefix[blank] == ' ' ? "blank" : "tab") +
             "; paramgen keeps it in the name, so only a configuration line "
             "that writes the name the same way sets " +
             (open == std::string_view::npos ? "it" : "its elements"),
         report);
  }
}

}  // namespace

std::string_view memberName(std::string_view cleaned) {
  std::size_t start = 0;
  std::size_t size = 0;
  if (!findMemberName(cleaned, start, size)) {
    return cleaned.substr(cleaned.size());
  }
  return cleaned.substr(start, size);
}

std::string describeRecords(const MemberLineEffect& effect) {
  const std::size_t open = effect.name.find('[');
  if (open == std::string::npos) {
    return "one record named " + quote(effect.name);
  }
  if (effect.requested <= 0) {
    return "no record";
  }
  const std::string prefix = effect.name.substr(0, open + 1);
  const std::string first = quote(prefix + "0]");
  if (effect.requested == 1) {
    return "one record, " + first;
  }
  return std::to_string(effect.requested) + " records, " + first + " to " +
         quote(prefix + std::to_string(effect.requested - 1) + "]");
}

void reportMemberLine(const MemberLine& member, const MemberLineEffect& effect,
                      FindingReport& report) {
  const std::size_t semicolon = member.code.find(';');
  const char* firstSemicolon = semicolon == std::string_view::npos
                                   ? nullptr
                                   : member.code.data() + semicolon;
  if (effect.kind == MemberLineKind::declaresNothing) {
    if (firstSemicolon != nullptr && member.code[0] != '}') {
      reportOtherType(
          member,
          std::string_view(
              member.code.data(),
              static_cast<std::size_t>(firstSemicolon - member.code.data())),
          report);
      reportSecondMember(member, firstSemicolon + 1, report);
    }
    return;
  }
  const std::string_view name = memberName(member.cleaned);
  if (effect.kind == MemberLineKind::unclosedBracket) {
    addFinding(report, member.file, member.line,
               columnOf(member.raw, name.data() + name.find('[')),
               Severity::error,
               "\"[\" without \"]\" in the member " + quote(name) +
                   "; paramgen stops reading the header and writes no "
                   "image" +
                   generatorMessage("paramgen", member.structure.parseFailure));
    return;
  }
  const char* nameEnd = name.data() + name.size();
  // Another declaration before the uint8_t one on the same line.
  if (firstSemicolon != nullptr && firstSemicolon < nameEnd) {
    reportOtherType(member,
                    std::string_view(member.code.data(),
                                     static_cast<std::size_t>(
                                         firstSemicolon - member.code.data())),
                    report);
  }
  reportName(member, name, effect, report);
  if (name.find('[') != std::string_view::npos) {
    reportArray(member, name, effect, report);
  }
  reportSecondMember(member, nameEnd + 1, report);
}
