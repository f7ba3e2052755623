#include "table_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "table_parser.h"

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class WriteTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             (std::string("table_writer_test_") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder);
    outFile = (folder / "tables.mtt").string();
    report.console = &console;
  }
  void TearDown() override { fs::remove_all(folder); }

  bool write(const std::string& tablesText,
             const std::vector<std::string>& filesInUse = {}) {
    TableSet tables;
    resetTables(tables);
    std::istringstream in(tablesText);
    std::string parseError;
    EXPECT_TRUE(buildTables(in, tables, report, parseError)) << parseError;
    return writeTables(tables, report, outFile, filesInUse, errorText);
  }

  fs::path folder;
  std::string outFile;
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
  outFile = folder.string();
  EXPECT_FALSE(write("k[0]=01\n"));
  EXPECT_EQ(errorText, "Couldn't open file");
  EXPECT_EQ(report.errorCount, 1);
}

TEST_F(WriteTablesTest, RefusesAFileInUseAndLeavesItAlone) {
  const std::string input = (folder / "tables.txt").string();
  std::ofstream(input, std::ios::binary) << "k[0]=01\r\n";
  outFile = (folder / "." / "tables.txt").string();
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

TEST_F(WriteTablesTest, NoTablesGiveAnEmptyScript) {
  ASSERT_TRUE(write(""));
  EXPECT_EQ(readBytes(outFile), "Mantt\r\nmcs\r\nbye\r\n");
}

}  // namespace
