#pragma once
// A reader host that holds back what a loader does to the main window (the
// VX-7R ".rdf" loader empties the grid, sets the caption and the recent
// files) until the import knows it will go on: a file that cannot be read,
// or an import abandoned at the start dialog, leaves the window as it was.

#include <functional>
#include <string>
#include <vector>

#include "readers/MainWindowHost.h"

class DeferredReaderHost : public readers::MainWindowHost {
 public:
  explicit DeferredReaderHost(readers::MainWindowHost& window) : window_(window) {}

  void initgrid() override;
  void SetGridVisible(bool visible) override;
  std::string AppTitle() const override { return window_.AppTitle(); }
  void SetCaption(const std::string& caption) override;
  void SetRdfFilePath(const std::string& path) override;
  void AddToMRU(const std::string& path) override;
  std::string GridCellText(int row, int col) const override {
    return window_.GridCellText(row, col);
  }

  // Does to the window, in order, what the loader asked for.
  void Apply();

 private:
  readers::MainWindowHost& window_;
  std::vector<std::function<void()>> steps_;
};
