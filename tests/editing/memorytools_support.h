#pragma once
// Random grids for the memory-tool tests.

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "editing/plain_support.h"
#include "mainwindow/Globals.h"
#include "mainwindow/frmProgress.h"
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

// While alive, every clock reading is a second later (so every operation is
// a long one) and every yield acts as a press of Cancel; `seen` notes at each
// yield whether the progress window is up and the grid closed to input.
struct CancelAtYield {
  int yields = 0;
  double now = 0;
  std::string seen;
  explicit CancelAtYield(const GridForm& f) {
    SetTimerSource([this] { return now += 1; });
    SetDoEventsHandler([this, &f] {
      ++yields, CancelRequested = 1;
      seen += frmProgress::IsLoaded() && frmProgress::Instance().isVisible() ? "shown " : "hidden ";
      seen += f.grid.isEnabled() ? "open;" : "closed;";
    });
  }
  ~CancelAtYield() { SetDoEventsHandler(nullptr), SetTimerSource(nullptr), CancelRequested = 0; }
};

}  // namespace memtools
