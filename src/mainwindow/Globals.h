#pragma once
// Program-wide values of the main window's subsystem that other windows and
// commands share. They live for the whole run.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// 1 asks the running long operation (transfer, sort, duplicate check) to stop.
// Only the progress window's Cancel (or its close box, or closing the main
// window while such an operation runs) sets it; the operation that acts on it
// sets it back to 0.
extern std::int32_t CancelRequested;

// The channel row shown by the alternate single-channel panel (1 to 450).
extern int AltRow;

// The grid row an import starts at, left by the import option dialogs;
// kStartAtLastEmptyRow stands for the row after the last used channel.
inline constexpr int kStartAtLastEmptyRow = 888;
extern int ImportStartRow;

// The main window's title without a file name, built when the window loads.
extern std::string AppTitle;

// Path of the VX-7R ".rdf" file last loaded; nothing reads it back.
extern std::string RdfFilePath;

// One copied grid row: Cell[c] holds grid column c of the copied block.
struct CopyRecord {
  std::array<std::string, 17> Cell;
};

// The cell clipboard and the cut rows. Element 0 is never used; elements 1 to
// n are the copied rows, so a buffer of one element is empty.
extern std::vector<CopyRecord> CopyBuffer;
extern std::vector<CopyRecord> CutBuffer;

// "IC-R2 Kestrane v<major>.<minor>.<revision> (Beta)" for the build's version.
std::string BuildAppTitle();
