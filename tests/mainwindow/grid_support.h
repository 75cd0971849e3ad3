#pragma once
// A main window with an empty channel grid, for tests of the row commands.
// Settings go to a temporary store; rows are filled with tagged channels so
// a test can tell where each row's cells ended up.

#include <string>
#include <vector>

#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "platform/MSFlexGrid.h"
#include "support/PlatformDoubles.h"

struct GridForm {
  TempSettingsStore store;
  Form1 form;
  MSFlexGrid& grid;

  GridForm() : grid(*form.MSFlexGrid1) { form.initgrid(); }

  // A used channel whose every data cell names the row it was written to.
  void Use(int row) {
    const std::string n = std::to_string(row);
    grid.SetTextMatrix(row, ColFreq, std::to_string(100 + row) + ".000");
    grid.SetTextMatrix(row, ColMode, "FM");
    for (int c = ColSkip; c <= ColTone; ++c) grid.SetTextMatrix(row, c, "c" + std::to_string(c));
    grid.SetTextMatrix(row, ColComments, "r" + n);
  }
  void Use(int from, int to) {
    for (int r = from; r <= to; ++r) Use(r);
  }

  // The tag of a row ("r17" for a row first written at 17), "" when empty.
  std::string Tag(int row) const { return grid.TextMatrix(row, ColComments); }
  std::vector<std::string> Tags() const {
    std::vector<std::string> tags(kGridRows);
    for (int r = 1; r < kGridRows; ++r) tags[r] = Tag(r);
    return tags;
  }
  // Every data cell of rows 1 to 450, for comparing whole grid states.
  std::vector<std::string> Cells() const {
    std::vector<std::string> cells;
    for (int r = 1; r < kGridRows; ++r)
      for (int c = ColFreq; c < kGridCols; ++c) cells.push_back(grid.TextMatrix(r, c));
    return cells;
  }

  // Rows from..to selected whole, as the row buttons see them.
  void Select(int from, int to) {
    grid.SetCol(1);
    grid.SetRow(from);
    grid.SetRowSel(to);
    grid.SetColSel(kGridCols - 1);
  }
};
