#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>

#include "editing/frmFind.h"
#include "editing/memorytools_support.h"
#include "platform/VbTextBox.h"
#include "support/UserInput.h"

namespace {

struct FindForm : GridForm {
  frmFind find{form};
  explicit FindForm(bool byTag) {
    for (int row : {3, 10, 57}) Use(row), grid.SetTextMatrix(row, ColFreq, "146.520");
    grid.SetTextMatrix(57, ColFreq, "446.000");
    grid.SetTextMatrix(57, ColComments, "Marine Ch16");
    grid.SetTextMatrix(403, ColFreq, "1146.000");
    (byTag ? find.Option1 : find.Option2)->setChecked(true);
  }
  // One press of Find Next: the row brought to the top, or -1 after the message.
  int Press() {
    MsgBoxScript boxes;
    boxes.Answer(vbOK, "Search text is not found.");
    find.Command1_Click();
    const bool missed = boxes.Pending() == 0;
    boxes.Clear();
    return missed ? -1 : grid.TopRow();
  }
};

TEST(Find, PressesWalkFromMatchToMatchAndStartAgainAfterAMissOrAnEdit) {
  const std::tuple<bool, std::string, std::vector<int>> cases[] = {
      {false, "146", {3, 10, 403, -1, 3}},
      {false, "", {3, 10, 57, 403, -1}},  // the empty text finds filled cells
      {true, "CH16", {57, -1, 57}},       // tags in any letter case
      {true, "146", {-1}},
  };
  for (const auto& [byTag, text, presses] : cases) {
    FindForm f(byTag);
    f.find.Text1->SetText(text);
    for (int expected : presses) EXPECT_EQ(f.Press(), expected) << text;
  }
  FindForm f(false);
  f.find.Text1->SetText("146");
  f.Press(), f.Press();
  f.find.Text1->SetText("146.5");
  EXPECT_EQ(f.Press(), 3);
}

TEST(Find, AMatchIsSelectedHighlightedAndShownInAnOpenPanel) {
  for (bool byTag : {false, true}) {
    FindForm f(byTag);
    if (byTag) f.form.mnuAltInterface_Click();
    AltRow = 1;
    f.find.Text1->SetText(byTag ? "marine" : "446");
    ASSERT_EQ(f.Press(), 57);
    EXPECT_EQ(std::vector<int>({f.grid.Row(), f.grid.Col(), f.grid.ColSel(), f.grid.RowSel(),
                                f.grid.HighLight(), AltRow}),
              std::vector<int>({57, byTag ? 0 : 1, 9, 57, flexHighlightAlways, byTag ? 57 : 1}));
    f.find.Command2_Click();
    EXPECT_EQ(f.grid.HighLight(), flexHighlightNever);
  }
}

TEST(Find, TheBoxTakesTenCharactersAndTheKeysOfItsMode) {
  const std::tuple<int, bool, bool> keys[] = {
      {'5', false, true},  {'.', false, true}, {8, false, true},  {'a', false, false},
      {' ', false, false}, {' ', true, true},  {'}', true, true}, {'`', true, false},
      {'~', true, false},  {3, false, true}};  // Ctrl+C stays a shortcut
  for (auto [ascii, byTag, taken] : keys) {
    FindForm f(byTag);
    int key = ascii;
    f.find.Text1_KeyPress(key);
    EXPECT_EQ(key != 0, taken) << ascii << byTag;
  }
  FindForm f(false);
  f.find.Text1->SetText("44612345678");
  EXPECT_EQ(f.find.Text1->Text(), "4461234567");
  f.find.Text1->SetText("446");
  int enter = 13;  // a search of its own, typing nothing
  f.find.Text1_KeyPress(enter);
  EXPECT_EQ(std::pair(enter, f.grid.Row()), std::pair(0, 57));
}

TEST(Find, APasteKeepsWhatTheModeTypes) {
  const std::tuple<bool, const char*, const char*> cases[] = {
      {false, "146.52 MHz\r\n", "146.52"},
      {false, "-1,4x6", "146"},
      {true, "Air-1, x{}", "Air-1, x{}"},
      {true, "Ch 16\r\n", "Ch 16"},  // a line break is no key, typed or pasted
      {true, "a`b~c\u00e9", "abc"},  // the keys tag mode does not take
  };
  for (const auto& [byTag, pasted, kept] : cases) {
    FindForm f(byTag);
    PasteByKey(*f.find.Text1, QString::fromUtf8(pasted));
    EXPECT_EQ(f.find.Text1->Text(), kept) << pasted;
    EXPECT_EQ(f.find.FindStartRow, 0) << "a change, and no search step";
  }
}

// Enter in the box and on a focused "Find Next" is one step each; on
// "Cancel" it closes the dialog.
TEST(Find, EnterIsOneSearchStepInTheBoxAndOnFindNext) {
  FindForm f(false);
  MsgBoxScript boxes;  // no step misses
  f.find.Text1->SetText("146");
  PressEnter(*f.find.Text1);
  EXPECT_EQ(std::pair(f.grid.TopRow(), f.find.FindStartRow), std::pair(3, 4));
  PressEnter(*f.find.Command1);
  EXPECT_EQ(std::pair(f.grid.TopRow(), f.find.FindStartRow), std::pair(10, 11));
  PressEnter(*f.find.Command2);
  EXPECT_EQ(f.grid.HighLight(), flexHighlightNever);
  EXPECT_EQ(f.find.FindStartRow, 11);
}

}  // namespace
