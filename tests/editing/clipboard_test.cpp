// Copy, cut, paste and insert of grid cells through the scratch file.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "editing/Undo.h"
#include "image/FileIo.h"
#include "mainwindow/Globals.h"
#include "mainwindow/grid_support.h"
#include "platform/Runtime.h"

namespace {

std::string ReadAll(const std::string& path) { return ReadFileBytes(path).bytes; }
void WriteAll(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(WriteFileReplacing(path, bytes));
}

class Clipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppPath(dir.path().toStdString());
    CopyBuffer.assign(1, CopyRecord{});
    ClearUndo();
  }
  void TearDown() override { SetAppPath(""); }

  std::string TmpDat() const { return dir.filePath("tmp.dat").toStdString(); }
  void Select(int row, int col, int rowSel, int colSel) {
    f.grid.SetRow(row);
    f.grid.SetCol(col);
    f.grid.SetRowSel(rowSel);
    f.grid.SetColSel(colSel);
  }
  void Put(int row, const std::string& cells) {  // columns 1 to 9, "|" between
    for (int c = ColFreq, at = 0; c < kGridCols; ++c) {
      const auto bar = cells.find('|', at);
      f.grid.SetTextMatrix(row, c, cells.substr(at, bar - at));
      at = static_cast<int>(bar) + 1;
    }
  }
  std::string Row(int row) const {
    std::string cells = f.grid.TextMatrix(row, ColFreq);
    for (int c = ColMode; c < kGridCols; ++c) cells += "|" + f.grid.TextMatrix(row, c);
    return cells;
  }
  std::string Sel() const {
    const MSFlexGrid& g = f.grid;
    return std::to_string(g.Row()) + "," + std::to_string(g.Col()) + "-" +
           std::to_string(g.RowSel()) + "," + std::to_string(g.ColSel());
  }

  QTemporaryDir dir;
  GridForm f;
};

constexpr const char* kSource = "146.520|WFM|SKIP|10 KHz|-DUP|0.600|ON|100.0|src";
constexpr const char* kTarget = "99.000|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|dst";

TEST_F(Clipboard, PasteFollowsTheTargetRowAndTheCarriedMode) {
  struct Case {
    const char* name;
    const char* target;
    int firstCol, lastCol;
    const char* expected;
  };
  const Case cases[] = {
      {"used row takes the carried cells", kTarget, 2, 4,
       "99.000|WFM|SKIP|10 KHz|SIMP|0.000|OFF|88.5|dst"},
      {"used row, Freq alone", kTarget, 1, 1, "146.520|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|dst"},
      {"used row, empty Skip: defaults under the carried cells", "99.000|AM||||||x|dst", 1, 2,
       "146.520|WFM|OFF|5 KHz|SIMP|0.000|OFF|88.5|dst"},
      {"empty row becomes the whole channel", "||||||||", 1, 9, kSource},
      {"empty row, Freq without Mode: nothing", "||||||||", 1, 1, "||||||||"},
      {"empty row, Skip set: Freq alone", "||OFF||||||", 1, 4, "146.520||OFF||||||"},
  };
  for (const Case& c : cases) {
    Put(5, kSource);
    Put(20, c.target);
    Select(5, c.firstCol, 5, c.lastCol);
    f.form.CellCopy();
    Select(20, 6, 20, 6);
    f.form.CellPaste();
    EXPECT_EQ(Row(20), c.expected) << c.name;
    f.form.Undo();
    EXPECT_EQ(Row(20), c.target) << c.name << ": one Undo";
  }
}

TEST_F(Clipboard, ScratchFileKeepsEachCellInItsColumn) {
  f.Use(5, 6);
  Select(5, ColFreq, 6, ColMode);
  f.form.CellCopy();
  EXPECT_EQ(ReadAll(TmpDat()), ",105.000,FM,,,,,,,,\r\n,106.000,FM,,,,,,,,\r\n");
  struct Case {
    const char* comment;
    const char* line;
  };
  const Case cases[] = {
      {"Fire", ",,,,,,,,,Fire,\r\n"},
      {"Fire, Main", ",,,,,,,,,\"Fire, Main\",\r\n"},
      {"5\" dish \"", ",,,,,,,,,\"5\"\" dish \"\"\",\r\n"},
  };
  for (const Case& c : cases) {
    f.grid.SetTextMatrix(5, ColComments, c.comment);
    Select(5, ColComments, 5, ColComments);
    f.form.CellCopy();
    EXPECT_EQ(ReadAll(TmpDat()), c.line);
    f.Use(30);
    Select(30, 1, 30, 1);
    f.form.CellPaste();
    EXPECT_EQ(Row(30), "130.000|FM|c3|c4|c5|c6|c7|c8|" + std::string(c.comment)) << c.comment;
  }
}

