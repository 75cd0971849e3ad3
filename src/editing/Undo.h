#pragma once
// One level of undo for the channel grid's data cells (columns 1 to 9 of
// rows 1 to 450). A command takes the snapshot before it changes the grid;
// Undo writes it back and keeps it, so a second Undo restores the same state.
// The row labels in column 0 are never saved or written.

#include <array>
#include <string>
#include <vector>

class MSFlexGrid;

// Texts of grid columns 1 to 9 of one row: Cell[0] is column 1 (Freq) ...
// Cell[8] column 9 (Comments).
struct UndoRecord {
  std::array<std::string, 9> Cell;
};

// One record per grid row; element 0 (the header row) stays empty. Empty
// until the first snapshot.
extern std::vector<UndoRecord> UndoBuffer;

// Replaces the snapshot by the grid's current data cells, unless an
// UndoCommand is open (its snapshot stands for the whole command).
void SaveUndo(const MSFlexGrid& grid);

// Writes the snapshot back into the grid; nothing happens without one.
// Rows that the grid no longer has are skipped.
void Undo(MSFlexGrid& grid);

// Drops the snapshot, for when the grid starts showing another image:
// Undo must never bring another file's channels into this one.
void ClearUndo();

// A command built from several snapshot-taking steps (an insert that first
// removes empty rows, removing all empty rows, deleting duplicates) opens
// one of these first: it takes the snapshot, and the steps inside leave it
// alone, so one Undo reverts the whole command. Nested ones do nothing.
class UndoCommand {
 public:
  explicit UndoCommand(const MSFlexGrid& grid);
  ~UndoCommand();
  UndoCommand(const UndoCommand&) = delete;
  UndoCommand& operator=(const UndoCommand&) = delete;
};
