#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <memory>
#include <string>
#include <vector>

#include "platform/VbComboBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbKeys.h"
#include "platform/VbTextBox.h"
#include "support/UserInput.h"

namespace {

// A shown, active window holding two text boxes, two combos and a button,
// every event of the controls written to `events` in the order it ran.
class VbControls : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(400, 200);
    a.setGeometry(10, 10, 100, 24);
    b.setGeometry(10, 40, 100, 24);
    combo.setGeometry(150, 10, 100, 24);
    list.setGeometry(150, 40, 100, 24);
    button.setGeometry(10, 100, 80, 24);
    for (const char* entry : {"FM", "WFM", "AM"}) {
      combo.AddItem(entry);
      list.AddItem(entry);
    }
    Record(a, "a");
    Record(b, "b");
    Record(combo, "combo");
    combo.OnClick = [this] { events.push_back("combo click " + combo.Text()); };
    ASSERT_TRUE(ShowActive(window));
  }

  template <typename Control>
  void Record(Control& c, std::string name) {
    c.OnChange = [this, &c, name] { events.push_back(name + " change " + c.Text()); };
    c.OnGotFocus = [this, name] { events.push_back(name + " got"); };
    c.OnLostFocus = [this, name] { events.push_back(name + " lost"); };
    c.OnKeyDown = [this, name](int& code, int shift) {
      events.push_back(name + " down " + std::to_string(code) + " " + std::to_string(shift));
    };
    c.OnKeyPress = [this, name](int& ascii) {
      events.push_back(name + " press " + std::to_string(ascii));
      if (ascii == dropAscii) ascii = 0;
      if (ascii == swapFrom) ascii = swapTo;
    };
  }

  static void Key(QWidget& target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                  const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(&target, &event);
  }
  // Types the characters as keys: digits and letters with their own key codes.
  static void Type(QWidget& target, const std::string& chars) {
    for (char c : chars) {
      int key = Qt::Key_unknown;
      if (c >= '0' && c <= '9') key = Qt::Key_0 + (c - '0');
      if (c >= 'a' && c <= 'z') key = Qt::Key_A + (c - 'a');
      if (c >= 'A' && c <= 'Z') key = Qt::Key_A + (c - 'A');
      Key(target, key, Qt::NoModifier, QString(QChar(c)));
    }
  }

  QWidget window;
  VbTextBox a{&window};
  VbTextBox b{&window};
  VbComboBox combo{vbComboDropdown, &window};
  VbComboBox list{vbComboDropdownList, &window};
  QPushButton button{"x", &window};
  std::vector<std::string> events;
  int dropAscii = -1;
  int swapFrom = -1;
  int swapTo = -1;
};

using Events = std::vector<std::string>;

// ---- text box ----------------------------------------------------------------

TEST_F(VbControls, TextBoxRaisesChangeForTypedOrSetTextAndFiltersKeys) {
  a.SetFocus();
  events.clear();
  Type(a, "1");
  a.SetText("146");
  a.SetText("146");  // the same text: no change
  EXPECT_EQ(events, (Events{"a down 49 0", "a press 49", "a change 1", "a change 146"}));
  dropAscii = 'x';
  swapFrom = 'y';
  swapTo = 'Z';
  a.SetText("");
  Type(a, "axyb");
  EXPECT_EQ(a.Text(), "aZb") << "KeyPress drops or replaces characters";
}

