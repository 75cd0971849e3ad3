#pragma once
// Duplicate channels: two rows are duplicates when the numeric values of
// their Freq texts are equal and not 0 and, with the options, their Tone
// texts (NoCode) and their Comments texts (NoText) are equal as well. That
// is an equality of keys, so duplicates form groups; one hashing pass finds
// them all instead of testing every pair.

#include <string>
#include <vector>

struct DuplicateCandidate {
  std::string freq;
  std::string tone;
  std::string comment;
};

// The groups of two or more duplicates, each as positions in `rows` in
// ascending order, the groups in the order of their first position.
std::vector<std::vector<int>> FindDuplicateGroups(const std::vector<DuplicateCandidate>& rows,
                                                  bool NoCode, bool NoText);
