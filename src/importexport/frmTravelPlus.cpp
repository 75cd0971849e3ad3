#include "importexport/frmTravelPlus.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "importexport/TravelPlus.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "mainwindow/StepCounter.h"
#include "platform/MSFlexGrid.h"
#include "platform/VbTextBox.h"

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

  Frame2 = new QGroupBox("Import Starting At:", this);
  auto* start = new QGridLayout(Frame2);
  Option6 = Radio(Frame2, "Option6", "Last Empty Memory Channel");
  Option5 = Radio(Frame2, "Option5", "Memory Channel Number:");
  Option7 = Radio(Frame2, "Option7", "Currently Selected Row");
  Text1 = new VbTextBox(Frame2);
  Text1->setObjectName("Text1");
  Text1->setReadOnly(true);
  Text1->setMaximumWidth(80);
  Command8 = Button(Frame2, "Command8", "+");
  Command9 = Button(Frame2, "Command9", "-");
  for (QPushButton* b : {Command8, Command9}) b->setMaximumWidth(32);
  start->addWidget(Option6, 0, 0, 1, 4);
  start->addWidget(Option5, 1, 0);
  start->addWidget(Text1, 1, 1);
  start->addWidget(Command8, 1, 2);
  start->addWidget(Command9, 1, 3);
  start->addWidget(Option7, 2, 0, 1, 4);

  Command1 = Button(this, "Command1", "&OK");
  Command1->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addWidget(Frame2);
  layout->addWidget(Command1, 0, Qt::AlignRight);

  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
  connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
  connect(Option5, &QRadioButton::clicked, this, [this] { Option5_Click(); });
  connect(Option6, &QRadioButton::clicked, this, [this] { Option6_Click(); });
  connect(Option7, &QRadioButton::clicked, this, [this] { Option7_Click(); });
  Form_Load();
}

void frmTravelPlus::Form_Load() {
  if (owner_) setWindowIcon(owner_->windowIcon());
  Option1->setChecked(true);
  Option6->setChecked(true);
  SpinRow = 1;
  ShowSpinRow();
  DisableSpin();
}

void frmTravelPlus::ShowSpinRow() { Text1->SetText(RowLabel(SpinRow)); }

void frmTravelPlus::DisableSpin() {
  Text1->setEnabled(false);
  Command8->setEnabled(false);
  Command9->setEnabled(false);
}

void frmTravelPlus::Command8_Click() {
  SpinRow = StepCounter(SpinRow, +1, LastScanEdgeRow);
  ShowSpinRow();
}

void frmTravelPlus::Command9_Click() {
  SpinRow = StepCounter(SpinRow, -1, LastScanEdgeRow);
  ShowSpinRow();
}

// The label box only ever displays, so it stays greyed; the buttons step.
void frmTravelPlus::Option5_Click() {
  Command8->setEnabled(true);
  Command9->setEnabled(true);
}
void frmTravelPlus::Option6_Click() { DisableSpin(); }
void frmTravelPlus::Option7_Click() { DisableSpin(); }

void frmTravelPlus::Command1_Click() {
  for (int i = 0; i < 4; ++i)
    if ((this->*kTagOptions[i].option)->isChecked()) TPETagField = i;
  if (Option6->isChecked()) TPEStartRow = kStartAtLastEmptyRow;
  if (Option5->isChecked()) TPEStartRow = SpinRow;
  if (Option7->isChecked()) TPEStartRow = owner_ ? owner_->MSFlexGrid1->Row() : 1;
  accept();
}
