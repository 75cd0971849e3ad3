// The Frequency Import Tool: entries from copied text and files, the two
// lists, the clipboard watch, and sending to the grid.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "importexport/exchange_support.h"
#include "importexport/frmImportFile.h"
#include "platform/VbTextBox.h"

namespace exchange_test {
namespace {

using Entries = std::vector<std::string>;
Entries Of(const QListWidget& list) {
  Entries entries;
  for (int i = 0; i < list.count(); ++i) entries.push_back(list.item(i)->text().toStdString());
  return entries;
}

class ImportTool : public ExchangeTest {
 protected:
  frmImportFile tool_{g_.form};
};

TEST_F(ImportTool, SendingStartsWhereChosenAndStopsAtTheLastRow) {
  g_.grid.SetRow(10);
  // start option, "+" presses (negative: "-"), entries, first and last row written
  const std::tuple<QRadioButton*, int, int, int, int> cases[] = {
      {tool_.Option3, 0, 2, 3, 4},
      {tool_.Option4, 5, 1, 6, 6},        // 0-05 is row 6
      {tool_.Option4, -1, 60, 400, 450},  // "-" from row 1 wraps to 400
      {tool_.Option1, 0, 1, 10, 10},
  };
  for (const auto& [option, steps, entries, first, last] : cases) {
    g_.form.initgrid();
    g_.Use(1, 2);
    tool_.SpinRow = 1;
    option->click();
    for (int i = 0; i < std::abs(steps); ++i)
      (steps > 0 ? tool_.Command8 : tool_.Command9)->click();
    for (int i = 0; i < entries; ++i) tool_.List2->addItem("146.940   Rpt");
    tool_.Command10->click();
    EXPECT_EQ(Row(first), "146.940|FM|OFF|5 KHz|-DUP|0.600|OFF|88.5|Rpt") << first;
    EXPECT_EQ(Row(last), Row(first));
    EXPECT_EQ(g_.grid.TextMatrix(first - 1, ColComments), first == 3 ? "r2" : "");
    // Entries that found no row stay listed.
    EXPECT_EQ(tool_.List2->count(), last - first + 1 < entries ? entries : 0);
    tool_.Command5->click();
  }
}

TEST_F(ImportTool, ClipboardWatch) {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText("left over");
  tool_.Command7->click();
  EXPECT_TRUE(tool_.Timer1->isActive());
  EXPECT_TRUE(clipboard->text().isEmpty());
  const bool shown = tool_.Label3->isVisibleTo(&tool_);
  tool_.Timer1_Timer();  // nothing copied: the label blinks
  EXPECT_NE(tool_.Label3->isVisibleTo(&tool_), shown);
  tool_.Check2->setChecked(true);  // comments, one number a line
  // After a number at the start: one character passed over, then spaces,
  // 25 characters; a number further in takes the start of the line.
  clipboard->setText(
      "146.52  Simplex\n162.55\r\n146.520MHz Fire\rWx 162.4 162.5\n"
      "$154.43 Sheriff dispatch north county");
  tool_.Timer1_Timer();
  EXPECT_EQ(Of(*tool_.List1),
            (Entries{"146.520   Simplex", "162.550   ", "146.520   Hz Fire",
                     "162.400   Wx 162.4 162.5", "154.430   Sheriff dispatch north co"}));
  tool_.Check1->click();  // several a line: no comments
  EXPECT_FALSE(tool_.Check2->isEnabled());
  tool_.ProcessCopy("146.52 147.33");
  EXPECT_EQ(Of(*tool_.List1).back(), "147.330");
  EXPECT_TRUE(clipboard->text().isEmpty());
  tool_.Command7->click();
  EXPECT_FALSE(tool_.Timer1->isActive());
  EXPECT_FALSE(tool_.Label3->isVisibleTo(&tool_));
}

}  // namespace
}  // namespace exchange_test
