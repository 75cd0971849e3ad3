#include "importexport/ImportStartFrame.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Globals.h"
#include "mainwindow/StepCounter.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"

QPushButton* CounterButton(const char* caption, const char* name, QWidget* parent) {
  auto* button = new VbCommandButton(QString::fromLatin1(caption), parent);
  button->setObjectName(name);
  button->setFixedSize(22, 16);
  return button;
}

QFont OwnFont(QFont font) {
  // Naming the family makes the font the widget's own, so a frame's caption
  // font is not handed down to it.
  font.setFamily(font.family());
  return font;
}

QFont ArialLike(QFont font) {
  font.setFamily(QStringLiteral("Arial"));
  return font;
}

ImportStartFrame::ImportStartFrame(bool editableRowBox, QWidget* parent)
    : QGroupBox(tr("Import Starting At:"), parent), editableRowBox_(editableRowBox) {
  setObjectName("Frame2");
  Option6 = new QRadioButton(tr("Last Empty Memory Channel"), this);
  Option6->setObjectName("Option6");
  Option7 = new QRadioButton(tr("Currently Selected Row"), this);
  Option7->setObjectName("Option7");
  Option5 = new QRadioButton(tr("Memory Channel Number:"), this);
  Option5->setObjectName("Option5");
  Text1 = new VbTextBox(this);
  Text1->setObjectName("Text1");
  Text1->setReadOnly(true);
  Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Text1->setFixedWidth(80);
  Command8 = CounterButton("+", "Command8", this);
  Command9 = CounterButton("-", "Command9", this);

  // The options act when they become selected, as the classic option buttons do.
  connect(Option5, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option5_Click();
  });
  connect(Option6, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option6_Click();
  });
  connect(Option7, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option7_Click();
  });
  connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
  connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });

  auto* spin = new QVBoxLayout;
  spin->setSpacing(0);
  spin->addWidget(Command8);
  spin->addWidget(Command9);
  auto* rowChooser = new QHBoxLayout;
  rowChooser->addSpacing(20);
  rowChooser->addWidget(Text1);
  rowChooser->addLayout(spin);
  rowChooser->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Option6);
  layout->addWidget(Option7);
  layout->addWidget(Option5);
  layout->addLayout(rowChooser);

  // The caption is in Arial; the options and buttons keep the dialog's font.
  for (QWidget* w : std::initializer_list<QWidget*>{Option6, Option7, Option5, Command8, Command9})
    w->setFont(OwnFont(font()));
  setFont(ArialLike(font()));

  Option6->setChecked(true);
  EnableRowChooser(false);
  ShowSpinRow();
}

void ImportStartFrame::ShowSpinRow() { Text1->SetText(RowLabel(SpinRow)); }

void ImportStartFrame::EnableRowChooser(bool on) {
  Text1->setEnabled(on && editableRowBox_);
  Command8->setEnabled(on);
  Command9->setEnabled(on);
}

void ImportStartFrame::Option5_Click() { EnableRowChooser(true); }
void ImportStartFrame::Option6_Click() { EnableRowChooser(false); }
void ImportStartFrame::Option7_Click() { EnableRowChooser(false); }

void ImportStartFrame::Command8_Click() {
  SpinRow = StepCounter(SpinRow, +1, LastScanEdgeRow);
  ShowSpinRow();
}

void ImportStartFrame::Command9_Click() {
  SpinRow = StepCounter(SpinRow, -1, LastScanEdgeRow);
  ShowSpinRow();
}

int ImportStartFrame::StartRow(int currentRow) const {
  if (Option6->isChecked()) return kStartAtLastEmptyRow;
  if (Option5->isChecked()) return SpinRow;
  return currentRow;
}
