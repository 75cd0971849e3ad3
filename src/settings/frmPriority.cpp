#include "settings/frmPriority.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "mainwindow/StepCounter.h"
#include "platform/VbCommandButton.h"
#include "platform/VbEvents.h"
#include "platform/VbKeys.h"
#include "platform/VbTextBox.h"

namespace {

constexpr int kBoxLength = 4;

QPushButton* StepButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new VbCommandButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFixedSize(24, 16);
  return button;
}

}  // namespace

frmPriority::frmPriority(QWidget* owner)
    : SettingsDialog(owner, "frmPriority", "Priority Channels") {
  Label1 = MakeLabel("Priority Channel");
  Text1 = new VbTextBox(this);
  Text1->setObjectName("Text1");
  Text1->setFont(SettingsListFont());
  Text1->SetMaxLength(kBoxLength);
  Text1->setFixedWidth(QFontMetrics(Text1->font()).horizontalAdvance(QString(kBoxLength + 2, '0')));
  Text1->OnKeyPress = [this](int& KeyAscii) { Text1_KeyPress(KeyAscii); };
  Text1->OnLostFocus = [this] { Text1_LostFocus(); };
  Command2 = StepButton("Command2", "+", this);
  Command3 = StepButton("Command3", "-", this);
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });

  auto* steps = new QVBoxLayout;
  steps->setSpacing(0);
  steps->addWidget(Command2);
  steps->addWidget(Command3);
  auto* row = new QHBoxLayout;
  row->addWidget(Label1);
  row->addWidget(Text1);
  row->addLayout(steps);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(ButtonRow());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  SetTabOrder({Command6, Command5, Text1, Command3, Command2});
  Command6->setFocus();
  Form_Load();
}

void frmPriority::Form_Load() { CopyOwnerIcon(); }

long long frmPriority::Value() const {
  long long value = 0;
  for (char c : Text1->Text()) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

void frmPriority::Text1_KeyPress(int& KeyAscii) {
  const bool digit = KeyAscii >= '0' && KeyAscii <= '9';
  if (!digit && KeyAscii != vbKeyBack && !IsEditingShortcut(KeyAscii)) KeyAscii = 0;
}

void frmPriority::Command2_Click() { ShowStepped(StepCounter(Value(), +1, kHighest)); }

void frmPriority::Command3_Click() { ShowStepped(StepCounter(Value(), -1, kHighest)); }

void frmPriority::ShowStepped(long long value) {
  Text1->SetText(std::to_string(value));
  Text1->selectAll();
  Text1->SetFocus();
}

void frmPriority::Text1_LostFocus() {
  if (Value() > kHighest) Text1->SetText(std::to_string(kHighest));
  if (Value() == 0) Text1->SetText("0");
}

// The receiver's image has no priority channel to store the number in.
void frmPriority::Command6_Click() { accept(); }
