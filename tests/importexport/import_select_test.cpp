// The two "Import" start dialogs: the row chooser and its wrap-around, which
// choice OK stores, and the VX-2 source range boxes.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <tuple>

#include "importexport/ImportStartFrame.h"
#include "importexport/frmImportSelect.h"
#include "importexport/frmImportSelectB.h"
#include "mainwindow/Globals.h"
#include "platform/Modal.h"
#include "platform/VbTextBox.h"

namespace {

constexpr int kCurrentRow = 17;

// Clicks on the start frame: N "Memory Channel Number:", L "Last Empty
// Memory Channel", C "Currently Selected Row", + and -.
void Play(ImportStartFrame& frame, const std::string& clicks) {
  for (char c : clicks) {
    if (c == 'N') frame.Option5->click();
    if (c == 'L') frame.Option6->click();
    if (c == 'C') frame.Option7->click();
    if (c == '+') frame.Command8->click();
    if (c == '-') frame.Command9->click();
  }
}

struct StartCase {
  const char* what;
  std::string clicks;
  const char* label;  // Text1 afterwards
  int stored;         // ImportStartRow after OK
  bool chooserOn;     // "+" and "-" enabled
};

const StartCase kStartCases[] = {
    {"OK at once", "", "0-00", kStartAtLastEmptyRow, false},
    {"minus from row 1 wraps to the last scan edge", "N-", "24B", 450, true},
    {"plus from row 450 wraps to row 1", "N-+", "0-00", 1, true},
    {"two back from row 1", "N--", "24A", 449, true},
    {"plus three times", "N+++", "0-03", 4, true},
    {"current row wins over the chosen row", "N+C", "0-01", kCurrentRow, false},
    {"back to last empty", "N++L", "0-02", kStartAtLastEmptyRow, false},
};

template <class Dialog>
void RunStartCases(bool rowBoxEditable) {
  for (const StartCase& c : kStartCases) {
    ImportStartRow = -5;
    Dialog dialog(nullptr, [] { return kCurrentRow; });
    Play(*dialog.Frame2, c.clicks);
    EXPECT_EQ(dialog.Frame2->Text1->Text(), c.label) << c.what;
    EXPECT_EQ(dialog.Frame2->Command8->isEnabled() + dialog.Frame2->Command9->isEnabled(),
              2 * c.chooserOn)
        << c.what;
    EXPECT_EQ(dialog.Frame2->Text1->isEnabled(), c.chooserOn && rowBoxEditable) << c.what;
    dialog.Command1->click();
    EXPECT_EQ(ImportStartRow, c.stored) << c.what;
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.what;
  }
}

TEST(ImportStartDialogs, StartRowChoices) {
  RunStartCases<frmImportSelect>(true);
  RunStartCases<frmImportSelectB>(false);
}

// The import goes on with what the last OK left.
TEST(ImportStartDialogs, CloseBoxKeepsEarlierAnswers) {
  SetModalRunner([](QDialog& d) {
    d.reject();
    return d.result();
  });
  ImportStartRow = 123;
  VX2FirstChannel = 7;
  VX2LastChannel = 9;
  frmImportSelect a(nullptr, [] { return kCurrentRow; });
  a.Frame2->Option5->click();
  EXPECT_EQ(ShowModal(a), QDialog::Rejected);
  frmImportSelectB b(nullptr, [] { return kCurrentRow; });
  b.Frame2->Option7->click();
  b.Text2->SetText("3");
  EXPECT_EQ(ShowModal(b), QDialog::Rejected);
  SetModalRunner({});
  EXPECT_EQ(ImportStartRow, 123);
  EXPECT_EQ(VX2FirstChannel, 7);
  EXPECT_EQ(VX2LastChannel, 9);
}

// A range box: F or L (first or last box), the text typed, the button ('+',
// '-'), 'x' for leaving the box or 'o' for none, the text afterwards and the
// number OK then stores. Letters count as 0; only a leading number counts.
// clang-format off
const std::tuple<char, const char*, char, const char*, int> kRangeSteps[] = {
    {'F', "1", '-', "1000", 1000}, {'L', "1", '-', "450", 450}, {'F', "1000", '+', "1", 1}, {'L', "1000", '+', "1", 1},
    {'L', "2", '-', "1", 1}, {'F', "37", '-', "36", 36}, {'F', "abc", '+', "1", 1}, {'F', "abc", '-', "1000", 1000},
    {'L', "abc", '-', "450", 450}, {'L', "12abc", '+', "13", 13}, {'F', "2500", 'x', "1000", 1000},
    {'L', "1001", 'x', "1000", 1000}, {'L', "1000", 'x', "1000", 1000}, {'F', "x1", 'x', "x1", 0},
    {'F', "2500", 'o', "2500", 1000},  // OK straight from a box over the top
    {'L', "abc", 'o', "abc", 0}, {'F', "12.6", 'o', "12.6", 13},
    {'F', "500", 'o', "500", 500},     // first above last is not refused here
};
// clang-format on

TEST(ImportStartDialogs, RangeBoxes) {
  for (const auto& [which, typed, action, after, stored] : kRangeSteps) {
    frmImportSelectB d(nullptr, [] { return 1; });
    const bool last = which == 'L';
    VbTextBox& box = last ? *d.Text3 : *d.Text2;
    box.SetText(typed);
    if (action == '+') (last ? d.Command5 : d.Command3)->click();
    if (action == '-') (last ? d.Command4 : d.Command2)->click();
    if (action == 'x') last ? d.Text3_LostFocus() : d.Text2_LostFocus();
    EXPECT_EQ(box.Text(), after) << which << typed << action;
    // After a button the whole text is selected, ready to be typed over.
    const bool button = action == '+' || action == '-';
    EXPECT_EQ(box.selectedText().toStdString(), button ? after : "") << which << typed;
    d.Command1->click();
    EXPECT_EQ(last ? VX2LastChannel : VX2FirstChannel, stored) << which << typed << action;
  }
}

}  // namespace
