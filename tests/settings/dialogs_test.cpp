// The radio settings dialogs: every list tied to its own byte both ways,
// values no list can show, the CH copy bit, the user comment's bytes, the
// priority box's rules, and the menu items with their unsaved changes.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <functional>

#include "image/clsICR2.h"
#include "mainwindow/Form1.h"
#include "platform/Modal.h"
#include "platform/VbComboBox.h"
#include "platform/VbTextBox.h"
#include "settings/Form7.h"
#include "settings/frmComments.h"
#include "settings/frmPriority.h"
#include "settings/frmSetMode1.h"
#include "support/PlatformDoubles.h"
#include "support/UserInput.h"

namespace {

void PutByte(int address, int value) {
  for (int bit = 0; bit < 8; ++bit) ICR2Image.SetBit(address, bit, (value >> bit) & 1);
}
int Byte(int address) { return ICR2Image.GetArry()[address]; }

struct ListCase {
  int combo, address, count;
  const char* last;  // shown for the highest code
};
const ListCase kLists[] = {{1, 0xE60, 3, "10 MHz"},  {2, 0xE62, 7, "HOLD"}, {3, 0xE63, 11, "HOLD"},
                           {4, 0xE61, 3, "BELL"},    {5, 0xE68, 2, "ON"},   {6, 0xE69, 3, "AUTO"},
                           {7, 0xE6A, 5, "120 MIN"}, {8, 0xE6B, 2, "ON"},   {9, 0xE6C, 2, "HOLD"},
                           {10, 0xE6D, 2, "ON"},     {12, 0xE6F, 4, "ALL"}, {13, 0xE67, 2, "ON"},
                           {14, 0xE66, 2, "ON"}};
// D SEL lists its steps rising but stores "100 MHz" as 0.
int EntryOfCode(const ListCase& c, int code) { return c.combo == 1 ? (code + 2) % 3 : code; }

TEST(SetMode, EachListShowsAndStoresOnlyItsOwnByteInListOrder) {
  MsgBoxScript boxes;
  for (const ListCase& c : kLists) {
    SCOPED_TRACE(c.combo);
    ICR2Image.Init();
    PutByte(c.address, c.count - 1);
    PutByte(0xE81, 0xF0);  // the other bits of CH's copy byte stay
    frmSetMode1 dialog;
    for (const ListCase& o : kLists)
      EXPECT_EQ(dialog.Combo(o.combo)->ListIndex(), EntryOfCode(o, &o == &c ? o.count - 1 : 0));
    VbComboBox& list = *dialog.Combo(c.combo);
    EXPECT_EQ(list.Text(), c.last);
    EXPECT_EQ(list.ListCount(), c.count);
    ImageBytes expected = ICR2Image.GetArry();
    for (int code = 0; code < c.count; ++code) {
      list.SetListIndex(EntryOfCode(c, code));
      dialog.SaveAll();
      dialog.LoadAll();
      expected[c.address] = static_cast<std::uint8_t>(code);
      if (c.combo == 13) expected[0xE81] = static_cast<std::uint8_t>(0xF0 | code);
      EXPECT_EQ(ICR2Image.GetArry(), expected) << code;
    }
  }
}

// 0xE81 holds CH's copy bit set while CH reads "OFF": OK writes CH again
// and so clears the copy bit, unless CH itself is the value no list shows.
TEST(SetMode, AValueNoListCanShowGetsOneBoxEachAndStaysThroughOK) {
  const std::vector<std::vector<std::pair<int, int>>> cases = {
      {{0xE69, 9}}, {{0xE60, 3}}, {{0xE67, 2}, {0xE63, 0xFF}}};
  for (const auto& bad : cases) {
    ICR2Image.Init();
    PutByte(0xE81, 0xA5);
    for (auto [address, value] : bad) PutByte(address, value);
    MsgBoxScript boxes;
    for (size_t n = 0; n < bad.size(); ++n) boxes.Answer(vbOK, "ERROR 380 ");
    frmSetMode1 dialog;
    for (const ListCase& c : kLists) {
      const bool isBad = std::ranges::any_of(bad, [&](auto b) { return b.first == c.address; });
      EXPECT_EQ(dialog.Combo(c.combo)->ListIndex() == -1, isBad) << c.combo;
    }
    dialog.Combo(5)->SetText("ON");
    dialog.Command6->click();
    for (auto [address, value] : bad) EXPECT_EQ(Byte(address), value);
    EXPECT_EQ(Byte(0xE68), 1) << "the list the user changed is stored";
    const bool chBad = std::ranges::any_of(bad, [](auto b) { return b.first == 0xE67; });
    EXPECT_EQ(Byte(0xE81), chBad ? 0xA5 : 0xA4) << "CH, left as shown, is written again";
  }
}

// OK with nothing changed writes every list again: the bytes hold what the
// lists show, and CH's copy bit follows CH whichever way they disagreed.
TEST(SetMode, OKWithNoChangeBringsCHsCopyBitInStep) {
  MsgBoxScript boxes;
  for (auto [ch, copy, expected] : {std::tuple{0, 0x01, 0x00}, {1, 0xFE, 0xFF}, {1, 0x01, 0x01}}) {
    ICR2Image.Init();
    PutByte(0xE67, ch);
    PutByte(0xE81, copy);
    ImageBytes before = ICR2Image.GetArry();
    frmSetMode1 dialog;
    dialog.Command6->click();
    before[0xE81] = static_cast<std::uint8_t>(expected);
    EXPECT_EQ(ICR2Image.GetArry(), before) << ch << " " << copy;
  }
}

TEST(SettingsDialogs, UserCommentIsPaddedTrimmedAndKeepsEveryByte) {
  for (std::string typed : {"ABC", " A  B", "", "0123456789ABCDEF", "\xE9t\xE9 \x80\x81"}) {
    ICR2Image.Init();
    frmComments dialog;
    dialog.Text1->SetText(typed);
    dialog.Command6->click();
    const ImageBytes image = ICR2Image.GetArry();
    EXPECT_EQ(std::string(image.begin() + 0xFA0, image.begin() + 0xFB0),
              typed + std::string(16 - typed.size(), ' '));
    EXPECT_EQ(frmComments().Text1->Text(), typed) << "read back trimmed";
  }
  // Bytes no keyboard types survive an OK; a pasted character the code page
  // cannot hold is refused.
  ICR2Image.SetUserComments(std::string{'\0', '\x9D', 'a', '\xFF', ' ', ' ', '\0'});
  const ImageBytes before = ICR2Image.GetArry();
  frmComments dialog;
  dialog.Text1->end(false);
  QApplication::clipboard()->setText(QString::fromUtf8("\u2603"));
  dialog.Text1->paste();
  dialog.Command6->click();
  EXPECT_EQ(ICR2Image.GetArry(), before);
}

TEST(SettingsDialogs, PriorityStepsWrapAndLeavingTheBoxClampsIt) {
  frmPriority dialog;
  ASSERT_TRUE(ShowActive(dialog));
  // Actions: "+", "-", "l" leave the box, or typed characters.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"1100", "+", "1"}, {"1099", "+", "1100"}, {"", "+", "1"},
      {"0", "+", "1"},    {"1", "-", "1100"},    {"0", "-", "1100"},
      {"", "-", "1100"},  {"57", "-", "56"},     {"9999", "l", "1100"},
      {"", "l", "0"},     {"1100", "l", "1100"}, {"", "1a2.3-45", "1234"}};
  for (const auto& [start, action, result] : cases) {
    dialog.Text1->SetText(start);
    dialog.Text1->SetFocus();
    const std::string a = action;
    const bool step = a == "+" || a == "-";
    if (step) (a == "+" ? dialog.Command2 : dialog.Command3)->click();
    if (a == "l") dialog.Command6->setFocus();
    for (char ch : a.size() > 1 ? a : "") {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(ch)));
      QApplication::sendEvent(dialog.Text1, &key);
    }
    EXPECT_EQ(dialog.Text1->Text(), result) << start << " " << a;
    EXPECT_TRUE(!step || (dialog.Text1->HasFocus() && dialog.Text1->hasSelectedText() &&
                          dialog.Text1->selectedText() == dialog.Text1->text()));
  }
  // A paste keeps the digits; Enter on a focused step button steps, and the
  // dialog's OK does not take it.
  dialog.Text1->SetText("");
  PasteByKey(*dialog.Text1, "-5a7,\r\n");
  EXPECT_EQ(dialog.Text1->Text(), "57");
  for (QPushButton* button : {dialog.Command2, dialog.Command3, dialog.Command3}) {
    button->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), button);
    PressEnter(*button);
  }
  EXPECT_EQ(dialog.Text1->Text(), "56");
  EXPECT_TRUE(dialog.isVisible());
}

