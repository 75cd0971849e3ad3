// The alternate single-channel panel: loading rows into its controls,
// storing them back on navigation, the row-number and frequency boxes, the
// 9 kHz rule, bank jumps and showing or hiding the panel.

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "editor_support.h"
#include "platform/Settings.h"
#include "support/UserInput.h"

namespace editor_test {
namespace {

class AltPanel : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    form->mnuAltInterface_Click();  // the panel on, showing row 1
    ASSERT_TRUE(form->Frame2->isVisible());
  }

  // The panel as the user sees it, in one line per control.
  struct Shown {
    std::string number, label, freq, shift, comment;
    int mode, duplex, tsql;  // chosen button, -1 none
    bool skip, pskip;
    std::string tone, step;
    bool stepEnabled;
    bool operator==(const Shown&) const = default;
  };
  template <size_t N>
  static int Chosen(const std::array<QRadioButton*, N>& group) {
    for (size_t i = 0; i < N; ++i)
      if (group[i]->isChecked()) return static_cast<int>(i);
    return -1;
  }
  Shown Panel() const {
    return {form->Text2->Text(),       form->Label12->text().toStdString(),
            form->Text4->Text(),       form->Text5->Text(),
            form->Text3->Text(),       Chosen(form->Option1),
            Chosen(form->Option2),     Chosen(form->Option3),
            form->Check4->isChecked(), form->Check5->isChecked(),
            form->Combo3->Text(),      form->Combo7->Text(),
            form->Combo7->isEnabled()};
  }
  void Show(int row) {
    AltRow = row;
    form->LoadAlt();
  }
  void TypeInto(VbTextBox* box, const std::string& text) {
    box->SetFocus();
    box->selectAll();
    if (text.empty()) {
      Backspaces(1);
    } else {
      Type(text);
    }
  }
};

TEST_F(AltPanel, LoadsRowsIntoItsControls) {
  Put(2, {"", "145.230", "WFM", "SKIP", "10 KHz", "-DUP", "0.600", "ON", "100.0", "Rptr"});
  Put(3, {"", "146.520", "AM", "PSKIP", "9 KHz", "+DUP", "5.000", "OFF", "254.1", ""});
  // What imports can leave: texts no button or list entry stands for.
  Put(4, {"", "7.100", "SSB", "X", "AUTO", "DUP", "0.000", "DCS", "88.4", ""});
  struct Case {
    int row;
    Shown shown;
  };
  const Case cases[] = {
      {1, {"1", "0-00", "", "", "", 1, 0, 0, false, false, "100.0", "5 KHz", true}},
      {2, {"2", "0-01", "145.230", "0.600", "Rptr", 2, 1, 1, true, false, "100.0", "10 KHz", true}},
      {3, {"3", "0-02", "146.520", "5.000", "", 0, 2, 0, false, true, "254.1", "9 KHz", false}},
      {4, {"4", "0-03", "7.100", "0.000", "", -1, -1, -1, false, false, "", "", true}},
      {401, {"401", "0A", "", "", "", 1, 0, 0, false, false, "100.0", "5 KHz", true}},
  };
  for (const Case& c : cases) {
    Show(c.row);
    EXPECT_TRUE(Panel() == c.shown) << c.row;
  }
  EXPECT_EQ(form->Combo7->ListCount(), 10) << "9 KHz left with the row that had it";
}

