#include "text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             (std::string("text_file_test_") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder);
    input = (folder / "input.txt").string();
    std::ofstream(input, std::ios::binary) << "keep\r\n";
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
  std::string input;
};

TEST_F(TextFileTest, OpensAnExistingInput) {
  std::ifstream in;
  std::string errorText;
  EXPECT_TRUE(openInput(in, input, errorText));
  EXPECT_EQ(errorText, "");
}

TEST_F(TextFileTest, RefusesMissingEmptyAndDirectoryInputs) {
  const std::string names[] = {(folder / "missing.txt").string(), "",
                               folder.string()};
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
  out.close();
  EXPECT_EQ(readBytes(input), "new\r\n");
}

TEST_F(TextFileTest, OutputRefusesAFileInUseAndLeavesItAlone) {
  const std::string sameFileOtherName = (folder / "." / "input.txt").string();
  std::ofstream out;
  std::string errorText;
  EXPECT_FALSE(openOutput(out, sameFileOtherName, {"", input}, errorText));
  EXPECT_EQ(errorText, "Couldn't open file: " + sameFileOtherName);
  EXPECT_EQ(readBytes(input), "keep\r\n");
}

TEST_F(TextFileTest, OutputRefusesAnInputThatDoesNotExistYet) {
  const std::string absent = (folder / "absent.txt").string();
  const std::string sameName = (folder / "." / "absent.txt").string();
  std::ofstream out;
  std::string errorText;
  EXPECT_FALSE(openOutput(out, absent, {input, sameName}, errorText));
  EXPECT_EQ(errorText, "Couldn't open file: " + absent);
  EXPECT_FALSE(fs::exists(absent));
}

TEST_F(TextFileTest, OutputRefusesADirectory) {
  std::ofstream out;
  std::string errorText;
  EXPECT_FALSE(openOutput(out, folder.string(), {}, errorText));
  EXPECT_EQ(errorText, "Couldn't open file: " + folder.string());
}

TEST_F(TextFileTest, SameFileNeedsAnExistingFile) {
  const std::string missing = (folder / "missing").string();
  EXPECT_TRUE(isSameExistingFile(input, (folder / "input.txt").string()));
  EXPECT_FALSE(isSameExistingFile(missing, missing));
  EXPECT_FALSE(isSameExistingFile("", input));
}

}  // namespace
