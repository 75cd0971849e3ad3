#include "settings/frmSetMode1.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>

#include "image/clsICR2.h"
#include "platform/VbComboBox.h"

namespace {

// One set-mode setting: its list, its label and the image's accessors.
struct SetModeList {
  int combo;  // Combo<n>
  const char* label;
  OptionList (*options)();
  std::string (clsICR2::*get)() const;
  void (clsICR2::*set)(std::string_view);
};

// In tab order; the first seven fill the left column, the rest the right.
constexpr SetModeList kLists[frmSetMode1::kListCount] = {
    {1, "D SEL", &clsICR2::GetDSEL_Opt, &clsICR2::GetDSEL, &clsICR2::SetDSEL},
    {2, "RESUME", &clsICR2::GetRESUME_Opt, &clsICR2::GetResume, &clsICR2::SetResume},
    {3, "PAUSE", &clsICR2::GetPAUSE_Opt, &clsICR2::GetPause, &clsICR2::SetPause},
    {4, "PRIO", &clsICR2::GetPRIO_Opt, &clsICR2::GetPRIO, &clsICR2::SetPRIO},
    {5, "BEEP", &clsICR2::GetBEEP_Opt, &clsICR2::GetBEEP, &clsICR2::SetBEEP},
    {6, "LIGHT", &clsICR2::GetLIGHT_Opt, &clsICR2::GetLight, &clsICR2::SetLight},
    {7, "AP OFF", &clsICR2::GetAPOFF_Opt, &clsICR2::GetAPOFF, &clsICR2::SetAPOFF},
    {8, "P SAVE", &clsICR2::GetPSAVE_Opt, &clsICR2::GetPSAVE, &clsICR2::SetPSAVE},
    {9, "MONI", &clsICR2::GetMONI_Opt, &clsICR2::GetMONI, &clsICR2::SetMONI},
    {10, "SPEED", &clsICR2::GetSPEED_Opt, &clsICR2::GetSPEED, &clsICR2::SetSPEED},
    {12, "LOCK", &clsICR2::GetLOCK_Opt, &clsICR2::GetLOCK, &clsICR2::SetLOCK},
    {13, "CH", &clsICR2::GetCH_Opt, &clsICR2::GetCH, &clsICR2::SetCH},
    {14, "EXPAND", &clsICR2::GetEXPAND_Opt, &clsICR2::GetEXPAND, &clsICR2::SetEXPAND},
};
constexpr int kLeftColumnRows = 7;

}  // namespace

frmSetMode1::frmSetMode1(QWidget* owner) : SettingsDialog(owner, "frmSetMode1", "Set Mode") {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  grid->setColumnMinimumWidth(2, 16);
  for (int i = 0; i < kListCount; ++i) {
    const SetModeList& entry = kLists[i];
    const std::string name = "Combo" + std::to_string(entry.combo);
    Lists[i] = MakeList(name.c_str());
    const bool left = i < kLeftColumnRows;
    const int row = left ? i : i - kLeftColumnRows;
    const int column = left ? 0 : 3;
    grid->addWidget(MakeLabel(entry.label), row, column);
    grid->addWidget(Lists[i], row, column + 1);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(ButtonRow());
  layout->setSizeConstraint(QLayout::SetFixedSize);

  QWidget::setTabOrder(Command6, Command5);
  QWidget* previous = Command5;
  for (VbComboBox* list : Lists) {
    QWidget::setTabOrder(previous, list);
    previous = list;
  }
  Command6->setDefault(true);
  Command6->setFocus();

  Form_Load();
  // Both columns line up: every list as wide as the widest entry needs.
  int width = 0;
  for (const VbComboBox* list : Lists) width = std::max(width, list->sizeHint().width());
  for (VbComboBox* list : Lists) list->setMinimumWidth(width);
}

VbComboBox* frmSetMode1::Combo(int number) const {
  for (int i = 0; i < kListCount; ++i)
    if (kLists[i].combo == number) return Lists[i];
  return nullptr;
}

void frmSetMode1::Form_Load() {
  CopyOwnerIcon();
  for (int i = 0; i < kListCount; ++i) {
    Lists[i]->Clear();
    for (const std::string& text : kLists[i].options()) Lists[i]->AddItem(text);
  }
  LoadAll();
}

void frmSetMode1::LoadAll() {
  for (int i = 0; i < kListCount; ++i) {
    SelectStoredValue(*Lists[i], (ICR2Image.*kLists[i].get)(), kLists[i].label);
  }
}

// Every list is written, changed or not: writing CH again also brings the
// copy the radio keeps of it in 0xE81 back in step. A list that could not
// show its value has an empty text, which its setter ignores, so that byte
// stays as it was.
void frmSetMode1::SaveAll() {
  for (int i = 0; i < kListCount; ++i) (ICR2Image.*kLists[i].set)(Lists[i]->Text());
}

void frmSetMode1::Command6_Click() {
  SaveAll();
  accept();
}
