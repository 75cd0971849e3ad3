// The alternate single-channel panel Frame2: one grid row shown as separate
// fields, written back into the same row on "+", "-", a typed row number or
// when the panel is switched off; the bank jumps of the Go To menu.

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "image/Val.h"
#include "image/clsICR2.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "platform/Settings.h"
#include "platform/VbComboBox.h"
#include "platform/VbEvents.h"
#include "platform/VbTextBox.h"

namespace {

// Where each control of the panel sits, in twips inside its frame.
struct Placement {
  const char* name;
  int left, top, width, height;
};

constexpr Placement kPanelLayout[] = {
    {"Label8", 150, 195, 800, 255},
    {"Text2", 1000, 165, 700, 315},
    {"Label12", 1850, 195, 800, 255},
    {"Command10", 2750, 135, 500, 375},
    {"Command9", 3300, 135, 500, 375},
    {"Command13", 3950, 135, 1100, 375},
    {"Label2", 150, 735, 1300, 255},
    {"Text4", 1500, 705, 1500, 315},
    {"Frame5", 150, 1170, 3000, 700},
    {"Check4", 3450, 1470, 1000, 255},
    {"Check5", 4550, 1470, 1100, 255},
    {"Frame3", 150, 1980, 3000, 750},
    {"Frame6", 3450, 1980, 4200, 1200},
    {"Frame4", 150, 2850, 3000, 1200},
    {"Label3", 150, 4290, 1100, 255},
    {"Text3", 1300, 4260, 6350, 315},
    // Inside "Mode"
    {"Option1_0", 150, 330, 800, 255},
    {"Option1_1", 1050, 330, 800, 255},
    {"Option1_2", 1950, 330, 900, 255},
    // Inside "Step"
    {"Combo7", 150, 330, 2000, 315},
    // Inside "Duplex"
    {"Option2_0", 150, 330, 900, 255},
    {"Option2_1", 1150, 330, 900, 255},
    {"Option2_2", 2150, 330, 900, 255},
    {"Label5", 150, 780, 700, 255},
    {"Text5", 900, 750, 1500, 315},
    // Inside "TSQ/DCS"
    {"Option3_0", 150, 330, 800, 255},
    {"Option3_1", 1050, 330, 800, 255},
    {"Label4", 150, 780, 700, 255},
    {"Combo3", 900, 750, 1200, 315},
};

// The cell texts of the option button groups, index = button index; the
// empty cell shows as the default button.
constexpr std::array<const char*, 3> kModeTexts = {"AM", "FM", "WFM"};
constexpr int kModeDefault = 1;
constexpr std::array<const char*, 3> kDuplexTexts = {"SIMP", "-DUP", "+DUP"};
constexpr int kDuplexDefault = 0;
constexpr std::array<const char*, 2> kTsqlTexts = {"OFF", "ON"};
constexpr int kTsqlDefault = 0;

constexpr const char* k9KHz = "9 KHz";
constexpr const char* kDefaultStep = "5 KHz";
constexpr const char* kDefaultTone = "100.0";

// Limit of the shift box, applied when it is left.
constexpr double kHighestShift = 999.995;

template <size_t N>
int ChosenOption(const std::array<QRadioButton*, N>& group) {
  for (size_t i = 0; i < N; ++i)
    if (group[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

// Checks button `index` of the group, or none for -1 (which exclusive
// buttons do not allow by themselves).
template <size_t N>
void ChooseOption(const std::array<QRadioButton*, N>& group, int index) {
  for (size_t i = 0; i < N; ++i) {
    group[i]->setAutoExclusive(false);
    group[i]->setChecked(static_cast<int>(i) == index);
    group[i]->setAutoExclusive(true);
  }
}

// The button that shows a cell text: the default one for an empty cell,
// none for a text the group has no button for.
template <size_t N>
void LoadOptions(const std::array<QRadioButton*, N>& group, const std::array<const char*, N>& texts,
                 int emptyIndex, const std::string& cell) {
  int index = cell.empty() ? emptyIndex : -1;
  for (size_t i = 0; i < N; ++i)
    if (cell == texts[i]) index = static_cast<int>(i);
  ChooseOption(group, index);
}

// The chosen button's text, or nullptr when none is chosen.
template <size_t N>
const char* SavedOption(const std::array<QRadioButton*, N>& group,
                        const std::array<const char*, N>& texts) {
  const int index = ChosenOption(group);
  return index < 0 ? nullptr : texts[index];
}

bool HasEntry(const VbComboBox& list, std::string_view text) {
  for (int i = 0; i < list.ListCount(); ++i)
    if (list.List(i) == text) return true;
  return false;
}

bool IsDigitKey(int ascii) { return ascii >= '0' && ascii <= '9'; }

// Keys every box of the panel takes besides its own characters: Backspace
// and the editing shortcuts (which type no character).
bool IsEditingKey(int ascii) { return ascii == 8 || IsEditingShortcut(ascii); }

// The number as the runtime writes a value: no trailing zeros, no exponent
// for the values a three-digit text can hold.
std::string PlainNumber(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

// ---- building --------------------------------------------------------------------

void Form1::BuildAltPanel() {
  auto label = [](QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
  };
  auto group = [](QWidget* parent, const char* name, const char* caption) {
    auto* g = new QGroupBox(QString::fromLatin1(caption), parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
  };
  auto box = [](QWidget* parent, const char* name) {
    auto* t = new VbTextBox(parent);
    t->setObjectName(QString::fromLatin1(name));
    return t;
  };
  auto button = [](QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  auto options = [](QWidget* parent, const char* name, auto& group, auto captions) {
    for (size_t i = 0; i < group.size(); ++i) {
      group[i] = new QRadioButton(QString::fromLatin1(captions[i]), parent);
      group[i]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
    }
  };

  // Created in the order the Tab key visits them.
  Label8 = label(Frame2, "Label8", "Memory");
  Text2 = box(Frame2, "Text2");
  Label12 = label(Frame2, "Label12", "");
  Command10 = button(Frame2, "Command10", "-");
  Command9 = button(Frame2, "Command9", "+");
  Command13 = button(Frame2, "Command13", "Delete");
  Label2 = label(Frame2, "Label2", "RX Frequency");
  Text4 = box(Frame2, "Text4");
  Text4->SetMaxLength(10);
  Frame5 = group(Frame2, "Frame5", "Mode");
  options(Frame5, "Option1", Option1, std::array{"AM", "FM", "WFM"});
  Check4 = new QCheckBox("SKIP", Frame2);
  Check4->setObjectName("Check4");
  Check5 = new QCheckBox("PSKIP", Frame2);
  Check5->setObjectName("Check5");
  Frame3 = group(Frame2, "Frame3", "Step");
  Combo7 = new VbComboBox(vbComboDropdownList, Frame3);
  Combo7->setObjectName("Combo7");
  Frame6 = group(Frame2, "Frame6", "Duplex");
  options(Frame6, "Option2", Option2, std::array{"SIMP", "- DUP", "+DUP"});
  Label5 = label(Frame6, "Label5", "Shift");
  Text5 = box(Frame6, "Text5");
  Frame4 = group(Frame2, "Frame4", "TSQ/DCS");
  options(Frame4, "Option3", Option3, std::array{"OFF", "ON"});
  Label4 = label(Frame4, "Label4", "Tone");
  Combo3 = new VbComboBox(vbComboDropdownList, Frame4);
  Combo3->setObjectName("Combo3");
  Label3 = label(Frame2, "Label3", "Comments");
  Text3 = box(Frame2, "Text3");
  // Comments go into the ".r2" comment line as quoted texts.
  Text3->SetRefusedCharacters("\"\r\n");

  for (const Placement& p : kPanelLayout) {
    if (auto* w = Frame2->findChild<QWidget*>(QString::fromLatin1(p.name))) {
      w->setGeometry(p.left / kTwipsPerPixel, p.top / kTwipsPerPixel, p.width / kTwipsPerPixel,
                     p.height / kTwipsPerPixel);
    }
  }

  connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
  connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
  connect(Command13, &QPushButton::clicked, this, [this] { Command13_Click(); });
  connect(Check4, &QCheckBox::toggled, this, [this] { Check4_Click(); });
  connect(Check5, &QCheckBox::toggled, this, [this] { Check5_Click(); });
  Text2->OnKeyPress = [this](int& KeyAscii) { Text2_KeyPress(KeyAscii); };
  Text4->OnKeyPress = [this](int& KeyAscii) { Text4_KeyPress(KeyAscii); };
  Text5->OnKeyPress = [this](int& KeyAscii) { Text5_KeyPress(KeyAscii); };
  Text4->OnLostFocus = [this] { Text4_LostFocus(); };
  Text5->OnLostFocus = [this] { Text5_LostFocus(); };
}

void Form1::LoadAltGUI() {
  for (const std::string& tone : clsICR2::GetTone_Opt()) Combo3->AddItem(tone);
  for (const std::string& step : clsICR2::GetStep_Opt()) Combo7->AddItem(step);
}

// ---- row to panel and back -------------------------------------------------------

void Form1::LoadAlt() {
  const MSFlexGrid& grid = *MSFlexGrid1;
  const int r = AltRow;
  auto cell = [&](int col) -> const std::string& { return grid.TextMatrix(r, col); };
  const std::string number = std::to_string(r);
  Text2->SetText(number);
  Text3->SetText(cell(ColComments));
  Text4->SetText(cell(ColFreq));
  Text5->SetText(cell(ColShift));
  Label12->setText(cell(ColLabel) == number ? QString() : QString::fromStdString(cell(ColLabel)));

  // A value the buttons or lists have no place for shows as nothing chosen,
  // and SaveAlt then leaves that cell as it is.
  LoadOptions(Option1, kModeTexts, kModeDefault, cell(ColMode));
  LoadOptions(Option2, kDuplexTexts, kDuplexDefault, cell(ColRptSh));
  Check4->setChecked(cell(ColSkip) == "SKIP");
  Check5->setChecked(cell(ColSkip) == "PSKIP");
  LoadOptions(Option3, kTsqlTexts, kTsqlDefault, cell(ColTsql));
  Combo3->SetText(cell(ColTone).empty() ? kDefaultTone : cell(ColTone));

  const std::string& step = cell(ColStep);
  if (step.empty()) {
    Combo7->SetText(kDefaultStep);
    return;
  }
  Combo7->SetEnabled(true);
  if (step == k9KHz) {
    if (!HasEntry(*Combo7, k9KHz)) Combo7->AddItem(k9KHz);
    Combo7->SetEnabled(false);
  } else if (HasEntry(*Combo7, k9KHz)) {
    Combo7->RemoveItem(Combo7->ListCount() - 1);
  }
  Combo7->SetText(step);
}

void Form1::SaveAlt() {
  MSFlexGrid& grid = *MSFlexGrid1;
  const int r = AltRow;
  const std::string comment = Text3->Text();
  grid.SetTextMatrix(r, ColComments, comment);
  if (const int partner = ScanEdgePartner(r)) grid.SetTextMatrix(partner, ColComments, comment);

  // An empty or zero frequency stores the comment alone.
  const std::string freq = Text4->Text();
  if (Val(freq) == 0) return;
  // A broadcast-band channel's frequency is on the 9 kHz raster already;
  // the 5 kHz normalising would move it (0.522 to 0.520, stored as 0.513).
  const bool bcb = Combo7->Text() == k9KHz && clsICR2::IsBCBFreq(std::string_view(freq));
  grid.SetTextMatrix(r, ColFreq, bcb ? freq : frqFilter(freq));
  grid.SetTextMatrix(r, ColShift, frqFilter(Text5->Text()));
  if (const char* mode = SavedOption(Option1, kModeTexts)) grid.SetTextMatrix(r, ColMode, mode);
  if (const char* dup = SavedOption(Option2, kDuplexTexts)) grid.SetTextMatrix(r, ColRptSh, dup);
  if (const char* tsql = SavedOption(Option3, kTsqlTexts)) grid.SetTextMatrix(r, ColTsql, tsql);
  const bool skip = Check4->isChecked();
  const bool pskip = Check5->isChecked();
  grid.SetTextMatrix(r, ColSkip, skip && !pskip ? "SKIP" : pskip && !skip ? "PSKIP" : "OFF");
  if (Combo3->ListIndex() >= 0) grid.SetTextMatrix(r, ColTone, Combo3->Text());
  if (Combo7->ListIndex() >= 0) grid.SetTextMatrix(r, ColStep, Combo7->Text());
}

void Form1::StoreAltPanel() {
  if (Frame2->isHidden()) return;
  // A menu or toolbar command leaves the focus where it was.
  if (Text4->HasFocus()) Text4_LostFocus();
  if (Text5->HasFocus()) Text5_LostFocus();
  SaveAlt();
}

void Form1::ClearAlt() {
  Text2->SetText(std::to_string(AltRow));
  Text3->SetText("");
  Text4->SetText(ConvertFreq("000000"));
  Text5->SetText(ConvertTXFreq("000000"));
  Label12->clear();
  Check4->setChecked(false);
  Check5->setChecked(false);
  Combo3->SetText(kDefaultTone);
}

std::string Form1::ConvertFreq(const std::string& t) { return t; }

std::string Form1::ConvertTXFreq(const std::string& t) {
  const std::string digits = t.empty() ? "000000" : t;
  const std::string last = digits.size() > 3 ? digits.substr(digits.size() - 3) : digits;
  return PlainNumber(Val(digits.substr(0, 3))) + "." + last;
}

// ---- navigation --------------------------------------------------------------------

void Form1::Command9_Click() {
  SaveAlt();
  AltRow = AltRow >= LastScanEdgeRow ? 1 : AltRow + 1;
  Text2->SetText(std::to_string(AltRow));
  LoadAlt();
}

void Form1::Command10_Click() {
  SaveAlt();
  AltRow = AltRow <= 1 ? LastScanEdgeRow : AltRow - 1;
  Text2->SetText(std::to_string(AltRow));
  LoadAlt();
}

void Form1::Text2_KeyPress(int& KeyAscii) {
  if (IsDigitKey(KeyAscii) || IsEditingKey(KeyAscii)) return;
  if (KeyAscii == 13) {
    const double v = Val(Text2->Text());
    if (v > 0 && v < LastScanEdgeRow + 1) {
      SaveAlt();
      AltRow = static_cast<int>(std::nearbyint(v));  // halves to even
      LoadAlt();
    } else {
      Text2->SetText(std::to_string(AltRow));
    }
  }
  KeyAscii = 0;
}

void Form1::mnuBank_Click(int bank) {
  if (bank < 0 || bank > 7) return;
  // Edits not yet stored are dropped.
  const int row = 1 + 50 * bank;
  MSFlexGrid1->SetTopRow(row);
  AltRow = row;
  LoadAlt();
}

void Form1::Command13_Click() {
  for (int c = ColFreq; c <= ColComments; ++c) MSFlexGrid1->SetTextMatrix(AltRow, c, "");
  LoadAlt();
}

// ---- the fields ----------------------------------------------------------------------

void Form1::Check4_Click() {
  if (Check4->isChecked()) Check5->setChecked(false);
}

void Form1::Check5_Click() {
  if (Check5->isChecked()) Check4->setChecked(false);
}

void Form1::Text4_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) {
    Text3->SetFocus();
    KeyAscii = 0;
  } else if (!IsDigitKey(KeyAscii) && KeyAscii != '.' && !IsEditingKey(KeyAscii)) {
    KeyAscii = 0;
  }
}

void Form1::Text5_KeyPress(int& KeyAscii) {
  if (!IsDigitKey(KeyAscii) && KeyAscii != '.' && !IsEditingKey(KeyAscii)) KeyAscii = 0;
}

void Form1::Text4_LostFocus() {
  // Only a frequency the user typed is normalised: passing through the box
  // must not change (or move to the 9 kHz raster) a row only looked at, and
  // an emptied box stays empty so that the row stores no frequency.
  if (!Text4->isModified()) return;
  std::string t = Text4->Text();
  if (t.empty()) return;
  if (t.find('.') == std::string::npos) t += ".0";
  t = WithinTuningRange(t);
  const std::string typed = t;
  t = frqFilter(t);
  if (mnuUse9K->isChecked()) {
    if (clsICR2::IsBCBFreq(std::string_view(t))) {
      if (!HasEntry(*Combo7, k9KHz)) Combo7->AddItem(k9KHz);
      Combo7->SetText(k9KHz);
      Combo7->SetEnabled(false);
      // Stored from the text as typed: the normalised one is on the 5 kHz
      // raster (0.522 would become 0.520, whose channel is 0.513).
      ICR2Image.SetBCBFreq(AltRow, typed);
      t = ICR2Image.GetBCBFreq(AltRow);
    }
  } else {
    Combo7->SetEnabled(true);
    // A row that keeps its 9 kHz step shows the frequency it will be
    // stored at.
    if (Combo7->Text() == k9KHz && clsICR2::IsBCBFreq(std::string_view(t)))
      t = BcbRasterText(typed);
  }
  Text4->SetText(t);
}

void Form1::Text5_LostFocus() {
  std::string t = Text5->Text();
  if (t.find('.') == std::string::npos) t += ".0";
  if (Val(t) > kHighestShift) t = "999.995";
  Text5->SetText(frqFilter(t));
}

// ---- showing and hiding -------------------------------------------------------------

void Form1::mnuAltInterface_Click() {
  if (!mnuAltInterface->isChecked()) {
    // An edit open in the grid ends before the panel covers it.
    HideEditors();
    mnuAltInterface->setChecked(true);
    Frame2->setVisible(true);
    MSFlexGrid1->SetRow(0);
    SelStartRow = 0;
    LoadAlt();
  } else {
    mnuAltInterface->setChecked(false);
    // Hiding the panel ends an edit in its frequency or shift box first.
    Frame2->setVisible(false);
    SaveAlt();
    MSFlexGrid1->SetRow(1);
  }
  // The grid's toolbar buttons (Cut to Print) act on rows hidden behind the
  // panel, which would then store its stale row over them: they are off
  // while it is shown, as at a start with the panel on, and back on with
  // the grid once an image is loaded.
  const bool gridCommands = !mnuAltInterface->isChecked() && MSFlexGrid1->isEnabled();
  for (int button = 4; button <= 17; ++button) Toolbar1Button(button)->setEnabled(gridCommands);
  SaveSetting("IC-R2", "Settings", "AltInterface", mnuAltInterface->isChecked() ? "True" : "False");
}
