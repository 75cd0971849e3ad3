// The main window as an import run and a reader see it, scripted: a grid
// whose rows all say "old" in their Comments, the start row the start dialog
// leaves, and a log of what the run and the reader asked for.
#pragma once

#include <string>

#include "importexport/RadioImport.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"

class FakeWindow : public RadioImportHost, public readers::MainWindowHost {
 public:
  FakeWindow() {
    grid.SetRows(kGridRows);
    grid.SetCols(kGridCols);
    for (int r = 1; r < kGridRows; ++r) grid.SetTextMatrix(r, ColComments, "old");
  }
  MSFlexGrid& Grid() override { return grid; }
  readers::MainWindowHost& ReaderHost() override { return *this; }
  void ShowStartDialog(bool range) override {
    log += range ? "rangedialog " : "dialog ";
    ImportStartRow = start;
  }
  int GetLastEmptyRow() override { return Log("last", 7); }
  void SaveUndo() override { Log("undo"); }
  void Savegrid() override { Log("save"); }
  void FillGrid() override { Log("fill"); }
  void initgrid() override { Log("initgrid"); }
  void SetGridVisible(bool) override {}
  std::string AppTitle() const override { return "T"; }
  void SetCaption(const std::string&) override { Log("caption"); }
  void SetRdfFilePath(const std::string&) override {}
  void AddToMRU(const std::string&) override {}
  std::string GridCellText(int, int) const override { return ""; }

  int Log(const char* what, int result = 0) {
    log += std::string(what) + " ";
    return result;
  }
  MSFlexGrid grid;
  int start = 1;
  std::string log;
};
