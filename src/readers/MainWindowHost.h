// What a reader may ask of the main window. The VX-7R ".rdf" loader resets the channel grid,
// the caption and the recent-files list, and the record fillers read grid cells; the readers
// stay free of the user interface by going through this interface, which the main window
// implements (tests use a fake).
#pragma once

#include <string>

namespace readers {

class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;

  // Rebuilds the empty channel grid and shows it.
  virtual void initgrid() = 0;
  // Shows or hides the channel grid.
  virtual void SetGridVisible(bool visible) = 0;
  // The program title the caption starts with.
  virtual std::string AppTitle() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Remembers the path of the ".rdf" file last loaded.
  virtual void SetRdfFilePath(const std::string& path) = 0;
  // Puts the path first in the recently-used files.
  virtual void AddToMRU(const std::string& path) = 0;
  // Text of a channel grid cell.
  virtual std::string GridCellText(int row, int col) const = 0;
};

}  // namespace readers
