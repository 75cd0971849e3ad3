// A main window shown and active, with a loaded-state grid, for tests that
// type into the in-place cell editors and the alternate panel the way a user
// does: keys go to whatever control has the focus.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <memory>
#include <string>

#include "image/clsICR2.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "platform/VbComboBox.h"
#include "platform/VbTextBox.h"
#include "support/PlatformDoubles.h"
#include "support/UserInput.h"

namespace editor_test {

// Cells of columns 1 to 9 (index 0 unused).
using Cells = std::array<std::string, kGridCols>;

inline Cells Channel(const char* freq, const char* mode = "FM", const char* step = "5 KHz",
                     const char* comment = "") {
  return {"", freq, mode, "OFF", step, "SIMP", "0.000", "OFF", "88.5", comment};
}

// The cells with one of them replaced.
inline Cells With(Cells cells, int col, const char* text) {
  cells[col] = text;
  return cells;
}

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ICR2Image.Init();
    form = std::make_unique<Form1>();
    form->Form_Load();
    form->EnableGUI();
    ASSERT_TRUE(ShowActive(*form));
    grid = form->MSFlexGrid1;
    grid->SetFocus();
  }

  void TearDown() override {
    form.reset();
    ICR2Image.Init();
  }

  void Put(int row, const Cells& cells) {
    for (int c = ColFreq; c < kGridCols; ++c) grid->SetTextMatrix(row, c, cells[c]);
  }
  Cells Row(int row) const {
    Cells cells;
    for (int c = ColFreq; c < kGridCols; ++c) cells[c] = grid->TextMatrix(row, c);
    return cells;
  }
  std::string Cell(int row, int col) const { return grid->TextMatrix(row, col); }

  // Sets a Settings option's check mark.
  void Option(QAction* Form1::*item, bool checked) { (form.get()->*item)->setChecked(checked); }

  // Double-click on a cell (the press makes it current, the second press
  // opens the editor).
  void Open(int row, int col) {
    grid->SetFocus();
    grid->SetRow(row);
    grid->SetCol(col);
    form->MSFlexGrid1_DblClick();
  }

  // A key pressed on whatever has the focus.
  static void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &event);
  }
  static void Type(const std::string& chars) {
    for (char c : chars) {
      int key = Qt::Key_unknown;
      if (c >= '0' && c <= '9') key = Qt::Key_0 + (c - '0');
      if (c >= 'A' && c <= 'Z') key = Qt::Key_A + (c - 'A');
      if (c >= 'a' && c <= 'z') key = Qt::Key_A + (c - 'a');
      if (c == '.') key = Qt::Key_Period;
      if (c == ' ') key = Qt::Key_Space;
      Key(key, Qt::NoModifier, QString(QChar(c)));
    }
  }
  static void Backspaces(int n) {
    for (int i = 0; i < n; ++i) Key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
  }
  // A mouse press on a button: the focus moves to it, then it clicks.
  static void Press(QPushButton* button) {
    button->setFocus(Qt::MouseFocusReason);
    button->click();
  }

  // What a press elsewhere in the grid does to an open editor.
  void Leave() { grid->SetFocus(); }

  TempSettingsStore store;
  std::unique_ptr<Form1> form;
  MSFlexGrid* grid = nullptr;
};

}  // namespace editor_test
