// A main window with an empty grid, a private folder for the files that the
// imports and the export read and write, and scripted boxes and dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>

#include "mainwindow/grid_support.h"

namespace exchange_test {

class ExchangeTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const {
    return dir_.filePath(QString::fromStdString(name)).toStdString();
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
    return File(name);
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
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
