#include "quoted_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Quoted, ShowsInvisibleBytesAsCEscapes) {
  struct Case {
    std::string text;
    std::string quoted;
  };
  const Case cases[] = {
      {"7 ", "\"7 \""},
      {"a\tb", "\"a\\tb\""},
      {"\r\n", "\"\\r\\n\""},
      {std::string("\0", 1), "\"\\x00\""},
      {"say \"hi\" \\ there", "\"say \\\"hi\\\" \\\\ there\""},
      {"\x1F\x7F\x80\xEF\xFF", "\"\\x1F\\x7F\\x80\\xEF\\xFF\""},
      {" ~", "\" ~\""},
      {"", "\"\""},
  };
  for (const Case& row : cases) {
    EXPECT_EQ(quote(row.text), row.quoted);
  }
}

TEST(GeneratorMessage, QuotesTheMessageAfterTheToolsName) {
  EXPECT_EQ(generatorMessage("mapgen", "Line: k[0]\t01 Missing '='"),
            " (mapgen: \"Line: k[0]\\t01 Missing '='\")");
}

}  // namespace
