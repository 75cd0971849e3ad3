#include "importexport/frmTravelPlus.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "importexport/ImportStartFrame.h"
#include "importexport/TravelPlus.h"
#include "mainwindow/Form1.h"
#include "platform/MSFlexGrid.h"

namespace {

struct TagOption {
  QRadioButton* frmTravelPlus::*option;
  const char* name;
  const char* caption;
};
const TagOption kTagOptions[] = {
    {&frmTravelPlus::Option1, "Option1", "Location (City)"},
    {&frmTravelPlus::Option2, "Option2", "Region"},
    {&frmTravelPlus::Option3, "Option3", "Call Sign"},
    {&frmTravelPlus::Option4, "Option4", "Sponsor"},
};

QRadioButton* Radio(QWidget* parent, const char* name, const char* caption) {
  auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
  option->setObjectName(QString::fromLatin1(name));
  return option;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

frmTravelPlus::frmTravelPlus(Form1* owner) : QDialog(owner), owner_(owner) {
  setObjectName("frmTravelPlus");
  setWindowTitle("Import TPE");

  Frame1 = new QGroupBox("Field to use for Tags", this);
  auto* tags = new QVBoxLayout(Frame1);
  for (const TagOption& def : kTagOptions) {
    this->*def.option = Radio(Frame1, def.name, def.caption);
    tags->addWidget(this->*def.option);
  }

  Frame2 = new ImportStartFrame(false, this);

  Command1 = Button(this, "Command1", "&OK");
  Command1->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addWidget(Frame2);
  layout->addWidget(Command1, 0, Qt::AlignRight);

  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  Form_Load();
}

void frmTravelPlus::Form_Load() {
  if (owner_) setWindowIcon(owner_->windowIcon());
  Option1->setChecked(true);
}

void frmTravelPlus::Command1_Click() {
  for (int i = 0; i < 4; ++i)
    if ((this->*kTagOptions[i].option)->isChecked()) TPETagField = i;
  TPEStartRow = Frame2->StartRow(owner_ ? owner_->MSFlexGrid1->Row() : 1);
  accept();
}
