#include "editing/frmDupCheck.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmDupCheck::frmDupCheck(QWidget* parent) : QDialog(parent) {
  setObjectName("frmDupCheck");
  setWindowTitle(QStringLiteral("Duplicate Frequency Check"));
  if (parent) setWindowIcon(parent->windowIcon());

  Frame1 = new QGroupBox(this);
  Option1 = new QRadioButton(QStringLiteral("Generate Report Only"), Frame1);
  Option2 = new QRadioButton(QStringLiteral("Delete Duplicates Automatically"), Frame1);
  Option1->setChecked(true);
  auto* options = new QVBoxLayout(Frame1);
  options->addWidget(Option1);
  options->addWidget(Option2);

  Check1 = new QCheckBox(QStringLiteral("Do not flag channels with different TONEs as duplicates"),
                         this);
  Check2 = new QCheckBox(
      QStringLiteral("Do not flag channels with different comments as duplicates"), this);
  Command1 = new QPushButton(QStringLiteral("&OK"), this);
  Command2 = new QPushButton(QStringLiteral("&Cancel"), this);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addWidget(Check1);
  layout->addWidget(Check2);
  layout->addLayout(buttons);
}

void frmDupCheck::Command1_Click() { accept(); }
void frmDupCheck::Command2_Click() { reject(); }

bool frmDupCheck::NoCode() const { return Check1->isChecked(); }
bool frmDupCheck::NoText() const { return Check2->isChecked(); }
bool frmDupCheck::Delete() const { return Option2->isChecked(); }
