#pragma once
// "Import": asks where in the channel grid a radio-file import begins. OK
// leaves the answer in ImportStartRow; closing the window leaves it as it
// was.

#include <QDialog>
#include <functional>

class ImportStartFrame;
class QPushButton;

class frmImportSelect : public QDialog {
  Q_OBJECT

 public:
  // `owner` lends the dialog its icon; `currentRow` answers the main grid's
  // current row when "Currently Selected Row" is chosen.
  frmImportSelect(QWidget* owner, std::function<int()> currentRow);

  void Command1_Click();  // OK

  ImportStartFrame* Frame2 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  std::function<int()> currentRow_;
};
