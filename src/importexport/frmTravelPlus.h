#pragma once
// "Import TPE": which record field becomes the comment, and the first row.
// OK leaves the choice in TPETagField and TPEStartRow.

#include <QDialog>

class Form1;
class ImportStartFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;

class frmTravelPlus : public QDialog {
  Q_OBJECT

 public:
  explicit frmTravelPlus(Form1* owner);

  void Form_Load();
  void Command1_Click();  // OK

  QGroupBox* Frame1 = nullptr;
  QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr;
  // "Import Starting At:", its row box a display only.
  ImportStartFrame* Frame2 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  Form1* owner_;
};