TEST_F(AltPanel, PlusAndMinusStoreFirstThenWrap) {
  Show(450);
  TypeInto(form->Text3, "last");
  Press(form->Command9);
  EXPECT_EQ(AltRow, 1);
  EXPECT_EQ(form->Text2->Text(), "1");
  EXPECT_EQ(Cell(450, ColComments), "last");
  EXPECT_EQ(Cell(449, ColComments), "last") << "the scan-edge partner";
  EXPECT_EQ(Cell(450, ColFreq), "") << "no frequency, only the comment";

  TypeInto(form->Text4, "146.52");
  Press(form->Command10);
  EXPECT_EQ(AltRow, 450);
  EXPECT_EQ(Row(1),
            (Cells{"", "146.520", "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "100.0", ""}))
      << "typed into an empty row: what the panel showed for it";
}

TEST_F(AltPanel, StoringWritesEveryControlIntoItsColumn) {
  Put(5, Channel("146.520"));
  Show(5);
  TypeInto(form->Text4, "145.1");
  TypeInto(form->Text5, "0.6");
  form->Option1[0]->setChecked(true);
  form->Option2[1]->setChecked(true);
  form->Option3[1]->setChecked(true);
  form->Check4->setChecked(true);
  form->Check5->setChecked(true);
  EXPECT_FALSE(form->Check4->isChecked()) << "the skip boxes exclude each other";
  form->Combo3->SetText("123.0");
  form->Combo7->SetText("12.5 KHz");
  TypeInto(form->Text3, "Rptr");
  Press(form->Command9);
  EXPECT_EQ(Row(5), (Cells{"", "145.100", "AM", "PSKIP", "12.5 KHz", "-DUP", "0.600", "ON", "123.0",
                           "Rptr"}));
}

// A row the user only looked at is stored back as it was: values no control
// can show, and a 9 kHz-looking frequency that was not typed.
TEST_F(AltPanel, RowsOnlyLookedAtStayAsTheyWere) {
  Option(&Form1::mnuUse9K, true);
  const Cells imported = {"", "7.100", "SSB", "OFF", "AUTO", "DUP", "0.000", "DCS", "88.4", ""};
  Put(4, {"", "146.520", "WFM", "OFF", "5 KHz", "+DUP", "0.000", "ON", "100.0", ""});
  Put(5, imported);
  Put(6, Channel("0.530", "AM", "10 KHz"));
  Show(4);
  Press(form->Command9);  // to row 5: the buttons of row 4 must not stick
  Press(form->Command9);
  form->Text4->SetFocus();  // through the frequency box of row 6
  form->Text5->SetFocus();
  EXPECT_EQ(form->Text4->Text(), "0.530");
  Press(form->Command9);
  EXPECT_EQ(Row(5), imported);
  EXPECT_EQ(Row(6), Channel("0.530", "AM", "10 KHz"));
}

TEST_F(AltPanel, EmptyingTheFrequencyStoresTheCommentAlone) {
  Put(6, Channel("146.520", "FM", "5 KHz", "old"));
  Show(6);
  TypeInto(form->Text4, "");
  form->Option1[2]->setChecked(true);
  TypeInto(form->Text3, "new");
  Press(form->Command9);
  EXPECT_EQ(Row(6), Channel("146.520", "FM", "5 KHz", "new"));
}

TEST_F(AltPanel, FrequencyAndShiftBoxesNormaliseOnLeaving) {
  struct Case {
    VbTextBox* Form1::*box;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {&Form1::Text4, "12", "12.000"},
      {&Form1::Text4, "0.1", "0.495"},
      {&Form1::Text4, "2000", "1599.995"},
      {&Form1::Text4, "146.512", "146.5125"},
      {&Form1::Text4, "1599.995", "1599.995"},
      {&Form1::Text5, "0.6", "0.600"},
      {&Form1::Text5, "5", "5.000"},
      {&Form1::Text5, "1000", "999.995"},
      {&Form1::Text5, "", "0.000"},
  };
  for (const Case& c : cases) {
    VbTextBox* box = form.get()->*c.box;
    TypeInto(box, c.typed);
    form->Text3->SetFocus();
    EXPECT_EQ(box->Text(), c.shown) << c.typed;
  }
  // Keys: digits, the point, Backspace, editing shortcuts; Enter in the
  // frequency box moves on.
  TypeInto(form->Text4, "9");
  Key(Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));  // select all
  Type("1a4-6.5");
  EXPECT_EQ(form->Text4->Text(), "146.5");
  Key(Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_TRUE(form->Text3->HasFocus());
  EXPECT_EQ(form->Text4->Text(), "146.500");
}

TEST_F(AltPanel, NineKilohertzStepFollowsTheFrequency) {
  Option(&Form1::mnuUse9K, true);
  Show(8);
  TypeInto(form->Text4, "0.522");
  form->Text3->SetFocus();
  EXPECT_EQ(form->Text4->Text(), "0.522") << "stored from the typed text, not 0.520";
  EXPECT_EQ(form->Combo7->Text(), "9 KHz");
  EXPECT_FALSE(form->Combo7->isEnabled());
  EXPECT_EQ(ICR2Image.GetBCBFreq(8), "0.522");
  Press(form->Command9);
  EXPECT_EQ(Cell(8, ColFreq), "0.522") << "no 5 kHz normalising of a 9 kHz row";
  EXPECT_EQ(Cell(8, ColStep), "9 KHz");
  // Back to it and on to an ordinary row: the entry goes, the list opens.
  Put(7, Channel("146.520"));
  Show(8);
  EXPECT_EQ(form->Combo7->ListCount(), 11);
  Show(7);
  EXPECT_EQ(form->Combo7->ListCount(), 10);
  EXPECT_TRUE(form->Combo7->isEnabled());

  // Without the option the list opens, and a row keeping 9 kHz stays on
  // its raster.
  Option(&Form1::mnuUse9K, false);
  Show(8);
  TypeInto(form->Text4, "0.531");
  form->Text3->SetFocus();
  EXPECT_TRUE(form->Combo7->isEnabled());
  EXPECT_EQ(form->Text4->Text(), "0.531");
}

TEST_F(AltPanel, RowNumberBox) {
  Put(3, Channel("146.520", "FM", "5 KHz", "three"));
  struct Case {
    const char* typed;
    int row;
    const char* shown;
  };
  const Case cases[] = {
      {"0", 3, "3"}, {"451", 3, "3"}, {"401", 401, "401"}, {"3", 3, "3"}, {"4x5", 45, "45"},
  };
  Show(3);
  for (const Case& c : cases) {
    TypeInto(form->Text2, c.typed);
    Key(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(AltRow, c.row) << c.typed;
    EXPECT_EQ(form->Text2->Text(), c.shown) << c.typed;
  }
  // A paste keeps the digits, and a line break in it is no Enter.
  TypeInto(form->Text2, "");
  PasteByKey(*form->Text2, "7a.1\r");
  EXPECT_EQ(std::pair(form->Text2->Text(), AltRow), std::pair(std::string("71"), 45));
  Show(401);
  EXPECT_EQ(form->Label12->text(), "0A");
  EXPECT_EQ(Cell(3, ColComments), "three");
}

TEST_F(AltPanel, BankJumpDropsUnstoredEdits) {
  Show(5);
  TypeInto(form->Text3, "not stored");
  form->mnuBank_Click(3);
  EXPECT_EQ(AltRow, 151);
  EXPECT_EQ(grid->TopRow(), 151);
  EXPECT_EQ(form->Text2->Text(), "151");
  EXPECT_EQ(Cell(5, ColComments), "");
}

TEST_F(AltPanel, DeleteEmptiesTheRowAndLeavesItsPartner) {
  Put(401, Channel("118.000", "AM", "25 KHz", "Air"));
  Put(402, Channel("137.000", "AM", "25 KHz", "Air"));
  Show(401);
  Press(form->Command13);
  EXPECT_EQ(Row(401), Cells{});
  EXPECT_EQ(Cell(401, ColLabel), "0A");
  EXPECT_EQ(Row(402), Channel("137.000", "AM", "25 KHz", "Air"));
  EXPECT_EQ(form->Text4->Text(), "");
}

TEST_F(AltPanel, ClearAndConversions) {
  Show(2);
  form->Check4->setChecked(true);
  form->ClearAlt();
  EXPECT_EQ(form->Text4->Text(), "000000");
  EXPECT_EQ(form->Text5->Text(), "0.000");
  EXPECT_FALSE(form->Check4->isChecked());
  EXPECT_EQ(form->Combo3->Text(), "100.0");
  struct Case {
    const char* in;
    const char* out;
  };
  for (const Case& c : {Case{"145600", "145.600"}, Case{"000000", "0.000"}, Case{"", "0.000"},
                        Case{"012345", "12.345"}, Case{"1.5600", "1.5.600"}}) {
    EXPECT_EQ(Form1::ConvertTXFreq(c.in), c.out) << c.in;
  }
}

// Undo takes the grid back under the panel: the panel must show the row as
// restored, or its next store writes the undone content over it again.
TEST_F(AltPanel, UndoShowsTheRestoredRowAndKeepsItOnTheNextStore) {
  Put(2, Channel("88.500", "WFM", "100 KHz", "FM bcast"));
  Show(2);
  form->SaveUndo();
  Put(2, Channel("446.000", "FM", "12.5 KHz", "PMR"));  // a command's change
  form->LoadAlt();
  form->Undo();
  EXPECT_EQ(form->Text4->Text(), "88.500");
  EXPECT_EQ(form->Text3->Text(), "FM bcast");
  Press(form->Command9);
  EXPECT_EQ(Row(2), Channel("88.500", "WFM", "100 KHz", "FM bcast"));
}

TEST_F(AltPanel, SwitchingOffStoresThePanelAndTheSetting) {
  Put(2, Channel("146.520"));
  Show(2);
  TypeInto(form->Text4, "147");
  form->mnuAltInterface_Click();
  EXPECT_FALSE(form->Frame2->isVisible());
  EXPECT_FALSE(form->mnuAltInterface->isChecked());
  EXPECT_EQ(Cell(2, ColFreq), "147.000") << "left and stored on the way out";
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "AltInterface"), "False");
  Open(3, ColFreq);
  form->mnuAltInterface_Click();
  EXPECT_FALSE(form->TxtGrid->Visible()) << "the grid's edit ends under the panel";
  EXPECT_EQ(grid->Row(), 0);
  EXPECT_EQ(form->SelStartRow, 0);
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "AltInterface"), "True");
}

}  // namespace
}  // namespace editor_test