TEST_F(VbControls, TabReachesKeyDownOnlyWhenItIsAKey) {
  a.SetFocus();
  Key(a, Qt::Key_Tab);
  EXPECT_TRUE(b.HasFocus()) << "without the option Tab moves on";
  b.SetTabIsKey(true);
  events.clear();
  Key(b, Qt::Key_Tab);
  Key(b, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(b.HasFocus());
  EXPECT_EQ(events, (Events{"b down 9 0", "b down 9 1"}));
}

TEST_F(VbControls, RefusedCharactersCannotBeTypedOrPasted) {
  a.SetRefusedCharacters("\"\r\n");
  a.SetFocus();
  Type(a, "ab\"c");
  EXPECT_EQ(a.Text(), "abc");
  for (const char* pasted : {"one\ntwo", "say \"hi\"", "a\rb"}) {
    QApplication::clipboard()->setText(QString::fromLatin1(pasted));
    a.paste();
    EXPECT_EQ(a.Text(), "abc") << pasted;
  }
  a.SetText("set \"by\" program");  // the program is not checked
  EXPECT_EQ(a.Text(), "set \"by\" program");
}

// Characters the code page cannot hold would be stored as '?'; those that it
// can (the euro sign, the letters above 0x7F, the five unassigned bytes) stay.
TEST_F(VbControls, Cp1252OnlyRefusesWhatTheCodePageCannotHold) {
  a.SetCp1252Only(true);
  a.SetFocus();
  Key(a, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u65E5"));
  Type(a, "ab");
  // Euro sign, e acute, Y diaeresis and an unassigned byte are in the code
  // page; A macron, a snowman and a character outside the basic plane not.
  const std::pair<const char*, bool> cases[] = {{"\u20AC\u00E9\u0178\u0081", true},
                                                {"x\u0100", false},
                                                {"\u2603", false},
                                                {"\U0001F600", false}};
  for (const auto& [pasted, taken] : cases) {
    a.SetText("ab");
    a.end(false);
    QApplication::clipboard()->setText(QString::fromUtf8(pasted));
    a.paste();
    EXPECT_EQ(a.text(), QStringLiteral("ab") + (taken ? QString::fromUtf8(pasted) : "")) << pasted;
  }
}

// The ways of pasting into a text box.
enum class Paste { CtrlV, ShiftInsert, Menu, Drop };

void PasteInto(VbTextBox& box, Paste way, const QString& text) {
  switch (way) {
    case Paste::CtrlV:
      PasteByKey(box, text);
      break;
    case Paste::ShiftInsert:
      QApplication::clipboard()->setText(text);
      SendKey(box, Qt::Key_Insert, Qt::ShiftModifier);
      break;
    case Paste::Menu:
      ASSERT_TRUE(PasteByMenu(box, text));
      break;
    case Paste::Drop: {  // at the end of the text; a drop goes where the drag entered
      QMimeData data;
      data.setText(text);
      const QPoint end(box.width() - 2, box.height() / 2);
      QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&box, &enter);
      QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&box, &drop);
      break;
    }
  }
}

// Box a's KeyPress drops `drop` and types 'Z' for 'y'; it holds "12" with the
// caret at the end before each paste. `asked`: the characters KeyPress was
// asked about, once each and in order.
TEST_F(VbControls, APasteGoesThroughKeyPressAsTypedCharacters) {
  struct Case {
    Paste way;
    const char* pasted;
    const char* shown;
    const char* asked;
    int drop = 'x';
    int limit = 0;
    const char* refused = "";
  };
  const Case cases[] = {
      {Paste::CtrlV, "axyb", "12aZb", "axyb"},
      {Paste::ShiftInsert, "axyb", "12aZb", "axyb"},
      {Paste::Menu, "axyb", "12aZb", "axyb"},
      {Paste::Drop, "axyb", "12aZb", "axyb"},
      // Line breaks and tabs are not handed on as keys (no Enter runs) and
      // stay out; so do characters the code page cannot hold.
      {Paste::CtrlV, "3\r\n4\t5", "12345", "345"},
      {Paste::Drop, "3\n4", "1234", "34"},
      {Paste::Menu, "a\u2603\U0001F600b", "12ab", "ab"},
      {Paste::Drop, "xxx", "12", "xxx"},                   // nothing kept: no change at all
      {Paste::CtrlV, "axaxbc", "12aa", "axaxbc", 'x', 4},  // the limit cuts what was kept
      // A refused character refuses the paste whole, even one the filter drops.
      {Paste::Menu, "a\"b", "12", "", '"', 0, "\""},
      {Paste::CtrlV, "ab", "12ab", "ab", '"', 0, "\""},
      // A filter that drops Ctrl+V itself takes no paste by that key; its
      // menu's Paste still goes through it.
      {Paste::CtrlV, "axb", "12", "", 22},
      {Paste::Menu, "axb", "12axb", "axb", 22},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pasted) + " way " + std::to_string(static_cast<int>(c.way)));
    a.SetRefusedCharacters(c.refused);
    a.SetMaxLength(c.limit);
    a.SetText("12");
    a.end(false);
    a.SetFocus();
    dropAscii = c.drop;
    swapFrom = 'y';
    swapTo = 'Z';
    events.clear();
    PasteInto(a, c.way, QString::fromUtf8(c.pasted));
    EXPECT_EQ(a.Text(), c.shown);
    std::string asked;
    int changes = 0;
    for (const std::string& e : events) {
      if (e.starts_with("a press ") && e != "a press 22") asked += char(std::stoi(e.substr(8)));
      changes += e.starts_with("a change");
    }
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(changes, std::string(c.shown) == "12" ? 0 : 1);
  }
}

