// A grid with its own program folder (for "tmp.dat"); cells as "|"-joined texts.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <string>

#include "editing/Undo.h"
#include "image/clsICR2.h"
#include "mainwindow/Globals.h"
#include "mainwindow/grid_support.h"
#include "platform/Runtime.h"

class EditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppPath(dir.path().toStdString());
    CopyBuffer.assign(1, CopyRecord{});
    ClearUndo();
    ICR2Image.Init();
  }
  void TearDown() override {
    SetAppPath("");
    ICR2Image.Init();
  }

  void Select(int row, int col, int rowSel, int colSel) {
    f.grid.SetRow(row);
    f.grid.SetCol(col);
    f.grid.SetRowSel(rowSel);
    f.grid.SetColSel(colSel);
  }
  // The cells of a block, row by row, joined by "|".
  std::string Join(int row, int col, int lastRow, int lastCol) const {
    std::string text;
    for (int r = row; r <= lastRow; ++r)
      for (int c = col; c <= lastCol; ++c)
        text += (text.empty() && r == row && c == col ? "" : "|") + f.grid.TextMatrix(r, c);
    return text;
  }
  std::string Row(int row) const { return Join(row, ColFreq, row, ColComments); }
  std::string Column(int col, int from, int to) const { return Join(from, col, to, col); }
  void Put(int row, const std::string& cells) {  // columns 1 to 9
    const QStringList parts = QString::fromStdString(cells).split('|');
    for (int c = ColFreq; c < kGridCols; ++c)
      f.grid.SetTextMatrix(row, c, parts[c - 1].toStdString());
  }

  QTemporaryDir dir;
  GridForm f;
};
