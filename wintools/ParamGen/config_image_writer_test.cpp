#include "config_image_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using test_support::readBytes;

void add(FieldTable& table, const std::string& name, const char* value) {
  appendFieldRecord(table, name);
  if (value != nullptr) {
    FieldRecord& record =
        table.records[static_cast<std::size_t>(table.count - 1)];
    record.value = value;
    record.assigned = true;
  }
}

class ConfigImageWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    report.console = &console;
  }

  bool write(const std::vector<std::string>& filesInUse = {}) {
    return writeConfigImage(config, configExt, report, outFile, filesInUse,
                            errorText);
  }

  test_support::TempFolder folder;
  std::string outFile = folder.file("config.mtt");
  std::ostringstream console;
  ReportLog report;
  std::string errorText;
  FieldTable config;
  FieldTable configExt;
};

TEST_F(ConfigImageWriterTest, WritesAssignedRecordsAndWarnsAboutTheOthers) {
  add(config, "idle_level", "1A");
  add(config, "fan_steps[0]", nullptr);
  add(config, "spare", "00");
  add(configExt, "boost_level", "05");
  ASSERT_TRUE(write());
  EXPECT_EQ(readBytes(outFile),
            "Mantt\r\ng00c1A\r\ng02c00\r\ng00C05\r\nmcs\r\nbye\r\n");
  EXPECT_EQ(console.str(),
            "WARNING: did not find a value for fan_steps[0] in config.txt\n");
  EXPECT_EQ(report.warningCount, 1);
  EXPECT_EQ(report.errorCount, 0);
}

TEST_F(ConfigImageWriterTest, WarnsInRecordOrderWithNamesVerbatim) {
  add(config, "spare ", nullptr);
  add(config, "a, b", nullptr);
  add(configExt, "ext", nullptr);
  ASSERT_TRUE(write());
  EXPECT_EQ(readBytes(outFile), "Mantt\r\nmcs\r\nbye\r\n");
  EXPECT_EQ(console.str(),
            "WARNING: did not find a value for spare  in config.txt\n"
            "WARNING: did not find a value for a, b in config.txt\n"
            "WARNING: did not find a value for ext in config.txt\n");
  EXPECT_EQ(report.warningCount, 3);
}

TEST_F(ConfigImageWriterTest, EmptyTablesGiveTheSeventeenByteScript) {
  test_support::writeBytes(outFile, "an older, longer image\r\n");
  ASSERT_TRUE(write());
  EXPECT_EQ(readBytes(outFile), "Mantt\r\nmcs\r\nbye\r\n");
  EXPECT_EQ(console.str(), "");
  EXPECT_EQ(report.warningCount, 0);
}

TEST_F(ConfigImageWriterTest, HighPositionsTakeThreeDigits) {
  for (int i = 0; i < kFieldTableCapacity; ++i) {
    add(config, "c" + std::to_string(i), i == 510 ? "7E" : nullptr);
    add(configExt, "e" + std::to_string(i), i == 256 ? "05" : nullptr);
  }
  ASSERT_TRUE(write());
  EXPECT_EQ(readBytes(outFile),
            "Mantt\r\ng1FEc7E\r\ng100C05\r\nmcs\r\nbye\r\n");
  EXPECT_EQ(report.warningCount, 2 * kFieldTableCapacity - 2);
}

TEST_F(ConfigImageWriterTest, AnOutputThatCannotBeOpenedTouchesNothing) {
  add(config, "missing", nullptr);
  const std::string input = folder.file("global.h");
  test_support::writeBytes(input, "keep\n");
  const struct {
    const char* name;
    std::string outFile;
  } cases[] = {
      {"folder does not exist",
       (folder.path() / "none" / "config.mtt").string()},
      {"a folder", folder.path().string()},
      {"an input under another name",
       (folder.path() / "." / "global.h").string()},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    outFile = row.outFile;
    EXPECT_FALSE(write({input}));
    EXPECT_EQ(errorText, "Couldn't open file: " + row.outFile);
    EXPECT_EQ(console.str(), "");
    EXPECT_EQ(report.warningCount, 0);
  }
  EXPECT_FALSE(fs::exists(folder.path() / "none"));
  EXPECT_EQ(readBytes(input), "keep\n");
}

TEST_F(ConfigImageWriterTest, AScriptThatCannotBeWrittenInFullFails) {
  if (!fs::exists("/dev/full")) {
    GTEST_SKIP() << "no /dev/full here";
  }
  add(config, "idle_level", "1A");
  outFile = "/dev/full";
  EXPECT_FALSE(write());
  EXPECT_EQ(errorText, "Couldn't write file: /dev/full");
}

}  // namespace
