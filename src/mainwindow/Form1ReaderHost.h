#pragma once
// The main window as the other radios' image readers see it: the VX-7R
// ".rdf" loader resets the grid, sets the caption and the recent files, and
// the record fillers read grid cells.

#include <string>

#include "readers/MainWindowHost.h"

class Form1;

class Form1ReaderHost : public readers::MainWindowHost {
 public:
  explicit Form1ReaderHost(Form1& form) : form_(form) {}

  void initgrid() override;
  void SetGridVisible(bool visible) override;
  std::string AppTitle() const override;
  void SetCaption(const std::string& caption) override;
  void SetRdfFilePath(const std::string& path) override;
  void AddToMRU(const std::string& path) override;
  std::string GridCellText(int row, int col) const override;

 private:
  Form1& form_;
};
