#include "editing/DuplicateFinder.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "image/Val.h"

namespace {

struct Key {
  double freq;
  const std::string* tone;     // nullptr when tones do not count
  const std::string* comment;  // nullptr when comments do not count
  bool operator==(const Key& o) const {
    auto same = [](const std::string* a, const std::string* b) { return !a || *a == *b; };
    return freq == o.freq && same(tone, o.tone) && same(comment, o.comment);
  }
};

struct KeyHash {
  std::size_t operator()(const Key& k) const {
    std::size_t h = std::hash<double>{}(k.freq);
    if (k.tone) h = h * 31 + std::hash<std::string>{}(*k.tone);
    if (k.comment) h = h * 31 + std::hash<std::string>{}(*k.comment);
    return h;
  }
};

}  // namespace

std::vector<std::vector<int>> FindDuplicateGroups(const std::vector<DuplicateCandidate>& rows,
                                                  bool NoCode, bool NoText) {
  std::unordered_map<Key, int, KeyHash> groupOf;
  std::vector<std::vector<int>> groups;
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const double freq = Val(rows[i].freq);
    if (freq == 0) continue;
    const Key key{freq, NoCode ? &rows[i].tone : nullptr, NoText ? &rows[i].comment : nullptr};
    auto [it, added] = groupOf.try_emplace(key, static_cast<int>(groups.size()));
    if (added) groups.emplace_back();
    groups[it->second].push_back(i);
  }
  std::erase_if(groups, [](const std::vector<int>& g) { return g.size() < 2; });
  return groups;
}
