#pragma once
// The "Fill Selected" dialog (Memories > Fill Selected Rows...): a starting
// frequency and an increment, both in MHz. OK (or Enter in either box) fills
// the selected grid rows through Form1::FillSelected; Cancel leaves them.

#include <QDialog>
#include <string>

class Form1;
class QLabel;
class QPushButton;
class VbTextBox;

class frmFillSelected : public QDialog {
  Q_OBJECT

 public:
  explicit frmFillSelected(Form1& owner);

  // OK: fills with the texts as they stand, then closes.
  void Command1_Click();
  // Cancel: closes.
  void Command2_Click();
  // Only digits, the point, Backspace and Enter (which runs OK) are typed.
  void Text1_KeyPress(int& KeyAscii);
  void Text2_KeyPress(int& KeyAscii);
  // Leaving a box puts its text into the grid's frequency form, kept within
  // 0.495 (start only) and 1599.995 MHz.
  void Text1_LostFocus();
  void Text2_LostFocus();

  VbTextBox *Text1 = nullptr, *Text2 = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr;
  QPushButton *Command1 = nullptr, *Command2 = nullptr;

 private:
  void KeyFilter(int& KeyAscii);
  void Normalise(VbTextBox& box, bool raiseToLowest);
  Form1& owner_;
};
