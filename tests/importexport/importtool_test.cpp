// The Frequency Import Tool: entries from copied text and files, moving
// them between the lists, the clipboard watch, and sending to the grid.

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

std::vector<std::string> Entries(const QListWidget& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.count(); ++i) entries.push_back(list.item(i)->text().toStdString());
  return entries;
}

class ImportTool : public ExchangeTest {
 protected:
  frmImportFile tool_{g_.form};
};

TEST_F(ImportTool, EntriesFromCopiedText) {
  struct Case {
    bool multiple, comments;
    const char* text;
    std::vector<std::string> entries;
  };
  const Case cases[] = {
      {false, false, "146.520 Fire\r\n154.43 EMS", {"146.520", "154.430"}},
      {false,
       true,
       "146.520 Fire\n154.43 EMS\rFire Dept 154.430",
       {"146.520   Fire", "154.430   EMS", "154.430   Fire Dept 154.430"}},
      {false, true, "146.520MHz Fire\r\n146.520\r\nno number", {"146.520   Hz Fire", "146.520   "}},
      {false, false, "146.52 147.33", {"146.520"}},
      {true, true, "146.52 147.33", {"146.520", "147.330"}},  // comments off with multiple
  };
  for (const Case& c : cases) {
    tool_.Command4->click();
    if (tool_.Check1->isChecked() != c.multiple) tool_.Check1->click();
    tool_.Check2->setChecked(c.comments);
    EXPECT_EQ(tool_.Check2->isEnabled(), !c.multiple);
    tool_.ProcessCopy(c.text);
    EXPECT_EQ(Entries(*tool_.List1), c.entries) << c.text;
  }
}

TEST_F(ImportTool, MovingEntriesBetweenTheLists) {
  tool_.ProcessCopy("1.5\n2.5\n3.5");
  tool_.Command1->click();  // no selection: nothing moves
  EXPECT_EQ(tool_.List2->count(), 0);
  tool_.List1->setCurrentRow(2);
  tool_.Command1->click();  // the last one: the new last is selected
  EXPECT_EQ(Entries(*tool_.List2), std::vector<std::string>{"3.500"});
  EXPECT_EQ(tool_.List1->currentRow(), 1);
  tool_.List1->setCurrentRow(0);
  tool_.Command1->click();
  EXPECT_EQ(tool_.List1->currentItem()->text().toStdString(), "2.500");
  tool_.List2->setCurrentRow(0);
  tool_.Command2->click();
  EXPECT_EQ(Entries(*tool_.List1), (std::vector<std::string>{"2.500", "3.500"}));
  tool_.Command3->click();
  EXPECT_EQ(Entries(*tool_.List2), (std::vector<std::string>{"1.500", "2.500", "3.500"}));
  EXPECT_EQ(tool_.List1->count(), 0);
}

TEST_F(ImportTool, SendingStartsWhereChosenAndStopsAtTheLastRow) {
  g_.Use(1, 2);
  struct Case {
    QRadioButton* option;
    int spinSteps;  // "+" presses (negative: "-")
    int entries;
    int first, last;
    bool listKept;
  };
  const Case cases[] = {
      {tool_.Option3, 0, 2, 3, 4, false},
      {tool_.Option4, 5, 1, 6, 6, false},       // "+" five times: 0-05, row 6
      {tool_.Option4, -1, 60, 400, 450, true},  // "-" from 1 wraps to 400
      {tool_.Option1, 0, 1, 10, 10, false},
  };
  g_.grid.SetRow(10);
  for (const Case& c : cases) {
    g_.form.initgrid();
    g_.Use(1, 2);
    tool_.SpinRow = 1;
    c.option->click();
    for (int i = 0; i < std::abs(c.spinSteps); ++i)
      (c.spinSteps > 0 ? tool_.Command8 : tool_.Command9)->click();
    tool_.Command5->click();
    for (int i = 0; i < c.entries; ++i) tool_.List2->addItem("146.940   Rpt");
    tool_.Command10->click();
    EXPECT_EQ(Row(c.first), "146.940|FM|OFF|5 KHz|-DUP|0.600|OFF|88.5|Rpt") << c.first;
    EXPECT_EQ(Row(c.last), Row(c.first));
    EXPECT_EQ(g_.grid.TextMatrix(c.first - 1, ColComments), c.first == 3 ? "r2" : "");
    EXPECT_EQ(tool_.List2->count(), c.listKept ? c.entries : 0);
  }
  EXPECT_EQ(tool_.Text1->Text(), "7-49");
}

TEST_F(ImportTool, ClipboardWatchTakesEachCopy) {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText("left over");
  tool_.Command7->click();
  EXPECT_TRUE(tool_.Timer1->isActive());
  EXPECT_EQ(tool_.Timer1->interval(), 500);
  EXPECT_TRUE(clipboard->text().isEmpty());
  // Nothing copied: the label blinks.
  const bool shown = tool_.Label3->isVisibleTo(&tool_);
  tool_.Timer1_Timer();
  EXPECT_NE(tool_.Label3->isVisibleTo(&tool_), shown);
  clipboard->setText("146.52 Simplex\n162.55 Weather");
  tool_.Timer1_Timer();
  EXPECT_EQ(Entries(*tool_.List1), (std::vector<std::string>{"146.520", "162.550"}));
  EXPECT_TRUE(clipboard->text().isEmpty());
  tool_.Command7->click();
  EXPECT_FALSE(tool_.Timer1->isActive());
  EXPECT_FALSE(tool_.Label3->isVisibleTo(&tool_));
}

TEST_F(ImportTool, FileImport) {
  dialogs_.Choose(Write("list.txt",
                        "\xEF\xBB\xBF"
                        "Fire 154.43\nEMS 155.34\n"));
  tool_.Command6->click();
  EXPECT_EQ(Entries(*tool_.List1), (std::vector<std::string>{"154.430", "155.340"}));
  dialogs_.Choose(File("missing.txt"));
  boxes_.Answer(vbOK, "could not be opened");
  tool_.Command6->click();
  EXPECT_EQ(tool_.List1->count(), 2);
}

}  // namespace
}  // namespace exchange_test
