// The in-place cell editors that float over the grid while a cell is edited:
// the text editor TxtGrid for the free-text columns and the list editor
// CboGrid for the columns with a fixed vocabulary. Every change is written
// straight into the cell; leaving a Freq cell applies the channel rules.

#include <QAction>
#include <QFont>
#include <QMenu>
#include <array>

#include "image/Module1.h"
#include "image/clsICR2.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "platform/MSFlexGrid.h"
#include "platform/VbComboBox.h"
#include "platform/VbEvents.h"
#include "platform/VbKeys.h"
#include "platform/VbTextBox.h"

namespace {

enum class Editor { None, Text, List };

// How each grid column is edited in place, and its right-button menu.
struct ColumnEditor {
  Editor editor;
  int maxLength;            // text editor: characters
  OptionList (*options)();  // list editor: its entries
  QMenu* Form1::*popup;     // right-button menu
};

constexpr std::array<ColumnEditor, kGridCols> kColumnEditors = {{
    {Editor::None, 0, nullptr, &Form1::mnuEdit},             // "#"
    {Editor::Text, 10, nullptr, &Form1::mnu1},               // "Freq"
    {Editor::List, 0, &clsICR2::GetMode_Opt, &Form1::mnu2},  // "Mode"
    {Editor::List, 0, &clsICR2::GetSkip_Opt, &Form1::mnu3},  // "Skip"
    {Editor::List, 0, &clsICR2::GetStep_Opt, &Form1::mnu4},  // "Step"
    {Editor::List, 0, &clsICR2::GetDUP_Opt, &Form1::mnu5},   // "RPT SH"
    {Editor::Text, 10, nullptr, &Form1::mnu1},               // "Shift"
    {Editor::List, 0, &clsICR2::GetTSQL_Opt, &Form1::mnu6},  // "TSQL"
    {Editor::List, 0, &clsICR2::GetTone_Opt, &Form1::mnu1},  // "Tone"
    {Editor::Text, 255, nullptr, &Form1::mnu7},              // "Comments"
}};

const ColumnEditor& EditorOf(int col) {
  static constexpr ColumnEditor kNone{Editor::None, 0, nullptr, nullptr};
  return col >= 0 && col < kGridCols ? kColumnEditors[col] : kNone;
}

// The step that only broadcast-band channels carry; offered by the Step
// list only to a cell that holds it already.
constexpr const char* k9KHz = "9 KHz";

// Comments go into the ".r2" comment line as quoted texts.
constexpr const char* kCommentRefused = "\"\r\n";

// Offsets of the editors from the cell, in twips: the text editor sits
// inside the cell's lines, the list editor on them.
constexpr int kTextInset = 40;
constexpr int kListShrink = 10;

// The keys a frequency or offset box takes: digits, the point, Backspace,
// and the box's editing shortcuts (which type no character).
bool IsFreqKey(int ascii) {
  return (ascii >= '0' && ascii <= '9') || ascii == '.' || ascii == 8 || IsEditingShortcut(ascii);
}

QFont EditorFont() {
  QFont font(QStringLiteral("Fixedsys"), 9);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

}  // namespace

// ---- building ------------------------------------------------------------------

void Form1::CreateCellEditors() {
  QWidget* host = MSFlexGrid1->parentWidget();
  TxtGrid = new VbTextBox(host);
  TxtGrid->setObjectName("TxtGrid");
  CboGrid = new VbComboBox(vbComboDropdown, host);
  CboGrid->setObjectName("CboGrid");
  for (QWidget* editor : {static_cast<QWidget*>(TxtGrid), static_cast<QWidget*>(CboGrid)}) {
    editor->setFont(EditorFont());
    editor->setVisible(false);
  }
  TxtGrid->SetTabIsKey(true);
  TxtGrid->SetRefusedCharacters(kCommentRefused);
  CboGrid->SetTabIsKey(true);
  // Its size hint follows the entries it holds (see the opening).
  CboGrid->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  TxtGrid->OnKeyPress = [this](int& KeyAscii) { TxtGrid_KeyPress(KeyAscii); };
  TxtGrid->OnChange = [this] { TxtGrid_Change(); };
  TxtGrid->OnKeyDown = [this](int& KeyCode, int Shift) { TxtGrid_KeyDown(KeyCode, Shift); };
  TxtGrid->OnGotFocus = [this] { TxtGrid_GotFocus(); };
  TxtGrid->OnLostFocus = [this] { TxtGrid_LostFocus(); };
  CboGrid->OnChange = [this] { CboGrid_Change(); };
  CboGrid->OnClick = [this] { CboGrid_Click(); };
  CboGrid->OnKeyDown = [this](int& KeyCode, int Shift) { CboGrid_KeyDown(KeyCode, Shift); };
  CboGrid->OnLostFocus = [this] { CboGrid_LostFocus(); };

  MSFlexGrid& grid = *MSFlexGrid1;
  grid.OnClick = [this] { MSFlexGrid1_Click(); };
  grid.OnDblClick = [this] { MSFlexGrid1_DblClick(); };
  grid.OnKeyDown = [this](int& KeyCode, int Shift) { MSFlexGrid1_KeyDown(KeyCode, Shift); };
  grid.OnKeyPress = [this](int& KeyAscii) { MSFlexGrid1_KeyPress(KeyAscii); };
  grid.OnMouseDown = [this](int Button, int Shift, int x, int y) {
    MSFlexGrid1_MouseDown(Button, Shift, x, y);
  };
  grid.OnScroll = [this] { MSFlexGrid1_Scroll(); };

  // The panel's controls edit the same rows another way.
  BuildAltPanel();
}

void Form1::HideEditors() {
  EndListEdit();
  CboGrid->SetVisible(false);
  TxtGrid->SetVisible(false);
}

// Places an editor over the current cell: `inset` twips in from the cell's
// top left corner, `shrink` twips smaller than the cell. A size the control
// cannot take (a hidden column) leaves it where it was.
void Form1::PlaceEditor(QWidget& editor, int inset, int shrink) {
  const MSFlexGrid& grid = *MSFlexGrid1;
  const int left = grid.Left() + grid.CellLeft() + inset;
  const int top = grid.Top() + grid.CellTop() + inset;
  const int width = grid.CellWidth() - shrink;
  const int height = grid.CellHeight() - shrink;
  if (width <= 0 || height <= 0) return;
  editor.setGeometry(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                     height / kTwipsPerPixel);
  editor.raise();
}

// ---- the grid's events ---------------------------------------------------------

void Form1::MSFlexGrid1_Click() {
  if (CboGrid->Visible()) CboGrid->SetVisible(false);
  if (TxtGrid->Visible()) TxtGrid->SetVisible(false);
  if (mnuSingleClick->isChecked()) MSFlexGrid1_DblClick();
}

void Form1::MSFlexGrid1_DblClick() {
  MSFlexGrid& grid = *MSFlexGrid1;
  const int row = grid.Row();
  const int col = grid.Col();
  if (col == 0 || row == 0) return;
  const ColumnEditor& how = EditorOf(col);
  if (how.editor == Editor::None) return;

  // The cell comes into sight first (with the row labels when they fit), so
  // the editor floats over it; that scroll is part of the opening, not one
  // that ends an edit.
  openingEditor_ = true;
  grid.ShowCell(row, ColLabel);
  grid.ShowCell(row, col);
  openingEditor_ = false;

  if (how.editor == Editor::Text) {
    TxtGrid->SetMaxLength(how.maxLength);
    grid.SetHighLight(flexHighlightNever);
    TxtGrid->SetVisible(true);
    PlaceEditor(*TxtGrid, kTextInset, kTextInset);
    SuppressChange = true;
    TxtGrid->SetText(grid.Text());
    SuppressChange = false;
    // Tab from a Comments cell to the next row's Freq cell keeps the focus
    // in the editor, so no GotFocus names the Freq cell; it is named here,
    // or the frequency typed there would never get the leaving rules.
    const bool focusKept = TxtGrid->HasFocus();
    TxtGrid->SetFocus();
    if (focusKept && col == ColFreq) TxtGrid_GotFocus();
    // The whole text is selected, so typing replaces it as in any grid; the
    // arrow keys, Home, End or a click still edit it in place.
    TxtGrid->selectAll();
    return;
  }

  CboGrid->Clear();
  for (const std::string& entry : how.options()) CboGrid->AddItem(entry);
  if (col == ColStep && grid.Text() == k9KHz) CboGrid->AddItem(k9KHz);
  PlaceEditor(*CboGrid, 0, kListShrink);
  // In a narrow column (Mode, Step) the closed box would cut its value short,
  // and "WFM" would read as "FM": it grows to the width its entries need.
  const int needed = CboGrid->sizeHint().width();
  if (CboGrid->width() < needed) CboGrid->resize(needed, CboGrid->height());
  CboGrid->SetVisible(true);
  CboGrid->SetFocus();
  // Giving the list editor the focus may have run the text editor's leaving
  // rules, which can write this very cell: the list shows what it holds now.
  if (!grid.Text().empty()) {
    SuppressChange = true;
    CboGrid->SetText(grid.Text());
    SuppressChange = false;
  }
  listRow_ = row;
  listCol_ = col;
  listValid_ = grid.Text();
}

void Form1::MSFlexGrid1_KeyDown(int& KeyCode, int Shift) {
  if (KeyCode == vbKeyDelete) DeleteRows(0);
}

void Form1::MSFlexGrid1_KeyPress(int& KeyAscii) {
  // Copy, paste and cut are the Edit menu's commands.
  switch (KeyAscii) {
    case 13:
      MSFlexGrid1_DblClick();
      break;
    case 3:
      mnuCopy->trigger();
      break;
    case 22:
      mnuPaste->trigger();
      break;
    case 24:
      if (IsRowSelected()) mnuCut->trigger();
      break;
    default:
      break;
  }
}

void Form1::MSFlexGrid1_MouseDown(int Button, int Shift, int x, int y) {
  MSFlexGrid& grid = *MSFlexGrid1;
  grid.SetHighLight(flexHighlightAlways);
  if (Button != 2) return;
  HideEditors();
  // A single cell follows the mouse; a larger selection stays.
  if (grid.Col() == grid.ColSel() && grid.Row() == grid.RowSel() && grid.MouseRow() >= 0 &&
      grid.MouseCol() >= 0) {
    grid.SetRow(grid.MouseRow());
    grid.SetCol(grid.MouseCol());
  }
  const int col = grid.MouseCol() == 0 ? 0 : grid.Col();
  QMenu* menu = this->*EditorOf(col).popup;
  if (menu) menu->popup(grid.mapToGlobal(QPoint(x / kTwipsPerPixel, y / kTwipsPerPixel)));
}

void Form1::MSFlexGrid1_Scroll() {
  if (openingEditor_) return;
  CboGrid->SetVisible(false);
  TxtGrid->SetVisible(false);
}

// ---- the text editor -----------------------------------------------------------

void Form1::TxtGrid_KeyPress(int& KeyAscii) {
  const int col = MSFlexGrid1->Col();
  if ((col == ColFreq || col == ColShift) && !IsFreqKey(KeyAscii)) KeyAscii = 0;
}

void Form1::TxtGrid_Change() {
  if (SuppressChange) return;
  MSFlexGrid& grid = *MSFlexGrid1;
  SaveUndo();
  const int row = grid.Row();
  const int col = grid.Col();
  const std::string typed = TxtGrid->Text();
  if (col == ColFreq && grid.TextMatrix(row, ColMode).empty()) ApplyDefaults(row);
  if (col == ColFreq || col == ColShift) {
    // The cell holds the normalised frequency; the editor keeps the text as
    // typed.
    grid.SetText(frqFilter(typed));
    if (col == ColFreq && row == EditRow) typedFreq_ = typed;
    return;
  }
  grid.SetText(typed);
  // The two rows of a scan-edge pair share their comment.
  if (const int partner = ScanEdgePartner(row)) grid.SetTextMatrix(partner, col, typed);
}

void Form1::TxtGrid_KeyDown(int& KeyCode, int Shift) {
  if (KeyCode == vbKeyTab) {
    EditorTab(Shift);
  } else if (KeyCode == vbKeyReturn) {
    TxtGrid->SetVisible(false);
    MSFlexGrid1->SetFocus();
    MSFlexGrid1->SetHighLight(flexHighlightAlways);
  }
}

void Form1::TxtGrid_GotFocus() {
  const MSFlexGrid& grid = *MSFlexGrid1;
  if (grid.Col() == ColFreq) {
    EditRow = grid.Row();
    EditCol = grid.Col();
    typedFreq_ = grid.Text();
  } else {
    EditRow = 0;
    EditCol = 0;
  }
}

void Form1::TxtGrid_LostFocus() {
  TxtGrid->SetVisible(false);
  if (EditRow == 0) return;
  MSFlexGrid& grid = *MSFlexGrid1;
  const int row = EditRow;
  if (grid.TextMatrix(row, ColMode).empty()) return;  // a row not in use gets no rules
  if (mnuAutoShift->isChecked()) ApplyAutoShift(row);
  if (mnuAutoMode->isChecked()) ApplyAutoMode(row);

  // A broadcast-band channel is stored on the 9 kHz raster from the text as
  // typed: the cell's text went through the 5 kHz normalising (0.522 shows
  // as 0.520, whose channel would be 0.513).
  const std::string freq = grid.TextMatrix(row, ColFreq);
  const std::string typed = frqFilter(typedFreq_) == freq ? typedFreq_ : freq;
  if (mnuUse9K->isChecked() && clsICR2::IsBCBFreq(std::string_view(freq))) {
    grid.SetTextMatrix(row, ColStep, k9KHz);
    ICR2Image.SetBCBFreq(row, typed);
    grid.SetTextMatrix(row, ColFreq, ICR2Image.GetBCBFreq(row));
  } else if (grid.TextMatrix(row, ColStep) == k9KHz && clsICR2::IsBCBFreq(std::string_view(freq))) {
    // Without the option a row that keeps its 9 kHz step still shows the
    // frequency it will be stored at.
    grid.SetTextMatrix(row, ColFreq, BcbRasterText(typed));
  }
  if (grid.TextMatrix(row, ColStep) == k9KHz &&
      !clsICR2::IsBCBFreq(std::string_view(grid.TextMatrix(row, ColFreq))))
    grid.SetTextMatrix(row, ColStep, "10 KHz");

  if (EditCol == ColFreq) {
    const std::string kept = WithinTuningRange(grid.TextMatrix(row, ColFreq));
    if (kept != grid.TextMatrix(row, ColFreq)) grid.SetTextMatrix(row, ColFreq, kept);
  }
}

// ---- the list editor -----------------------------------------------------------

void Form1::CboGrid_Change() {
  if (SuppressChange) return;
  MSFlexGrid1->SetText(CboGrid->Text());
}

void Form1::CboGrid_Click() {
  if (SuppressChange) return;
  SaveUndo();
  MSFlexGrid1->SetText(CboGrid->Text());
  listValid_ = CboGrid->Text();
}

void Form1::CboGrid_KeyDown(int& KeyCode, int Shift) {
  if (KeyCode == vbKeyTab) {
    EndListEdit();
    EditorTab(Shift);
  } else if (KeyCode == vbKeyReturn) {
    EndListEdit();
    CboGrid->SetVisible(false);
    MSFlexGrid1->SetFocus();
  }
}

void Form1::CboGrid_LostFocus() {
  EndListEdit();
  CboGrid->SetVisible(false);
}

// Only the text this editor typed is taken back: a cell that holds anything
// else by now (a command wrote it) is left alone.
void Form1::EndListEdit() {
  const int row = listRow_;
  listRow_ = 0;
  if (row == 0) return;
  const std::string typed = CboGrid->Text();
  if (MSFlexGrid1->TextMatrix(row, listCol_) != typed) return;
  for (int i = 0; i < CboGrid->ListCount(); ++i) {
    if (CboGrid->List(i) == typed) return;
  }
  MSFlexGrid1->SetTextMatrix(row, listCol_, listValid_);
}

// ---- shared --------------------------------------------------------------------

// Tab moves one column right, from the last column to column 1 of the next
// row (the last row stays); Shift+Tab (or Ctrl, Alt) the other way round.
// Columns hidden by the Visible Columns setting are passed over. Then the
// editor opens at the new cell.
void Form1::EditorTab(int Shift) {
  MSFlexGrid& grid = *MSFlexGrid1;
  const int lastCol = grid.Cols() - 1;
  const int lastRow = grid.Rows() - 1;
  const bool back = Shift != 0;
  int row = grid.Row();
  int col = grid.Col();
  for (int step = 0; step < grid.Cols(); ++step) {
    if (!back) {
      if (col < lastCol) {
        ++col;
      } else {
        col = 1;
        if (row < lastRow) ++row;
      }
    } else {
      if (col > 1) {
        --col;
      } else {
        col = lastCol;
        if (row > 1) --row;
      }
    }
    if (grid.ColWidth(col) > 0) break;
  }
  grid.SetCol(col);
  grid.SetRow(row);
  MSFlexGrid1_DblClick();
}

int Form1::ScanEdgePartner(int row) {
  if (row <= LastBankRow || row > LastScanEdgeRow) return 0;
  return IsEven(row) ? row - 1 : row + 1;
}

std::string Form1::BcbRasterText(std::string_view mhz) {
  // The image's own conversion, on a record of a scratch image.
  static clsICR2 scratch;
  scratch.SetBCBFreq(1, mhz);
  return scratch.GetBCBFreq(1);
}
