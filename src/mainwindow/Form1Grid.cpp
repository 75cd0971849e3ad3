// The channel grid's shape and the row commands of the main window.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "editing/Undo.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/GridRedrawPause.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Settings.h"

namespace {

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

bool IsBlankText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsBlankChar);
}

// A stored "Visible" value hides its column only when it reads as the number
// 0 ("0", " 0 ", "0.0"); a missing key, "1" and anything that is not a
// number show it.
bool ReadsAsZero(std::string_view text) {
  while (!text.empty() && IsBlankChar(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankChar(text.back())) text.remove_suffix(1);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  bool digit = false;
  bool point = false;
  for (char c : text) {
    if (c == '0') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

void Form1::initgrid() {
  MSFlexGrid& grid = *MSFlexGrid1;
  GridRedrawPause pause(grid);
  grid.Clear();
  grid.SetCols(kGridCols);
  for (int c = 0; c < kGridCols; ++c) {
    grid.SetColWidth(c, kGridColumnLayout[c].width);
    grid.SetTextMatrix(0, c, kGridColumnLayout[c].header);
  }
  grid.SetRows(kGridRows);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  for (int n = 0; n <= 8; ++n) {
    if (ReadsAsZero(GetSetting("IC-R2", "Settings", "Visible" + std::to_string(n), "1")))
      grid.SetColWidth(n + 1, 0);
  }
  for (int r = 1; r <= LastScanEdgeRow; ++r) grid.SetTextMatrix(r, ColLabel, RowLabel(r));
  for (int r = 0; r < grid.Rows(); ++r) grid.SetRowHeight(r, kGridRowHeight);
  for (int c = 0; c < grid.Cols(); ++c) grid.SetColAlignment(c, flexAlignLeftCenter);
}

int Form1::GetLastEmptyRow() {
  // Row 400 is not looked at, so the result is always a bank row.
  for (int r = LastBankRow - 1; r >= 1; --r)
    if (!MSFlexGrid1->TextMatrix(r, ColFreq).empty()) return r + 1;
  return 1;
}

int Form1::GetHighestVisibleRow() {
  const int last = MSFlexGrid1->Rows() - 1;
  int r = MSFlexGrid1->TopRow();
  while (r <= last && MSFlexGrid1->RowIsVisible(r)) ++r;
  return r - 1;
}

void Form1::SetSelection() {
  SaveUndo();
  SetSelectionB();
}

void Form1::SetSelectionB() {
  const int row = MSFlexGrid1->Row();
  const int rowSel = MSFlexGrid1->RowSel();
  SelStartRow = static_cast<std::int16_t>(std::min(row, rowSel));
  SelEndRow = static_cast<std::int16_t>(std::max(row, rowSel));
}

bool Form1::IsRowSelected() {
  const int col = MSFlexGrid1->Col();
  const int colSel = MSFlexGrid1->ColSel();
  return std::min(col, colSel) == 1 && std::max(col, colSel) == MSFlexGrid1->Cols() - 1;
}

bool Form1::IsRowUsed(int row) { return !IsBlankText(MSFlexGrid1->TextMatrix(row, ColMode)); }

void Form1::HighlightRow() {
  HideEditors();
  SetSelection();
  MSFlexGrid& grid = *MSFlexGrid1;
  if (!IsRowSelected()) {
    grid.SetCol(1);
    grid.SetRow(SelStartRow);
    grid.SetColSel(grid.Cols() - 1);
    grid.SetRowSel(SelEndRow);
  }
  grid.SetHighLight(flexHighlightAlways);
}

// Every row command below does nothing while the selection starts in the
// header row (row 0): the header is never moved, emptied or overwritten.

// Move down, over all rows 1 to 450.
void Form1::Command1_Click() {
  SetSelection();
  const int start = SelStartRow;
  const int end = SelEndRow;
  if (start < 1 || end >= LastScanEdgeRow) return;
  MSFlexGrid& grid = *MSFlexGrid1;
  {
    GridRedrawPause pause(grid);
    const ChannelRow below = ReadChannelRow(grid, end + 1);
    for (int r = end + 1; r > start; --r) WriteChannelRow(grid, r, ReadChannelRow(grid, r - 1));
    WriteChannelRow(grid, start, below);
    // The selection follows the block.
    grid.SetCol(1);
    grid.SetRow(start + 1);
    grid.SetRowSel(end + 1);
    grid.SetColSel(grid.Cols() - 1);
    if (end > GetHighestVisibleRow() - 5) grid.SetTopRow(start);
  }
}

// Move up, over all rows 1 to 450.
void Form1::Command2_Click() {
  SetSelection();
  const int start = SelStartRow;
  const int end = SelEndRow;
  if (start <= 1) return;
  MSFlexGrid& grid = *MSFlexGrid1;
  {
    GridRedrawPause pause(grid);
    const ChannelRow above = ReadChannelRow(grid, start - 1);
    for (int r = start; r <= end; ++r) WriteChannelRow(grid, r - 1, ReadChannelRow(grid, r));
    WriteChannelRow(grid, end, above);
    grid.SetCol(1);
    grid.SetRow(start - 1);
    grid.SetRowSel(end - 1);
    grid.SetColSel(grid.Cols() - 1);
    if (grid.Row() < grid.TopRow() + 5) grid.SetTopRow(grid.Row() - 5 > 0 ? grid.Row() - 5 : 1);
  }
}

void Form1::Command3_Click() { DeleteRows(0); }

// Clear: empties the selected rows, scan-edge rows included.
void Form1::Command7_Click() {
  SetSelection();
  if (SelStartRow < 1) return;
  GridRedrawPause pause(*MSFlexGrid1);
  for (int r = SelStartRow; r <= SelEndRow; ++r) ClearChannelRow(*MSFlexGrid1, r);
}

void Form1::Command8_Click() { InsertBlank(); }

void Form1::InsertBlank() {
  SetSelection();
  if (SelStartRow < 1 || SelStartRow > LastBankRow || SelEndRow > LastBankRow) return;
  int count = 0;
  InsertRows(count);
}

void Form1::DeleteRows(int RowNum) {
  SetSelection();
  int first = RowNum;
  int count = 1;
  if (RowNum == 0) {
    first = SelStartRow;
    count = SelEndRow - SelStartRow + 1;
  }
  if (first < 1) return;
  MSFlexGrid& grid = *MSFlexGrid1;
  GridRedrawPause pause(grid);
  // Rows up to 400 move up by `count`; the scan-edge rows never change.
  for (int r = first; r <= LastBankRow; ++r) {
    if (r + count <= LastBankRow)
      WriteChannelRow(grid, r, ReadChannelRow(grid, r + count));
    else
      ClearChannelRow(grid, r);
  }
}

bool Form1::InsertRows(int& NumRows) {
  MSFlexGrid& grid = *MSFlexGrid1;
  // The empty-row removals of fill mode are steps of this one command: one
  // snapshot before all of them, so one Undo reverts the whole insert.
  UndoCommand undo(grid);
  SetSelection();
  if (SelStartRow < 1 || NumRows < 0) return false;
  if (NumRows == 0) NumRows = SelEndRow - SelStartRow + 1;
  const int start = SelStartRow;
  const int end = SelEndRow;
  // Rows are only shifted within the banks; a selection in the scan-edge
  // rows inserts nothing and loses nothing.
  if (start > LastBankRow) return true;
  // More rows than the banks hold empty the banks from the insert point on.
  const int count = std::min(NumRows, LastBankRow);

  std::vector<ChannelRow> banksBefore;
  if (InsertFillsOn) {
    for (int r = 1; r <= LastBankRow; ++r) banksBefore.push_back(ReadChannelRow(grid, r));
    GridRedrawPause pause(grid);
    // Each pass removes the first empty row after the next block of used
    // rows below the selection, so the rows after that gap keep their places.
    for (int pass = 0; pass < count; ++pass) {
      int r = end + 1;
      while (r <= LastBankRow && grid.TextMatrix(r, ColMode).empty()) ++r;
      while (r <= LastBankRow && !grid.TextMatrix(r, ColMode).empty()) ++r;
      if (r < LastBankRow) DeleteRows(r);
    }
  }

  // Warn when used rows would be pushed past row 400 (rows from the first
  // inserted row on; rows above the insert point stay where they are).
  const int firstLost = std::max({LastBankRow + 1 - count, start, 1});
  bool loses = false;
  for (int r = firstLost; r <= LastBankRow && !loses; ++r) loses = IsRowUsed(r);
  if (loses) {
    const int answer =
        MsgBox(std::string("An insert will cause existing memories to be lost from the grid.") +
                   vbCrLf + "Continue?",
               vbYesNo | vbQuestion, "Insert");
    if (answer != vbYes) {
      // Declined: the grid is left exactly as it was, fill-mode removals too.
      GridRedrawPause pause(grid);
      for (int r = 1; r <= static_cast<int>(banksBefore.size()); ++r)
        WriteChannelRow(grid, r, banksBefore[r - 1]);
      return false;
    }
  }

  GridRedrawPause pause(grid);
  for (int r = LastBankRow; r >= start + count; --r)
    WriteChannelRow(grid, r, ReadChannelRow(grid, r - count));
  for (int r = start; r < start + count && r <= LastBankRow; ++r) ClearChannelRow(grid, r);
  return true;
}

void Form1::SaveUndo() { ::SaveUndo(*MSFlexGrid1); }

void Form1::Undo() {
  ::Undo(*MSFlexGrid1);
  // The panel shows the restored row: it stores its controls back into the
  // grid at the next step, which would otherwise undo the Undo.
  RefreshAltPanel();
}
