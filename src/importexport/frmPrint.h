#pragma once
// "Print to Default Printer...": all 400 memory channels or a range of rows,
// printed through Form1::PrintGrid.

#include <QDialog>

class Form1;
class QLabel;
class QPushButton;
class QRadioButton;
class VbTextBox;

class frmPrint : public QDialog {
  Q_OBJECT

 public:
  explicit frmPrint(Form1& owner);

  void Form_Load();
  // Only digits and Backspace get into the range boxes.
  static void Text_KeyPress(int& KeyAscii);
  // A box left empty or below 1 reads "1"; above the last row, the last row.
  void Text1_LostFocus();
  void Text2_LostFocus();
  void Command1_Click();  // OK
  void Command2_Click();  // Cancel

  QRadioButton *Option2 = nullptr, *Option1 = nullptr;
  VbTextBox *Text1 = nullptr, *Text2 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton *Command1 = nullptr, *Command2 = nullptr;

 private:
  static void ClampRangeBox(VbTextBox& box);
  Form1& owner_;
};
