// The in-place cell editors, driven by typed keys: what each keystroke
// writes, the rules applied when a Freq cell is left, undo, Tab movement,
// the paired comments of scan-edge rows, and the grid's own events.

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>

#include "editor_support.h"
#include "platform/VbKeys.h"
#include "support/UserInput.h"

namespace editor_test {
namespace {

using CellEditor = EditorTest;

TEST_F(CellEditor, TypingAFrequencyIntoAnEmptyRowGivesDefaultsThenTheValue) {
  Open(7, ColFreq);
  ASSERT_TRUE(form->TxtGrid->Visible());
  Type("1");
  EXPECT_EQ(Row(7), Channel("1.000", "FM", "5 KHz"));
  EXPECT_EQ(form->TxtGrid->Text(), "1") << "the editor keeps the text as typed";
  Type("4652");
  EXPECT_EQ(Cell(7, ColFreq), "146.520");
  EXPECT_EQ(Cell(7, ColTone), "88.5");
  // Letters are no frequency keys; a comment takes any key but a quote.
  Type("x");
  EXPECT_EQ(form->TxtGrid->Text(), "14652");
  Key(Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));  // select all, then type over it
  Type("14652");
  EXPECT_EQ(form->TxtGrid->Text(), "14652");
  Leave();
  EXPECT_FALSE(form->TxtGrid->Visible());
  Open(7, ColComments);
  Type("Ab \"1\"");
  EXPECT_EQ(Cell(7, ColComments), "Ab 1");
}

// An editor opened over a filled cell holds its text selected: typing
// replaces it. Home first edits it in place.
TEST_F(CellEditor, TypingOverAFilledCellReplacesItsText) {
  const struct {
    int col;
    bool home;
    const char* typed;
    const char* cell;
  } cases[] = {{ColFreq, false, "162.55", "162.550"},
               {ColShift, false, "5", "5.000"},
               {ColComments, false, "new", "new"},
               {ColFreq, true, "1", "110.430"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Put(3, With(Channel("10.430", "AM"), ColShift, "0.600"));
    grid->SetRow(3);
    grid->SetCol(c.col);
    Key(Qt::Key_Return, Qt::NoModifier, "\r");
    if (c.home) Key(Qt::Key_Home);
    Type(c.typed);
    Key(Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_EQ(Cell(3, c.col), c.cell);
    Leave();
  }
}

struct LeaveCase {
  const char* name;
  const char* options;  // checked: S "Use Auto-Shift", M "Use Auto-Mode", 9 "Use 9KHz Step for BCB"
  Cells before;         // {}: an empty row
  const char* typed;    // replaces the cell's text
  Cells after;
  const char* bcb = "";  // the image's 9 kHz channel of the row, when one is written
};

// The rules of a Freq cell when it is left, and the 9 kHz rule that keeps
// broadcast channels where they were typed.
TEST_F(CellEditor, LeavingAFreqCellAppliesTheRulesInOrder) {
  const Cells shifted = With(With(Channel("145.100"), ColRptSh, "-DUP"), ColShift, "0.600");
  const LeaveCase cases[] = {
      {"simplex, both options", "SM", {}, "146.52", Channel("146.520")},
      {"repeater band", "SM", {}, "145.1", shifted},
      {"options off", "", {}, "145.1", Channel("145.100")},
      {"auto mode alone", "M", {}, "118", Channel("118.000", "AM")},
      {"emptied", "SM", Channel("146.520"), "", Channel(".495", "AM")},
      {"low clamp", "", {}, "0.1", Channel(".495")},
      {"high clamp", "", {}, "2000.5", Channel("1599.995")},
      {"top of the range", "", {}, "1599.995", Channel("1599.995")},
      {"9k", "9", Channel("0.540", "AM"), "0.522", Channel("0.522", "AM", "9 KHz"), "0.522"},
      {"9k, between channels", "9", Channel("0.540", "AM"), "0.530",
       Channel("0.522", "AM", "9 KHz"), "0.522"},
      {"9k, a channel ending in 1", "9", Channel("0.540", "AM"), "0.531",
       Channel("0.531", "AM", "9 KHz"), "0.531"},
      {"9k, band edge", "9", Channel("0.540", "AM", "10 KHz"), "1.62",
       Channel("1.620", "AM", "9 KHz"), "1.620"},
      {"9k, outside the band", "9", Channel("0.540", "AM", "9 KHz"), "146.52",
       Channel("146.520", "AM", "10 KHz")},
      {"no 9k, 9 kHz row leaves the band", "", Channel("0.540", "AM", "9 KHz"), "1.8",
       Channel("1.800", "AM", "10 KHz")},
      {"no 9k, 9 kHz row stays in it", "", Channel("0.540", "AM", "9 KHz"), "0.531",
       Channel("0.531", "AM", "9 KHz")},
      {"no 9k, ordinary step", "", Channel("0.540", "AM"), "0.522", Channel("0.520", "AM")},
  };
  int row = 10;
  for (const LeaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string options = c.options;
    Option(&Form1::mnuAutoShift, options.find('S') != std::string::npos);
    Option(&Form1::mnuAutoMode, options.find('M') != std::string::npos);
    Option(&Form1::mnuUse9K, options.find('9') != std::string::npos);
    Put(row, c.before);
    Open(row, ColFreq);
    form->TxtGrid->selectAll();
    *c.typed ? Type(c.typed) : Backspaces(1);
    Leave();
    EXPECT_EQ(Row(row), c.after);
    if (*c.bcb) {
      EXPECT_EQ(ICR2Image.GetBCBFreq(row), c.bcb);
    }
    ++row;
  }
}

TEST_F(CellEditor, LeavingOtherCellsOrRowsNotInUseAppliesNoRules) {
  Put(20, {"", "2000.000", "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", ""});
  Open(20, ColShift);
  form->TxtGrid->selectAll();
  Type("5");
  Leave();
  EXPECT_EQ(Cell(20, ColShift), "5.000");
  EXPECT_EQ(Cell(20, ColFreq), "2000.000") << "no clamp from the Shift cell";
  Open(20, ColComments);
  Type("c");
  Leave();
  EXPECT_EQ(Cell(20, ColFreq), "2000.000");
  // A Freq cell whose Mode was emptied meanwhile gets nothing on leaving.
  Open(21, ColFreq);
  Type("2000.5");
  grid->SetTextMatrix(21, ColMode, "");
  Leave();
  EXPECT_EQ(Cell(21, ColFreq), "2000.500");
}

TEST_F(CellEditor, UndoTakesBackTheLastKeystrokeOrTheLastPick) {
  Put(5, Channel("146.520"));
  Open(5, ColFreq);
  form->TxtGrid->end(false);
  Backspaces(1);  // 146.52
  Type("5");      // 146.525
  Leave();
  EXPECT_EQ(Cell(5, ColFreq), "146.525");
  form->Undo();
  EXPECT_EQ(Cell(5, ColFreq), "146.520");

  Open(5, ColMode);
  ASSERT_TRUE(form->CboGrid->Visible());
  EXPECT_EQ(form->CboGrid->Text(), "FM");
  Key(Qt::Key_Down);  // picks "WFM"
  EXPECT_EQ(Cell(5, ColMode), "WFM");
  form->Undo();
  EXPECT_EQ(Cell(5, ColMode), "FM") << "the snapshot was taken before the pick";
}

TEST_F(CellEditor, ListEditorShowsTheCellAndWritesTypedText) {
  Put(6, Channel("146.520", "FM", "9 KHz"));
  Put(7, Channel("146.520", "FM", "10 KHz"));
  Open(6, ColStep);
  EXPECT_EQ(form->CboGrid->ListCount(), 11);
  EXPECT_EQ(form->CboGrid->List(10), "9 KHz");
  EXPECT_EQ(form->CboGrid->Text(), "9 KHz");
  Open(7, ColStep);
  EXPECT_EQ(form->CboGrid->ListCount(), 10) << "9 KHz only for a cell that holds it";
  Open(7, ColSkip);
  form->CboGrid->lineEdit()->selectAll();
  Type("SK");
  EXPECT_EQ(Cell(7, ColSkip), "SK") << "typed text goes to the cell as typed";
  Key(Qt::Key_Return);
  EXPECT_FALSE(form->CboGrid->Visible());
  EXPECT_EQ(form->CboGrid->ListCount(), 3) << "typed text is never added to the list";
}

// Typed text that is none of the list's entries never stays in the cell once
// the list editor closes: the image could not store it, and saving would
// change the channel to another value without a word.
TEST_F(CellEditor, TypedTextOutsideTheListGoesBackToTheLastValidValue) {
  enum Close { Enter, Tab, Elsewhere, Hide };
  const struct {
    int col;
    const char* before;
    const char* typed;
    Close close;
    const char* after;
  } cases[] = {
      {ColTone, "100.0", "88.5chans", Enter, "100.0"},  // a word after a tone
      {ColTone, "100.0", "", Tab, "100.0"},             // emptied
      {ColTone, "100.0", "123.0", Elsewhere, "123.0"},  // another entry, typed: kept
      {ColMode, "AM", "W", Hide, "AM"},                 // a command ends the edit
      {ColStep, "AUTO", "x", Enter, "AUTO"},            // imported text the list lacks
      {ColTsql, "OFF", "ON", Enter, "ON"},              // an entry, typed: kept
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " <- " + c.typed);
    Put(4, With(Channel("146.940"), c.col, c.before));
    Open(4, c.col);
    form->CboGrid->lineEdit()->selectAll();
    if (*c.typed)
      Type(c.typed);
    else
      Backspaces(1);
    if (c.close == Enter) Key(Qt::Key_Return);
    if (c.close == Tab) Key(Qt::Key_Tab);
    if (c.close == Elsewhere) Leave();
    if (c.close == Hide) form->HideEditors();
    EXPECT_EQ(Cell(4, c.col), c.after);
    form->HideEditors();
  }
}

// Over the narrow columns the closed list editor still shows its longest
// value whole ("WFM" must not read as "FM").
TEST_F(CellEditor, TheListEditorIsWideEnoughForItsLongestEntry) {
  Put(3, Channel("146.520"));
  for (auto [col, longest] :
       {std::pair{ColMode, "WFM"}, {ColSkip, "PSKIP"}, {ColStep, "100 KHz"}}) {
    Open(3, col);
    const QLineEdit* shown = form->CboGrid->lineEdit();
    EXPECT_GE(shown->width(), shown->fontMetrics().horizontalAdvance(longest)) << longest;
    Leave();
  }
}

TEST_F(CellEditor, OpeningTheListsPopupKeepsTheEditorOpen) {
  Put(9, Channel("146.520"));
  Open(9, ColRptSh);
  form->CboGrid->showPopup();
  QApplication::processEvents();
  EXPECT_TRUE(form->CboGrid->Visible());
  form->CboGrid->hidePopup();
  QApplication::processEvents();
  EXPECT_TRUE(form->CboGrid->Visible());
  EXPECT_TRUE(form->CboGrid->HasFocus());
  Key(Qt::Key_Down);
  EXPECT_EQ(Cell(9, ColRptSh), "-DUP");
}

struct TabCase {
  int row, col;
  Qt::KeyboardModifiers mods;
  int toRow, toCol;
};

TEST_F(CellEditor, TabAndShiftTabMoveAndWrap) {
  const TabCase cases[] = {
      {5, ColComments, Qt::NoModifier, 6, ColFreq},
      {450, ColComments, Qt::NoModifier, 450, ColFreq},
      {1, ColFreq, Qt::ShiftModifier, 1, ColComments},
      {7, ColFreq, Qt::ShiftModifier, 6, ColComments},
      {3, ColFreq, Qt::NoModifier, 3, ColMode},
      {3, ColTone, Qt::NoModifier, 3, ColComments},
      {3, ColMode, Qt::ShiftModifier, 3, ColFreq},
      {3, ColMode, Qt::ControlModifier, 3, ColFreq},
  };
  for (const TabCase& c : cases) {
    Open(c.row, c.col);
    Key(c.mods & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab, c.mods);
    EXPECT_EQ(grid->Row(), c.toRow) << c.row << "," << c.col;
    EXPECT_EQ(grid->Col(), c.toCol) << c.row << "," << c.col;
    const bool text = c.toCol == ColFreq || c.toCol == ColShift || c.toCol == ColComments;
    EXPECT_EQ(form->TxtGrid->Visible(), text);
    EXPECT_EQ(form->CboGrid->Visible(), !text);
  }
  // A column hidden by the Visible Columns setting is passed over.
  grid->SetColWidth(ColMode, 0);
  Open(4, ColFreq);
  Key(Qt::Key_Tab);
  EXPECT_EQ(grid->Col(), ColSkip);
}

// A Freq cell left by Tab gets its leaving rules before the next editor opens,
// also when Tab reached it from a comment; after Shift+Tab to the previous
// comment the rules wait until the editor is finally left.
TEST_F(CellEditor, TabLeavingAFreqCellAppliesItsRules) {
  Open(12, ColFreq);
  Type("118");
  Key(Qt::Key_Tab);
  EXPECT_EQ(Cell(12, ColMode), "AM");
  EXPECT_EQ(form->CboGrid->Text(), "AM") << "the list shows the mode the rules set";
  Open(14, ColComments);
  Key(Qt::Key_Tab);
  ASSERT_EQ(grid->Col(), ColFreq);
  Type("2000.5");
  Key(Qt::Key_Tab);
  EXPECT_EQ(Cell(15, ColFreq), "1599.995");
  Open(17, ColFreq);
  Type("118");
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_EQ(grid->Row(), 16);
  EXPECT_EQ(Cell(17, ColMode), "FM");
  Type("x");
  Leave();
  EXPECT_EQ(Cell(17, ColMode), "AM");
  EXPECT_EQ(Cell(16, ColComments), "x");
}

// A paste into an editor over a filled cell replaces the cell's text with
// what the column's keys take; the line breaks and quotes a comment refuses
// refuse the paste whole, in every column.
TEST_F(CellEditor, APasteKeepsWhatTheColumnTypes) {
  const struct {
    int col;
    const char* pasted;
    const char* editor;
    const char* cell;
  } cases[] = {{ColFreq, "-14652,x", "14652", "146.520"},
               {ColShift, "-0,6 MHz", "06", "6.000"},
               {ColComments, "Air-1, x`~", "Air-1, x`~", "Air-1, x`~"},
               {ColComments, "a\"b", "old", "old"},
               {ColFreq, "146.52\r\n", "10.430", "10.430"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pasted);
    Put(3, With(Channel("10.430", "AM", "5 KHz", "old"), ColShift, "0.600"));
    Open(3, c.col);
    PasteByKey(*form->TxtGrid, c.pasted);
    EXPECT_EQ(form->TxtGrid->Text(), c.editor);
    EXPECT_TRUE(form->TxtGrid->Visible()) << "no Enter";
    Leave();
    EXPECT_EQ(Cell(3, c.col), c.cell);
  }
}

TEST_F(CellEditor, ScanEdgePairsShareTheirComments) {
  struct Case {
    int row;
    int partner;  // 0: none
  };
  for (const Case& c : {Case{401, 402}, Case{402, 401}, Case{449, 450}, Case{400, 0}}) {
    Open(c.row, ColComments);
    form->TxtGrid->selectAll();
    Type("Air");
    Leave();
    EXPECT_EQ(Cell(c.row, ColComments), "Air");
    if (c.partner) {
      EXPECT_EQ(Cell(c.partner, ColComments), "Air") << c.row;
    }
  }
  EXPECT_EQ(Cell(399, ColComments), "");
  EXPECT_EQ(Cell(401, ColFreq), "") << "only the comment is shared";
  Open(403, ColFreq);
  Type("118");
  Leave();
  EXPECT_EQ(Cell(404, ColFreq), "");
}

TEST_F(CellEditor, EnterOpensAndClosesClicksAndScrollsClose) {
  Put(3, Channel("146.520"));
  grid->SetRow(3);
  grid->SetCol(ColFreq);
  Key(Qt::Key_Return, Qt::NoModifier, "\r");
  ASSERT_TRUE(form->TxtGrid->Visible());
  EXPECT_EQ(grid->HighLight(), flexHighlightNever);
  Key(Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_FALSE(form->TxtGrid->Visible());
  EXPECT_TRUE(grid->View()->hasFocus());
  EXPECT_EQ(grid->HighLight(), flexHighlightAlways);

  Open(3, ColMode);
  form->MSFlexGrid1_Scroll();
  EXPECT_FALSE(form->CboGrid->Visible());
  Open(3, ColFreq);
  form->MSFlexGrid1_Click();
  EXPECT_FALSE(form->TxtGrid->Visible());
  Option(&Form1::mnuSingleClick, true);
  form->MSFlexGrid1_Click();
  EXPECT_TRUE(form->TxtGrid->Visible()) << "single-click editing";
  Open(0, ColFreq);  // the header row
  EXPECT_FALSE(form->TxtGrid->Visible());
  Open(3, 0);  // the label column
  EXPECT_FALSE(form->TxtGrid->Visible());
  EXPECT_FALSE(form->CboGrid->Visible());
}

TEST_F(CellEditor, AnEditorOpenedOutOfSightBringsItsCellIn) {
  Open(300, ColComments);
  EXPECT_TRUE(grid->RowIsVisible(300));
  EXPECT_TRUE(form->TxtGrid->Visible()) << "the scroll of the opening keeps it open";
  const QRect cell = form->TxtGrid->geometry();
  EXPECT_TRUE(grid->geometry().contains(cell.center()));
}

TEST_F(CellEditor, GridKeysDeleteRowsAndRunTheClipboardCommands) {
  Put(1, Channel("146.520"));
  Put(2, Channel("146.540"));
  grid->SetRow(1);
  grid->SetCol(ColFreq);
  grid->SetFocus();
  Key(Qt::Key_Delete);
  EXPECT_EQ(Cell(1, ColFreq), "146.540");

  std::string ran;
  QObject::connect(form->mnuCopy, &QAction::triggered, [&] { ran += "C"; });
  QObject::connect(form->mnuPaste, &QAction::triggered, [&] { ran += "V"; });
  QObject::connect(form->mnuCut, &QAction::triggered, [&] { ran += "X"; });
  for (int key : {Qt::Key_C, Qt::Key_V, Qt::Key_X})
    Key(key, Qt::ControlModifier, QString(QChar(key - Qt::Key_A + 1)));
  EXPECT_EQ(ran, "CV") << "Ctrl+X only with whole rows selected";
  grid->SetColSel(ColComments);
  Key(Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
  EXPECT_EQ(ran, "CVX");
}

class RightButton : public CellEditor {
 protected:
  void PressRight(int row, int col) {
    QTableView* view = grid->View();
    const QPoint pos = view->visualRect(view->model()->index(row - 1, col)).center();
    QMouseEvent press(QEvent::MouseButtonPress, pos, view->viewport()->mapToGlobal(pos),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
  }
  QMenu* Shown() const {
    for (QMenu* m : {form->mnuEdit, form->mnu1, form->mnu2, form->mnu3, form->mnu4, form->mnu5,
                     form->mnu6, form->mnu7})
      if (m->isVisible()) return m;
    return nullptr;
  }
};

TEST_F(RightButton, ShowsTheMenuOfTheColumn) {
  struct Case {
    int col;
    QMenu* Form1::*menu;
  };
  const Case cases[] = {{0, &Form1::mnuEdit}, {1, &Form1::mnu1}, {2, &Form1::mnu2},
                        {3, &Form1::mnu3},    {4, &Form1::mnu4}, {5, &Form1::mnu5},
                        {6, &Form1::mnu1},    {7, &Form1::mnu6}, {8, &Form1::mnu1},
                        {9, &Form1::mnu7}};
  for (const Case& c : cases) {
    grid->SetRow(2);
    grid->SetCol(1);
    PressRight(5, c.col);
    EXPECT_EQ(Shown(), form.get()->*c.menu) << c.col;
    if (QMenu* m = Shown()) m->hide();
    EXPECT_EQ(grid->Row(), 5) << "a single cell follows the mouse";
  }
  // A larger selection stays, with the current column's menu; an open
  // editor closes.
  Open(4, ColFreq);
  grid->SetRow(2);
  grid->SetCol(ColMode);
  grid->SetRowSel(6);
  PressRight(9, ColComments);
  EXPECT_FALSE(form->TxtGrid->Visible());
  EXPECT_EQ(grid->RowSel(), 6);
  EXPECT_EQ(Shown(), form->mnu2);
  if (QMenu* m = Shown()) m->hide();
}

}  // namespace
}  // namespace editor_test
