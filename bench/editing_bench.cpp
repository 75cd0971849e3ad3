// Timings of the long grid commands on a full grid in the shown main window,
// as medians, each beside the plain quadratic algorithm run in this process:
// adjacent exchanges pass after pass for the sorts, every pair of rows for the
// duplicate check. "as written" adds what that algorithm does at every step
// (let window events run, set the progress bar); "bare" is the loop alone.
//
//   build/bench/editing_bench [runs]
//
// Runs on whatever display Qt finds (QT_QPA_PLATFORM=offscreen for none).

#include <QApplication>
#include <QProgressBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "BenchHarness.h"
#include "editing/plain_support.h"
#include "mainwindow/Form1.h"
#include "mainwindow/frmProgress.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"

namespace {

void FillGridAtRandom(MSFlexGrid& grid, unsigned seed) {
  std::mt19937 rng(seed);
  for (int r = 1; r < kGridRows; ++r) {
    const int khz = 118000 + static_cast<int>(rng() % 40000) * 5;  // ties happen
    WriteChannelRow(
        grid, r,
        {{"", std::to_string(khz / 1000) + "." + std::to_string(khz % 1000 + 1000).substr(1), "FM",
          "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", "Ch " + std::to_string(r)}});
  }
}

std::vector<ChannelRow> Load(const MSFlexGrid& grid, int first, int last) {
  std::vector<ChannelRow> rows(kGridRows + 1);
  for (int r = first; r <= last; ++r) rows[r] = ReadChannelRow(grid, r);
  return rows;
}

void Store(MSFlexGrid& grid, const std::vector<ChannelRow>& rows, int first, int last) {
  for (int r = first; r <= last; ++r) WriteChannelRow(grid, r, rows[r]);
}

void Line(const char* what, double fast, double bare, double written) {
  std::printf("%-28s %8.2f ms   quadratic bare %8.2f ms (x%.0f)   as written %9.2f ms%s\n", what,
              fast, bare, bare / fast, written, fast > 50 || bare / fast < 10 ? "  MISSED" : "");
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int runs = RunsArg(argc, argv, 21);
  const int slowRuns = std::max(1, runs / 7);
  QTemporaryDir dir;
  UseFolder(dir.path().toStdString());
  SetMsgBoxHandler([](const MsgBoxCall&) { return static_cast<int>(vbOK); });

  Form1 form;
  form.Form_Load();
  form.show();
  form.EnableGUI();
  MSFlexGrid& grid = *form.MSFlexGrid1;
  unsigned seed = 0;
  auto refill = [&] { FillGridAtRandom(grid, ++seed); };
  // What the plain algorithm does at each comparison besides comparing.
  long long steps = 0;
  auto asWritten = [&steps] {
    ++steps;
    frmProgress::Instance().ProgressBar1->setValue(static_cast<int>(steps * 100 / 80200));
    QApplication::processEvents();
  };
  auto plainSort = [&](int first, int last, const memtools::Step& step) {
    std::vector<ChannelRow> rows = Load(grid, first, last);
    memtools::BubbleSort(rows, first, last, false, last - first + 3, step);
    Store(grid, rows, first, last);
  };
  auto select = [&] {
    refill();
    grid.SetRow(1);
    grid.SetRowSel(LastScanEdgeRow);
  };

  Line("sort all rows", MedianMs(runs, refill, [&] { form.BubbleSort(); }),
       MedianMs(runs, refill, [&] { plainSort(1, LastBankRow, {}); }),
       MedianMs(slowRuns, refill, [&] { plainSort(1, LastBankRow, asWritten); }));
  Line("sort 450 selected rows", MedianMs(runs, select, [&] { form.BubbleSortSelected(); }),
       MedianMs(runs, select, [&] { plainSort(1, LastScanEdgeRow, {}); }),
       MedianMs(slowRuns, select, [&] { plainSort(1, LastScanEdgeRow, asWritten); }));
  auto plainDups = [&](const memtools::Step& step) {
    memtools::PairwiseReport(Load(grid, 1, LastBankRow), false, false, step);
  };
  Line("duplicate check, report",
       MedianMs(runs, refill, [&] { form.CheckDups(false, false, false); }),
       MedianMs(runs, refill, [&] { plainDups({}); }),
       MedianMs(slowRuns, refill, [&] { plainDups(asWritten); }));
  frmProgress::Unload();
  return 0;
}
