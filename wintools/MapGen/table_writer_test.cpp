#include "table_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>

#include "table_parser.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using test_support::readBytes;

TableSet parsedTables(const std::string& tablesText, ReportLog& report) {
  TableSet tables;
  resetTables(tables);
  LineReader reader;
  startLineReader(reader, tablesText);
  std::string parseError;
  EXPECT_TRUE(buildTables(reader, tables, report, parseError)) << parseError;
  return tables;
}

class WriteTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    report.console = &console;
  }

  bool write(const std::string& tablesText,
             const std::vector<std::string>& filesInUse = {}) {
    const TableSet tables = parsedTables(tablesText, report);
    return writeTables(tables, report, outFile, filesInUse, errorText);
  }

  test_support::TempFolder folder;
  std::string outFile = folder.file("tables.mtt");
  std::ostringstream console;
  ReportLog report;
  std::string errorText = "stale";
};

TEST_F(WriteTablesTest, WritesTheTablesInTheirFixedOrder) {
  ASSERT_TRUE(write("k[0]=05 0A\nj[0]=10 20\nj[1]=30 40\n"));
  EXPECT_EQ(errorText, "");
  EXPECT_EQ(readBytes(outFile),
            "Mantt\r\ng00j10\r\ng01j20\r\ng10j30\r\ng11j40\r\n"
            "g00k05\r\ng01k0A\r\nmcs\r\nbye\r\n");
  EXPECT_EQ(console.str(), "");
}

TEST_F(WriteTablesTest, OrdersAllTenTablesAndCopiesValuesUnchanged) {
  ASSERT_TRUE(
      write("e[0]=e1\ny[0]=y1\nt[0]=t1\nb[0]=b1\nr[0]=r1\nk[0]=k1\n"
            "h[0]=h1\nn[0]=n1\nl[0]=l1\nj[0]=5 // one character\n"));
  EXPECT_EQ(readBytes(outFile),
            "Mantt\r\ng00j5\r\ng00ll1\r\ng00nn1\r\ng00hh1\r\ng00kk1\r\n"
            "g00rr1\r\ng00bb1\r\ng00tt1\r\ng00yy1\r\ng00ee1\r\nmcs\r\nbye\r\n");
}

TEST_F(WriteTablesTest, OffsetIsRowDigitThenColumnDigit) {
  std::string text = "k[0]=00 01 02 03 04 05 06 07 08 09 0a\n";
  for (int row = 0; row < 16; ++row) {
    text += std::string("y[") + "0123456789abcdef"[row] +
            "]=" + (row == 15 ? "ff" : "00") + "\n";
  }
  ASSERT_TRUE(write(text));
  const std::string script = readBytes(outFile);
  EXPECT_NE(script.find("\r\ng0Ak0a\r\n"), std::string::npos);
  EXPECT_NE(script.find("\r\ngF0yff\r\nmcs\r\nbye\r\n"), std::string::npos);
}

TEST_F(WriteTablesTest, StopsAtAMissingValueAndKeepsThePartialFile) {
  ASSERT_FALSE(write("j[0]=01 02 03\nj[1]=11 12\n"));
  EXPECT_EQ(errorText, "Table j missing has a missing value");
  EXPECT_EQ(readBytes(outFile),
            "Mantt\r\ng00j01\r\ng01j02\r\ng02j03\r\ng10j11\r\ng11j12\r\n");
  EXPECT_EQ(report.errorCount, 0);
}

TEST_F(WriteTablesTest, NamesTheTableWithTheMissingValue) {
  for (const TableShape& shape : kTableShapes) {
    SCOPED_TRACE(shape.letter);
    TableSet tables;
    resetTables(tables);
    findTable(tables, shape.letter)->maxColumnCount = 1;
    EXPECT_FALSE(writeTables(tables, report, outFile, {}, errorText));
    EXPECT_EQ(errorText, std::string("Table ") + shape.letter +
                             " missing has a missing value");
    EXPECT_EQ(readBytes(outFile), "Mantt\r\n");
  }
}

