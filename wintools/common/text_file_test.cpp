#include "text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "file_identity.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using test_support::readBytes;

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    test_support::writeBytes(input, "keep\r\n");
  }

  test_support::TempFolder folder;
  const std::string input = folder.file("input.txt");
};

TEST_F(TextFileTest, OpensAnExistingInput) {
  std::ifstream in;
  std::string errorText;
  EXPECT_TRUE(openInput(in, input, errorText));
  EXPECT_EQ(errorText, "");
}

TEST_F(TextFileTest, RefusesMissingEmptyAndDirectoryInputs) {
  const std::string names[] = {folder.file("missing.txt"), "",
                               folder.path().string()};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    std::ifstream in;
    std::string errorText;
    EXPECT_FALSE(openInput(in, name, errorText));
    EXPECT_EQ(errorText, "Couldn't open file: " + name);
    EXPECT_FALSE(in.is_open());
    EXPECT_TRUE(in.fail());
  }
}

TEST_F(TextFileTest, OutputIsCreatedOrEmptied) {
  std::ofstream out;
  std::string errorText;
  ASSERT_TRUE(openOutput(out, input, {}, errorText));
  EXPECT_TRUE(writeFileLine(out, "new"));
  EXPECT_TRUE(closeOutput(out));
  EXPECT_EQ(readBytes(input), "new\r\n");
}

TEST_F(TextFileTest, OutputRefusesAFileInUseAndLeavesItAlone) {
  const std::string sameFileOtherName =
      (folder.path() / "." / "input.txt").string();
  std::ofstream out;
  std::string errorText;
  EXPECT_FALSE(openOutput(out, sameFileOtherName, {"", input}, errorText));
  EXPECT_EQ(errorText, "Couldn't open file: " + sameFileOtherName);
  EXPECT_EQ(readBytes(input), "keep\r\n");
}

TEST_F(TextFileTest, OutputRefusesAnInputThatDoesNotExistYet) {
  const std::string absent = folder.file("absent.txt");
  const std::string sameName = (folder.path() / "." / "absent.txt").string();
  std::ofstream out;
  std::string errorText;
  EXPECT_FALSE(openOutput(out, absent, {input, sameName}, errorText));
  EXPECT_EQ(errorText, "Couldn't open file: " + absent);
  EXPECT_FALSE(fs::exists(absent));
}

TEST_F(TextFileTest, OutputRefusesADirectory) {
  std::ofstream out;
  std::string errorText;
  EXPECT_FALSE(openOutput(out, folder.path().string(), {}, errorText));
  EXPECT_EQ(errorText, "Couldn't open file: " + folder.path().string());
}

TEST_F(TextFileTest, SameFileNeedsAnExistingFile) {
  const std::string missing = folder.file("missing");
  EXPECT_TRUE(
      isSameExistingFile(input, (folder.path() / "input.txt").string()));
  EXPECT_FALSE(isSameExistingFile(missing, missing));
  EXPECT_FALSE(isSameExistingFile("", input));
}

TEST_F(TextFileTest, AFullDiskShowsAtTheWriteOrAtTheClose) {
  if (!fs::exists("/dev/full")) {
    GTEST_SKIP() << "no /dev/full here";
  }
  std::ofstream out;
  std::string errorText;
  ASSERT_TRUE(openOutput(out, "/dev/full", {}, errorText));
  EXPECT_FALSE(writeFileLine(out, "lost"));
  EXPECT_FALSE(closeOutput(out));
  EXPECT_FALSE(out.is_open());
}

}  // namespace
