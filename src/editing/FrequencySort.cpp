#include "editing/FrequencySort.h"

#include <algorithm>
#include <numeric>

#include "image/Val.h"

namespace {

constexpr float kNoFrequencyKey = 9999.0f;

// The sort key of a Freq text in the given order.
float FrequencySortKey(const std::string& freqText, bool descending) {
  const float key = static_cast<float>(Val(freqText));
  if (!descending && key == 0.0f) return kNoFrequencyKey;
  return key;
}

}  // namespace

std::vector<int> FrequencySortOrder(const std::vector<std::string>& freqTexts, bool descending) {
  std::vector<float> keys;
  keys.reserve(freqTexts.size());
  for (const std::string& text : freqTexts) keys.push_back(FrequencySortKey(text, descending));
  std::vector<int> order(freqTexts.size());
  std::iota(order.begin(), order.end(), 0);
  if (descending)
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] > keys[b]; });
  else
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
  return order;
}
