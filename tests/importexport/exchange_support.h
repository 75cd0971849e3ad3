// A main window with an empty grid, a private folder for the files that the
// imports and the export read and write, and scripted boxes and dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "image/FileIo.h"
#include "mainwindow/grid_support.h"

namespace exchange_test {

class ExchangeTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const {
    return dir_.filePath(QString::fromStdString(name)).toStdString();
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    EXPECT_TRUE(WriteFileReplacing(File(name), bytes));
    return File(name);
  }
  std::string Read(const std::string& name) const { return ReadFileBytes(File(name)).bytes; }
  // File > Import From .CSV on a file holding `bytes`.
  void ImportText(const std::string& bytes) {
    dialogs_.Choose(Write("in.csv", bytes));
    g_.form.mnuImport_Click();
  }
  // Columns 1 to 9 of a row joined by "|".
  std::string Row(int row) const {
    std::string text = g_.grid.TextMatrix(row, ColFreq);
    for (int c = ColMode; c < kGridCols; ++c) text += "|" + g_.grid.TextMatrix(row, c);
    return text;
  }

  GridForm g_;
  QTemporaryDir dir_;
  MsgBoxScript boxes_;
  FileDialogScript dialogs_;
};

}  // namespace exchange_test
