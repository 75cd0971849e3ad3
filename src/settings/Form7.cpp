#include "settings/Form7.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "image/clsICR2.h"
#include "platform/VbComboBox.h"

Form7::Form7(QWidget* owner) : SettingsDialog(owner, "Form7", "Squelch") {
  Combo1 = MakeList("Combo1");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Combo1);
  layout->addLayout(ButtonRow());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  SetTabOrder({Command5, Command6, Combo1});
  Command5->setFocus();
  Form_Load();
}

void Form7::Form_Load() {
  CopyOwnerIcon();
  Combo1->Clear();
  for (const std::string& text : clsICR2::GetSquelch_Opt()) Combo1->AddItem(text);
  SelectStoredValue(*Combo1, ICR2Image.GetSquelch(), "SQUELCH");
}

void Form7::Command6_Click() {
  ICR2Image.SetSquelch(Combo1->Text());
  accept();
}
