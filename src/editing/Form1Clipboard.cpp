// The grid's own clipboard: copy, cut and paste of blocks of cells through
// CopyBuffer and the scratch file "tmp.dat" beside the program.

#include <QAction>
#include <algorithm>

#include "editing/CopyFile.h"
#include "editing/Undo.h"
#include "image/FileIo.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1Shared.h"
#include "mainwindow/Globals.h"
#include "mainwindow/GridRedrawPause.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"

namespace {

std::string CopyFilePath() { return AppPath() + "/tmp.dat"; }

// A copy of all 450 rows is some tens of kilobytes: a "tmp.dat" larger than
// any text file the program reads was not written by a copy.
constexpr FileLimit kCopyFileLimit{kTextFileLimit.maxSize, "the file of copied cells"};

void ShowInsertItem(QAction* separator, QAction* insert, const char* caption) {
  separator->setVisible(caption != nullptr);
  insert->setVisible(caption != nullptr);
  if (caption) insert->setText(QString::fromLatin1(caption));
}

}  // namespace

void Form1::CellCopy() {
  MSFlexGrid& grid = *MSFlexGrid1;
  HideEditors();
  ShowInsertItem(mnuSep23, mnuInsert, IsRowSelected() ? "&Insert Copied Cells" : nullptr);
  SetSelectionB();
  // The header row is no channel: a selection reaching into it copies nothing.
  if (SelStartRow < 1) return;
  const int firstCol = std::min(grid.Col(), grid.ColSel());
  const int lastCol = std::max(grid.Col(), grid.ColSel());

  CopyBuffer.assign(SelEndRow - SelStartRow + 2, CopyRecord{});
  for (int r = SelStartRow, k = 1; r <= SelEndRow; ++r, ++k)
    for (int c = firstCol; c <= lastCol; ++c) CopyBuffer[k].Cell[c] = grid.TextMatrix(r, c);
  // Without the file (a read-only program folder) the copy still pastes in
  // this running copy, from memory.
  pasteFromMemory_ = !WriteFileReplacing(CopyFilePath(), CopyFileBytes(CopyBuffer, grid.Cols()));
}

void Form1::CellCut() {
  MSFlexGrid& grid = *MSFlexGrid1;
  HideEditors();
  UndoCommand undo(grid);
  CellCopy();
  if (SelStartRow < 1) return;
  {
    GridRedrawPause pause(grid);
    // The whole rows go, whatever columns were selected.
    for (int r = SelStartRow; r <= SelEndRow; ++r) ClearChannelRow(grid, r);
  }
  ShowInsertItem(mnuSep23, mnuInsert, "&Insert Cut Rows");
  RefreshAltPanel();
}

int Form1::LoadCopyBuffer() {
  if (!pasteFromMemory_) {
    // A file from another running copy counts as much as one of our own; a
    // file that cannot be read leaves the buffer as it is.
    const FileBytes file = ReadFileBytes(CopyFilePath(), kCopyFileLimit);
    if (file.ok) {
      // No paste reaches more rows than the grid has.
      std::vector<CopyRecord> rows =
          ParseCopyFile(file.bytes, MSFlexGrid1->Cols(), MSFlexGrid1->Rows() - 1);
      if (!rows.empty()) CopyBuffer = std::move(rows);
    } else if (file.tooLarge) {
      MsgBox(ToMessageText(file.error) + vbCrLf + "Nothing has been pasted.",
             vbOKOnly | vbExclamation, kMsgTitle);
      return 0;
    }
  }
  if (CopyBuffer.empty()) CopyBuffer.emplace_back();
  return static_cast<int>(CopyBuffer.size()) - 1;
}

void Form1::CellPaste() {
  HideEditors();
  UndoCommand undo(*MSFlexGrid1);
  PasteBuffer(LoadCopyBuffer());
}

void Form1::PasteBuffer(int maxRows) {
  MSFlexGrid& grid = *MSFlexGrid1;
  const int rows = std::min(maxRows, static_cast<int>(CopyBuffer.size()) - 1);
  const int top = std::min(grid.Row(), grid.RowSel());
  if (rows <= 0 || top < 1) return;
  const int lastRow = grid.Rows() - 1;
  const int cols = std::min(grid.Cols(), static_cast<int>(CopyRecord{}.Cell.size()));
  {
    GridRedrawPause pause(grid);
    // The paste starts at the top row of the selection.
    grid.SetRow(top);
    for (int k = 1, t = top; k <= rows && t <= lastRow; ++k, ++t) {
      const CopyRecord& from = CopyBuffer[k];
      for (int c = 1; c < cols; ++c) {
        const std::string& cell = from.Cell[c];
        if (cell.empty()) continue;
        // A row whose Skip cell is empty becomes a whole channel when the
        // pasted row carries a Mode: defaults first, then the pasted cells.
        if (c == ColMode && grid.TextMatrix(t, ColSkip).empty()) {
          ApplyDefaults(t);
          grid.SetTextMatrix(t, ColMode, cell);
        }
        if (IsRowUsed(t)) {
          grid.SetTextMatrix(t, c, cell);
        } else if (c == ColFreq && !from.Cell[ColMode].empty()) {
          grid.SetTextMatrix(t, ColFreq, cell);
        }
      }
    }

    // The pasted block is selected: its rows, and the columns of the first
    // pasted row that carries any cell.
    int firstCol = 0;
    int lastCol = 0;
    for (int k = 1; k <= rows && firstCol == 0; ++k) {
      for (int c = 1; c < cols; ++c) {
        if (CopyBuffer[k].Cell[c].empty()) continue;
        if (firstCol == 0) firstCol = c;
        lastCol = c;
      }
    }
    if (firstCol > 0) grid.SetCol(firstCol);
    grid.SetRowSel(std::min(top + rows - 1, lastRow));
    if (lastCol > 0) grid.SetColSel(lastCol);
    grid.SetHighLight(flexHighlightAlways);
  }
  grid.SetFocus();
  RefreshAltPanel();
}

void Form1::mnuEdit_Click() {
  HideEditors();
  SetSelectionB();
  const bool on = SelStartRow != 0;
  for (QAction* item : {mnuCut, mnuCopy, mnuPaste}) item->setEnabled(on);
}

void Form1::mnuInsert_Click() {
  MSFlexGrid& grid = *MSFlexGrid1;
  HideEditors();
  // Rows open only among the memory channels; the scan edges keep their
  // places. A selection there would insert and paste nothing, so the user is
  // told, and the grid and its Undo stay as they were.
  SetSelectionB();
  if (SelStartRow > LastBankRow) {
    MsgBox(
        "Rows can be inserted only among the memory channels 0-00 to 7-49; the scan "
        "edges keep their places.\r\nSelect a memory channel and insert again.",
        vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  // Inserting and pasting are one command: one Undo takes back both.
  UndoCommand undo(grid);
  SetSelection();
  if (SelStartRow < 1) return;
  // The rows are counted from what the paste will read, so the insert opens
  // exactly as many rows as are pasted into it.
  int count = LoadCopyBuffer();
  if (count == 0) return;
  // Rows are opened only within the banks; what fits there is pasted, and a
  // declined insert pastes nothing.
  const int opened = std::min(count, std::max(0, LastBankRow - SelStartRow + 1));
  if (!InsertRows(count)) return;
  PasteBuffer(opened);
}
