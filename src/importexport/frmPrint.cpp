#include "importexport/frmPrint.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "image/Val.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "platform/Modal.h"
#include "platform/VbKeys.h"
#include "platform/VbTextBox.h"

namespace {

constexpr const char* kPrintTitle = "IC-R2 Kestrane";

// The range boxes stop at the grid's last row: a larger number would name
// rows that do not exist.
constexpr int kLastPrintableRow = LastScanEdgeRow;

int RangeValue(const VbTextBox& box) { return static_cast<int>(std::lround(Val(box.Text()))); }

}  // namespace

frmPrint::frmPrint(Form1& owner) : QDialog(&owner), owner_(owner) {
  setObjectName("frmPrint");
  setWindowTitle("Print to Default Printer...");
  Option2 = new QRadioButton("Memory Range:", this);
  Option2->setObjectName("Option2");
  Option1 = new QRadioButton("All", this);
  Option1->setObjectName("Option1");
  Text1 = new VbTextBox(this);
  Text1->setObjectName("Text1");
  Text2 = new VbTextBox(this);
  Text2->setObjectName("Text2");
  for (VbTextBox* box : {Text1, Text2}) {
    box->setFont(QFont("Fixedsys"));
    box->setMaximumWidth(70);
    box->OnKeyPress = [](int& key) { Text_KeyPress(key); };
  }
  Text1->OnLostFocus = [this] { Text1_LostFocus(); };
  Text2->OnLostFocus = [this] { Text2_LostFocus(); };
  Label1 = new QLabel("to", this);
  Label1->setObjectName("Label1");
  Command1 = new QPushButton("&OK", this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  Command2 = new QPushButton("&Cancel", this);
  Command2->setObjectName("Command2");
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

  auto* range = new QHBoxLayout;
  range->addWidget(Option2);
  range->addWidget(Text1);
  range->addWidget(Label1);
  range->addWidget(Text2);
  range->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(range);
  layout->addWidget(Option1);
  layout->addLayout(buttons);
  Form_Load();
}

void frmPrint::Form_Load() {
  setWindowIcon(owner_.windowIcon());
  Option2->setChecked(true);
  Text1->SetText("1");
  Text2->SetText("35");
}

void frmPrint::Text_KeyPress(int& KeyAscii) {
  if ((KeyAscii < '0' || KeyAscii > '9') && KeyAscii != vbKeyBack) KeyAscii = 0;
}

void frmPrint::ClampRangeBox(VbTextBox& box) {
  if (Val(box.Text()) < 1) box.SetText("1");
  if (Val(box.Text()) > kLastPrintableRow) box.SetText(std::to_string(kLastPrintableRow));
}

void frmPrint::Text1_LostFocus() { ClampRangeBox(*Text1); }
void frmPrint::Text2_LostFocus() { ClampRangeBox(*Text2); }

void frmPrint::Command1_Click() {
  // A box still being typed in has not been left yet.
  ClampRangeBox(*Text1);
  ClampRangeBox(*Text2);
  if (Val(Text1->Text()) > Val(Text2->Text())) {
    const int first = RangeValue(*Text1), last = RangeValue(*Text2);
    Text2->SetText(std::to_string(first));
    Text1->SetText(std::to_string(last));
  }
  hide();
  if (Option1->isChecked()) {
    owner_.PrintGrid(*owner_.MSFlexGrid1, kPrintTitle, true, 1, LastBankRow);
  } else {
    owner_.PrintGrid(*owner_.MSFlexGrid1, kPrintTitle, true, RangeValue(*Text1),
                     RangeValue(*Text2));
  }
  accept();
}

void frmPrint::Command2_Click() { reject(); }

void Form1::mnuPrint_Click() {
  frmPrint dialog(*this);
  ShowModal(dialog);
}
