// Memories > Sort All Rows / Sort Selected Rows, ascending and descending:
// the rows move whole (columns 1 to 9, the comment with them); the labels in
// column 0 stay.

#include <algorithm>
#include <vector>

#include "editing/FrequencySort.h"
#include "editing/LongOperation.h"
#include "editing/Undo.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/GridRedrawPause.h"
#include "platform/MSFlexGrid.h"

namespace {
constexpr const char* kSortingLabel = "Sorting...";
}

bool Form1::SortRows(int first, int last, bool descending) {
  MSFlexGrid& grid = *MSFlexGrid1;
  first = std::max(first, 1);
  last = std::min(last, grid.Rows() - 1);
  if (last <= first) return true;

  std::vector<ChannelRow> rows;
  std::vector<std::string> freqs;
  for (int r = first; r <= last; ++r) {
    rows.push_back(ReadChannelRow(grid, r));
    freqs.push_back(rows.back().Cell[ColFreq]);
  }
  LongOperation operation(kSortingLabel);
  const std::vector<int> order = FrequencySortOrder(freqs, descending);
  // The grid is written only after the last chance to cancel, so a cancelled
  // sort leaves it exactly as it was.
  if (operation.Step(100, /*yieldNow=*/true)) return false;

  GridRedrawPause pause(grid);
  for (int k = 0; k < static_cast<int>(order.size()); ++k)
    if (order[k] != k) WriteChannelRow(grid, first + k, rows[order[k]]);
  return true;
}

// Only the memory channels take part: a key of any size never moves a row
// out of rows 1 to 400, and the scan-edge rows stay as they are.
bool Form1::BubbleSort() { return SortRows(1, LastBankRow, false); }
bool Form1::BubbleSortB() { return SortRows(1, LastBankRow, true); }

bool Form1::BubbleSortSelected() {
  SetSelectionB();
  return SortRows(SelStartRow, SelEndRow, false);
}

bool Form1::BubbleSortSelectedB() {
  SetSelectionB();
  return SortRows(SelStartRow, SelEndRow, true);
}

// One sort command: the edit in progress ends first, one snapshot covers the
// command, and an open alternate panel shows the row's new content.
void Form1::RunSort(bool (Form1::*sort)()) {
  HideEditors();
  {
    UndoCommand undo(*MSFlexGrid1);
    (this->*sort)();
  }
  RefreshAltPanel();
}

void Form1::mnuSortAscending_Click() { RunSort(&Form1::BubbleSort); }
void Form1::mnuSortDescending_Click() { RunSort(&Form1::BubbleSortB); }
void Form1::mnuSortRowsAscending_Click() { RunSort(&Form1::BubbleSortSelected); }
void Form1::mnuSortRowsDeascending_Click() { RunSort(&Form1::BubbleSortSelectedB); }
