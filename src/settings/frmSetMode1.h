#pragma once
// The "Set Mode" dialog (IC-R2 Settings > Set Mode...): thirteen of the
// receiver's set-mode settings, each a pick-only list filled from the image's
// option list and showing the image's value. OK stores every list again.

#include <array>

#include "settings/SettingsDialog.h"

class frmSetMode1 : public SettingsDialog {
  Q_OBJECT

 public:
  static constexpr int kListCount = 13;

  explicit frmSetMode1(QWidget* owner = nullptr);

  void Form_Load();
  // Selects each list's stored value; a value a list cannot show gets one
  // "ERROR" box and leaves that list without a selection.
  void LoadAll();
  // Hands every list's text to its setter, changed or not.
  void SaveAll();
  void Command6_Click() override;

  // Combo1 to Combo14 (there is no Combo11); nullptr for other numbers.
  VbComboBox* Combo(int number) const;
  // The lists in the order of the settings table (Combo1 ... Combo10,
  // Combo12, Combo13, Combo14).
  std::array<VbComboBox*, kListCount> Lists{};
};
