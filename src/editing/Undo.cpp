#include "editing/Undo.h"

#include <algorithm>

#include "platform/MSFlexGrid.h"

std::vector<UndoRecord> UndoBuffer;

namespace {
int openCommands = 0;
constexpr int kFirstCol = 1;
}  // namespace

void SaveUndo(const MSFlexGrid& grid) {
  if (openCommands > 0) return;
  UndoBuffer.assign(grid.Rows(), UndoRecord{});
  for (int r = 1; r < grid.Rows(); ++r)
    for (int k = 0; k < 9; ++k) UndoBuffer[r].Cell[k] = grid.TextMatrix(r, kFirstCol + k);
}

void Undo(MSFlexGrid& grid) {
  if (UndoBuffer.empty()) return;
  const bool redraw = grid.Redraw();
  grid.SetRedraw(false);
  const int rows = std::min<int>(grid.Rows(), static_cast<int>(UndoBuffer.size()));
  for (int r = 1; r < rows; ++r)
    for (int k = 0; k < 9; ++k) grid.SetTextMatrix(r, kFirstCol + k, UndoBuffer[r].Cell[k]);
  grid.SetRedraw(redraw);
}

void ClearUndo() { UndoBuffer.clear(); }

UndoCommand::UndoCommand(const MSFlexGrid& grid) {
  SaveUndo(grid);
  ++openCommands;
}

UndoCommand::~UndoCommand() { --openCommands; }
