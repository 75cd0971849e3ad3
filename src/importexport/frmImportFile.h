#pragma once
// "Frequency Import Tool": frequencies found in a text file or in whatever
// the user copies while the tool watches the clipboard, listed, picked and
// sent to consecutive grid rows with an optional comment.

#include <QDialog>
#include <string>

class Form1;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;
class VbTextBox;

class frmImportFile : public QDialog {
  Q_OBJECT

 public:
  explicit frmImportFile(Form1& owner);

  void Form_Load();
  // Adds the entries of one line to "Frequencies Found".
  void GetFreqData(const std::string& line);
  // Every line of a file; false (and a message) when it cannot be read.
  bool ImportData(const std::string& path);
  // Every line of a copied text.
  void ProcessCopy(const std::string& text);
  void Timer1_Timer();

  void Check1_Click();
  void Command1_Click();   // Add >>
  void Command2_Click();   // << Remove
  void Command3_Click();   // Add All >>
  void Command4_Click();   // Clear found
  void Command5_Click();   // Clear to import
  void Command6_Click();   // Import From File...
  void Command7_Click();   // Monitor Clipboard...
  void Command8_Click();   // "+"
  void Command9_Click();   // "-"
  void Command10_Click();  // Send Data To Grid
  void Command11_Click();  // Close
  void Option1_Click();
  void Option3_Click();
  void Option4_Click();

  // The row "Memory Channel Number:" starts at, 1 to 400.
  int SpinRow = 1;

  QListWidget *List1 = nullptr, *List2 = nullptr;
  QCheckBox *Check1 = nullptr, *Check2 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QRadioButton *Option3 = nullptr, *Option4 = nullptr, *Option1 = nullptr;
  VbTextBox* Text1 = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
  QTimer* Timer1 = nullptr;
  QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
              *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr, *Command8 = nullptr,
              *Command9 = nullptr, *Command10 = nullptr, *Command11 = nullptr;

 private:
  void ShowSpinRow();
  void EnableSpin(bool on);
  static void MoveSelected(QListWidget& from, QListWidget& to);
  Form1& owner_;
};