// As with the toolkit's own paste, undo takes back the typing after a
// paste, then the paste alone, then the typing before it.
TEST_F(VbControls, APasteIsAnUndoStepOfItsOwn) {
  dropAscii = 'x';
  a.SetFocus();
  Type(a, "12");
  PasteByKey(a, "3x4");
  Type(a, "5");
  std::string shown;
  for (int undo = 0; undo < 3; ++undo) {
    SendKey(a, Qt::Key_Z, Qt::ControlModifier, QString(QChar(26)));
    shown += a.Text() + "|";
  }
  EXPECT_EQ(shown, "1234|12||");
}

TEST_F(VbControls, ABoxWithoutKeyPressPastesEverything) {
  VbTextBox plain(&window);
  plain.setGeometry(10, 70, 100, 24);
  plain.show();
  for (Paste way : {Paste::CtrlV, Paste::ShiftInsert, Paste::Menu, Paste::Drop}) {
    plain.SetText("");
    PasteInto(plain, way, "-1\n,x");
    EXPECT_EQ(plain.Text(), "-1\n,x") << static_cast<int>(way);
  }
}

TEST_F(VbControls, LengthLimitStopsTypingButNeverCutsAText) {
  a.SetText("a comment of 24 letters.");
  a.SetFocus();
  events.clear();
  a.SetMaxLength(10);  // set on a longer text
  EXPECT_EQ(a.Text(), "a comment of 24 letters.");
  a.SetText("0123456789 and more");  // set by the program
  a.end(false);
  Type(a, "x");
  EXPECT_EQ(a.Text(), "0123456789 and more") << "not made longer";
  a.backspace();
  Type(a, "y");
  EXPECT_EQ(a.Text(), "0123456789 and mory") << "but edited";
  a.SetText("");
  Type(a, "0123456789abc");
  EXPECT_EQ(a.Text(), "0123456789");
  EXPECT_EQ(events[0], "a change 0123456789 and more") << "no change without a new text";
}

TEST_F(VbControls, FocusMovesRaiseLostThenGotAndHidingIsALeaveAtOnce) {
  a.SetFocus();
  b.SetFocus();
  button.setFocus();
  EXPECT_EQ(events, (Events{"a got", "a lost", "b got", "b lost"}));
  a.SetFocus();
  events.clear();
  a.hide();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[0], "a lost") << "before the focus moves on";
  EXPECT_FALSE(a.HasFocus());
  a.show();
  a.SetFocus();
  EXPECT_EQ(events.back(), "a got");
}

TEST_F(VbControls, PopupsMenuBarOtherWindowsAndClosingAreNoLeave) {
  combo.SetFocus();
  events.clear();
  combo.showPopup();  // the list's own popup
  QApplication::processEvents();
  combo.hidePopup();
  QApplication::processEvents();
  EXPECT_EQ(events, Events{});
  EXPECT_TRUE(combo.HasFocus());
  a.SetFocus();
  events.clear();
  for (Qt::FocusReason reason :
       {Qt::PopupFocusReason, Qt::MenuBarFocusReason, Qt::ActiveWindowFocusReason}) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QApplication::sendEvent(&a, &out);
    QFocusEvent in(QEvent::FocusIn, reason);
    QApplication::sendEvent(&a, &in);
  }
  window.hide();
  EXPECT_EQ(events, Events{});
  EXPECT_TRUE(a.HasFocus());
}

// ---- command button ------------------------------------------------------------

