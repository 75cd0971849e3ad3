#pragma once
// "Import" for VX-2R files: where in the channel grid the import begins, and
// which of the file's channels it takes ("VX-2 File Range", 1 to 1000). OK
// leaves the answers in ImportStartRow, VX2FirstChannel and VX2LastChannel;
// closing the window leaves them as they were.

#include <QDialog>
#include <cstdint>
#include <functional>

class ImportStartFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class VbTextBox;

// The source range of the last OK; 0 until then.
extern std::int32_t VX2FirstChannel;
extern std::int32_t VX2LastChannel;

class frmImportSelectB : public QDialog {
  Q_OBJECT

 public:
  frmImportSelectB(QWidget* owner, std::function<int()> currentRow);

  void Command1_Click();  // OK
  void Command3_Click();  // first channel "+"
  void Command2_Click();  // first channel "-"
  void Command5_Click();  // last channel "+"
  void Command4_Click();  // last channel "-"
  void Text2_LostFocus();
  void Text3_LostFocus();

  ImportStartFrame* Frame2 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QLabel *Label2 = nullptr, *Label1 = nullptr;
  VbTextBox *Text2 = nullptr, *Text3 = nullptr;
  QPushButton *Command3 = nullptr, *Command2 = nullptr, *Command5 = nullptr, *Command4 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  // "+" of either box; "-" wrapping below 1 to `wrapTo`.
  static void StepUp(VbTextBox& box);
  static void StepDown(VbTextBox& box, int wrapTo);
  static void CapAtLimit(VbTextBox& box);
  std::function<int()> currentRow_;
};
