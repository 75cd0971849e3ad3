#pragma once
// Random grids for the memory-tool tests and the benchmark, and the sorts and
// the duplicate check done the plain way (adjacent exchanges pass after pass,
// every pair of rows tested) that the program's results must equal.

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "image/Val.h"
#include "mainwindow/Globals.h"
#include "mainwindow/grid_support.h"
#include "platform/Runtime.h"

namespace memtools {

// Rows 1 to 450 at random: keys that tie ("146.52", "146.520"), hide behind
// blanks, are empty, not numbers or above 9999; tone and comment differing
// in value or letter case only. Step carries "r<row>" to follow each row.
inline void FillRandom(GridForm& f, unsigned seed) {
  static const std::vector<std::string> freqs = {"146.520", "146.52", "  146.520", "446.000",
                                                 "",        "",       "abc",       "0.000",
                                                 "12000",   "-5",     "162.55",    "162.550"};
  static const std::vector<std::string> tones = {"88.5", "100.0"}, comments = {"", "Rpt", "RPT"};
  std::mt19937 rng(seed);
  auto pick = [&](const std::vector<std::string>& from) { return from[rng() % from.size()]; };
  for (int r = 1; r < kGridRows; ++r) {
    WriteChannelRow(f.grid, r,
                    {{"", pick(freqs), "FM", "", "r" + std::to_string(r), "", "", "", pick(tones),
                      pick(comments)}});
  }
}

inline std::vector<ChannelRow> Rows(const GridForm& f) {
  std::vector<ChannelRow> rows(kGridRows);
  for (int r = 1; r < kGridRows; ++r) rows[r] = ReadChannelRow(f.grid, r);
  return rows;
}

inline void BubbleSort(std::vector<ChannelRow>& rows, int first, int last, bool desc, int passes) {
  auto key = [&](int p) {
    const float k = static_cast<float>(Val(rows[p].Cell[ColFreq]));
    return (!desc && k == 0.0f) ? 9999.0f : k;
  };
  for (int i = 1; i <= passes; ++i)
    for (int j = first; j < last; ++j)
      if (desc ? key(j) < key(j + 1) : key(j) > key(j + 1)) std::swap(rows[j], rows[j + 1]);
}

inline bool Duplicates(const ChannelRow& a, const ChannelRow& b, bool noCode, bool noText) {
  const double fa = Val(a.Cell[ColFreq]);
  return fa == Val(b.Cell[ColFreq]) && fa != 0 && (!noCode || a.Cell[ColTone] == b.Cell[ColTone]) &&
         (!noText || a.Cell[ColComments] == b.Cell[ColComments]);
}

inline std::string PairwiseReport(const std::vector<ChannelRow>& rows, bool noCode, bool noText) {
  std::string report;
  for (int i = 1; i <= LastBankRow; ++i) {
    std::string list;
    for (int j = i + 1; j <= LastBankRow; ++j)
      if (Duplicates(rows[i], rows[j], noCode, noText)) list += RowLabel(j) + "\r\n";
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

// While alive, every yield of a long operation acts as a press of Cancel.
struct CancelAtYield {
  int yields = 0;
  CancelAtYield() {
    SetDoEventsHandler([this] { ++yields, CancelRequested = 1; });
  }
  ~CancelAtYield() { SetDoEventsHandler(nullptr), CancelRequested = 0; }
};

}  // namespace memtools
