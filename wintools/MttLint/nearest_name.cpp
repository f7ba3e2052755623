#include "nearest_name.h"

#include <algorithm>
#include <cstddef>

int editDistanceUpTo(std::string_view a, std::string_view b, int limit) {
  const std::size_t n = a.size();
  const std::size_t m = b.size();
  const std::size_t gap = n > m ? n - m : m - n;
  if (gap > static_cast<std::size_t>(limit)) {
    return limit + 1;
  }
  const int over = limit + 1;
  // Only the cells within limit of the diagonal can stay within limit.
  std::vector<int> previous(m + 1);
  std::vector<int> current(m + 1);
  for (std::size_t j = 0; j <= m; ++j) {
    previous[j] = std::min(static_cast<int>(j), over);
  }
  for (std::size_t i = 1; i <= n; ++i) {
    const std::size_t from = i > static_cast<std::size_t>(limit)
                                 ? i - static_cast<std::size_t>(limit)
                                 : 1;
    const std::size_t to = std::min(m, i + static_cast<std::size_t>(limit));
    current.assign(m + 1, over);
    current[0] = std::min(static_cast<int>(i), over);
    int best = current[0];
    for (std::size_t j = from; j <= to; ++j) {
      const int substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      const int deletion = previous[j] + 1;
      const int insertion = current[j - 1] + 1;
      current[j] = std::min({substitution, deletion, insertion, over});
      best = std::min(best, current[j]);
    }
    if (best >= over) {
      return over;
    }
    std::swap(previous, current);
  }
  return previous[m];
}

std::string nearestName(NameList& list, std::string_view name) {
  const std::string key(name);
  const auto known = list.answers.find(key);
  if (known != list.answers.end()) {
    return known->second;
  }
  std::string nearest;
  int best = 3;
  for (const std::string& candidate : list.names) {
    const int distance = editDistanceUpTo(name, candidate, best - 1);
    if (distance > 0 && distance < best) {
      best = distance;
      nearest = candidate;
      if (best == 1) {
        break;
      }
    }
  }
  list.answers.emplace(key, nearest);
  return nearest;
}
