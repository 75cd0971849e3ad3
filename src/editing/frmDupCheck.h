#pragma once
// "Duplicate Frequency Check": the options of Memories > Check for Duplicate
// Freqs. Built afresh for every check, so it always opens with "Generate
// Report Only" selected and both boxes clear. OK accepts the dialog; the
// caller then reads the three choices.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

class frmDupCheck : public QDialog {
  Q_OBJECT

 public:
  explicit frmDupCheck(QWidget* parent = nullptr);

  void Command1_Click();  // OK
  void Command2_Click();  // Cancel

  // The choices, as CheckDups takes them.
  bool NoCode() const;
  bool NoText() const;
  bool Delete() const;

  QGroupBox* Frame1 = nullptr;
  QRadioButton* Option1 = nullptr;  // report only
  QRadioButton* Option2 = nullptr;  // delete
  QCheckBox* Check1 = nullptr;      // tones must match too
  QCheckBox* Check2 = nullptr;      // comments must match too
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};