TEST_F(Clipboard, PastedBlockIsSelectedAndClippedAtTheLastRow) {
  struct Case {
    int from, to, firstCol, lastCol, at, atCol;
    const char* selection;
    const char* lastRowTag;
  };
  const Case cases[] = {
      {5, 7, 1, 2, 20, 6, "20,1-22,2", ""},
      {1, 5, 1, 9, 448, 3, "448,1-450,9", "r3"},
      {10, 10, 8, 9, 400, 1, "400,8-400,9", ""},
  };
  for (const Case& c : cases) {
    f.form.initgrid();
    f.Use(1, 10);
    f.Use(c.at - 1);
    Select(c.from, c.firstCol, c.to, c.lastCol);
    f.form.CellCopy();
    Select(c.at + 2, c.atCol, c.at, c.atCol);  // the selection's top row counts
    f.form.CellPaste();
    EXPECT_EQ(Sel(), c.selection);
    EXPECT_EQ(f.Tag(f.grid.RowSel()), c.lastRowTag) << c.at;
    EXPECT_EQ(f.Tag(c.at - 1), "r" + std::to_string(c.at - 1));
  }
}

TEST_F(Clipboard, CutEmptiesWholeRowsAndOffersTheirInsert) {
  f.Use(1, 400);
  const auto before = f.Cells();
  Select(10, ColFreq, 12, ColFreq);
  f.form.CellCut();
  EXPECT_EQ(Row(11), "||||||||");
  EXPECT_EQ(CopyBuffer.size(), 4u);
  EXPECT_EQ(CopyBuffer[2].Cell[ColFreq] + CopyBuffer[2].Cell[ColMode], "111.000");
  EXPECT_TRUE(f.form.mnuInsert->isVisible());
  EXPECT_EQ(f.form.mnuInsert->text(), "&Insert Cut Rows");
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
}

TEST_F(Clipboard, InsertOpensAsManyRowsAsTheFileHoldsOrNothingWhenDeclined) {
  f.Use(1, 399);
  const auto before = f.Cells();
  Select(5, 1, 6, 9);
  f.form.CellCopy();
  EXPECT_EQ(f.form.mnuInsert->text(), "&Insert Copied Cells");
  Select(20, 1, 20, 1);
  // Another running copy copied three rows meanwhile.
  WriteAll(TmpDat(), ",1.000,AM,,,,,,,a,\r\n,2.000,AM,,,,,,,b,\r\n,3.000,AM,,,,,,,c,\r\n");
  MsgBoxScript boxes;
  boxes.Answer(vbNo, "lost");
  f.form.mnuInsert_Click();
  EXPECT_EQ(f.Cells(), before) << "declined: nothing inserted, nothing pasted";
  for (int r : {398, 399}) ClearChannelRow(f.grid, r);
  f.form.mnuInsert_Click();
  EXPECT_EQ(f.Tag(19) + f.Tag(20) + f.Tag(21) + f.Tag(22) + f.Tag(23), "r19abcr20");
  f.form.Undo();
  EXPECT_EQ(f.Tag(20) + f.Tag(399), "r20") << "one Undo takes back insert and paste";
}

TEST_F(Clipboard, UnwritableFolderPastesFromMemoryNeverAStaleFile) {
  WriteAll(TmpDat(), ",stale,AM,,,,,,,,\r\n");
  QDir(dir.path()).mkdir("tmp.dat.kestrane-tmp");  // in the way of every rewrite
  f.Use(1, 3);
  Select(1, 1, 1, 1);
  f.form.CellCopy();
  Select(3, 1, 3, 1);
  f.form.CellPaste();
  EXPECT_EQ(f.grid.TextMatrix(3, ColFreq), "101.000");
  QDir(dir.path()).rmdir("tmp.dat.kestrane-tmp");
  f.form.CellCopy();
  WriteAll(TmpDat(), ",other,AM,,,,,,,,\r\n");  // a second running copy copied
  f.form.CellPaste();
  EXPECT_EQ(f.grid.TextMatrix(3, ColFreq), "other");
}

TEST_F(Clipboard, HeaderRowIsNeverWrittenAndDisablesTheEditItems) {
  f.Use(1, 2);
  Select(1, 1, 2, 9);
  f.form.CellCopy();
  const auto before = f.Cells();
  Select(0, 1, 0, 9);
  f.form.mnuEdit_Click();
  EXPECT_FALSE(f.form.mnuPaste->isEnabled());
  f.form.CellPaste();
  f.form.CellCut();
  f.form.mnuInsert_Click();
  EXPECT_EQ(f.grid.TextMatrix(0, ColFreq) + f.grid.TextMatrix(1, ColFreq), "Freq101.000");
  EXPECT_EQ(f.Cells(), before);
}

}  // namespace
