// The run every radio import shares, with a scripted source and window:
// where rows land, what stays untouched, and when nothing may change at all.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "importexport/RadioImport.h"
#include "importexport/frmImportSelectB.h"
#include "importexport/import_support.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "support/PlatformDoubles.h"

namespace {

constexpr const char* kNotVX7 = "wrong first byte";
// The window's log: the loader's calls reach it only after the Undo step.
constexpr const char* kWrote = "dialog undo initgrid caption save fill ";
constexpr const char* kRangeWrote = "rangedialog undo initgrid caption save fill ";

std::string Tag(int n) { return "m" + std::to_string(n); }  // memory n's Comments

struct RunCase {
  const char* what;
  int start;              // ImportStartRow the dialog leaves
  std::set<int> defined;  // memories that hold a channel
  int first, last;        // the source's memories
  bool pack;
  int rangeFirst, rangeLast;              // a VX-2 range when rangeLast > 0
  const char* loadError;                  // "" loads
  std::vector<std::pair<int, int>> rows;  // grid row, memory written there
  const char* log;
};

// clang-format off
const RunCase kRuns[] = {
    {"888 starts at the last empty row", 888, {1, 2, 5}, 1, 5, false, 0, 0, "", {{7, 1}, {8, 2}, {11, 5}},
     "dialog undo initgrid caption last save fill "},
    {"an undefined memory leaves its row", 1, {1, 2, 5}, 1, 5, false, 0, 0, "", {{1, 1}, {2, 2}, {5, 5}}, kWrote},
    {"rows past 450 are dropped", 449, {1, 2, 3, 4}, 1, 4, false, 0, 0, "", {{449, 1}, {450, 2}}, kWrote},
    {"start row 0 writes nothing", 0, {1}, 1, 4, false, 0, 0, "", {}, "dialog "},
    {"start row beyond the grid writes nothing", 451, {1}, 1, 4, false, 0, 0, "", {}, "dialog "},
    {"packed rows have no gaps", 3, {2, 4, 9}, 0, 9, true, 0, 0, "", {{3, 2}, {4, 4}, {5, 9}}, kWrote},
    {"packed rows stop at 450", 450, {1, 3}, 1, 4, true, 0, 0, "", {{450, 1}}, kWrote},
    {"range 10 to 12 from row 100", 100, {10, 12}, 1, 1000, false, 10, 12, "", {{100, 10}, {102, 12}}, kRangeWrote},
    {"range below 1 starts at 1", 1, {1, 2}, 1, 1000, false, -3, 2, "", {{1, 1}, {2, 2}}, kRangeWrote},
    {"range beyond the file is cut", 1, {999, 1000, 1001}, 1, 1000, false, 999, 2000, "", {{1, 999}, {2, 1000}}, kRangeWrote},
    {"first above last imports nothing", 1, {3, 4, 5}, 1, 1000, false, 5, 3, "", {}, kRangeWrote},
    {"a file the reader cannot load changes nothing", 1, {1}, 1, 4, false, 0, 0, "Error 53: File not found", {}, ""},
    {"a wrong first byte is reported and imported", 1, {1}, 1, 4, false, 0, 0, kNotVX7, {{1, 1}}, kWrote},
    {"a cancelled file dialog does nothing", 1, {1}, 1, 4, false, 0, 0, nullptr, {}, ""},
};
// clang-format on

TEST(RadioImportRun, RowsAndSteps) {
  for (const RunCase& c : kRuns) {
    SCOPED_TRACE(c.what);
    FakeWindow window;
    window.start = c.start;
    VX2FirstChannel = c.rangeFirst;
    VX2LastChannel = c.rangeLast;
    ImportSource source;
    source.first = c.first;
    source.last = c.last;
    source.packRows = c.pack;
    source.sourceRange = c.rangeLast > 0;
    source.carryOnError = kNotVX7;
    // Like the ".rdf" loader, this one changes the window before it can fail.
    source.load = [&c](const std::string& path, readers::MainWindowHost& w) {
      EXPECT_EQ(path, "/x/file.t");
      w.initgrid();
      w.SetCaption("T - " + path);
      return readers::LoadResult{*c.loadError == 0, c.loadError};
    };
    source.read = [&c](int n) -> std::optional<ChannelRow> {
      EXPECT_TRUE(n >= c.first && n <= c.last) << n;
      if (!c.defined.count(n)) return std::nullopt;
      ChannelRow row;
      row.Cell[ColComments] = Tag(n);
      return row;
    };
    FileDialogScript files;
    c.loadError ? files.Choose("/x/file.t") : files.Cancel();
    MsgBoxScript boxes;
    if (c.loadError && *c.loadError) boxes.Answer(vbOK, c.loadError);

    RunRadioImport(window, source);
    EXPECT_EQ(window.log, c.log);
    std::vector<std::string> expected(kGridRows, "old");
    for (const auto& [row, n] : c.rows) expected[row] = Tag(n);
    for (int r = 1; r < kGridRows; ++r) {
      ASSERT_EQ(window.grid.TextMatrix(r, ColComments), expected[r]) << "row " << r;
    }
    EXPECT_EQ(boxes.Calls().size(), c.loadError && *c.loadError ? 1u : 0u);
  }
}

}  // namespace
