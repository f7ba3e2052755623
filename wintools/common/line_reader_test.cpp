#include "line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

TEST(CleanLine, FollowsTheCommentAndBlankRules) {
  struct Case {
    const char* name;
    std::string line;
    std::string expected;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"blanks only", "    ", ""},
      {"leading blanks", "  a = 1", "a = 1"},
      {"leading tabs", "\t\tx", "x"},
      {"trailing blanks without comment", "a = 12   ", "a = 12"},
      {"blanks before a comment stay", "a = 12   // note", "a = 12   "},
      {"number sign after blanks", "   # text", ""},
      {"asterisk alone", "a*b", "a"},
      {"single slash", "a/b", "a/b"},
      {"slash in last position", "a/", "a/"},
      {"line comment", "a//b", "a"},
      {"block comment", "a/*b*/", "a"},
      {"backslash", "c:\\firmware", "c:"},
      {"a single tab", "\t", "\t"},
      {"blank tab blank", " \t ", " \t"},
      {"trailing tab stays", "x\t", "x\t"},
      {"comment at start", "//x", ""},
      {"NUL bytes are text", std::string("a\0b ", 4), std::string("a\0b", 3)},
      {"CR is text here", "a\r", "a\r"},
      {"long line, comment far in", std::string(70, 'x') + "  # n",
       std::string(70, 'x') + "  "},
      {"long line, slashes that begin nothing",
       "a/b" + std::string(70, ' ') + "c/ d//e",
       "a/b" + std::string(70, ' ') + "c/ d"},
      {"long line, the nearest of several marks",
       std::string(66, 'y') + "*a#b\\c/*d", std::string(66, 'y')},
      {"long line ending in a slash", std::string(80, 'z') + "/",
       std::string(80, 'z') + "/"},
      {"long blanks, text and blanks",
       std::string(67, ' ') + "v" + std::string(70, ' '), "v"},
      {"long blanks and tabs only",
       std::string(40, ' ') + "\t" + std::string(40, ' '),
       std::string(40, ' ') + "\t"},
      {"long blanks before a comment", std::string(90, ' ') + "// x", ""},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(cleanLine(row.line), row.expected);
  }
}

struct ReadResult {
  std::vector<std::string> lines;
  std::vector<long> numbers;
  bool readFailed = false;
  bool hadByteOrderMark = false;
  bool isUtf16 = false;
};

ReadResult readAll(LineReader& reader) {
  ReadResult result;
  std::string_view line;
  while (readLine(reader, line)) {
    result.lines.emplace_back(line);
    result.numbers.push_back(reader.lineNumber);
  }
  result.readFailed = reader.readFailed;
  result.hadByteOrderMark = reader.hadByteOrderMark;
  result.isUtf16 = reader.isUtf16;
  return result;
}

TEST(ReadLine, SplitsLinesAlikeFromAStreamAndFromMemory) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    bool hadByteOrderMark;
    bool isUtf16;
  };
  const Case cases[] = {
      {"LF", "a=1\nb=2\n", {"a=1", "b=2"}, false, false},
      {"CR LF", "a=1\r\nb=2\r\n", {"a=1", "b=2"}, false, false},
      {"last line without end", "a=1\nb=2", {"a=1", "b=2"}, false, false},
      {"CR without LF at the end stays", "b=2\r", {"b=2\r"}, false, false},
      {"CR inside a line stays", "a\rb\n", {"a\rb"}, false, false},
      {"two CRs lose one", "a\r\r\n", {"a\r"}, false, false},
      {"empty lines count", "\n\r\n\nx", {"", "", "", "x"}, false, false},
      {"empty input", "", {}, false, false},
      {"byte-order mark skipped",
       "\xEF\xBB\xBFk[0]=01\n",
       {"k[0]=01"},
       true,
       false},
      {"byte-order mark alone", "\xEF\xBB\xBF", {}, true, false},
      {"the same bytes later stay",
       "x\n\xEF\xBB\xBFy\n",
       {"x", "\xEF\xBB\xBFy"},
       false,
       false},
      {"part of a mark is text", "\xEF\xBB", {"\xEF\xBB"}, false, false},
      {"UTF-16 little-endian",
       std::string("\xFF\xFEk\0\n\0", 6),
       {},
       false,
       true},
      {"UTF-16 big-endian", std::string("\xFE\xFF\0k\0\n", 6), {}, false, true},
      {"FF alone is text", "\xFFk\n", {"\xFFk"}, false, false},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    std::istringstream in(row.bytes);
    LineReader fromStream;
    startLineReader(fromStream, in);
    LineReader fromMemory;
    startLineReader(fromMemory, row.bytes);
    for (LineReader* reader : {&fromStream, &fromMemory}) {
      const ReadResult result = readAll(*reader);
      EXPECT_EQ(result.lines, row.lines);
      std::vector<long> numbers;
      for (std::size_t i = 0; i < row.lines.size(); ++i) {
        numbers.push_back(static_cast<long>(i) + 1);
      }
      EXPECT_EQ(result.numbers, numbers);
      EXPECT_FALSE(result.readFailed);
      EXPECT_EQ(result.hadByteOrderMark, row.hadByteOrderMark);
      EXPECT_EQ(result.isUtf16, row.isUtf16);
    }
  }
}

