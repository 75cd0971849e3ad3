#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <filesystem>
#include <set>

#include "editing/editing_support.h"
#include "editing/frmColumns.h"
#include "image/FileIo.h"
#include "platform/Modal.h"
#include "platform/Settings.h"

namespace {

// The lists in the "CSV" folder of the program's own folder.
class FreqLists : public EditingTest {
 protected:
  void Write(const std::string& file, const std::string& bytes) {
    QDir(dir.path()).mkpath("CSV");
    QFile out(dir.filePath(QString::fromStdString("CSV/" + file)));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes.data(), bytes.size()) >= 0);
  }
};
using VisibleColumns = FreqLists;

TEST_F(FreqLists, TheMenuOffersTheFirstTenListsInNameOrder) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"Rail.csv Air.csv notes.txt .csv", "Air Rail "},
      {"k j i h g f e d c b a", "a b c d e f g h i j "}};
  for (const auto& [files, offered] : cases) {
    QDir(dir.filePath("CSV")).removeRecursively();
    for (QString file : QString::fromStdString(files).split(' ', Qt::SkipEmptyParts))
      Write((file.contains('.') ? file : file + ".csv").toStdString(), "h\r\n");
    f.form.mnuMemories_Click();
    std::string names;
    for (QAction* item : f.form.mnuInsertN)
      if (item->isVisible()) names += item->text().toStdString() + " ";
    EXPECT_EQ(names, offered);
    EXPECT_EQ(f.form.mnuInsertFreqList->menuAction()->isEnabled(), !offered.empty());
  }
}

TEST_F(FreqLists, AListGoesIntoTheRoomItOpensAndNeverPastRow400) {
  const std::tuple<std::string, int, std::vector<std::string>> cases[] = {
      {"h\r\n1,156.800,FM,OFF,25 KHz,SIMP,0.000,OFF,88.5,Ch16\r\n2,156.300,FM\r\n",
       5,
       {"156.800|FM|OFF|25 KHz|SIMP|0.000|OFF|88.5|Ch16", "156.300|FM|||||||"}},
      {"h\r\n1,1,,,,,,,,Rpt, North,x\r\n   \r\n2,2\r\n", 5, {"1||||||||Rpt"}},   // blank line ends
      {"h\n1,146.000\n2,147.000", 5, {"146.000||||||||", "147.000||||||||"}},    // LF line ends
      {"h\r1,146.000\r2,147.000\r", 5, {"146.000||||||||", "147.000||||||||"}},  // CR line ends
      {"\xEF\xBB\xBFh\r1,1\r\t\r2,2\r\n", 5, {"1||||||||"}},  // byte-order mark, CR, blank ends
      {"h\n1,1,,,,,,,,Caf\xC3\xA9 \xE2\x82\xAC \xE2\x9C\x93\n",
       5,
       {"1||||||||Caf\xE9 \x80 ?"}},  // UTF-8
      {"h\r\n1,1\r\n2,2\r\n3,3\r\n", 399, {"1||||||||", "2||||||||"}},
  };
  for (const auto& [file, selected, rows] : cases) {
    f.form.initgrid();
    f.Use(5), f.Use(401);
    Write("List.csv", file);
    f.Select(selected, selected);
    f.form.InsertList("List");
    const int after = selected + static_cast<int>(rows.size());
    for (int r = selected; r < after; ++r) EXPECT_EQ(Row(r), rows[r - selected]) << file;
    EXPECT_EQ(f.Tag(selected == 5 ? after : 5), "r5") << "the rows that were there moved down";
    EXPECT_EQ(f.Tag(401), "r401");
    EXPECT_EQ(std::pair(f.grid.Row(), f.grid.Col()), std::pair(after, 1));
  }
}

// Stored into the image, the list's channels take the defaults for the cells
// they leave blank, not the settings of the channels they pushed down.
TEST_F(FreqLists, InsertedChannelsAreStoredWithDefaultsNotThoseOfThePushedDownChannel) {
  for (int bit = 0; bit < 8; ++bit)
    ICR2Image.SetBit(kLoadedMarkAddress, bit, (kLoadedMark >> bit) & 1);
  const std::string channel = "446.00625|FM|PSKIP|25 KHz|-DUP|5.000|ON|97.4|";
  Put(4, channel);
  f.form.Savegrid();
  Write("Air.csv", "#,Freq,Mode\r\n1,120.000,AM\r\n2,121.500\r\n");
  f.Select(4, 4);
  f.form.InsertList("Air");
  f.form.Savegrid();
  f.form.FillGrid();
  EXPECT_EQ(Row(4), "120.000|AM|OFF|5 KHz|SIMP|0.000|OFF|88.5|");
  EXPECT_EQ(Row(5), "121.500|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|");
  EXPECT_EQ(Row(6), channel);
}

