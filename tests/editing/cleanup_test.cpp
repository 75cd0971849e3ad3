// Popup value items, auto-fill comments, the blocked-band check, remove
// empty rows, clear all and fill selected.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <string>
#include <vector>

#include "editing/Undo.h"
#include "editing/frmFillSelected.h"
#include "image/clsICR2.h"
#include "mainwindow/ChannelRules.h"
#include "mainwindow/Globals.h"
#include "mainwindow/grid_support.h"
#include "platform/Modal.h"
#include "platform/VbTextBox.h"

namespace {

class CleanUp : public ::testing::Test {
 protected:
  void SetUp() override {
    ICR2Image.Init();
    ClearUndo();
  }
  void TearDown() override { ICR2Image.Init(); }
  std::string Col(int col, int from, int to) const {  // cells joined by "|"
    std::string cells = f.grid.TextMatrix(from, col);
    for (int r = from + 1; r <= to; ++r) cells += "|" + f.grid.TextMatrix(r, col);
    return cells;
  }
  GridForm f;
};

TEST_F(CleanUp, EveryValueItemWritesItsCaptionIntoItsColumnOfUsedRows) {
  const std::pair<QMenu*, int> menus[] = {{f.form.mnu2, ColMode},
                                          {f.form.mnu3, ColSkip},
                                          {f.form.findChild<QMenu*>("mnu4Step"), ColStep},
                                          {f.form.mnu5, ColRptSh},
                                          {f.form.mnu6, ColTsql}};
  int items = 0;
  for (const auto& [menu, col] : menus) {
    for (QAction* item : menu->actions()) {
      if (item->isSeparator() || item->menu() || item->text().endsWith("Copy") ||
          item->text().endsWith("Paste"))
        continue;
      f.form.initgrid();
      f.Use(10, 14);
      f.form.ClearRow(12);
      const auto before = f.Cells();
      f.Select(14, 10);
      item->trigger();
      const std::string v = item->text().remove('&').toStdString();
      EXPECT_EQ(Col(col, 9, 15), "|" + v + "|" + v + "||" + v + "|" + v + "|") << v;
      f.form.Undo();
      EXPECT_EQ(f.Cells(), before) << v;
      ++items;
    }
  }
  EXPECT_EQ(items, 20);
}

TEST_F(CleanUp, AutoFillCountsOnFromTheRowAbove) {
  struct Case {
    int from;
    const char* pattern;
    const char* comments;  // rows from..from+4, row from+2 not in use
  };
  const Case cases[] = {
      {21, "Rptr 9", "Rptr 10|Rptr 11||Rptr 12|Rptr 13"},
      {21, "Ch 007", "Ch 8|Ch 9||Ch 10|Ch 11"},
      {21, "Fire", "Fire|Fire||Fire|Fire"},
      {21, "Rptr 9 ", "Rptr 9 |Rptr 9 ||Rptr 9 |Rptr 9 "},
      {21, "146", "147|148||149|150"},
      {21, "99999999999999999999",
       "100000000000000000000|100000000000000000001||"
       "100000000000000000002|100000000000000000003"},
      {21, "", "r21|r22||r24|r25"},
      {1, "Comments", "Comments|Comments||Comments|Comments"},
  };
  for (const Case& c : cases) {
    f.form.initgrid();
    f.Use(c.from, c.from + 4);
    f.form.ClearRow(c.from + 2);
    if (c.from > 1) f.grid.SetTextMatrix(c.from - 1, ColComments, c.pattern);
    f.Select(c.from, c.from + 4);
    f.form.IncrementTags();
    EXPECT_EQ(Col(ColComments, c.from, c.from + 4), c.comments) << c.pattern;
  }
}

TEST_F(CleanUp, BlockedBandsHaveOpenEnds) {
  for (const char* freq : {"824.000", "848.995", "869.000", "893.995", "848.9999"})
    EXPECT_TRUE(Form1::IsBlocked(freq)) << freq;
  for (const char* freq : {"823.995", "849.000", "868.995", "894.000", "", "abc", "146.520"})
    EXPECT_FALSE(Form1::IsBlocked(freq)) << freq;
}

TEST_F(CleanUp, BlockedCheckAsksRowByRowAndUndoesAsOne) {
  struct Case {
    std::vector<int> answers;
    const char* tags;  // rows 10 to 13, then 401 and 402
    size_t boxes;
  };
  const Case cases[] = {
      {{vbYes, vbYes, vbYes}, "r12|r13||||r402", 3},
      {{vbYes, vbNo, vbNo}, "r11|r12|r13||r401|r402", 3},
      {{vbNo, vbCancel}, "r10|r11|r12|r13|r401|r402", 2},
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
    EXPECT_EQ(Col(ColComments, 10, 13) + "|" + Col(ColComments, 401, 402), c.tags);
    EXPECT_EQ(boxes.Calls().size(), c.boxes);
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

TEST_F(CleanUp, RemoveEmptyRowsClosesTheGapsInOneUndoAndRefreshesThePanel) {
  f.Use(3);
  f.Use(7);
  f.Use(200);
  f.Use(403);
  f.form.mnuAltInterface_Click();
  AltRow = 2;
  const auto before = f.Cells();
  f.form.mnuRemoveEmpty_Click();
  EXPECT_EQ(Col(ColComments, 1, 4) + "|" + f.Tag(200) + f.Tag(403), "r3|r7|r200||r403");
  EXPECT_EQ(f.form.Text3->Text(), "r7");
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
}

TEST_F(CleanUp, ClearAllAsksFirstEmptiesTheImageAndStaysOneUndoAway) {
  f.Use(1, 450);
  for (int bit = 0; bit < 8; ++bit)
    ICR2Image.SetBit(kLoadedMarkAddress, bit, (kLoadedMark >> bit) & 1);
  f.form.Savegrid();
  ASSERT_TRUE(ICR2Image.IsValidMemory(450));
  const auto before = f.Cells();
  MsgBoxScript boxes;
  boxes.Answer(vbNo, "clear all main and scan edge");
  f.form.mnuClearMem_Click();
  EXPECT_EQ(f.Cells(), before);
  boxes.Answer(vbYes, "clear all main and scan edge");
  f.form.mnuClearMem_Click();
  EXPECT_EQ(f.Cells(), std::vector<std::string>(before.size()));
  EXPECT_FALSE(ICR2Image.IsValidMemory(450));
  EXPECT_EQ(ChannelComments[450], "");
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
}

TEST_F(CleanUp, FillSelectedKeepsTheSeriesOnTheRasterAndWithinTheLimits) {
  struct Case {
    const char *start, *increment, *freqs;
  };
  const Case cases[] = {
      {"0.495", "0.000", "0.495|0.495|0.495|0.495|0.495"},
      {"145.000", "0.025", "145.000|145.025|145.050|145.075|145.100"},
      {"1599.990", "0.010", "1599.990|1599.995|1599.995|1599.995|1599.995"},
      {"446.0", "0.0125", "446.000|446.0125|446.025|446.0375|446.050"},
      {"0.1", "99999999999999999999", "0.495|1599.995|1599.995|1599.995|1599.995"},
  };
  for (const Case& c : cases) {
    f.form.initgrid();
    f.Use(30);
    f.Select(30, 34);
    std::string start = c.start;
    std::string increment = c.increment;
    f.form.FillSelected(start, increment);
    EXPECT_EQ(Col(ColFreq, 30, 34), c.freqs) << c.start;
    for (int r = 30; r <= 34; ++r) {
      const std::string freq = f.grid.TextMatrix(r, ColFreq);
      EXPECT_EQ(f.grid.TextMatrix(r, ColMode), AutoModeFor(freq)) << freq;
      EXPECT_EQ(f.grid.TextMatrix(r, ColShift), AutoShiftFor(freq).offset) << freq;
    }
    EXPECT_EQ(f.Tag(30), "r30") << "the comment stays";
  }
}

TEST_F(CleanUp, FillDialogFiltersKeysNormalisesBoxesAndFillsOnce) {
  f.Use(5, 6);
  const auto before = f.Cells();
  f.Select(5, 6);
  std::vector<std::string> seen;
  SetModalRunner([&](QDialog& dialog) {
    auto& d = static_cast<frmFillSelected&>(dialog);
    seen.push_back(d.Text1->Text() + " " + d.Text2->Text());
    std::string passed;
    for (int key : {'a', '-', ',', ' ', '5', '.', '\b'}) {
      int k = key;
      d.Text2_KeyPress(k);
      if (k != 0) passed += static_cast<char>(k);
    }
    seen.push_back(passed);
    const std::pair<const char*, const char*> boxes[] = {
        {"146", "146.000"}, {"0.1", "0.495"}, {"2000", "1599.995"}};
    for (const auto& [typed, left] : boxes) {
      d.Text1->SetText(typed);
      d.Text1_LostFocus();
      d.Text2->SetText(typed);
      d.Text2_LostFocus();
      seen.push_back(d.Text1->Text() + " " + d.Text2->Text() + " " + left);
    }
    d.Text1->SetText("146");  // Enter before leaving: taken as it stands
    d.Text2->SetText("0.5");
    int enter = 13;
    d.Text1_KeyPress(enter);
    return dialog.result();
  });
  f.form.mnuFillSelected_Click();
  SetModalRunner({});
  const std::vector<std::string> expected = {"0.495 0.000", "5.\b", "146.000 146.000 146.000",
                                             "0.495 0.100 0.495", "1599.995 1599.995 1599.995"};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(Col(ColFreq, 5, 6), "146.000|146.500");
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
}

}  // namespace
