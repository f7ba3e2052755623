#include "structure_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

const char kConfig[] = "struct config_t {";
const char kConfigExt[] = "struct config_ext_t {";

std::vector<std::string> namesOf(const FieldTable& table) {
  std::vector<std::string> names;
  for (int i = 0; i < table.count; ++i) {
    names.push_back(table.records[static_cast<std::size_t>(i)].name);
  }
  return names;
}

const char kWorkedExample[] =
    "/* configuration pages */\n"
    "struct config_t {\n"
    "    uint8_t  idle_level;      // target idle\n"
    "    uint16_t cycle_time;\n"
    "    uint8_t  fan_steps[3];\n"
    "    uint8_t  spare ;\n"
    "};\n"
    "struct config_ext_t {\n"
    "    uint8_t boost_level;\n"
    "};\n";

TEST(ParseStructure, ListsBothStructuresOfTheWorkedExample) {
  for (const std::string& header :
       {std::string(kWorkedExample), test_support::withCrLf(kWorkedExample)}) {
    SCOPED_TRACE(header.find('\r') == std::string::npos ? "LF" : "CR LF");
    const std::string& in = header;
    FieldTable config;
    FieldTable configExt;
    std::string errorText;
    ASSERT_TRUE(parseStructure(in, kConfig, config, errorText));
    ASSERT_TRUE(parseStructure(in, kConfigExt, configExt, errorText));
    EXPECT_EQ(namesOf(config), (std::vector<std::string>{
                                   "idle_level", "fan_steps[0]", "fan_steps[1]",
                                   "fan_steps[2]", "spare "}));
    EXPECT_EQ(namesOf(configExt), std::vector<std::string>{"boost_level"});
    for (int i = 0; i < config.count; ++i) {
      EXPECT_EQ(config.records[static_cast<std::size_t>(i)].value, "FF");
      EXPECT_FALSE(config.records[static_cast<std::size_t>(i)].assigned);
    }
  }
}

TEST(ParseStructure, RecognisesOnlyTheExactOpeningAndClosingLines) {
  struct Case {
    const char* name;
    std::string header;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"no blank before the brace", "struct config_t{\nuint8_t a;\n};\n", {}},
      {"typedef before struct",
       "typedef struct config_t {\nuint8_t a;\n};\n",
       {}},
      {"brace on the next line", "struct config_t\n{\nuint8_t a;\n};\n", {}},
      {"blank and comment after the marker",
       "struct config_t { // pages\nuint8_t a;\n};\n",
       {}},
      {"comment right after the marker",
       "struct config_t {// pages\nuint8_t a;\n};\n",
       {"a"}},
      {"blanks after the marker",
       "struct config_t {   \nuint8_t a;\n};\n",
       {"a"}},
      {"indented marker", "\t  struct config_t {\nuint8_t a;\n};\n", {"a"}},
      {"closing lines that do not close",
       "struct config_t {\nuint8_t a;\n} ;\nuint8_t b;\n}; // end\n"
       "uint8_t c;\n} config;\nuint8_t d;\n};// end\nuint8_t e;\n",
       {"a", "b", "c", "d"}},
      {"closing line with trailing blanks",
       "struct config_t {\nuint8_t a;\n};   \nuint8_t b;\n",
       {"a"}},
      {"no closing line",
       "struct config_t {\nuint8_t a;\nuint8_t b;",
       {"a", "b"}},
      {"the marker's text in a comment before the marker",
       "// struct config_t {\nx struct config_t {\nstruct config_t {\n"
       "uint8_t a;\n};\n",
       {"a"}},
      {"a brace that closes nothing, and lines without a type word",
       "struct config_t {\nint x; // }\n{ }\n\nchar c;\nuint8_t a;\n"
       "uint8_t b; // }\n};",
       {"a", "b"}},
      {"declared twice",
       "struct config_t {\nuint8_t a;\n};\n"
       "struct config_t {\nuint8_t b;\n};\n",
       {"a"}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    const std::string in = row.header;
    FieldTable table;
    std::string errorText;
    EXPECT_TRUE(parseStructure(in, kConfig, table, errorText));
    EXPECT_EQ(namesOf(table), row.names);
  }
}

TEST(ParseStructure, CollectsUint8MembersAndExpandsArrays) {
  struct Case {
    const char* name;
    std::string member;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"pointer is cut at the asterisk", "uint8_t *ptr;", {}},
      {"line comment", "// uint8_t a;", {}},
      {"block comment opening", "/* uint8_t a; */", {}},
      {"inside a block comment without asterisks",
       "uint8_t inside;",
       {"inside"}},
      {"empty array", "uint8_t table_a[0];", {}},
      {"negative size", "uint8_t table_n[-3];", {}},
      {"symbolic size", "uint8_t table_b[SIZE];", {}},
      {"blanks in the brackets",
       "uint8_t table_c[ 4 ];",
       {"table_c[0]", "table_c[1]", "table_c[2]", "table_c[3]"}},
      {"two dimensions keep the first",
       "uint8_t grid[2][3];",
       {"grid[0]", "grid[1]"}},
      {"text after the number is ignored",
       "uint8_t other[4]5;",
       {"other[0]", "other[1]", "other[2]", "other[3]"}},
      {"bracket closed before it opens",
       "uint8_t odd]x[2;",
       {"odd]x[0]", "odd]x[1]"}},
      {"leading zeros are not copied",
       "uint8_t z[010];",
       {"z[0]", "z[1]", "z[2]", "z[3]", "z[4]", "z[5]", "z[6]", "z[7]", "z[8]",
        "z[9]"}},
      {"several names", "uint8_t first, second;", {"first, second"}},
      {"tab before the name", "uint8_t\tlevel;", {"\tlevel"}},
      {"other types", "uint16_t fluid;\nchar c;\nint8_t i;", {}},
      {"conditional branches",
       "#if defined(BIG)\nuint8_t big;\n#else\nuint8_t small;\n#endif",
       {"big", "small"}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    const std::string in = "struct config_t {\n" + row.member + "\n};\n";
    FieldTable table;
    std::string errorText;
    EXPECT_TRUE(parseStructure(in, kConfig, table, errorText));
    EXPECT_EQ(namesOf(table), row.names);
  }
}

