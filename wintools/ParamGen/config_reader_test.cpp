#include "config_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "test_support.h"

namespace {

void fill(FieldTable& table, std::initializer_list<const char*> names) {
  table.count = 0;
  for (const char* name : names) {
    appendFieldRecord(table, name);
  }
}

class ConfigReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    report.console = &console;
    std::string errorText;
    ASSERT_TRUE(openLog(report, logName, {}, errorText));
    fill(config, {"idle_level", "fan_steps[0]", "fan_steps[1]", "fan_steps[2]",
                  "spare "});
    fill(configExt, {"boost_level"});
  }
  void TearDown() override { closeLog(report); }

  void apply(const std::string& text, const std::string& fileName) {
    LineReader reader;
    startLineReader(reader, text);
    EXPECT_TRUE(readConfigFile(reader, fileName, report, config, configExt));
  }

  std::string logText() {
    closeLog(report);
    return test_support::readBytes(logName);
  }

  test_support::TempFolder folder;
  const std::string logName = folder.file("paramgen.log");
  std::ostringstream console;
  ReportLog report;
  FieldTable config;
  FieldTable configExt;
};

TEST_F(ConfigReaderTest, AppliesTheWorkedExampleInOrder) {
  apply(
      "# base values\n"
      "idle_level=1a\n"
      "fan_steps[0]=7\n"
      "fan_steps[1]=123456\n"
      "fan_steps[2]=G1\n"
      "spare =5\n"
      "boost_level=40 // boost\n"
      "stray_item=10\n",
      "config.txt");
  apply("idle_level=1C\n", "myconfig.txt");

  EXPECT_EQ(console.str(),
            "ERROR fan_steps[1] has value: 123456\n"
            "ERROR fan_steps[2] has value: G1\n"
            "WARNING: stray_item in config.txt not found in global.h\n"
            "WARNING: idle_level has been already assigned the value 1A\n"
            "Overwriting idle_level with value 1C from config file "
            "myconfig.txt\n");
  // The repeated-assignment lines are for the console only.
  EXPECT_EQ(logText(),
            "ERROR fan_steps[1] has value: 123456\r\n"
            "ERROR fan_steps[2] has value: G1\r\n"
            "WARNING: stray_item in config.txt not found in global.h\r\n");
  EXPECT_EQ(report.errorCount, 2);
  EXPECT_EQ(report.warningCount, 2);

  const char* const values[] = {"1C", "07", "FF", "FF", "05"};
  for (int i = 0; i < config.count; ++i) {
    SCOPED_TRACE(config.records[static_cast<std::size_t>(i)].name);
    EXPECT_EQ(config.records[static_cast<std::size_t>(i)].value, values[i]);
    EXPECT_TRUE(config.records[static_cast<std::size_t>(i)].assigned);
  }
  EXPECT_EQ(configExt.records[0].value, "40");
  EXPECT_TRUE(configExt.records[0].assigned);
}

TEST_F(ConfigReaderTest, ReadsCrLfAndAFinalLineWithoutLineEnd) {
  apply("idle_level=1a\r\n\r\n  // note\r\nno assignment here\r\nspare =5",
        "config.txt");
  EXPECT_EQ(console.str(), "");
  EXPECT_EQ(config.records[0].value, "1A");
  EXPECT_EQ(config.records[4].value, "05");
  EXPECT_FALSE(config.records[1].assigned);
  EXPECT_EQ(report.warningCount, 0);
}

TEST_F(ConfigReaderTest, NamesMatchExactlyOrWarn) {
  apply(
      "IDLE_LEVEL=01\n"
      "fan_steps[ 0]=01\n"
      "spare=01\n"
      "=01\n",
      "a.txt");
  EXPECT_EQ(console.str(),
            "WARNING: IDLE_LEVEL in a.txt not found in global.h\n"
            "WARNING: fan_steps[ 0] in a.txt not found in global.h\n"
            "WARNING: spare in a.txt not found in global.h\n"
            "WARNING:  in a.txt not found in global.h\n");
  EXPECT_EQ(report.warningCount, 4);
  for (int i = 0; i < config.count; ++i) {
    EXPECT_FALSE(config.records[static_cast<std::size_t>(i)].assigned);
  }
}

TEST_F(ConfigReaderTest, ABadValueUnderAnUnknownNameGivesBothLines) {
  apply("stray=XYZW\n", "a.txt");
  EXPECT_EQ(console.str(),
            "ERROR stray has value: XYZW\n"
            "WARNING: stray in a.txt not found in global.h\n");
  EXPECT_EQ(report.errorCount, 1);
  EXPECT_EQ(report.warningCount, 1);
}

TEST_F(ConfigReaderTest, ANameInBothStructuresReachesConfigT) {
  fill(configExt, {"boost_level", "idle_level"});
  apply("idle_level=12\n", "a.txt");
  EXPECT_EQ(config.records[0].value, "12");
  EXPECT_TRUE(config.records[0].assigned);
  EXPECT_FALSE(configExt.records[1].assigned);
  EXPECT_EQ(configExt.records[1].value, "FF");
}

TEST_F(ConfigReaderTest, ADuplicateNameReachesItsFirstRecord) {
  fill(config, {"twice", "twice"});
  apply("twice=12\n", "a.txt");
  EXPECT_TRUE(config.records[0].assigned);
  EXPECT_FALSE(config.records[1].assigned);
}

TEST_F(ConfigReaderTest, RepeatsInOneFileWarnWithTheOldAndNewValue) {
  apply("boost_level=1\nboost_level=zz\nboost_level=ab\n", "a.txt");
  EXPECT_EQ(console.str(),
            "ERROR boost_level has value: ZZ\n"
            "WARNING: boost_level has been already assigned the value 01\n"
            "Overwriting boost_level with value FF from config file a.txt\n"
            "WARNING: boost_level has been already assigned the value FF\n"
            "Overwriting boost_level with value AB from config file a.txt\n");
  EXPECT_EQ(report.errorCount, 1);
  EXPECT_EQ(report.warningCount, 2);
  EXPECT_EQ(configExt.records[0].value, "AB");
}

TEST_F(ConfigReaderTest, ApplyConfigLineSaysWhatTheLineDidAndToWhichRecord) {
  const RecordIndex index = indexRecords(config, configExt);
  struct Case {
    const char* line;
    ConfigLineResult result;
    // The record set, by its name; empty for none.
    const char* record;
    const char* console;
  };
  const Case cases[] = {
      {"no equals sign", ConfigLineResult::noAssignment, "", ""},
      {"boost_level=4", ConfigLineResult::assigned, "boost_level", ""},
      {"stray=1", ConfigLineResult::unknownName, "",
       "WARNING: stray in a.txt not found in global.h\n"},
      {"boost_level=G", ConfigLineResult::reassigned, "boost_level",
       "ERROR boost_level has value: 0G\n"
       "WARNING: boost_level has been already assigned the value 04\n"
       "Overwriting boost_level with value FF from config file a.txt\n"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.line);
    console.str("");
    FieldRecord* record = &config.records[0];
    EXPECT_EQ(applyConfigLine(row.line, "a.txt", index, report, record),
              row.result);
    EXPECT_EQ(record == nullptr ? "" : record->name, row.record);
    EXPECT_EQ(console.str(), row.console);
  }
  EXPECT_EQ(configExt.records[0].value, "FF");
}

}  // namespace
