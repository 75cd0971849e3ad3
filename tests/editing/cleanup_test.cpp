// Popup value items, auto-fill comments, the blocked-band check, remove
// empty rows, clear all and fill selected.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <vector>

#include "editing/editing_support.h"
#include "editing/frmFillSelected.h"
#include "mainwindow/ChannelRules.h"
#include "platform/Modal.h"
#include "platform/VbTextBox.h"
#include "support/UserInput.h"

namespace {

using CleanUp = EditingTest;

TEST_F(CleanUp, EveryValueItemWritesItsCaptionIntoItsColumnOfUsedRows) {
  const std::pair<QMenu*, int> menus[] = {{f.form.mnu2, ColMode},
                                          {f.form.mnu3, ColSkip},
                                          {f.form.findChild<QMenu*>("mnu4Step"), ColStep},
                                          {f.form.mnu5, ColRptSh},
                                          {f.form.mnu6, ColTsql}};
  int items = 0;
  for (const auto& [menu, col] : menus) {
    for (QAction* item : menu->actions()) {
      const std::string v = item->text().remove('&').toStdString();
      if (item->isSeparator() || item->menu() || v == "Copy" || v == "Paste") continue;
      f.form.initgrid();
      f.Use(10, 14);
      ClearChannelRow(f.grid, 12);
      const auto before = f.Cells();
      f.Select(14, 10);
      item->trigger();
      EXPECT_EQ(Column(col, 9, 15), "|" + v + "|" + v + "||" + v + "|" + v + "|");
      f.form.Undo();
      EXPECT_EQ(f.Cells(), before) << v;
      ++items;
    }
  }
  EXPECT_EQ(items, 20);
}

TEST_F(CleanUp, AutoFillCountsOnFromTheRowAbove) {
  const std::pair<const char*, const char*> cases[] = {
      // rows 21 to 25, 23 not in use
      {"Rptr 9", "Rptr 10|Rptr 11||Rptr 12|Rptr 13"},
      {"Ch 007", "Ch 8|Ch 9||Ch 10|Ch 11"},
      {"Fire", "Fire|Fire||Fire|Fire"},
      {"Rptr 9 ", "Rptr 9 |Rptr 9 ||Rptr 9 |Rptr 9 "},
      {"99999999999999999999",
       "100000000000000000000|100000000000000000001||"
       "100000000000000000002|100000000000000000003"},
      {"", "r21|r22||r24|r25"},
  };
  for (const auto& [pattern, comments] : cases) {
    f.Use(21, 25);
    ClearChannelRow(f.grid, 23);
    f.grid.SetTextMatrix(20, ColComments, pattern);
    f.Select(21, 25);
    f.form.IncrementTags();
    EXPECT_EQ(Column(ColComments, 21, 25), comments) << pattern;
  }
  f.Use(1, 2);
  f.Select(1, 2);  // the header's "Comments" is the pattern
  f.form.IncrementTags();
  EXPECT_EQ(Column(ColComments, 0, 2), "Comments|Comments|Comments");
}

TEST_F(CleanUp, BlockedCheckAsksRowByRowAndUndoesAsOne) {
  for (const char* freq : {"824.000", "848.995", "869.000", "893.995", "848.9999"})
    EXPECT_TRUE(Form1::IsBlocked(freq)) << freq;
  for (const char* freq : {"823.995", "849.000", "868.995", "894.000", "", "abc"})
    EXPECT_FALSE(Form1::IsBlocked(freq)) << freq;
  struct Case {
    std::vector<int> answers;
    const char* tags;  // rows 10 to 13, then 401 and 402
  };
  const Case cases[] = {
      {{vbYes, vbYes, vbYes}, "r12|r13||||r402"},
      {{vbYes, vbNo, vbNo}, "r11|r12|r13||r401|r402"},
      {{vbNo, vbCancel}, "r10|r11|r12|r13|r401|r402"},
  };
  for (const Case& c : cases) {
    f.form.initgrid();
    f.Use(10, 13);
    f.Use(401, 402);
    for (int r : {10, 11, 401}) f.grid.SetTextMatrix(r, ColFreq, "830.000");
    const auto before = f.Cells();
    MsgBoxScript boxes;
    for (int answer : c.answers) boxes.Answer(answer, "Delete this channel?");
    f.form.mnuCheckBlocked_Click();
    EXPECT_EQ(Column(ColComments, 10, 13) + "|" + Column(ColComments, 401, 402), c.tags);
    EXPECT_EQ(boxes.Calls().size(), c.answers.size());
    EXPECT_EQ(boxes.Calls()[0].prompt,
              "Blocked Frequency Found\r\n\r\nMemory: 0-09\r\nFrequency: 830.000\r\n\r\n"
              "Delete this channel?");
    f.form.Undo();
    EXPECT_EQ(f.Cells(), before);
  }
  MsgBoxScript boxes;
  boxes.Answer(vbOK, "No blocked frequencies found.");
  f.form.initgrid();
  f.form.mnuCheckBlocked_Click();
}

TEST_F(CleanUp, RemoveEmptyAndClearAllAreOneUndoAndRefreshThePanel) {
  for (int r : {3, 7, 200, 403}) f.Use(r);
  f.form.mnuAltInterface_Click();
  AltRow = 2;
  const auto before = f.Cells();
  f.form.mnuRemoveEmpty_Click();
  EXPECT_EQ(Column(ColComments, 1, 4) + "|" + f.Tag(200) + f.Tag(403), "r3|r7|r200||r403");
  EXPECT_EQ(f.form.Text3->Text(), "r7");
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);