TEST(ParseStructure, FailsOnAnArrayWithoutClosingBracket) {
  const std::string in =
      "struct config_t {\nuint8_t kept;\nuint8_t broken[4;\nuint8_t "
      "later;\n};\n";
  FieldTable table;
  std::string errorText;
  EXPECT_FALSE(parseStructure(in, kConfig, table, errorText));
  EXPECT_EQ(namesOf(table), std::vector<std::string>{"kept"});
  EXPECT_EQ(errorText, "Member without closing \"]\": broken[4");
}

TEST(ParseStructure, AnUnclosedBracketOutsideTheStructureDoesNotMatter) {
  const std::string in =
      "uint8_t broken[4;\nstruct config_t {\nuint8_t a;\n};\n"
      "uint8_t broken[4;\n";
  FieldTable table;
  std::string errorText;
  EXPECT_TRUE(parseStructure(in, kConfig, table, errorText));
  EXPECT_EQ(namesOf(table), std::vector<std::string>{"a"});
}

TEST(ParseStructure, KeepsTheFirst511Records) {
  struct Case {
    const char* name;
    std::string members;
    std::string lastName;
  };
  std::string sixHundred;
  for (int i = 0; i < 600; ++i) {
    sixHundred += "uint8_t m" + std::to_string(i) + ";\n";
  }
  const Case cases[] = {
      {"600 members", sixHundred, "m510"},
      {"an array of 1024", "uint8_t big[1024];\nuint8_t after;\n", "big[510]"},
      {"a huge array is no slower", "uint8_t huge[2147483647];\n", "huge[510]"},
      {"an overflowing size clamps", "uint8_t huge[99999999999999999999999];\n",
       "huge[510]"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    const std::string in = "struct config_t {\n" + row.members + "};\n";
    FieldTable table;
    std::string errorText;
    EXPECT_TRUE(parseStructure(in, kConfig, table, errorText));
    EXPECT_EQ(table.count, 511);
    EXPECT_EQ(table.records[510].name, row.lastName);
  }
}

TEST(ParseStructure, EachCallStartsAgainAtTheFirstLine) {
  const std::string in =
      "struct config_ext_t {\nuint8_t ext;\n};\n"
      "struct config_t {\nuint8_t base;\n};";
  FieldTable config;
  FieldTable configExt;
  std::string errorText;
  ASSERT_TRUE(parseStructure(in, kConfig, config, errorText));
  ASSERT_TRUE(parseStructure(in, kConfigExt, configExt, errorText));
  ASSERT_TRUE(parseStructure(in, kConfig, config, errorText));
  EXPECT_EQ(namesOf(config), std::vector<std::string>{"base"});
  EXPECT_EQ(namesOf(configExt), std::vector<std::string>{"ext"});
}

TEST(ParseStructure, AMissingStructureEmptiesTheTable) {
  const std::string in = "struct config_ext_t {\nuint8_t ext;\n};\n";
  FieldTable table;
  table.count = 7;
  std::string errorText;
  EXPECT_TRUE(parseStructure(in, kConfig, table, errorText));
  EXPECT_EQ(table.count, 0);
}

TEST(ReadMemberLine, SaysWhatALineAskedForAndWhatTheTableTook) {
  struct Case {
    const char* line;
    MemberLineKind kind;
    const char* name;
    long requested;
    long appended;
    // Records the table already holds before the line.
    int filled;
  };
  const Case cases[] = {
      {"};", MemberLineKind::closesStructure, "", 0, 0, 0},
      {"uint16_t wide;", MemberLineKind::declaresNothing, "", 0, 0, 0},
      {"uint8_t a;", MemberLineKind::declaresMember, "a", 1, 1, 0},
      {"uint8_t steps[4];", MemberLineKind::declaresMember, "steps[4]", 4, 4,
       0},
      {"uint8_t none[N];", MemberLineKind::declaresMember, "none[N]", 0, 0, 0},
      {"uint8_t back[-2];", MemberLineKind::declaresMember, "back[-2]", -2, 0,
       0},
      {"uint8_t open[4;", MemberLineKind::unclosedBracket, "open[4", 0, 0, 0},
      {"uint8_t late;", MemberLineKind::declaresMember, "late", 1, 0, 511},
      {"uint8_t tail[5];", MemberLineKind::declaresMember, "tail[5]", 5, 2,
       509},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.line);
    FieldTable table;
    for (int i = 0; i < row.filled; ++i) {
      ASSERT_TRUE(appendFieldRecord(table, "f" + std::to_string(i)));
    }
    const MemberLineEffect effect = readMemberLine(row.line, table);
    EXPECT_EQ(effect.kind, row.kind);
    EXPECT_EQ(effect.name, row.name);
    EXPECT_EQ(effect.requested, row.requested);
    EXPECT_EQ(effect.appended, row.appended);
    EXPECT_EQ(table.count, row.filled + static_cast<int>(row.appended));
  }
}

}  // namespace
