#pragma once
// "Import TPE": which record field becomes the comment, and the first row.
// OK leaves the choice in TPETagField and TPEStartRow.

#include <QDialog>

class Form1;
class QGroupBox;
class QPushButton;
class QRadioButton;
class VbTextBox;

class frmTravelPlus : public QDialog {
  Q_OBJECT

 public:
  explicit frmTravelPlus(Form1* owner);

  void Form_Load();
  void Command1_Click();  // OK
  void Command8_Click();  // "+"
  void Command9_Click();  // "-"
  void Option5_Click();
  void Option6_Click();
  void Option7_Click();

  // The row "Memory Channel Number:" starts at, 1 to 450.
  int SpinRow = 1;

  QGroupBox *Frame1 = nullptr, *Frame2 = nullptr;
  QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr;
  QRadioButton *Option5 = nullptr, *Option6 = nullptr, *Option7 = nullptr;
  VbTextBox* Text1 = nullptr;
  QPushButton *Command1 = nullptr, *Command8 = nullptr, *Command9 = nullptr;

 private:
  void ShowSpinRow();
  void DisableSpin();
  Form1* owner_;
};
