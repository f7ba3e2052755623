#include "nearest_name.h"

#include <gtest/gtest.h>

namespace {

TEST(EditDistanceUpTo, CountsEditsUpToTheLimit) {
  struct Case {
    const char* a;
    const char* b;
    int distance;
  };
  const Case cases[] = {
      {"idle_level", "idle_level", 0},
      {"idle_levl", "idle_level", 1},
      {"idel_level", "idle_level", 2},
      {"level", "idle_level", 3},
      {"", "ab", 2},
      {"abc", "", 3},
      {"steps[1]", "steps[2]", 1},
      {"xyz", "abc", 3},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(std::string(row.a) + " / " + row.b);
    EXPECT_EQ(editDistanceUpTo(row.a, row.b, 2), row.distance);
    EXPECT_EQ(editDistanceUpTo(row.b, row.a, 2), row.distance);
  }
}

TEST(NearestName, TakesTheFirstNearestWithinTwoEdits) {
  NameList list;
  list.names = {"fan_steps[0]", "fan_steps[1]", "idle_level", "mode"};
  EXPECT_EQ(nearestName(list, "fan_steps[3]"), "fan_steps[0]");
  EXPECT_EQ(nearestName(list, "fan_step[1]"), "fan_steps[1]");
  EXPECT_EQ(nearestName(list, "idle_lev"), "idle_level");
  EXPECT_EQ(nearestName(list, "speed"), "");
  // Of two names equally near the first wins; a nearer later one wins
  // over an earlier one.
  list.names = {"ab", "abcd"};
  EXPECT_EQ(nearestName(list, "abc"), "ab");
  list.answers.clear();
  list.names = {"abyy", "abcd"};
  EXPECT_EQ(nearestName(list, "abcx"), "abcd");
}

}  // namespace
