#pragma once
// "Find": looks for a text in the Freq column (or, searching by tag, in the
// Comments column) and brings each matching row to the top of the grid, one
// match per "Find Next", walking down from the last match. A miss says so and
// starts the next search at the top again, as does any change of the text.

#include <QDialog>
#include <string>

class Form1;
class QLabel;
class QPushButton;
class QRadioButton;
class VbTextBox;

class frmFind : public QDialog {
  Q_OBJECT

 public:
  explicit frmFind(Form1& form);

  void Command1_Click();  // Find Next: one search step
  void Command2_Click();  // Cancel
  void Text1_Change();
  void Text1_KeyPress(int& KeyAscii);

  // The grid row the next search starts at (0 or 1: the first channel row).
  int FindStartRow = 1;

  QLabel* Label1 = nullptr;
  VbTextBox* Text1 = nullptr;
  QRadioButton* Option1 = nullptr;  // by tag (the Comments column)
  QRadioButton* Option2 = nullptr;  // by frequency
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;

 private:
  Form1& form_;
};
