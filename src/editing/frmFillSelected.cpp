#include "editing/frmFillSelected.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <string_view>

#include "image/Val.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "platform/VbCommandButton.h"
#include "platform/VbEvents.h"
#include "platform/VbKeys.h"
#include "platform/VbTextBox.h"

namespace {

bool IsFillKey(int ascii) {
  return std::string_view("0123456789.").find(static_cast<char>(ascii)) != std::string_view::npos ||
         ascii == vbKeyBack || ascii == vbKeyReturn || IsEditingShortcut(ascii);
}

}  // namespace

frmFillSelected::frmFillSelected(Form1& owner) : QDialog(&owner), owner_(owner) {
  setObjectName("frmFillSelected");
  setWindowTitle(QStringLiteral("Fill Selected"));
  setWindowIcon(owner.windowIcon());

  Label1 = new QLabel(QStringLiteral("Starting Freq"), this);
  Label1->setObjectName("Label1");
  Label2 = new QLabel(QStringLiteral("Increment"), this);
  Label2->setObjectName("Label2");
  Text1 = new VbTextBox(this);
  Text1->setObjectName("Text1");
  Text1->SetText("0.495");
  Text2 = new VbTextBox(this);
  Text2->setObjectName("Text2");
  Text2->SetText("0.000");
  // Enter is the boxes' own key (it runs OK as the texts stand); no default
  // button takes it over.
  Command1 = new VbCommandButton(QStringLiteral("&OK"), this);
  Command1->setObjectName("Command1");
  Command2 = new VbCommandButton(QStringLiteral("&Cancel"), this);
  Command2->setObjectName("Command2");

  Text1->OnKeyPress = [this](int& KeyAscii) { Text1_KeyPress(KeyAscii); };
  Text2->OnKeyPress = [this](int& KeyAscii) { Text2_KeyPress(KeyAscii); };
  Text1->OnLostFocus = [this] { Text1_LostFocus(); };
  Text2->OnLostFocus = [this] { Text2_LostFocus(); };
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

  auto* boxes = new QGridLayout;
  boxes->addWidget(Label1, 0, 0);
  boxes->addWidget(Text1, 0, 1);
  boxes->addWidget(Label2, 1, 0);
  boxes->addWidget(Text2, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
}

void frmFillSelected::Command1_Click() {
  std::string start = Text1->Text();
  std::string increment = Text2->Text();
  owner_.FillSelected(start, increment);
  accept();
}

void frmFillSelected::Command2_Click() { reject(); }

void frmFillSelected::KeyFilter(int& KeyAscii) {
  if (!IsFillKey(KeyAscii)) {
    KeyAscii = 0;
  } else if (KeyAscii == vbKeyReturn) {
    KeyAscii = 0;
    Command1_Click();
  }
}

void frmFillSelected::Text1_KeyPress(int& KeyAscii) { KeyFilter(KeyAscii); }
void frmFillSelected::Text2_KeyPress(int& KeyAscii) { KeyFilter(KeyAscii); }

void frmFillSelected::Normalise(VbTextBox& box, bool raiseToLowest) {
  std::string text = box.Text();
  if (text.find('.') == std::string::npos) text += ".0";
  // The increment may be below the lowest frequency, never above the highest.
  if (raiseToLowest || Val(text) > kHighestFreq) text = WithinTuningRange(text);
  box.SetText(owner_.frqFilter(text));
}

void frmFillSelected::Text1_LostFocus() { Normalise(*Text1, true); }
void frmFillSelected::Text2_LostFocus() { Normalise(*Text2, false); }
