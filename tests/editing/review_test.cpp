// Commands of the Edit and Memories menus seen together: what each leaves in
// an open alternate panel, in the undo snapshot and in the header row.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QRadioButton>
#include <functional>

#include "editing/editing_support.h"
#include "editing/frmDupCheck.h"
#include "platform/Modal.h"

namespace {

using Review = EditingTest;

// A channel the panel can show and store back unchanged.
std::string Channel(int row) {
  return std::to_string(140 + row) + ".000|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|t" +
         std::to_string(row);
}

// With the panel open on row 5, each command changes row 5. The panel must
// show the new content, or its next "+"/"-" (SaveAlt) writes the old one
// back; and one Undo must bring back the grid as it was before the command.
TEST_F(Review, EachCommandRefreshesAnOpenPanelAndIsUndoneAtOnce) {
  using Step = std::function<void()>;
  const std::tuple<const char*, Step, Step> cases[] = {
      {"paste",
       {},
       [this] {
         Select(10, 1, 10, 9), f.form.CellCopy();
         Select(5, 1, 5, 1), f.form.CellPaste();
       }},
      {"cut", {}, [this] { Select(5, 1, 5, 9), f.form.CellCut(); }},
      {"insert copied rows",
       {},
       [this] {
         Select(10, 1, 10, 9), f.form.CellCopy();
         Select(5, 1, 5, 1), f.form.mnuInsert_Click();
       }},
      {"value item",
       {},
       [this] {
         Select(5, ColMode, 6, ColMode);
         f.form.findChild<QAction*>("mnuWFM")->trigger();
       }},
      {"auto-fill", [this] { f.grid.SetTextMatrix(4, ColComments, "Rptr 9"); },
       [this] { Select(5, ColComments, 6, ColComments), f.form.IncrementTags(); }},
      {"blocked check", [this] { f.grid.SetTextMatrix(5, ColFreq, "830.000"); },
       [this] {
         MsgBoxScript boxes;
         boxes.Answer(vbYes, "Delete this channel?");
         f.form.mnuCheckBlocked_Click();
       }},
      {"fill selected",
       {},
       [this] {
         Select(5, 1, 6, 9);
         std::string start = "146.000", increment = "0.025";
         f.form.FillSelected(start, increment);
       }},
      {"duplicate delete", [this] { f.grid.SetTextMatrix(5, ColFreq, "142.000"); },
       [this] {
         MsgBoxScript boxes;
         boxes.Answer(vbOK, "1 duplicate channels deleted.");
         SetModalRunner([](QDialog& d) {
           auto& dialog = dynamic_cast<frmDupCheck&>(d);
           dialog.Option2->setChecked(true);
           dialog.Command1_Click();
           return dialog.result();
         });
         f.form.mnuDupCheck_Click();
         SetModalRunner({});
       }},
      {"insert list",
       [this] {
         QDir(dir.path()).mkpath("CSV");
         QFile list(dir.filePath("CSV/L.csv"));
         ASSERT_TRUE(list.open(QIODevice::WriteOnly));
         list.write("h\r\n,156.800,FM,OFF,25 KHz,SIMP,0.000,OFF,88.5,Ch16\r\n");
       },
       [this] { Select(5, 1, 5, 1), f.form.InsertList("L"); }},
  };
  for (const auto& [name, prepare, command] : cases) {
    f.form.initgrid();
    for (int r = 1; r <= 12; ++r) Put(r, Channel(r));
    if (prepare) prepare();
    ClearUndo();  // only the command's own snapshot can bring the rows back
    const auto before = f.Cells();
    const std::string row5 = Row(5);
    if (f.form.Frame2->isHidden()) f.form.mnuAltInterface_Click();
    AltRow = 5;
    f.form.LoadAlt();
    command();
    const std::string after = Row(5);
    ASSERT_NE(after, row5) << name;
    f.form.SaveAlt();
    EXPECT_EQ(Row(5), after) << name;
    f.form.Undo();
    EXPECT_EQ(f.Cells(), before) << name;
  }
}

// A selection that starts in the header row (the panel shown puts the current
// row there) is no channel: the commands leave the header and every row alone.
TEST_F(Review, CommandsOnASelectionFromTheHeaderRowChangeNothing) {
  bool dialogOpened = false;
  SetModalRunner([&](QDialog&) { return dialogOpened = true, 0; });
  const std::pair<const char*, std::function<void(Form1&)>> cases[] = {
      {"value item", [](Form1& w) { w.findChild<QAction*>("mnuAM")->trigger(); }},
      {"auto-fill", [](Form1& w) { w.IncrementTags(); }},
      {"fill selected",
       [](Form1& w) {
         std::string start = "146.000", increment = "0.025";
         w.FillSelected(start, increment);
       }},
      {"fill dialog", [](Form1& w) { w.mnuFillSelected_Click(); }},
  };
  for (const auto& [name, command] : cases) {
    f.form.initgrid();
    f.Use(1, 3);
    const auto before = f.Cells();
    Select(0, 1, 3, 9);
    command(f.form);
    for (int c = 0; c < kGridCols; ++c)
      EXPECT_EQ(f.grid.TextMatrix(0, c), kGridColumnLayout[c].header) << name;
    EXPECT_EQ(f.Cells(), before) << name;
    EXPECT_FALSE(dialogOpened) << name;
  }
  SetModalRunner({});
}

// Edit > Insert is offered after a copy of whole rows and after any cut, under
// the caption that says which; a copy of part of a row takes the offer back.
TEST_F(Review, InsertItemFollowsTheLastCopyOrCut) {
  const std::tuple<int, int, bool, const char*> cases[] = {
      {1, 9, false, "&Insert Copied Cells"},
      {1, 8, false, ""},
      {2, 2, true, "&Insert Cut Rows"},
      {9, 1, false, "&Insert Copied Cells"},  // selected right to left
      {0, 0, false, ""},
  };
  f.Use(1, 3);
  for (const auto& [col, colSel, cut, offered] : cases) {
    Select(2, col, 3, colSel);
    cut ? f.form.CellCut() : f.form.CellCopy();
    EXPECT_EQ(f.form.mnuSep23->isVisible(), *offered != 0) << col << "-" << colSel;
    EXPECT_EQ(f.form.mnuInsert->isVisible() ? f.form.mnuInsert->text().toStdString() : "", offered)
        << col << "-" << colSel;
  }
}

}  // namespace
