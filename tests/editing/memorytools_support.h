#pragma once
// Grids for the memory-tool tests: random channel rows whose frequencies
// repeat, tie and hide in awkward texts, each row tagged with where it began.

#include <random>
#include <string>
#include <vector>

#include "mainwindow/Globals.h"
#include "mainwindow/grid_support.h"
#include "platform/Runtime.h"

namespace memtools {

// Frequency texts chosen so that keys tie ("146.52" and "146.520"), sit
// behind blanks, are empty or not numbers at all, or lie outside the band.
inline const std::vector<std::string> kFreqTexts = {
    "146.520", "146.52", "  146.520", "446.000", "145.500", "0.495",  "1599.995", "",
    "",        "abc",    "0",         "0.000",   "12000",   "162.55", "162.550",  "-5",
};
inline const std::vector<std::string> kTones = {"88.5", "100.0"};
inline const std::vector<std::string> kComments = {"", "Repeater", "repeater"};

// Fills rows 1 to 450 at random; the Step cell carries "r<row>" so every
// row stays recognisable wherever it ends up.
inline void FillRandom(GridForm& f, unsigned seed) {
  std::mt19937 rng(seed);
  auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
  };
  for (int r = 1; r < kGridRows; ++r) {
    f.grid.SetTextMatrix(r, ColFreq, pick(kFreqTexts));
    f.grid.SetTextMatrix(r, ColMode, pick({"FM", "AM", ""}));
    f.grid.SetTextMatrix(r, ColStep, "r" + std::to_string(r));
    f.grid.SetTextMatrix(r, ColTone, pick(kTones));
    f.grid.SetTextMatrix(r, ColComments, pick(kComments));
  }
}

inline std::vector<ChannelRow> Rows(const GridForm& f) {
  std::vector<ChannelRow> rows(kGridRows + 1);
  for (int r = 1; r < kGridRows; ++r) rows[r] = ReadChannelRow(f.grid, r);
  return rows;
}

inline std::vector<std::string> Labels(const GridForm& f) {
  std::vector<std::string> labels;
  for (int r = 0; r < kGridRows; ++r) labels.push_back(f.grid.TextMatrix(r, ColLabel));
  return labels;
}

// While alive, every yield of a long operation acts as a press of Cancel.
struct CancelAtFirstYield {
  int yields = 0;
  CancelAtFirstYield() {
    SetDoEventsHandler([this] {
      ++yields;
      CancelRequested = 1;
    });
  }
  ~CancelAtFirstYield() {
    SetDoEventsHandler(nullptr);
    CancelRequested = 0;
  }
};

}  // namespace memtools