TEST_F(WriteTablesTest, AGapBelowTheHighestRowIsAMissingValue) {
  ASSERT_FALSE(write("h[2]=01\n"));
  EXPECT_EQ(errorText, "Table h missing has a missing value");
  EXPECT_EQ(readBytes(outFile), "Mantt\r\n");
}

TEST_F(WriteTablesTest, AnUnopenableFileIsCountedAndNothingIsWritten) {
  outFile = folder.path().string();
  EXPECT_FALSE(write("k[0]=01\n"));
  EXPECT_EQ(errorText, "Couldn't open file");
  EXPECT_EQ(report.errorCount, 1);
}

TEST_F(WriteTablesTest, RefusesAFileInUseAndLeavesItAlone) {
  const std::string input = folder.file("tables.txt");
  test_support::writeBytes(input, "k[0]=01\r\n");
  outFile = (folder.path() / "." / "tables.txt").string();
  EXPECT_FALSE(write("k[0]=01\n", {input}));
  EXPECT_EQ(errorText, "Couldn't open file");
  EXPECT_EQ(readBytes(input), "k[0]=01\r\n");
}

TEST_F(WriteTablesTest, AFullDiskIsAFailureNotASuccess) {
  if (!fs::exists("/dev/full")) {
    GTEST_SKIP() << "no /dev/full here";
  }
  outFile = "/dev/full";
  EXPECT_FALSE(write("k[0]=01\n"));
  EXPECT_EQ(errorText, "Couldn't write file");
  EXPECT_EQ(report.errorCount, 1);
}

// Takes the first bytes it is given and refuses the rest, like a disk that
// fills up while the script is written.
class FillingBuffer : public std::streambuf {
 public:
  explicit FillingBuffer(std::size_t capacity) : capacity_(capacity) {}
  const std::string& taken() const { return taken_; }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof()) ||
        taken_.size() >= capacity_) {
      return traits_type::eof();
    }
    taken_ += traits_type::to_char_type(c);
    return c;
  }
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    const std::size_t room = capacity_ - taken_.size();
    const std::size_t kept = std::min(room, static_cast<std::size_t>(count));
    taken_.append(bytes, kept);
    return static_cast<std::streamsize>(kept);
  }

 private:
  std::size_t capacity_;
  std::string taken_;
};

TEST_F(WriteTablesTest, AWriteThatFailsAnywhereFailsTheScript) {
  const std::string complete = "Mantt\r\ng00k01\r\ng01k02\r\nmcs\r\nbye\r\n";
  const struct {
    const char* where;
    std::size_t capacity;
  } cases[] = {
      {"in the header", 3},
      {"in the second record", 18},
      {"after the last record", 23},
      {"in the last trailer line", 28},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.where);
    ReportLog run;
    run.console = &console;
    const TableSet tables = parsedTables("k[0]=01 02\n", run);
    FillingBuffer buffer(row.capacity);
    std::ostream out(&buffer);
    std::string error;
    EXPECT_FALSE(writeTableScript(out, tables, run, error));
    EXPECT_EQ(error, "Couldn't write file");
    EXPECT_EQ(run.errorCount, 1);
    EXPECT_EQ(buffer.taken(), complete.substr(0, row.capacity));
  }
  FillingBuffer roomy(complete.size());
  std::ostream out(&roomy);
  std::string error;
  EXPECT_TRUE(writeTableScript(out, parsedTables("k[0]=01 02\n", report),
                               report, error));
  EXPECT_EQ(roomy.taken(), complete);
}

TEST_F(WriteTablesTest, NoTablesGiveAnEmptyScript) {
  ASSERT_TRUE(write(""));
  EXPECT_EQ(readBytes(outFile), "Mantt\r\nmcs\r\nbye\r\n");
}

}  // namespace
