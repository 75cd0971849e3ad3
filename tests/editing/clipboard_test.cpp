// Copy, cut, paste and insert of grid cells through the scratch file.

#include <QAction>
#include <QDir>
#include <filesystem>

#include "editing/editing_support.h"
#include "image/FileIo.h"

namespace {

using Clipboard = EditingTest;

constexpr const char* kSource = "146.520|WFM|SKIP|10 KHz|-DUP|0.600|ON|100.0|src";
constexpr const char* kUsed = "99.000|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|dst";
constexpr const char* kEmpty = "||||||||";

TEST_F(Clipboard, PasteFollowsTheTargetRowAndTheCarriedMode) {
  struct Case {
    const char* target;
    int firstCol, lastCol;
    const char* expected;
  };
  const Case cases[] = {
      {kUsed, 2, 4, "99.000|WFM|SKIP|10 KHz|SIMP|0.000|OFF|88.5|dst"},
      {kUsed, 1, 1, "146.520|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|dst"},
      {"99.000|AM||||||x|dst", 1, 2, "146.520|WFM|OFF|5 KHz|SIMP|0.000|OFF|88.5|dst"},
      {kEmpty, 1, 9, kSource},
      {kEmpty, 1, 1, kEmpty},
      {"||OFF||||||", 1, 4, "146.520||OFF||||||"},
  };
  for (const Case& c : cases) {
    Put(5, kSource);
    Put(20, c.target);
    Select(5, c.firstCol, 5, c.lastCol);
    f.form.CellCopy();
    Select(20, 6, 20, 6);
    f.form.CellPaste();
    EXPECT_EQ(Row(20), c.expected) << c.target << " " << c.firstCol << "-" << c.lastCol;
    f.form.Undo();
    EXPECT_EQ(Row(20), c.target) << "one Undo";
  }
}

TEST_F(Clipboard, ScratchFileKeepsEachCellInItsColumn) {
  f.Use(5, 6);
  Select(5, ColFreq, 6, ColMode);
  f.form.CellCopy();
  const std::string tmp = dir.filePath("tmp.dat").toStdString();
  EXPECT_EQ(ReadFileBytes(tmp).bytes, ",105.000,FM,,,,,,,,\r\n,106.000,FM,,,,,,,,\r\n");
  const std::pair<const char*, const char*> cases[] = {
      {"Fire, Main", ",,,,,,,,,\"Fire, Main\",\r\n"},
      {"5\" dish \"", ",,,,,,,,,\"5\"\" dish \"\"\",\r\n"},
  };
  for (const auto& [comment, line] : cases) {
    f.grid.SetTextMatrix(5, ColComments, comment);
    Select(5, ColComments, 5, ColComments);
    f.form.CellCopy();
    EXPECT_EQ(ReadFileBytes(tmp).bytes, line);
    Select(6, 1, 6, 1);
    f.form.CellPaste();
    EXPECT_EQ(Row(6), "106.000|FM|c3|c4|c5|c6|c7|c8|" + std::string(comment));
  }
}

TEST_F(Clipboard, PastedBlockIsSelectedAndClippedAtTheLastRow) {
  struct Case {
    int from, to, firstCol, lastCol, at, atCol;
    const char *selection, *lastRowTag;
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
    const MSFlexGrid& g = f.grid;
    EXPECT_EQ(std::to_string(g.Row()) + "," + std::to_string(g.Col()) + "-" +
                  std::to_string(g.RowSel()) + "," + std::to_string(g.ColSel()),
              c.selection);
    EXPECT_EQ(f.Tag(g.RowSel()) + "/" + f.Tag(c.at - 1),
              std::string(c.lastRowTag) + "/r" + std::to_string(c.at - 1));
  }
}

TEST_F(Clipboard, CutEmptiesWholeRowsAndInsertOpensWhatThePasteReads) {
  f.Use(1, 399);
  Select(10, ColFreq, 11, ColFreq);
  f.form.CellCut();
  EXPECT_EQ(Row(11), kEmpty);
  EXPECT_EQ(CopyBuffer[2].Cell[ColFreq] + CopyBuffer[2].Cell[ColMode], "111.000");
  EXPECT_EQ(f.form.mnuInsert->isVisible() ? f.form.mnuInsert->text() : "", "&Insert Cut Rows");
  f.form.Undo();
  const auto before = f.Cells();
  // Another running copy copied three rows meanwhile.
  ASSERT_TRUE(
      WriteFileReplacing(dir.filePath("tmp.dat").toStdString(),
                         ",1.000,AM,,,,,,,a,\r\n,2.000,AM,,,,,,,b,\r\n,3.000,AM,,,,,,,c,\r\n"));
  Select(20, 1, 20, 1);
  MsgBoxScript boxes;
  boxes.Answer(vbNo, "lost");
  f.form.mnuInsert_Click();
  EXPECT_EQ(f.Cells(), before) << "declined: nothing inserted, nothing pasted";
  for (int r : {398, 399}) ClearChannelRow(f.grid, r);
  f.form.mnuInsert_Click();
  EXPECT_EQ(f.Tag(19) + f.Tag(20) + f.Tag(21) + f.Tag(22) + f.Tag(23), "r19abcr20");
  f.form.Undo();
  EXPECT_EQ(f.Tag(20) + f.Tag(399), "r20") << "one Undo takes back insert and paste";

  // In the scan edges no row opens: the user is told, and neither the grid
  // nor the Undo of the last command changes.
  f.Use(420, 421);
  Select(420, ColFreq, 420, ColFreq);
  f.form.CellCut();
  const auto cut = f.Cells();
  for (int top : {401, 437, 450}) {
    Select(top, ColFreq, 450, ColFreq);
    boxes.Answer(vbOK, "only among the memory channels");
    f.form.mnuInsert_Click();
    EXPECT_EQ(f.Cells(), cut) << top;
  }
  f.form.Undo();
  EXPECT_EQ(f.Tag(420), "r420") << "the cut is still the one Undo takes back";
}

TEST_F(Clipboard, UnwritableFolderPastesFromMemoryNeverAStaleFile) {
  const std::string tmp = dir.filePath("tmp.dat").toStdString();
  ASSERT_TRUE(WriteFileReplacing(tmp, ",stale,AM,,,,,,,,\r\n"));
  QDir(dir.path()).mkdir("tmp.dat.kestrane-tmp");  // in the way of every rewrite
  f.Use(1, 3);
  Select(1, 1, 1, 1);
  f.form.CellCopy();
  Select(3, 1, 3, 1);
  f.form.CellPaste();
  EXPECT_EQ(f.grid.TextMatrix(3, ColFreq), "101.000");
  QDir(dir.path()).rmdir("tmp.dat.kestrane-tmp");
  f.form.CellCopy();
  ASSERT_TRUE(WriteFileReplacing(tmp, ",other,AM,,,,,,,,\r\n"));  // another running copy copied
  f.form.CellPaste();
  EXPECT_EQ(f.grid.TextMatrix(3, ColFreq), "other");
}

// A "tmp.dat" no copy could have written: one larger than any text file is
// refused by name, size and limit and pastes nothing; one of many lines is
// read only as far as the grid has rows.
TEST_F(Clipboard, OversizedScratchFileIsRefusedAndLongOnesHoldOnlyTheGridsRows) {
  const std::string tmp = dir.filePath("tmp.dat").toStdString();
  f.Use(1, 3);
  const auto before = f.Cells();
  // At the limit: one line of NULs in column 0, which no paste writes.
  for (std::uintmax_t size : {kTextFileLimit.maxSize, std::uintmax_t{100} << 30}) {
    for (bool insert : {false, true}) {  // Edit > Insert or Paste
      SCOPED_TRACE(std::to_string(size) + (insert ? " insert" : " paste"));
      ASSERT_TRUE(WriteFileReplacing(tmp, ""));
      std::filesystem::resize_file(tmp, size);  // sparse: no disk, no memory
      MsgBoxScript boxes;
      const bool said = size > kTextFileLimit.maxSize;
      if (said)
        boxes.Answer(vbOK, tmp +
                               " is too large to read: it holds 107374182400 bytes, more than "
                               "the 67108864 bytes (64 MiB) that the file of copied cells may "
                               "hold.\r\nNothing has been pasted.");
      Select(2, 1, 2, 1);
      insert ? f.form.mnuInsert_Click() : f.form.CellPaste();
      EXPECT_EQ(f.Cells(), before);
      if (!said) break;
    }
  }

  // A hundred thousand empty lines: each would be a record of cells.
  ASSERT_TRUE(WriteFileReplacing(tmp, std::string(100000, '\n')));
  Select(1, 1, 1, 1);
  f.form.CellPaste();
  EXPECT_EQ(CopyBuffer.size(), 451u);
  EXPECT_EQ(f.Cells(), before);
  std::string lines;
  for (int i = 1; i <= 460; ++i) lines += "," + std::to_string(i) + ".000,AM,,,,,,,,\r\n";
  ASSERT_TRUE(WriteFileReplacing(tmp, lines));
  Select(5, 1, 5, 1);
  f.form.CellPaste();
  EXPECT_EQ(CopyBuffer.size(), 451u);
  EXPECT_EQ(Join(4, 1, 5, 2) + "|" + Join(450, 1, 450, 2), "||1.000|AM|446.000|AM");
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
  EXPECT_EQ(Join(0, 1, 1, 1), "Freq|101.000");
  EXPECT_EQ(f.Cells(), before);
}

}  // namespace
