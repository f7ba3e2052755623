#include "config_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lint_test_support.h"

namespace {

using lint_test::Expected;

const char kHeader[] =
    "struct config_t {\n"
    "  uint8_t idle_level;\n"
    "  uint8_t fan_steps[3];\n"
    "  uint8_t spare ;\n"
    "};\n"
    "struct config_ext_t {\n"
    "  uint8_t boost_level;\n"
    "};\n";

// Each case's files checked in order against a header read afresh.
class ConfigCheckTest : public ::testing::Test {
 protected:
  // Checks the files in order, against the header or names alone.
  std::string check(const std::vector<InputFile>& files, bool withHeader) {
    lint_test::CapturedReport captured;
    checkHeaderFile(InputFile{"g.h", "paramgen", kHeader}, header,
                    captured.report);
    captured.out.str("");
    startConfigCheck(configs, withHeader ? &header : nullptr);
    for (const InputFile& file : files) {
      checkConfigFile(file, configs, captured.report);
    }
    return captured.out.str();
  }

  HeaderCheck header;
  ConfigCheck configs;
};

InputFile config(const std::string& bytes) {
  return InputFile{"c.txt", "paramgen", bytes};
}

TEST_F(ConfigCheckTest, ReportsEachLineAtItsPlace) {
  struct Case {
    const char* name;
    std::string lines;
    std::vector<Expected> findings;
  };
  const Case cases[] = {
      {"values as paramgen wants them, a comment after two digits",
       "idle_level=1a\nfan_steps[0]=7// low\nboost_level=40 // boost\n",
       {}},
      {"a line without an equals sign",
       "  idle_level 1a\n",
       {{"1:3: warning", "no \"=\" in the line; paramgen skips it"}}},
      {"paramgen's value errors, at the value",
       "idle_level=123\nfan_steps[0]=0x12\nfan_steps[1]=\nfan_steps[2]=7 "
       "// x\n",
       {{"1:12: error",
         "value \"123\" is not one or two hexadecimal digits; "
         "paramgen writes FF for \"idle_level\" (paramgen: "
         "\"ERROR idle_level has value: 123\")"},
        {"2:14: error", "\"0x12\""},
        {"3:14: error",
         "no value after \"=\"; paramgen writes FF for "
         "\"fan_steps[1]\""},
        {"4:14: error", "(paramgen: \"ERROR fan_steps[2] has value: 7 \")"}}},
      {"a value that paramgen cuts without a word",
       "idle_level=12 34\nboost_level=ab\tcd\n",
       {{"1:12: warning",
         "value \"12 34\" is not one or two hexadecimal "
         "digits; paramgen writes \"12\""},
        {"2:13: warning", "paramgen writes \"AB\""}}},
      {"blanks around the equals sign",
       "idle_level =12\nboost_level= 12\n",
       {{"1:11: warning",
         "blank before \"=\"; paramgen keeps it in the name "
         "and looks for a member named \"idle_level \""},
        {"1:1: warning",
         "no member of config_t or config_ext_t is named "
         "\"idle_level \"; paramgen skips the line; did you "
         "mean \"idle_level\"? (paramgen: \"WARNING: "
         "idle_level  in c.txt not found in global.h\")"},
        {"2:13: warning",
         "blank after \"=\"; paramgen keeps it in the value "
         "\" 12\""},
        {"2:13: error", "value \" 12\""}}},
      {"a blank before the equals sign that the header declares too",
       "spare =3\n",
       {{"1:6: warning", "blank before \"=\""}}},
      {"a blank inside a name",
       "fan steps[0]=1\n",
       {{"1:4: warning", "the name \"fan steps[0]\" holds a blank"},
        {"1:1: warning", "did you mean \"fan_steps[0]\"?"}}},
      {"an unknown name with no declared name near",
       "stray_item=10\n",
       {{"1:1: warning",
         "is named \"stray_item\"; paramgen skips the line "
         "(paramgen:"}}},
      {"an unknown name with a bad value gives both, value first",
       "idel_level=G\n",
       {{"1:12: error",
         "; paramgen counts an error (paramgen: \"ERROR "
         "idel_level has value: 0G\")"},
        {"1:1: warning", "did you mean \"idle_level\"?"}}},
      {"a repeat names the earlier place",
       "idle_level=1a\n\nidle_level=1b\n",
       {{"3:1: warning",
         "\"idle_level\" is set again; paramgen replaces 1A, "
         "set at c.txt:1, with 1B (paramgen: \"WARNING: "
         "idle_level has been already assigned the value "
         "1A\")"}}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    lint_test::expectFindings(check({config(row.lines)}, true), "c.txt",
                              row.findings);
  }
}

TEST_F(ConfigCheckTest, FollowsTheValuesAcrossFilesAndFindsTheUnsetOnes) {
  const std::string printed =
      check({InputFile{"a.txt", "paramgen", "idle_level=1a\nfan_steps[1]=2\n"},
             InputFile{"b.txt", "paramgen", "\nidle_level=1C\n"}},
            true);
  lint_test::expectFindings(
      printed, "b.txt",
      {{"2:1: warning", "replaces 1A, set at a.txt:1, with 1C"}});
  EXPECT_EQ(sourceText(configs, configs.sources[0][0]), "b.txt:2");
  EXPECT_EQ(sourceText(configs, configs.sources[0][2]), "a.txt:2");
  EXPECT_EQ(sourceText(configs, configs.sources[1][0]), "no value");

  lint_test::CapturedReport captured;
  reportMissingValues("g.h", configs, captured.report);
  lint_test::expectFindings(
      captured.out.str(), "g.h",
      {{"3:11: warning",
        "no configuration file sets \"fan_steps[0]\"; "
        "paramgen writes no byte for it (paramgen: "
        "\"WARNING: did not find a value for fan_steps[0] in "
        "config.txt\")"},
       {"3:11: warning", "\"fan_steps[2]\""},
       {"4:11: warning", "\"spare \""},
       {"7:11: warning", "\"boost_level\""}});
}

TEST_F(ConfigCheckTest, WithoutAHeaderChecksTheSyntaxAndRepeatsByName) {
  lint_test::expectFindings(
      check({config("anything=1\nvalue=123\nno equals\nanything=02\n")}, false),
      "c.txt",
      {{"2:7: error", "paramgen writes FF for \"value\""},
       {"3:1: warning", "no \"=\" in the line"},
       {"4:1: warning",
        "\"anything\" is set again; paramgen replaces 01, set "
        "at c.txt:1, with 02"}});
}

}  // namespace
