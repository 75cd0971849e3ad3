#pragma once
// "Duplicate Frequency Report": the report of the last duplicate check in a
// fixed-pitch text box, modeless, with File > Print on the default printer.
// The main window keeps one open and puts each new report into it.

#include <QDialog>
#include <string>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;

class frmDupReport : public QDialog {
  Q_OBJECT

 public:
  explicit frmDupReport(QWidget* parent = nullptr);

  // The report text, lines ended by CR LF (Windows-1252 bytes).
  void SetReport(const std::string& text);
  std::string Report() const;

  void Command1_Click();  // OK: closes the window
  // File > Print: the report in Courier 10 from half an inch left and three
  // quarters of an inch down; a missing or failing printer is explained and
  // nothing else happens.
  void mnuPrint_Click();

  QMenu* mnuFile = nullptr;
  QAction* mnuPrint = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;
};
