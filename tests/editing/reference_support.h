#pragma once
// The sorts and the duplicate check the plain way: adjacent exchanges pass
// after pass, and every pair of rows tested. The program finds the same
// results faster; tests and the benchmark compare against these.

#include <string>
#include <utility>
#include <vector>

#include "image/Val.h"
#include "mainwindow/ChannelGrid.h"

namespace reference {

// rows[first..last] sorted by adjacent exchanges on strict inequality of the
// single-precision key (ascending: 0 counts as 9999), `passes` passes.
inline void BubbleSort(std::vector<ChannelRow>& rows, int first, int last, bool descending,
                       int passes) {
  auto key = [&](int p) {
    const float k = static_cast<float>(Val(rows[p].Cell[ColFreq]));
    return (!descending && k == 0.0f) ? 9999.0f : k;
  };
  for (int i = 1; i <= passes; ++i)
    for (int j = first; j < last; ++j) {
      const bool swap = descending ? key(j) < key(j + 1) : key(j) > key(j + 1);
      if (swap) std::swap(rows[j], rows[j + 1]);
    }
}

inline bool Duplicates(const ChannelRow& a, const ChannelRow& b, bool noCode, bool noText) {
  const double fa = Val(a.Cell[ColFreq]);
  const double fb = Val(b.Cell[ColFreq]);
  if (fa != fb || fa == 0) return false;
  if (noCode && a.Cell[ColTone] != b.Cell[ColTone]) return false;
  if (noText && a.Cell[ColComments] != b.Cell[ColComments]) return false;
  return true;
}

// The report of rows[1..400], every pair tested; labels from RowLabel.
inline std::string DuplicateReport(const std::vector<ChannelRow>& rows, bool noCode, bool noText) {
  std::string report;
  for (int i = 1; i <= 400; ++i) {
    std::string list;
    for (int j = i + 1; j <= 400; ++j)
      if (Duplicates(rows[i], rows[j], noCode, noText)) list += RowLabel(j) + "\r\n";
    if (!list.empty() && report.find(list) == std::string::npos)
      report += "Duplicates: \r\n" + RowLabel(i) + "\r\n" + list + "\r\n";
  }
  return report;
}

// Delete mode on rows[1..400]: j from 400 down, each duplicate deleted with
// the rows below moving up. Returns the number deleted.
inline int DeleteDuplicates(std::vector<ChannelRow>& rows, bool noCode, bool noText) {
  int count = 0;
  for (int i = 1; i <= 400; ++i)
    for (int j = 400; j > i; --j)
      if (Duplicates(rows[i], rows[j], noCode, noText)) {
        for (int r = j; r < 400; ++r) rows[r] = rows[r + 1];
        rows[400] = ChannelRow{};
        ++count;
      }
  return count;
}

}  // namespace reference
