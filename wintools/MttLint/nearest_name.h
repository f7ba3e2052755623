#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The declared names that an unknown name is compared with, and the answers
// already given, so that a name repeated over many lines costs one search.
struct NameList {
  std::vector<std::string> names;
  std::unordered_map<std::string, std::string> answers;
};

// The edit distance (insertions, deletions, substitutions of one byte) of
// the two texts when it is at most limit, or limit + 1.
int editDistanceUpTo(std::string_view a, std::string_view b, int limit);

// The first listed name nearest to name, at an edit distance of 1 or 2, or
// the empty text when none is that close.
std::string nearestName(NameList& list, std::string_view name);
