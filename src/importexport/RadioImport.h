#pragma once
// The File menu's imports from other radios' files, apart from the window:
// what each radio's import reads (ImportSource) and the run they share.
//
// A run: the open-file dialog, the reader loads the file (a file it cannot
// load is reported and nothing changes), the start dialog, then one grid row
// per source memory from the start row on, and last the grid is stored into
// the image and shown again from it, so it ends as the image keeps it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "mainwindow/ChannelGrid.h"
#include "platform/FileDialogs.h"
#include "readers/MainWindowHost.h"
#include "readers/ReaderHelpers.h"

class MSFlexGrid;

struct ImportSource {
  FileFilter filter;         // the radio's own entry of the file dialog
  bool sourceRange = false;  // the start dialog asks for a VX-2 channel range
  bool packRows = false;     // the row moves on only after a written memory
  int first = 1;             // memories visited, in order
  int last = 0;
  std::function<readers::LoadResult(const std::string& path, readers::MainWindowHost& window)> load;
  // A load failure after which the loader still holds the file's data and
  // the import goes on (after the message).
  std::string_view carryOnError;
  // The cells of memory n, nothing for a memory that holds no channel.
  std::function<std::optional<ChannelRow>(int n)> read;
};

// One source per radio; each owns its reader for the one import.
ImportSource ICQ7Source();
ImportSource VX2Source();
ImportSource VX5Source();
ImportSource VX7Source();
ImportSource VR120Source();

// What a run needs of the main window.
class RadioImportHost {
 public:
  virtual ~RadioImportHost() = default;
  virtual MSFlexGrid& Grid() = 0;
  virtual readers::MainWindowHost& ReaderHost() = 0;
  // Shows frmImportSelect, or frmImportSelectB for a source range, modally.
  virtual void ShowStartDialog(bool sourceRange) = 0;
  virtual int GetLastEmptyRow() = 0;
  virtual void SaveUndo() = 0;
  virtual void Savegrid() = 0;
  virtual void FillGrid() = 0;
};

// Writes the defined memories first..last into grid rows from startRow on,
// never past row 450 and never for a start row outside 1 to 450. Without
// packing each memory visited moves the row on, so an undefined one leaves
// its row as it was. Returns the number of rows written.
int WriteImportedRows(MSFlexGrid& grid, int startRow, int first, int last, bool packRows,
                      const std::function<std::optional<ChannelRow>(int n)>& read);

void RunRadioImport(RadioImportHost& host, const ImportSource& source);