  for (int bit = 0; bit < 8; ++bit)
    ICR2Image.SetBit(kLoadedMarkAddress, bit, (kLoadedMark >> bit) & 1);
  f.form.Savegrid();
  MsgBoxScript boxes;
  boxes.Answer(vbNo, "clear all main and scan edge");
  boxes.Answer(vbYes, "clear all main and scan edge");
  f.form.mnuClearMem_Click();
  EXPECT_EQ(f.Cells(), before);
  f.form.mnuClearMem_Click();
  EXPECT_EQ(f.Cells(), std::vector<std::string>(before.size()));
  EXPECT_FALSE(ICR2Image.IsValidMemory(3) || ChannelComments[3] != "");
  EXPECT_EQ(f.form.Text3->Text(), "");
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
}

TEST_F(CleanUp, FillSelectedKeepsTheSeriesOnTheRasterAndWithinTheLimits) {
  const std::vector<std::vector<const char*>> cases = {
      // start, increment, rows 30 to 34
      {"145.000", "0.025", "145.000|145.025|145.050|145.075|145.100"},
      {"1599.990", "0.010", "1599.990|1599.995|1599.995|1599.995|1599.995"},
      {"446.0", "0.0125", "446.000|446.0125|446.025|446.0375|446.050"},
      {"0.1", "99999999999999999999", "0.495|1599.995|1599.995|1599.995|1599.995"},
  };
  for (const auto& c : cases) {
    f.Use(30);
    f.Select(30, 34);
    std::string start = c[0], increment = c[1];
    f.form.FillSelected(start, increment);
    EXPECT_EQ(Column(ColFreq, 30, 34), c[2]) << c[0];
    const std::string freq = f.grid.TextMatrix(34, ColFreq);  // band rules, comment kept
    EXPECT_EQ(Row(34).substr(freq.size()),
              "|" + AutoModeFor(freq) + "|OFF|5 KHz|" +
                  (AutoShiftFor(freq).dup ? AutoShiftFor(freq).dup : "SIMP") + "|" +
                  AutoShiftFor(freq).offset + "|OFF|88.5|");
    EXPECT_EQ(f.Tag(30), "r30");
  }
}

// Fill Selected opened over rows 5 and 6, worked by `use` as the user
// would; what `use` saw.
template <typename Use>
std::string RunFillDialog(GridForm& f, Use use) {
  f.Select(5, 6);
  std::string seen;
  SetModalRunner([&](QDialog& dialog) {
    seen = use(static_cast<frmFillSelected&>(dialog));
    return dialog.result();
  });
  f.form.mnuFillSelected_Click();
  SetModalRunner({});
  return seen;
}

TEST_F(CleanUp, FillDialogFiltersKeysNormalisesBoxesAndFillsOnEnter) {
  f.Use(5, 6);
  const auto before = f.Cells();
  const std::string seen = RunFillDialog(f, [](frmFillSelected& d) {
    std::string shown = d.Text1->Text() + " " + d.Text2->Text() + " ";
    for (int key : {'a', '-', ',', ' ', '5', '.', '\b'}) {
      d.Text2_KeyPress(key);
      if (key != 0) shown += static_cast<char>(key);
    }
    for (const char* typed : {"146", "0.1", "2000"}) {
      d.Text1->SetText(typed);
      d.Text2->SetText(typed);
      d.Text1_LostFocus();
      d.Text2_LostFocus();
      shown += "|" + d.Text1->Text() + " " + d.Text2->Text();
    }
    d.Text1->SetText("146");  // Enter before leaving the box
    d.Text2->SetText("0.5");
    int enter = 13;
    d.Text1_KeyPress(enter);
    return shown;
  });
  EXPECT_EQ(seen, "0.495 0.000 5.\b|146.000 146.000|0.495 0.100|1599.995 1599.995");
  EXPECT_EQ(Column(ColFreq, 5, 6), "146.000|146.500");
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
}

// A paste takes the characters typing takes, and a line break in it is no
// Enter; Enter on a focused button presses that button alone.
TEST_F(CleanUp, FillDialogPastesAsTypedAndItsButtonsTakeEnter) {
  for (bool ok : {true, false}) {
    f.Use(5, 6);
    const auto before = f.Cells();
    const std::string seen = RunFillDialog(f, [ok](frmFillSelected& d) {
      d.Text1->selectAll();
      PasteByKey(*d.Text1, "-146.0 MHz\r\n");
      d.Text2->selectAll();
      EXPECT_TRUE(PasteByMenu(*d.Text2, "-abc,5"));
      const std::string shown =
          d.Text1->Text() + " " + d.Text2->Text() + " " + std::to_string(d.result());
      PressEnter(*(ok ? d.Command1 : d.Command2));
      return shown;
    });
    EXPECT_EQ(seen, "146.0 5 0");
    if (ok) {
      EXPECT_EQ(Column(ColFreq, 5, 6), "146.000|151.000");
    } else {
      EXPECT_EQ(f.Cells(), before);
    }
    f.form.Undo();
  }
}

}  // namespace
