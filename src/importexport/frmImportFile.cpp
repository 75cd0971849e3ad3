#include "importexport/frmImportFile.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <string_view>

#include "editing/Undo.h"
#include "image/FileIo.h"
#include "image/TextFile.h"
#include "importexport/FreqScan.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1Shared.h"
#include "mainwindow/StepCounter.h"
#include "platform/Clipboard.h"
#include "platform/Cp1252.h"
#include "platform/FileDialogs.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"
#include "platform/MsgBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"

namespace {

constexpr int kWatchIntervalMs = 500;
// Between an entry's frequency and its comment.
constexpr std::string_view kEntrySeparator = "   ";

struct ButtonDef {
  QPushButton* frmImportFile::*button;
  const char* name;
  const char* caption;
  void (frmImportFile::*click)();
};
const ButtonDef kButtons[] = {
    {&frmImportFile::Command1, "Command1", "Add >>", &frmImportFile::Command1_Click},
    {&frmImportFile::Command2, "Command2", "<< Remove", &frmImportFile::Command2_Click},
    {&frmImportFile::Command3, "Command3", "Add All >>", &frmImportFile::Command3_Click},
    {&frmImportFile::Command4, "Command4", "Clear", &frmImportFile::Command4_Click},
    {&frmImportFile::Command5, "Command5", "Clear", &frmImportFile::Command5_Click},
    {&frmImportFile::Command6, "Command6", "Import From File...", &frmImportFile::Command6_Click},
    {&frmImportFile::Command7, "Command7", "Monitor Clipboard...", &frmImportFile::Command7_Click},
    {&frmImportFile::Command8, "Command8", "+", &frmImportFile::Command8_Click},
    {&frmImportFile::Command9, "Command9", "-", &frmImportFile::Command9_Click},
    {&frmImportFile::Command10, "Command10", "Send Data To Grid", &frmImportFile::Command10_Click},
    {&frmImportFile::Command11, "Command11", "Close", &frmImportFile::Command11_Click},
};

QRadioButton* Radio(QWidget* parent, const char* name, const char* caption) {
  auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
  option->setObjectName(QString::fromLatin1(name));
  return option;
}

QLabel* Caption(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

frmImportFile::frmImportFile(Form1& owner) : QDialog(&owner), owner_(owner) {
  setObjectName("frmImportFile");
  setWindowTitle("Frequency Import Tool");

  for (const ButtonDef& def : kButtons) {
    auto* button = new VbCommandButton(QString::fromLatin1(def.caption), this);
    button->setObjectName(QString::fromLatin1(def.name));
    connect(button, &QPushButton::clicked, this, [this, click = def.click] { (this->*click)(); });
    this->*def.button = button;
  }
  List1 = new QListWidget(this);
  List1->setObjectName("List1");
  List2 = new QListWidget(this);
  List2->setObjectName("List2");
  for (QListWidget* list : {List1, List2}) list->setFont(QFont("Fixedsys"));
  Label1 = Caption(this, "Label1", "Frequencies Found");
  Label2 = Caption(this, "Label2", "Frequencies To Import");
  Label3 = Caption(this, "Label3", "Waiting For Clipboard Copy....");
  QFont bold = Label3->font();
  bold.setBold(true);
  Label3->setFont(bold);

  Check1 = new QCheckBox("Search For Multiple Freqs Per Line", this);
  Check1->setObjectName("Check1");
  connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
  Check2 = new QCheckBox("Attempt To Extract Comments", this);
  Check2->setObjectName("Check2");

  Frame1 = new QGroupBox("Import Starting At:", this);
  Option3 = Radio(Frame1, "Option3", "Last Empty Memory Channel");
  Option4 = Radio(Frame1, "Option4", "Memory Channel Number:");
  Option1 = Radio(Frame1, "Option1", "Currently Selected Row");
  connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
  connect(Option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });
  connect(Option4, &QRadioButton::clicked, this, [this] { Option4_Click(); });
  Text1 = new VbTextBox(Frame1);
  Text1->setObjectName("Text1");
  Text1->setReadOnly(true);
  Text1->setMaximumWidth(80);
  for (QPushButton* b : {Command8, Command9}) {
    b->setParent(Frame1);
    b->setMaximumWidth(32);
  }
  auto* start = new QGridLayout(Frame1);
  start->addWidget(Option3, 0, 0, 1, 4);
  start->addWidget(Option4, 1, 0);
  start->addWidget(Text1, 1, 1);
  start->addWidget(Command8, 1, 2);
  start->addWidget(Command9, 1, 3);
  start->addWidget(Option1, 2, 0, 1, 4);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(kWatchIntervalMs);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

  // Found list with its buttons, the move buttons, the list to import.
  auto* found = new QVBoxLayout;
  found->addWidget(Label1);
  found->addWidget(List1, 1);
  found->addWidget(Command4);
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* b : {Command1, Command2, Command3}) moves->addWidget(b);
  moves->addStretch();
  auto* chosen = new QVBoxLayout;
  chosen->addWidget(Label2);
  chosen->addWidget(List2, 1);
  chosen->addWidget(Command5);
  auto* lists = new QHBoxLayout;
  lists->addLayout(found, 1);
  lists->addLayout(moves);
  lists->addLayout(chosen, 1);

  auto* sources = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Command6, Command7, Label3, Check1, Check2})
    sources->addWidget(w);
  sources->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(sources);
  bottom->addWidget(Frame1);
  auto* actions = new QVBoxLayout;
  actions->addStretch();
  actions->addWidget(Command10);
  actions->addWidget(Command11);
  bottom->addLayout(actions);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(bottom);
  resize(720, 480);
  Form_Load();
}

