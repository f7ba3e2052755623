#include "header_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lint_test_support.h"

namespace {

using lint_test::Expected;

const char kExtTail[] = "struct config_ext_t {\n  uint8_t e;\n};\n";

struct HeaderRun {
  lint_test::CapturedReport captured;
  HeaderCheck check;
  explicit HeaderRun(const std::string& header) {
    const InputFile input{"g.h", "paramgen", header};
    checkHeaderFile(input, check, captured.report);
  }
  std::string printed() const { return captured.out.str(); }
};

TEST(CheckHeaderFile, ReportsMembersThatPassOtherwiseThanACompilerSeesThem) {
  struct Case {
    const char* name;
    // A line inside config_t.
    std::string member;
    std::vector<Expected> findings;
  };
  const Case cases[] = {
      {"a plain member", "  uint8_t level;   // note", {}},
      {"qualifiers and an array", "  const uint8_t steps[ 4 ];", {}},
      {"another type",
       "  uint16_t cycle_time;",
       {{"2:3: warning",
         "member \"cycle_time\" of type \"uint16_t\" takes no "
         "byte in paramgen's image of config_t; the image "
         "indexes after it are not the structure's byte "
         "offsets"}}},
      {"an array of another type",
       "  int8_t offsets[2];",
       {{"2:3: warning", "\"offsets\" of type \"int8_t\""}}},
      {"two words of a type",
       "  unsigned \t char letter;",
       {{"2:3: warning", "of type \"unsigned char\""}}},
      {"a nested structure",
       "  struct inner_t inner;",
       {{"2:3: warning", "of type \"struct inner_t\""}}},
      {"a pointer, which the comment mark hides",
       "  uint8_t *buffer;",
       {{"2:3: warning", "\"buffer\" of type \"uint8_t *\" takes no byte"}}},
      {"an array size that is no number",
       "  uint8_t ramp[N_RAMP];",
       {{"2:16: warning",
         "array size \"N_RAMP\" is not a number; paramgen "
         "reads it as 0 and makes no record"}}},
      {"an array size that begins with a number",
       "  uint8_t ramp[2+1];",
       {{"2:16: warning",
         "reads it as 2 and makes 2 records, \"ramp[0]\" to "
         "\"ramp[1]\""}}},
      {"several names",
       "  uint8_t g, h;",
       {{"2:12: warning",
         "several names in one declaration; paramgen reads "
         "them as one name and makes one record named \"g, "
         "h\""}}},
      {"a second member on the line",
       "  uint8_t i; uint8_t j;",
       {{"2:14: warning",
         "second member on the line, \"uint8_t j;\"; paramgen "
         "reads only the first member of a line, so \"j\" "
         "gets no record"}}},
      {"a member of another type before a uint8_t one",
       "  uint16_t w; uint8_t b;",
       {{"2:3: warning", "\"w\" of type \"uint16_t\""}}},
      {"a bit-field",
       "  uint8_t flag:1;",
       {{"2:15: warning",
         "bit-field; paramgen reads the width as part of the "
         "name and makes one record named \"flag:1\""}}},
      {"a blank before the semicolon",
       "  uint8_t spare ;",
       {{"2:16: warning", "the member name \"spare \" holds a blank"}}},
      {"a tab after the type word",
       "  uint8_t\tlevel;",
       {{"2:10: warning", "the member name \"\\tlevel\" holds a tab"}}},
      {"a blank before the brackets of an array",
       "  uint8_t fan [2];",
       {{"2:14: warning",
         "\"fan \" holds a blank; paramgen keeps it in the "
         "name, so only a configuration line that writes the "
         "name the same way sets its elements"}}},
      {"a two-dimensional array",
       "  uint8_t grid[2][3];",
       {{"2:18: warning",
         "two-dimensional array; paramgen reads the first "
         "size only and makes 2 records, \"grid[0]\" to "
         "\"grid[1]\", not 6"}}},
      {"a bracket without its end, paramgen's error",
       "  uint8_t open[4;",
       {{"2:15: error",
         "\"[\" without \"]\" in the member \"open[4\"; "
         "paramgen stops reading the header and writes no "
         "image (paramgen: \"Error processing global.h for "
         "config\")"}}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    const HeaderRun run("struct config_t {\n" + row.member + "\n};\n" +
                        kExtTail);
    lint_test::expectFindings(run.printed(), "g.h", row.findings);
  }
}

TEST(CheckHeaderFile, ReportsLinesMeantToOpenOrCloseAStructure) {
  struct Case {
    const char* name;
    std::string header;
    std::vector<Expected> findings;
  };
  const Case cases[] = {
      {"the exact lines, a comment mark right after them",
       "struct config_t {// page 1\n  uint8_t a;\n};   \n" +
           std::string(kExtTail),
       {}},
      {"typedef before the marker",
       "typedef struct config_t {\n  uint8_t a;\n} config_t;\n" +
           std::string(kExtTail),
       {{"1:1: warning",
         "\"typedef struct config_t {\" is not exactly "
         "\"struct config_t {\"; paramgen does not see "
         "config_t start here"},
        {": note",
         "no line \"struct config_t {\"; paramgen finds no "
         "structure config_t and writes no record of page c"}}},
      {"no blank before the brace",
       "  struct config_t{\n};\n" + std::string(kExtTail),
       {{"1:3: warning", "\"struct config_t{\" is not exactly"},
        {": note", "no line \"struct config_t {\""}}},
      {"a blank before a comment",
       "struct config_t { // page 1\n};\n" + std::string(kExtTail),
       {{"1:1: warning",
         "(the blank before the comment stays part of the "
         "line)"},
        {": note", "config_t"}}},
      {"the brace on the next line",
       std::string(kExtTail) + "struct config_t\n{\n};\n",
       {{"4:1: warning",
         "\"struct config_t\" with \"{\" on the next line is "
         "not the line \"struct config_t {\""},
        {": note", "config_t"}}},
      {"a typedef named at its closing line",
       std::string(kExtTail) +
           "typedef struct {\n  union { uint8_t a; } u;\n} config_t;\n",
       {{"4:1: warning",
         "\"typedef struct {\" starts a structure that \"} "
         "config_t;\" (line 6) names config_t"},
        {": note", "config_t"}}},
      {"closing lines that do not close",
       "struct config_t {\n} config;\n  uint8_t a;\n} ;\n}; // end\n};\n" +
           std::string(kExtTail),
       {{"2:1: warning",
         "\"} config;\" is not exactly \"};\"; paramgen does "
         "not end config_t here and reads on to the next line "
         "\"};\""},
        {"4:1: warning", "\"} ;\" is not exactly"},
        {"5:1: warning",
         "\"}; \" is not exactly \"};\"; paramgen does not end "
         "config_t here and reads on to the next line \"};\" "
         "(the blank before the comment stays part of the "
         "line)"}}},
      {"a nested block that ends with the line paramgen ends at",
       "struct config_t {\n  union {\n    uint8_t a;\n  };\n  uint8_t b;\n"
       "};\n" +
           std::string(kExtTail),
       {{"4:3: warning",
         "this \"};\" ends a nested block, but paramgen ends "
         "config_t here; the members after it get no "
         "record"}}},
      {"a nested block closed with its name is no closing line",
       "struct config_t {\n  struct {\n    uint8_t a;\n  } inner;\n};\n" +
           std::string(kExtTail),
       {}},
      {"a structure that runs to the end of the file",
       std::string(kExtTail) + "\nstruct config_t {\n  uint8_t a;\n",
       {{"5:1: warning",
         "config_t has no line \"};\" after it; paramgen takes "
         "the uint8_t members up to the end of the file"}}},
      {"a structure that is absent is a note",
       "struct config_t {\n};\n",
       {{": note",
         "no line \"struct config_ext_t {\"; paramgen finds no "
         "structure config_ext_t and writes no record of page C"}}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    const HeaderRun run(row.header);
    lint_test::expectFindings(run.printed(), "g.h", row.findings);
  }
}

TEST(CheckHeaderFile, CollectsTheRecordsWithTheirPlaces) {
  const HeaderRun run(
      "struct config_ext_t {\n"
      "  uint8_t e;\n"
      "};\n"
      "struct config_t {\n"
      "  uint8_t a;\n"
      "  uint16_t skipped;\n"
      "  uint8_t open[2;\n"
      "\tuint8_t steps[2];\n"
      "};\n");
  const FieldTable& config = run.check.tables[0];
  ASSERT_EQ(config.count, 3);
  EXPECT_EQ(config.records[2].name, "steps[1]");
  const std::vector<RecordOrigin>& origins = run.check.origins[0];
  ASSERT_EQ(origins.size(), 3u);
  EXPECT_EQ(origins[0].line, 5);
  EXPECT_EQ(origins[0].column, 11);
  EXPECT_EQ(origins[2].line, 8);
  EXPECT_EQ(origins[2].column, 10);
  EXPECT_EQ(run.check.origins[1][0].line, 2);
  EXPECT_TRUE(run.check.found[0] && run.check.found[1]);
}

TEST(CheckHeaderFile, ReportsThe512thByteOnce) {
  std::string header = "struct config_t {\n  uint8_t first[510];\n";
  header += "  uint8_t last;\n  uint8_t big[4];\n  uint8_t more;\n};\n";
  const HeaderRun run(header + kExtTail);
  lint_test::expectFindings(
      run.printed(), "g.h",
      {{"4:11: warning",
        "more than 511 bytes in config_t; paramgen drops the "
        "bytes from \"big[0]\" on"}});
  EXPECT_EQ(run.check.tables[0].count, 511);
}

}  // namespace