TEST(ReadLine, ReadsLinesLongerThanItsBlocksWhole) {
  const std::string longLine(3 * 1024 * 1024 + 17, 'v');
  std::string bytes;
  for (int i = 0; i < 3; ++i) {
    bytes += longLine + "\r\nshort\n";
  }
  std::istringstream in(bytes);
  LineReader reader;
  startLineReader(reader, in);
  const ReadResult result = readAll(reader);
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{longLine, "short", longLine, "short",
                                      longLine, "short"}));
}

// Hands out its bytes a few at a time, the way a pipe does; then ends, or
// fails like a disk that cannot be read.
class PieceBuffer : public std::streambuf {
 public:
  PieceBuffer(std::string bytes, std::size_t piece, bool failsAtEnd)
      : bytes_(std::move(bytes)), piece_(piece), failsAtEnd_(failsAtEnd) {}

 protected:
  int_type underflow() override {
    if (given_ >= bytes_.size()) {
      if (failsAtEnd_) {
        // The stream turns this into its bad state, as for a failed read.
        throw std::ios_base::failure("read failed");
      }
      return traits_type::eof();
    }
    const std::size_t size = std::min(piece_, bytes_.size() - given_);
    char* start = &bytes_[given_];
    setg(start, start, start + size);
    given_ += size;
    return traits_type::to_int_type(*start);
  }

 private:
  std::string bytes_;
  std::size_t piece_;
  bool failsAtEnd_;
  std::size_t given_ = 0;
};

TEST(ReadLine, AFailedReadIsAFailureNotTheEnd) {
  for (std::size_t piece : {1, 2, 5, 100}) {
    SCOPED_TRACE(piece);
    PieceBuffer buffer("one\ntwo\nthr", piece, true);
    std::istream in(&buffer);
    LineReader reader;
    startLineReader(reader, in);
    const ReadResult result = readAll(reader);
    EXPECT_TRUE(result.readFailed);
    // The lines of the block that failed are lost; no later line appears.
    const std::vector<std::string> before = {"one", "two"};
    ASSERT_LE(result.lines.size(), before.size());
    EXPECT_TRUE(
        std::equal(result.lines.begin(), result.lines.end(), before.begin()));
  }
}

TEST(ReadCleanLine, CleansEachLineAsAViewIntoIt) {
  const std::string bytes = "  k[0]=01 // note\r\n\t# only a comment\n";
  LineReader reader;
  startLineReader(reader, bytes);
  std::string_view line;
  ASSERT_TRUE(readCleanLine(reader, line));
  EXPECT_EQ(line, "k[0]=01 ");
  EXPECT_EQ(line.data(), bytes.data() + 2);
  ASSERT_TRUE(readCleanLine(reader, line));
  EXPECT_EQ(line, "");
  EXPECT_EQ(reader.lineNumber, 2);
  EXPECT_FALSE(readCleanLine(reader, line));
}

TEST(ReadMeaningfulLine, PassesOverLinesThatCleanToNothingButCountsThem) {
  const std::string bytes =
      "   # a note\n// another\n\n  \r\n\t\n k[0]=01 // x\r\n/*\n"
      "  /x\n\t# tab then comment\nlast";
  const std::vector<std::pair<std::string, long>> expected = {
      {"\t", 5}, {"k[0]=01 ", 6}, {"/x", 8}, {"last", 10}};
  for (std::size_t piece : {1, 3, 7, 1000}) {
    SCOPED_TRACE(piece);
    // A stream that hands out a few bytes at a time puts line ends at the
    // edges of the buffer.
    std::istringstream whole(bytes);
    PieceBuffer pieces(bytes, piece, false);
    std::istream trickle(&pieces);
    for (std::istream* in : {static_cast<std::istream*>(&whole), &trickle}) {
      LineReader reader;
      startLineReader(reader, *in);
      std::vector<std::pair<std::string, long>> lines;
      std::string_view line;
      while (readMeaningfulLine(reader, line)) {
        lines.emplace_back(std::string(line), reader.lineNumber);
      }
      EXPECT_EQ(lines, expected);
    }
  }
}

TEST(SkipToLineOf, MovesOnToTheLineThatHoldsAByte) {
  const std::string bytes = "one\ntwo three\r\nfour";
  LineReader reader;
  startLineReader(reader, bytes);
  skipToLineOf(reader, bytes.data() + bytes.find("three"));
  std::string_view line;
  ASSERT_TRUE(readLine(reader, line));
  EXPECT_EQ(line, "two three");
  skipToLineOf(reader, bytes.data() + bytes.find("four"));
  ASSERT_TRUE(readLine(reader, line));
  EXPECT_EQ(line, "four");
  EXPECT_FALSE(readLine(reader, line));
}

TEST(ReadAllBytes, ReadsTheRestOrFails) {
  for (std::size_t expectedSize : {0, 3, 8, 20}) {
    SCOPED_TRACE(expectedSize);
    std::istringstream in("abc\r\ndef");
    std::string bytes = "stale";
    ASSERT_TRUE(readAllBytes(in, bytes, expectedSize));
    EXPECT_EQ(bytes, "abc\r\ndef");

    PieceBuffer buffer("abc", 2, true);
    std::istream broken(&buffer);
    EXPECT_FALSE(readAllBytes(broken, bytes, expectedSize));
  }
}

}  // namespace
