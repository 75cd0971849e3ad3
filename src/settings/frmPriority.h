#pragma once
// The "Priority Channels" dialog (Memories > Priority Channel..., an item the
// menu keeps hidden): a priority channel number, 0 to 1100, typed or stepped
// with "+" and "-". The image has no place for it, so OK only closes.

#include "settings/SettingsDialog.h"

class QLabel;
class VbTextBox;

class frmPriority : public SettingsDialog {
  Q_OBJECT

 public:
  static constexpr int kHighest = 1100;

  explicit frmPriority(QWidget* owner = nullptr);

  void Form_Load();
  // Digits and Backspace only (and the box's editing shortcuts).
  void Text1_KeyPress(int& KeyAscii);
  // "+": one up, from 1100 round to 1.
  void Command2_Click();
  // "-": one down, from 1 (or 0, or nothing) round to 1100.
  void Command3_Click();
  // Leaving the box: above 1100 becomes "1100", nothing or 0 becomes "0".
  void Text1_LostFocus();
  void Command6_Click() override;

  // The number the box holds: its leading digits, 0 for none.
  long long Value() const;

  QLabel* Label1 = nullptr;
  VbTextBox* Text1 = nullptr;
  QPushButton* Command2 = nullptr;  // "+"
  QPushButton* Command3 = nullptr;  // "-"

 private:
  void ShowStepped(long long value);
};