// An OK'd change is one the exit question asks about.
TEST(SettingsDialogs, MenuItemsOpenTheirDialogAndOnlyOKChangesTheImage) {
  TempSettingsStore store;
  Form1 form;
  ICR2Image.Init();
  const std::tuple<QAction*, std::function<void(QDialog&)>, int, int> cases[] = {
      {form.mnuSetMode, [](QDialog& d) { dynamic_cast<frmSetMode1&>(d).Combo(6)->SetText("AUTO"); },
       0xE69, 2},
      {form.mnuSquelch, [](QDialog& d) { dynamic_cast<Form7&>(d).Combo1->SetText("LEVEL 5"); },
       0xE73, 6},
      {form.mnuUserComments, [](QDialog& d) { dynamic_cast<frmComments&>(d).Text1->SetText("K"); },
       0xFA0, 'K'},
      {form.mnuPriority, [](QDialog& d) { dynamic_cast<frmPriority&>(d).Command2->click(); }, 0,
       0}};
  for (const char* way : {"Cancel", "close", "OK"}) {
    for (const auto& [item, change, address, value] : cases) {
      SCOPED_TRACE(item->text().toStdString() + " " + way);
      int shown = 0;
      SetModalRunner([&](QDialog& d) {
        ++shown;
        change(d);  // a dialog of another class throws here
        auto& dialog = dynamic_cast<SettingsDialog&>(d);
        way == std::string("close") ? static_cast<void>(d.close())
                                    : (*way == 'O' ? dialog.Command6 : dialog.Command5)->click();
        return d.result();
      });
      item->trigger();
      SetModalRunner(nullptr);
      EXPECT_EQ(shown, 1);
      EXPECT_EQ(ICR2Image.IsDataChanged(), *way == 'O' && address != 0);
      EXPECT_TRUE(*way != 'O' || Byte(address) == value);
      ICR2Image.SetChecksum();
    }
  }
  ICR2Image.Init();
}

}  // namespace
