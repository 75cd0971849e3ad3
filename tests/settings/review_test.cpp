// The settings dialogs as the keyboard meets them (which control has the
// focus when a dialog opens, where Tab goes from there), and a squelch byte
// that no list entry stands for.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <functional>
#include <memory>

#include "image/clsICR2.h"
#include "platform/VbComboBox.h"
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

std::string FocusName() {
  const QWidget* w = QApplication::focusWidget();
  return w ? w->objectName().toStdString() : "(none)";
}

// The focus on opening, then one name per Tab press, round to the start.
TEST(SettingsKeyboard, FocusOnOpeningAndTabOrder) {
  ICR2Image.Init();
  const std::string setMode =
      "Command6 Command5 Combo1 Combo2 Combo3 Combo4 Combo5 Combo6 Combo7 Combo8 Combo9 Combo10 "
      "Combo12 Combo13 Combo14 Command6";
  const std::pair<std::function<std::unique_ptr<QDialog>()>, std::string> cases[] = {
      {[] { return std::make_unique<frmSetMode1>(); }, setMode},
      {[] { return std::make_unique<Form7>(); }, "Command5 Command6 Combo1 Command5"},
      {[] { return std::make_unique<frmComments>(); }, "Text1 Command6 Command5 Text1"},
      {[] { return std::make_unique<frmPriority>(); },
       "Command6 Command5 Text1 Command3 Command2 Command6"},
  };
  for (const auto& [make, expected] : cases) {
    std::unique_ptr<QDialog> dialog = make();
    ASSERT_TRUE(ShowActive(*dialog));
    std::string seen = FocusName();
    for (std::size_t tabs = std::count(expected.begin(), expected.end(), ' '); tabs > 0; --tabs) {
      QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
      QApplication::sendEvent(QApplication::focusWidget(), &tab);
      seen += " " + FocusName();
    }
    EXPECT_EQ(seen, expected) << dialog->windowTitle().toStdString();
  }
}

// Squelch byte, the box expected ("" none), the list's text, what the user
// picks ("" nothing), the byte after OK.
TEST(SettingsKeyboard, SquelchShowsItsByteAndKeepsOneItCannotShow) {
  const std::tuple<int, const char*, const char*, const char*, int> cases[] = {
      {2, "", "LEVEL 1", "OPEN", 0},
      {10, "", "LEVEL 9", "", 10},
      {11, "ERROR 380 SQUELCH", "", "", 11},
      {0xFF, "ERROR 380 SQUELCH", "", "AUTO", 1},
  };
  for (const auto& [byte, box, shown, pick, after] : cases) {
    ICR2Image.Init();
    PutByte(0xE73, byte);
    MsgBoxScript boxes;
    if (*box) boxes.Answer(vbOK, box);
    Form7 dialog;
    EXPECT_EQ(boxes.Calls().size(), *box ? 1u : 0u) << byte;
    if (*box) {
      EXPECT_EQ(boxes.Calls()[0].title, "ERROR");
    }
    EXPECT_EQ(dialog.Combo1->Text(), shown) << byte;
    EXPECT_EQ(dialog.Combo1->ListCount(), 11);
    if (*pick) dialog.Combo1->SetText(pick);
    dialog.Command6->click();
    EXPECT_EQ(ICR2Image.GetArry()[0xE73], after) << byte;
  }
}

}  // namespace