void frmImportFile::Form_Load() {
  setWindowIcon(owner_.windowIcon());
  Option3->setChecked(true);
  EnableSpin(false);
  Label3->setVisible(false);
  SpinRow = 1;
  ShowSpinRow();
}

// ---- finding frequencies -------------------------------------------------------

void frmImportFile::GetFreqData(const std::string& line) {
  const bool multiple = Check1->isChecked();
  const bool comments = Check2->isChecked() && !multiple;
  for (const FoundFrequency& f : ScanFrequencies(TrimBlanks(line), multiple, comments)) {
    std::string entry = owner_.frqFilter(f.number);
    if (comments) entry.append(kEntrySeparator).append(f.comment);
    List1->addItem(FromCp1252(entry));
  }
}

bool frmImportFile::ImportData(const std::string& path) {
  const TextFileLines file = ReadTextFileLines(path);
  if (!file.ok) {
    MsgBox(ToMessageText(file.error), vbOKOnly | vbExclamation, kMsgTitle);
    return false;
  }
  for (const std::string& line : file.lines) GetFreqData(line);
  return true;
}

void frmImportFile::ProcessCopy(const std::string& text) {
  for (const std::string& line : TextLinesOf(text)) GetFreqData(line);
}

void frmImportFile::Command6_Click() {
  const FileDialogResult chosen = GetOpenFileName("Import CSV", {{"All Files (*.*)", "*.*"}}, 1);
  if (chosen.ok && !chosen.path.empty()) ImportData(chosen.path);
}

// ---- watching the clipboard -----------------------------------------------------

void frmImportFile::Command7_Click() {
  if (Timer1->isActive()) {
    Timer1->stop();
    Label3->setVisible(false);
    return;
  }
  // Whatever was copied before the watch started is not what the user means.
  ClipboardClear();
  Timer1->start();
  Label3->setVisible(true);
}

void frmImportFile::Timer1_Timer() {
  const std::string text = ClipboardText();
  if (!text.empty()) {
    ProcessCopy(text);
    ClipboardClear();
    Label3->setVisible(false);
  } else {
    Label3->setVisible(Label3->isHidden());
  }
}

// ---- the two lists -------------------------------------------------------------------

void frmImportFile::MoveSelected(QListWidget& from, QListWidget& to) {
  const int index = from.currentRow();
  if (index < 0 || !from.currentItem() || !from.currentItem()->isSelected()) return;
  QListWidgetItem* item = from.takeItem(index);
  to.addItem(item);
  if (from.count() == 0) return;
  from.setCurrentRow(std::min(index, from.count() - 1));
}

void frmImportFile::Command1_Click() { MoveSelected(*List1, *List2); }
void frmImportFile::Command2_Click() { MoveSelected(*List2, *List1); }

void frmImportFile::Command3_Click() {
  while (List1->count() > 0) List2->addItem(List1->takeItem(0));
}

void frmImportFile::Command4_Click() { List1->clear(); }
void frmImportFile::Command5_Click() { List2->clear(); }

void frmImportFile::Check1_Click() { Check2->setEnabled(!Check1->isChecked()); }

// ---- start position ----------------------------------------------------------

void frmImportFile::ShowSpinRow() { Text1->SetText(RowLabel(SpinRow)); }

void frmImportFile::EnableSpin(bool on) {
  Text1->setEnabled(on);
  Command8->setEnabled(on);
  Command9->setEnabled(on);
}

void frmImportFile::Command8_Click() {
  SpinRow = StepCounter(SpinRow, +1, LastBankRow);
  ShowSpinRow();
}

void frmImportFile::Command9_Click() {
  SpinRow = StepCounter(SpinRow, -1, LastBankRow);
  ShowSpinRow();
}

void frmImportFile::Option1_Click() {}
void frmImportFile::Option3_Click() { EnableSpin(false); }
void frmImportFile::Option4_Click() { EnableSpin(true); }

// ---- sending -------------------------------------------------------------------

void frmImportFile::Command10_Click() {
  MSFlexGrid& grid = *owner_.MSFlexGrid1;
  int start = owner_.GetLastEmptyRow();
  if (Option4->isChecked()) start = SpinRow;
  if (Option1->isChecked()) start = std::max(grid.Row(), 1);
  owner_.SaveUndo();
  bool ranOut = false;
  for (int i = 0; i < List2->count(); ++i) {
    const int row = start + i;
    if (row > LastScanEdgeRow) {
      ranOut = true;
      break;
    }
    const std::string entry = ToCp1252(List2->item(i)->text());
    const std::size_t space = entry.find(' ');
    const std::string freq = entry.substr(0, space);
    const std::size_t commentAt = space + kEntrySeparator.size();
    const std::string comment =
        space == std::string::npos || commentAt > entry.size() ? "" : entry.substr(commentAt);
    grid.SetTextMatrix(row, ColComments, comment);
    grid.SetTextMatrix(row, ColFreq, freq);
    owner_.ApplyDefaults(row);
    owner_.ApplyAutoMode(row);
    owner_.ApplyAutoShift(row);
  }
  // Entries that found no row stay, so none is lost without the user seeing.
  if (!ranOut) List2->clear();
}

void frmImportFile::Command11_Click() {
  Timer1->stop();
  accept();
}

void Form1::mnuFreqImportTool_Click() {
  frmImportFile tool(*this);
  ShowModal(tool);
  // The alternate panel shows its row as the tool left it, so its next store
  // keeps what was sent.
  RefreshAltPanel();
}
