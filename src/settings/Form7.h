#pragma once
// The "Squelch" dialog (IC-R2 Settings > Squelch...): the receiver's squelch
// level as one pick-only list.

#include "settings/SettingsDialog.h"

class Form7 : public SettingsDialog {
  Q_OBJECT

 public:
  explicit Form7(QWidget* owner = nullptr);

  void Form_Load();
  // OK: stores the chosen level (none chosen: the level stays) and closes.
  void Command6_Click() override;

  VbComboBox* Combo1 = nullptr;
};