TEST_F(FreqLists, NothingToInsertARefusalAndUndoLeaveTheGridAsItWas) {
  const std::pair<std::string, int> cases[] = {
      {"Ch,Freq\r\n", 0}, {"", 0}, {"h\r\n1,146.000\r\n", vbNo}, {"h\r\n1,146.000\r\n", vbYes}};
  for (const auto& [file, answer] : cases) {
    f.form.initgrid();
    f.Use(1, 400);
    Write("List.csv", file);
    f.Select(10, 10);
    const std::vector<std::string> before = f.Cells();
    MsgBoxScript boxes;
    if (answer) boxes.Answer(answer, "lost");
    f.form.InsertList("List");
    if (answer == vbYes) f.form.Undo();
    EXPECT_EQ(f.Cells(), before) << file << answer;
  }
}

// The menu shows "Air" and "air" for Air.csv and air.csv; each inserts its
// own list, whatever the case of its ".csv".
TEST_F(FreqLists, EachMenuItemInsertsItsOwnList) {
  for (const auto& [file, freq] : {std::pair{"AIR.csv", "118.000"},
                                   {"Air.CSV", "119.000"},
                                   {"air.csv", "120.000"},
                                   {"Rail.csv", "1"}})
    Write(file, "h\r\n1," + std::string(freq) + "\r\n");
  f.form.mnuMemories_Click();
  std::multiset<std::string> inserted;  // item: what it inserted
  for (QAction* item : f.form.mnuInsertN) {
    if (!item->isVisible()) continue;
    f.form.initgrid();
    f.Select(5, 5);
    item->trigger();
    inserted.insert(item->text().toStdString() + ": " + f.grid.TextMatrix(5, ColFreq));
  }
  EXPECT_EQ(inserted, (std::multiset<std::string>{"AIR: 118.000", "Air: 119.000", "air: 120.000",
                                                  "Rail: 1"}));
  // A name in another case still finds its list.
  f.form.initgrid();
  f.Select(5, 5);
  f.form.InsertList("RAIL");
  EXPECT_EQ(f.grid.TextMatrix(5, ColFreq), "1");
}

// A list that cannot be read is reported and inserts nothing.
TEST_F(FreqLists, AListThatCannotBeReadIsReported) {
  Write("List.csv", "h\r\n1,146.000\r\n");
  std::filesystem::resize_file(dir.filePath("CSV/List.csv").toStdString(),
                               kTextFileLimit.maxSize + 1);
  f.Use(1, 400);
  f.Select(10, 10);
  const std::vector<std::string> before = f.Cells();
  MsgBoxScript boxes;
  boxes.Answer(vbOK, "List.csv is too large to read");
  f.form.InsertList("List");
  EXPECT_EQ(f.Cells(), before);
}

TEST_F(VisibleColumns, TheBoxesShowTheStoredStateAndOkStoresAndApplies) {
  const char* stored[9] = {"0", "1", nullptr, "abc", "0.0", " 0 ", "1", "1", "0"};
  for (int i = 0; i < 9; ++i)
    if (stored[i]) SaveSetting("IC-R2", "Settings", "Visible" + std::to_string(i), stored[i]);
  for (bool ok : {false, true}) {  // Cancel first: the second opening sees nothing stored
    SetModalRunner([&](QDialog& d) {
      auto& dialog = dynamic_cast<frmColumns&>(d);
      for (int i = 0; i < 9; ++i) EXPECT_EQ(dialog.Check1[i]->isChecked(), "011100110"[i] == '1');
      // box i names the column it shows or hides
      EXPECT_EQ(dialog.Check1[1]->text() + dialog.Check1[8]->text(), "ModeComments");
      dialog.Check1[0]->setChecked(true);
      dialog.Check1[1]->setChecked(false);
      ok ? dialog.Command1_Click() : dialog.Command2_Click();
      return dialog.result();
    });
    f.form.mnuVisible_Click();
    SetModalRunner(nullptr);
  }
  for (int build = 0; build < 2; ++build, f.form.initgrid())
    for (int i = 0; i < 9; ++i) {
      const bool shown = "101100110"[i] == '1';
      EXPECT_EQ(GetSetting("IC-R2", "Settings", "Visible" + std::to_string(i)), shown ? "1" : "0");
      EXPECT_EQ(f.grid.ColWidth(i + 1), shown ? kGridColumnLayout[i + 1].width : 0);
    }
}

}  // namespace