// Enter (either key) on a focused command button clicks that button alone,
// and no command button becomes the dialog's default, by showing the dialog
// or by having had the focus: Enter that a text box leaves to the dialog
// clicks nothing.
TEST(VbCommandButtons, EnterClicksTheFocusedButtonAndNothingElse) {
  QDialog dialog;
  auto* step = new VbCommandButton("+", &dialog);
  auto* box = new VbTextBox(&dialog);
  auto* ok = new VbCommandButton("OK", &dialog);
  std::string clicks;
  QObject::connect(step, &QPushButton::clicked, [&] { clicks += "+"; });
  QObject::connect(ok, &QPushButton::clicked, [&] { clicks += "ok"; });
  ASSERT_TRUE(ShowActive(dialog));
  for (auto [button, key] : {std::pair{step, Qt::Key_Return}, std::pair{ok, Qt::Key_Enter}}) {
    button->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), button);
    SendKey(*button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier, "\r");
  }
  box->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), box);
  PressEnter(*box);
  EXPECT_EQ(clicks, "+ok");
}

// ---- combo box -----------------------------------------------------------------

TEST_F(VbControls, TypingInAComboIsAChangeAndNeverAddsToTheList) {
  combo.SetFocus();
  events.clear();
  Type(combo, "W");
  Key(combo, Qt::Key_Return);
  EXPECT_EQ(events, (Events{"combo down 87 0", "combo press 87", "combo change W",
                            "combo down 13 0", "combo press 13"}));
  EXPECT_EQ(combo.Text(), "W") << "no completion of its own";
  EXPECT_EQ(combo.ListCount(), 3);
}

TEST_F(VbControls, PickingAnEntryIsAClickWithTheNewTextAndNoChange) {
  combo.SetFocus();
  combo.SetListIndex(0);
  events.clear();
  Key(combo, Qt::Key_Down);
  EXPECT_EQ(events, (Events{"combo down 40 0", "combo click WFM"}));
  EXPECT_EQ(combo.ListIndex(), 1);
}

TEST_F(VbControls, LeavingOrEnterOnTextEqualToAnEntryIsNoClick) {
  combo.SetFocus();
  Type(combo, "AM");
  Key(combo, Qt::Key_Return);
  a.SetFocus();
  for (const std::string& e : events) EXPECT_EQ(e.find("click"), std::string::npos) << e;
  EXPECT_EQ(events.back(), "a got");
  EXPECT_EQ(events[events.size() - 2], "combo lost");
}

TEST_F(VbControls, ProgramSetTextAndListIndex) {
  struct Case {
    VbComboBox* box;
    const char* text;
    int index;
    const char* shown;
  };
  const Case cases[] = {
      {&combo, "AM", 2, "AM"},  {&combo, "am", -1, "am"}, {&combo, "SSB", -1, "SSB"},
      {&list, "WFM", 1, "WFM"}, {&list, "SSB", -1, ""},   {&list, "FM ", -1, ""},
  };
  for (const Case& c : cases) {
    events.clear();
    c.box->SetText(c.text);
    EXPECT_EQ(c.box->ListIndex(), c.index) << c.text;
    EXPECT_EQ(c.box->Text(), c.shown) << c.text;
    const bool changed = !events.empty() && events[0].starts_with("combo change");
    EXPECT_EQ(changed, c.box == &combo) << c.text;
  }
  events.clear();
  combo.SetListIndex(1);
  combo.SetListIndex(7);  // no such entry
  EXPECT_EQ(events, (Events{"combo click WFM"}));
  combo.Clear();
  EXPECT_EQ(combo.ListCount(), 0);
  EXPECT_EQ(combo.Text(), "");
  EXPECT_EQ(events.size(), 1u) << "emptying is no change";
}

// A box narrower than its entries opens a list that shows each one whole, also
// with a scroll bar and in a style whose lists are only as wide as the box.
TEST_F(VbControls, TheOpenListShowsEveryEntryWhole) {
  std::unique_ptr<QStyle> narrowLists(QStyleFactory::create("Windows"));
  list.setStyle(narrowLists.get());
  for (int entries : {3, 12}) {
    list.Clear();
    for (int i = 0; i < entries; ++i) list.AddItem(i == 1 ? "100 KHz" : "FM");
    list.resize(24, 24);
    list.showPopup();
    const int needed = list.view()->fontMetrics().horizontalAdvance("100 KHz");
    EXPECT_GE(list.view()->viewport()->width(), needed) << entries << " entries";
    list.hidePopup();
  }
  list.setStyle(nullptr);
}

}  // namespace
