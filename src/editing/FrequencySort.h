#pragma once
// The order of the frequency sorts: rows ordered by the numeric value of
// their Freq text, held in single precision as the sorts have always held it.
// Ascending counts a value of 0 (an empty or non-numeric text) as 9999, so
// rows without a frequency end up after all the others; descending takes
// the value as it is, which puts them last as well. Rows with equal keys keep
// their order. This is the order an adjacent-exchange sort on strict
// inequality reaches, found with a stable sort instead of 80000 exchanges.

#include <string>
#include <vector>

// The positions 0 to n-1 of `freqTexts` in sorted order: element k is the
// position of the row that goes to place k.
std::vector<int> FrequencySortOrder(const std::vector<std::string>& freqTexts, bool descending);
