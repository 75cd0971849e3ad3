#include "importexport/frmImportSelectB.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>

#include "image/Val.h"
#include "importexport/ImportStartFrame.h"
#include "mainwindow/Globals.h"
#include "mainwindow/StepCounter.h"
#include "platform/VbTextBox.h"
#include "readers/clsVX2R.h"

std::int32_t VX2FirstChannel = 0;
std::int32_t VX2LastChannel = 0;

namespace {

// The highest channel number a VX-2R file holds.
constexpr double kLastVX2Channel = readers::clsVX2R::kMemoryCount;

// A number as plain decimal text: "37", "12.5".
std::string PlainNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

VbTextBox* RangeBox(const char* name, const char* text, QWidget* parent) {
  auto* box = new VbTextBox(parent);
  box->setObjectName(name);
  box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  box->setFixedWidth(60);
  box->SetText(text);
  return box;
}

QLayout* BoxWithSpin(VbTextBox* box, QPushButton* up, QPushButton* down) {
  auto* spin = new QVBoxLayout;
  spin->setSpacing(0);
  spin->addWidget(up);
  spin->addWidget(down);
  auto* row = new QHBoxLayout;
  row->addWidget(box);
  row->addLayout(spin);
  row->addStretch(1);
  return row;
}

std::int32_t WholeValue(const VbTextBox& box) {
  return static_cast<std::int32_t>(std::lround(std::min(Val(box.Text()), kLastVX2Channel)));
}

}  // namespace

frmImportSelectB::frmImportSelectB(QWidget* owner, std::function<int()> currentRow)
    : QDialog(owner), currentRow_(std::move(currentRow)) {
  setObjectName("frmImportSelectB");
  setWindowTitle(tr("Import"));
  if (owner) setWindowIcon(owner->windowIcon());
  Frame2 = new ImportStartFrame(false, this);

  Frame1 = new QGroupBox(tr("VX-2 File Range"), this);
  Frame1->setObjectName("Frame1");
  Label2 = new QLabel(tr("Channels:"), Frame1);
  Label2->setObjectName("Label2");
  Text2 = RangeBox("Text2", "1", Frame1);
  Command3 = CounterButton("+", "Command3", Frame1);
  Command2 = CounterButton("-", "Command2", Frame1);
  Label1 = new QLabel(tr("To"), Frame1);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Text3 = RangeBox("Text3", "450", Frame1);
  Command5 = CounterButton("+", "Command5", Frame1);
  Command4 = CounterButton("-", "Command4", Frame1);
  // The frame's caption and labels are in Arial, its buttons in the dialog's font.
  for (QWidget* w : std::initializer_list<QWidget*>{Command3, Command2, Command5, Command4})
    w->setFont(OwnFont(font()));
  Frame1->setFont(ArialLike(font()));
  auto* range = new QVBoxLayout(Frame1);
  range->addWidget(Label2);
  range->addLayout(BoxWithSpin(Text2, Command3, Command2));
  range->addWidget(Label1);
  range->addLayout(BoxWithSpin(Text3, Command5, Command4));

  Text2->OnLostFocus = [this] { Text2_LostFocus(); };
  Text3->OnLostFocus = [this] { Text3_LostFocus(); };
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
  connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

  Command1 = new QPushButton(tr("&OK"), this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  auto* frames = new QHBoxLayout;
  frames->addWidget(Frame2);
  frames->addWidget(Frame1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(frames);
  layout->addWidget(Command1, 0, Qt::AlignHCenter);
}

void frmImportSelectB::CapAtLimit(VbTextBox& box) {
  if (Val(box.Text()) > kLastVX2Channel) box.SetText(PlainNumber(kLastVX2Channel));
}

void frmImportSelectB::StepUp(VbTextBox& box) {
  box.SetText(PlainNumber(StepCounter(Val(box.Text()), +1, kLastVX2Channel)));
  box.selectAll();
  box.SetFocus();
}

void frmImportSelectB::StepDown(VbTextBox& box, int wrapTo) {
  box.SetText(PlainNumber(StepCounter(Val(box.Text()), -1, kLastVX2Channel, wrapTo)));
  box.selectAll();
  box.SetFocus();
}

void frmImportSelectB::Text2_LostFocus() { CapAtLimit(*Text2); }
void frmImportSelectB::Text3_LostFocus() { CapAtLimit(*Text3); }
void frmImportSelectB::Command3_Click() { StepUp(*Text2); }
void frmImportSelectB::Command2_Click() { StepDown(*Text2, static_cast<int>(kLastVX2Channel)); }
void frmImportSelectB::Command5_Click() { StepUp(*Text3); }
// The last channel wraps to 450, the usual size of a range, not to 1000.
void frmImportSelectB::Command4_Click() { StepDown(*Text3, 450); }

void frmImportSelectB::Command1_Click() {
  ImportStartRow = Frame2->StartRow(currentRow_ ? currentRow_() : 1);
  // The cap is applied here as well: OK pressed with Enter leaves no box.
  VX2FirstChannel = WholeValue(*Text2);
  VX2LastChannel = WholeValue(*Text3);
  accept();
}
