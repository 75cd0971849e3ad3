#pragma once
// The "User Comments" dialog (IC-R2 Settings > User Comments...): the
// 16-character comment the receiver keeps in its image.

#include "settings/SettingsDialog.h"

class VbTextBox;

class frmComments : public SettingsDialog {
  Q_OBJECT

 public:
  explicit frmComments(QWidget* owner = nullptr);

  void Form_Load();
  // OK: stores the box's text, padded with blanks to 16 characters, and closes.
  void Command6_Click() override;

  VbTextBox* Text1 = nullptr;
};
