#pragma once
// "CSV Export": the grid written as CSV under three options, with a preview
// and a save dialog that asks before replacing a file.

#include <QDialog>
#include <string>

class Form1;
class QCheckBox;
class QPushButton;

class frmExportWizard : public QDialog {
  Q_OBJECT

 public:
  explicit frmExportWizard(Form1& owner);

  // The export text for the options as ticked now.
  std::string GetExportData();
  void Command3_Click();  // Preview
  void Command4_Click();  // Export
  void Command5_Click();  // Cancel

  QCheckBox *Check1 = nullptr, *Check2 = nullptr, *Check3 = nullptr;
  QPushButton *Command3 = nullptr, *Command4 = nullptr, *Command5 = nullptr;

 private:
  Form1& owner_;
};

// The name the export writes to: ".csv" appended when the name holds no
// point at all (a point in a folder name counts).
std::string ExportFileName(const std::string& chosen);
