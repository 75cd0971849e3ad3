#pragma once
// The sorts and the duplicate check done the plain way, adjacent exchanges
// pass after pass and every pair of rows tested, on rows 1 to 400 (or the
// given range) of a work table: the results the program must equal, and the
// times the benchmark compares with.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "image/Val.h"
#include "mainwindow/ChannelGrid.h"

namespace memtools {

// `step`, when given, runs before every comparison (the benchmark's yield).
using Step = std::function<void()>;

inline void BubbleSort(std::vector<ChannelRow>& rows, int first, int last, bool desc, int passes,
                       const Step& step = {}) {
  auto key = [&](int p) {
    const float k = static_cast<float>(Val(rows[p].Cell[ColFreq]));
    return (!desc && k == 0.0f) ? 9999.0f : k;
  };
  for (int i = 1; i <= passes; ++i)
    for (int j = first; j < last; ++j) {
      if (step) step();
      if (desc ? key(j) < key(j + 1) : key(j) > key(j + 1)) std::swap(rows[j], rows[j + 1]);
    }
}

inline bool Duplicates(const ChannelRow& a, const ChannelRow& b, bool noCode, bool noText) {
  const double fa = Val(a.Cell[ColFreq]);
  return fa == Val(b.Cell[ColFreq]) && fa != 0 && (!noCode || a.Cell[ColTone] == b.Cell[ColTone]) &&
         (!noText || a.Cell[ColComments] == b.Cell[ColComments]);
}

inline std::string PairwiseReport(const std::vector<ChannelRow>& rows, bool noCode, bool noText,
                                  const Step& step = {}) {
  std::string report;
  for (int i = 1; i <= LastBankRow; ++i) {
    std::string list;
    for (int j = i + 1; j <= LastBankRow; ++j) {
      if (step) step();
      if (Duplicates(rows[i], rows[j], noCode, noText)) list += RowLabel(j) + "\r\n";
    }
    if (!list.empty() && report.find(list) == std::string::npos)
      report += "Duplicates: \r\n" + RowLabel(i) + "\r\n" + list + "\r\n";
  }
  return report;
}

// Delete mode: j from 400 down, each duplicate deleted, the rows below it
// moving up. Returns the number deleted.
inline int PairwiseDelete(std::vector<ChannelRow>& rows, bool noCode, bool noText) {
  int count = 0;
  for (int i = 1; i <= LastBankRow; ++i)
    for (int j = LastBankRow; j > i; --j)
      if (Duplicates(rows[i], rows[j], noCode, noText)) {
        for (int r = j; r < LastBankRow; ++r) rows[r] = rows[r + 1];
        rows[LastBankRow] = ChannelRow{};
        ++count;
      }
  return count;
}

}  // namespace memtools
