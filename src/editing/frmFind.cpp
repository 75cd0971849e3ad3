#include "editing/frmFind.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "platform/Cp1252.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbEvents.h"
#include "platform/VbKeys.h"
#include "platform/VbTextBox.h"

namespace {

constexpr int kMaxSearchLength = 10;

bool TakenByTagMode(int key) { return key == vbKeyBack || (key >= 32 && key <= 125 && key != 96); }
bool TakenByFreqMode(int key) {
  return key == vbKeyBack || key == '.' || (key >= '0' && key <= '9');
}

}  // namespace

frmFind::frmFind(Form1& form) : QDialog(&form), form_(form) {
  setObjectName("frmFind");
  setWindowTitle(QStringLiteral("Find"));
  setWindowIcon(form.windowIcon());

  Label1 = new QLabel(QStringLiteral("Frequency"), this);
  Text1 = new VbTextBox(this);
  Text1->setObjectName("Text1");
  Option1 = new QRadioButton(QStringLiteral("Search By Tag"), this);
  Option2 = new QRadioButton(QStringLiteral("Search By Freq"), this);
  Option2->setChecked(true);
  // Enter in the search box is one search step of its own; no default
  // button takes it a second time.
  Command1 = new VbCommandButton(QStringLiteral("&Find Next"), this);
  Command2 = new VbCommandButton(QStringLiteral("&Cancel"), this);

  Text1->OnChange = [this] { Text1_Change(); };
  Text1->OnKeyPress = [this](int& key) { Text1_KeyPress(key); };
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

  auto* layout = new QGridLayout(this);
  layout->addWidget(Label1, 0, 0);
  layout->addWidget(Text1, 0, 1);
  layout->addWidget(Command1, 0, 2);
  layout->addWidget(Option1, 1, 0, 1, 2);
  layout->addWidget(Command2, 1, 2);
  layout->addWidget(Option2, 2, 0, 1, 2);
  FindStartRow = 1;
}

void frmFind::Command1_Click() {
  MSFlexGrid& grid = *form_.MSFlexGrid1;
  const bool byTag = Option1->isChecked();
  const int column = byTag ? ColComments : ColFreq;
  const QString needle = FromCp1252(Text1->Text());
  for (int r = std::max(FindStartRow, 1); r < grid.Rows(); ++r) {
    const std::string& cell = grid.TextMatrix(r, column);
    // Every text, the empty one too, occurs in a non-empty cell only.
    if (cell.empty() || !FromCp1252(cell).contains(needle, Qt::CaseInsensitive)) continue;
    grid.SetTopRow(r);
    grid.SetRow(r);
    if (!form_.Frame2->isHidden()) {
      AltRow = r;
      form_.LoadAlt();
    }
    grid.SetHighLight(flexHighlightAlways);
    grid.SetCol(byTag ? ColLabel : ColFreq);
    grid.SetColSel(grid.Cols() - 1);
    FindStartRow = r + 1;
    return;
  }
  MsgBox("Search text is not found.", vbExclamation | vbOKOnly, kMsgTitle);
  FindStartRow = 0;
}

void frmFind::Command2_Click() {
  form_.MSFlexGrid1->SetHighLight(flexHighlightNever);
  reject();
}

void frmFind::Text1_Change() {
  FindStartRow = 0;
  const std::string text = Text1->Text();
  if (static_cast<int>(text.size()) <= kMaxSearchLength) return;
  const int caret = Text1->cursorPosition();
  Text1->SetText(text.substr(0, kMaxSearchLength));
  Text1->setCursorPosition(std::min(caret, kMaxSearchLength));
}

void frmFind::Text1_KeyPress(int& KeyAscii) {
  if (KeyAscii == vbKeyReturn) {
    KeyAscii = 0;
    Command1_Click();
    return;
  }
  // Editing shortcuts, and Escape for the dialog, pass.
  if (IsEditingShortcut(KeyAscii) || KeyAscii == vbKeyEscape) return;
  const bool taken = Option1->isChecked() ? TakenByTagMode(KeyAscii) : TakenByFreqMode(KeyAscii);
  if (!taken) KeyAscii = 0;
}
