#include "editing/Undo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mainwindow/grid_support.h"

namespace {

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearUndo();
    f.Use(1, 450);
  }
  GridForm f;
};

TEST_F(UndoTest, NothingHappensBeforeTheFirstSnapshot) {
  const std::vector<std::string> before = f.Cells();
  f.grid.SetTextMatrix(3, ColFreq, "changed");
  f.form.Undo();
  EXPECT_EQ(f.grid.TextMatrix(3, ColFreq), "changed");
  EXPECT_TRUE(UndoBuffer.empty());
}

TEST_F(UndoTest, EveryRowCommandIsUndoneByOneUndo) {
  struct Case {
    const char* name;
    int from, to;
    std::function<void(Form1&)> command;
  };
  const std::vector<Case> cases = {
      {"move down", 399, 400, [](Form1& w) { w.Command1_Click(); }},
      {"move up", 401, 403, [](Form1& w) { w.Command2_Click(); }},
      {"delete", 398, 402, [](Form1& w) { w.Command3_Click(); }},
      {"clear", 448, 450, [](Form1& w) { w.Command7_Click(); }},
      {"delete row", 1, 1, [](Form1& w) { w.DeleteRows(10); }},
      {"insert blank", 5, 7, [](Form1& w) { w.Command8_Click(); }},
      {"insert rows", 20, 20,
       [](Form1& w) {
         int n = 3;
         w.InsertRows(n);
       }},
  };
  for (const Case& c : cases) {
    ClearUndo();
    f.form.initgrid();
    f.Use(1, 450);
    const std::vector<std::string> before = f.Cells();
    MsgBoxScript boxes;
    if (std::string(c.name).starts_with("insert")) boxes.Answer(vbYes, "lost");
    f.Select(c.from, c.to);
    c.command(f.form);
    ASSERT_NE(f.Cells(), before) << c.name;
    f.form.Undo();
    EXPECT_EQ(f.Cells(), before) << c.name;
  }
}

TEST_F(UndoTest, FillModeInsertIsOneCommand) {
  f.form.initgrid();
  f.form.InsertFillsOn = true;
  f.Use(5, 9);
  f.Use(11, 20);
  f.Use(22, 400);
  const std::vector<std::string> before = f.Cells();
  f.Select(5, 6);
  MsgBoxScript boxes;  // both gaps close: nothing is lost, no question
  f.form.InsertBlank();
  ASSERT_NE(f.Cells(), before);
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
}

TEST_F(UndoTest, UndoKeepsTheSnapshotSoASecondUndoRestoresAgain) {
  f.Select(3, 3);
  f.form.Command7_Click();
  const std::vector<std::string> cleared = f.Cells();
  f.form.Undo();
  EXPECT_EQ(f.Tag(3), "r3");
  f.grid.SetTextMatrix(3, ColComments, "typed after the undo");
  f.form.Undo();
  EXPECT_EQ(f.Tag(3), "r3");
  EXPECT_NE(f.Cells(), cleared);
}

TEST_F(UndoTest, EachSnapshotReplacesThePreviousOne) {
  f.Select(3, 3);
  f.form.Command7_Click();  // snapshot 1: row 3 used
  f.Select(4, 4);
  f.form.Command7_Click();  // snapshot 2: row 3 already empty
  f.form.Undo();
  EXPECT_EQ(f.Tag(3), "");
  EXPECT_EQ(f.Tag(4), "r4");
}

TEST_F(UndoTest, LabelsAndHeadersAreNeverWritten) {
  f.form.SaveUndo();
  ASSERT_EQ(UndoBuffer.size(), 451u);
  EXPECT_EQ(UndoBuffer[401].Cell[8], "r401");     // column 9
  EXPECT_EQ(UndoBuffer[401].Cell[0], "501.000");  // column 1
  f.grid.SetTextMatrix(401, 0, "label changed");
  f.grid.SetTextMatrix(0, 1, "header changed");
  f.form.Undo();
  EXPECT_EQ(f.grid.TextMatrix(401, 0), "label changed");
  EXPECT_EQ(f.grid.TextMatrix(0, 1), "header changed");
}

TEST_F(UndoTest, RowsTheGridNoLongerHasAreSkipped) {
  f.form.SaveUndo();
  f.form.initgrid();
  f.grid.SetRows(100);
  f.form.Undo();
  EXPECT_EQ(f.grid.Rows(), 100);
  EXPECT_EQ(f.Tag(99), "r99");
}

TEST_F(UndoTest, ClearUndoDropsTheSnapshot) {
  f.form.SaveUndo();
  f.form.initgrid();  // as when another image is loaded
  ClearUndo();
  f.form.Undo();
  EXPECT_EQ(f.Tag(1), "");
}

TEST_F(UndoTest, NestedCommandsTakeOneSnapshot) {
  const std::vector<std::string> before = f.Cells();
  {
    UndoCommand outer(f.grid);
    f.form.DeleteRows(1);
    {
      UndoCommand inner(f.grid);
      f.form.DeleteRows(1);
    }
    f.form.SaveUndo();  // still inside the outer command
    f.form.DeleteRows(1);
  }
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
  // Once the command is over, snapshots are taken again.
  f.grid.SetTextMatrix(1, ColComments, "edited");
  f.form.DeleteRows(1);
  f.form.Undo();
  EXPECT_EQ(f.Tag(1), "edited");
}

}  // namespace
