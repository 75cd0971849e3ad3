#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/grid_support.h"
#include "platform/Settings.h"

namespace {

// Rows from..to that hold the channel first written `shift` rows higher
// (shift 0: their own); every other row is empty.
struct Block {
  int from, to, shift;
};

std::vector<std::string> TagsOf(const std::vector<Block>& blocks) {
  std::vector<std::string> tags(kGridRows);
  for (const Block& b : blocks)
    for (int r = b.from; r <= b.to; ++r) tags[r] = "r" + std::to_string(r + b.shift);
  return tags;
}

std::vector<std::string> Tags(int usedFrom, int usedTo) { return TagsOf({{usedFrom, usedTo, 0}}); }

// ---- shape ------------------------------------------------------------------

TEST(GridShape, ShapeAndRowLabels) {
  GridForm f;
  EXPECT_EQ(f.grid.Rows(), 451);
  EXPECT_EQ(f.grid.Cols(), 10);
  EXPECT_EQ(f.grid.FixedRows(), 1);
  EXPECT_EQ(f.grid.FixedCols(), 1);
  const std::vector<std::pair<int, const char*>> labels = {
      {1, "0-00"}, {10, "0-09"}, {50, "0-49"}, {51, "1-00"}, {351, "7-00"}, {400, "7-49"},
      {401, "0A"}, {402, "0B"},  {403, "1A"},  {420, "9B"},  {421, "10A"},  {450, "24B"}};
  for (const auto& [row, label] : labels) EXPECT_EQ(f.grid.TextMatrix(row, 0), label) << row;
  EXPECT_EQ(f.grid.TextMatrix(0, ColFreq), "Freq");
  EXPECT_EQ(f.grid.RowHeight(450), 320);
}

TEST(GridShape, RebuildEmptiesDataCellsButNotTheSelectionRows) {
  GridForm f;
  f.Use(1, 450);
  f.form.SelStartRow = 12;
  f.form.SelEndRow = 14;
  f.form.initgrid();
  for (int r = 1; r <= 450; ++r)
    for (int c = 1; c < 10; ++c) ASSERT_EQ(f.grid.TextMatrix(r, c), "") << r << "," << c;
  EXPECT_EQ(f.grid.TextMatrix(450, 0), "24B");
  EXPECT_EQ(f.form.SelStartRow, 12);
  EXPECT_EQ(f.form.SelEndRow, 14);
}

TEST(GridShape, VisibleSettingsHideColumns) {
  struct Case {
    const char* stored;  // nullptr: no key
    bool hidden;
  };
  const std::vector<Case> cases = {{nullptr, false}, {"1", false}, {"0", true},    {" 0 ", true},
                                   {"0.0", true},    {"2", false}, {"abc", false}, {"", false}};
  for (const Case& c : cases) {
    GridForm f;
    if (c.stored) SaveSetting("IC-R2", "Settings", "Visible3", c.stored);
    f.form.initgrid();
    EXPECT_EQ(f.grid.ColWidth(4), c.hidden ? 0 : 1100) << (c.stored ? c.stored : "(none)");
    EXPECT_EQ(f.grid.ColWidth(3), 800) << "other columns are untouched by that key";
  }
  // Every data column has its own key; the label column has none.
  GridForm f;
  for (int n = 0; n <= 8; ++n) SaveSetting("IC-R2", "Settings", "Visible" + std::to_string(n), "0");
  f.form.initgrid();
  EXPECT_EQ(f.grid.ColWidth(0), 750);
  for (int c = 1; c <= 9; ++c) EXPECT_EQ(f.grid.ColWidth(c), 0) << c;
}

// ---- queries ------------------------------------------------------------------

TEST(GridQueries, LastEmptyRow) {
  struct Case {
    std::vector<int> freqRows;
    int expected;
  };
  const std::vector<Case> cases = {{{}, 1},       {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 11},
                                   {{400}, 1},    {{399, 400}, 400},
                                   {{3, 60}, 61}, {{401, 450}, 1},
                                   {{1}, 2}};
  for (const Case& c : cases) {
    GridForm f;
    for (int r : c.freqRows) f.grid.SetTextMatrix(r, ColFreq, "146.520");
    EXPECT_EQ(f.form.GetLastEmptyRow(), c.expected);
  }
  GridForm f;
  f.grid.SetTextMatrix(7, ColFreq, " ");  // a blank cell is not empty
  EXPECT_EQ(f.form.GetLastEmptyRow(), 8);
}

TEST(GridQueries, RowInUseIsDecidedByTheModeCell) {
  GridForm f;
  f.grid.SetTextMatrix(5, ColMode, "   ");
  f.grid.SetTextMatrix(5, ColFreq, "146.520");
  f.grid.SetTextMatrix(6, ColMode, "FM");
  EXPECT_FALSE(f.form.IsRowUsed(5));
  EXPECT_TRUE(f.form.IsRowUsed(6));
  EXPECT_FALSE(f.form.IsRowUsed(7));
  EXPECT_TRUE(f.form.IsRowUsed(0));  // the header's "Mode"
}

TEST(GridQueries, WholeRowsSelectedMeansColumnsOneToNine) {
  GridForm f;
  struct Case {
    int col, colSel;
    bool whole;
  };
  const Case cases[] = {{1, 9, true},  {9, 1, true},  {2, 9, false},
                        {1, 8, false}, {0, 9, false}, {1, 1, false}};
  for (const Case& c : cases) {
    f.grid.SetCol(c.col);
    f.grid.SetColSel(c.colSel);
    EXPECT_EQ(f.form.IsRowSelected(), c.whole) << c.col << "-" << c.colSel;
  }
}

TEST(GridQueries, SelectionRowsAreTakenOnlyWhenAskedAndHighlightWidensThem) {
  GridForm f;
  f.grid.SetCol(3);
  f.grid.SetRow(12);
  f.grid.SetRowSel(10);
  f.grid.SetColSel(5);
  EXPECT_EQ(f.form.SelStartRow, 0);
  f.form.SetSelectionB();
  EXPECT_EQ(f.form.SelStartRow, 10);
  EXPECT_EQ(f.form.SelEndRow, 12);
  f.grid.SetHighLight(flexHighlightNever);
  f.form.HighlightRow();
  EXPECT_EQ((std::vector<int>{f.grid.Row(), f.grid.RowSel(), f.grid.Col(), f.grid.ColSel()}),
            (std::vector<int>{10, 12, 1, 9}));
  EXPECT_EQ(f.grid.HighLight(), flexHighlightAlways);
}

TEST(GridQueries, HighestVisibleRowFollowsTopRow) {
  GridForm f;
  f.form.show();
  const int shown = f.form.GetHighestVisibleRow();
  EXPECT_GT(shown, 1);
  EXPECT_LT(shown, 450);
  EXPECT_TRUE(f.grid.RowIsVisible(shown));
  EXPECT_FALSE(f.grid.RowIsVisible(shown + 1));
  f.grid.SetTopRow(440);
  EXPECT_EQ(f.form.GetHighestVisibleRow(), 450);
}

// ---- moves --------------------------------------------------------------------

// On a full grid: the rows whose channel came from another row, the rest keep their own.
TEST(GridMoves, RowsExchangeAndTheSelectionFollows) {
  struct Case {
    bool down;
    int from, to;
    std::vector<std::pair<int, int>> cameFrom;  // row, the row its channel was in
    int row, rowSel;                            // selection afterwards
  };
  const Case cases[] = {
      {true, 2, 4, {{2, 5}, {3, 2}, {4, 3}, {5, 4}}, 3, 5},
      {false, 3, 5, {{2, 3}, {3, 4}, {4, 5}, {5, 2}}, 2, 4},
      {false, 2, 2, {{1, 2}, {2, 1}}, 1, 1},
      {true, 400, 400, {{400, 401}, {401, 400}}, 401, 401},               // across the bank border
      {false, 401, 402, {{400, 401}, {401, 402}, {402, 400}}, 400, 401},  // from the scan edges
      // Nothing moves past either end.
      {false, 1, 3, {}, 1, 3},
      {false, 1, 1, {}, 1, 1},
      {true, 450, 450, {}, 450, 450},
      {true, 448, 450, {}, 448, 450},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.down ? "down " : "up ") + std::to_string(c.from));
    GridForm f;
    f.Use(1, 450);
    f.Select(c.from, c.to);
    c.down ? f.form.Command1_Click() : f.form.Command2_Click();
    std::vector<std::string> expected = Tags(1, 450);
    for (auto [row, from] : c.cameFrom) {
      expected[row] = "r" + std::to_string(from);
      // The whole row moved, not only the tag; the labels stay.
      EXPECT_EQ(f.grid.TextMatrix(row, ColFreq), std::to_string(100 + from) + ".000");
    }
    EXPECT_EQ(f.Tags(), expected);
    EXPECT_EQ(f.grid.TextMatrix(401, 0), "0A");
    EXPECT_EQ((std::vector<int>{f.grid.Row(), f.grid.RowSel(), f.grid.Col(), f.grid.ColSel()}),
              (std::vector<int>{c.row, c.rowSel, 1, 9}));
    EXPECT_EQ(f.form.SelStartRow, c.from);  // the rows taken before the move
  }
}

TEST(GridMoves, MovingDownNearTheBottomOfTheWindowScrolls) {
  GridForm f;
  f.form.show();
  f.Use(1, 60);
  const int last = f.form.GetHighestVisibleRow();
  f.Select(last - 2, last - 2);
  f.form.Command1_Click();
  EXPECT_EQ(f.grid.TopRow(), last - 2);
  f.grid.SetTopRow(50);
  f.Select(52, 53);
  f.form.Command2_Click();
  EXPECT_EQ(f.grid.TopRow(), 46);
}

// ---- delete and clear ---------------------------------------------------------

TEST(GridDelete, RowsMoveUpWithinTheBanksOnly) {
  struct Case {
    int rowNum;  // 0: the selection, through the Delete button
    int from, to;
    std::vector<Block> after;  // on a full grid
  };
  const Case cases[] = {
      {10, 1, 1, {{1, 9, 0}, {10, 399, 1}, {401, 450, 0}}},
      {0, 5, 7, {{1, 4, 0}, {5, 397, 3}, {401, 450, 0}}},
      {400, 1, 1, {{1, 399, 0}, {401, 450, 0}}},
      {0, 398, 402, {{1, 397, 0}, {401, 450, 0}}},
      {0, 401, 402, {{1, 450, 0}}},
      {420, 1, 1, {{1, 450, 0}}},
  };
  for (const Case& c : cases) {
    GridForm f;
    f.Use(1, 450);
    f.Select(c.from, c.to);
    c.rowNum ? f.form.DeleteRows(c.rowNum) : f.form.Command3_Click();
    EXPECT_EQ(f.Tags(), TagsOf(c.after)) << "delete " << c.rowNum << " sel " << c.from;
  }
}

TEST(GridClear, EmptiesSelectedRowsScanEdgesToo) {
  GridForm f;
  f.Use(398, 405);
  f.Select(399, 403);
  f.form.Command7_Click();
  EXPECT_EQ(f.Tags(), TagsOf({{398, 398, 0}, {404, 405, 0}}));
  EXPECT_EQ(f.grid.TextMatrix(401, ColFreq), "");
  EXPECT_EQ(f.grid.TextMatrix(401, 0), "0A");
}

// ---- insert -------------------------------------------------------------------

TEST(GridInsert, RowsOpenAtTheSelectionWithinTheBanks) {
  struct Case {
    const char* what;
    bool fill;  // "Insert Fills Empty Rows"
    std::vector<std::pair<int, int>> used;
    int from, to;
    int rows;    // given to InsertRows; -1: the Insert Blank button
    int answer;  // to the loss warning; 0: no warning may come
    std::vector<Block> after;
  };
  const Case cases[] = {
      {"button", false, {{1, 397}}, 5, 7, -1, 0, {{1, 4, 0}, {8, 400, -3}}},
      {"count from the caller", false, {{1, 397}}, 20, 20, 3, 0, {{1, 19, 0}, {23, 400, -3}}},
      // Rows pushed past 400 are lost after a warning, never pushed into the scan edges.
      {"loss, yes", false, {{1, 402}}, 5, 7, -1, vbYes, {{1, 4, 0}, {8, 400, -3}, {401, 402, 0}}},
      {"loss, no", false, {{1, 402}}, 5, 7, -1, vbNo, {{1, 402, 0}}},
      {"only rows pushed out warn", false, {{398, 398}}, 399, 399, 3, 0, {{398, 398, 0}}},
      // A selection in the scan edges inserts nothing.
      {"scan edge", false, {{395, 450}}, 420, 420, 2, 0, {{395, 450, 0}}},
      {"across row 400", false, {{395, 450}}, 400, 401, -1, 0, {{395, 450, 0}}},
      {"scan edge, button", false, {{395, 450}}, 449, 450, -1, 0, {{395, 450, 0}}},
      // Fill mode first closes the gap below the next block of used rows.
      {"fill", true, {{5, 9}, {11, 400}}, 5, 5, -1, 0, {{6, 10, -1}, {11, 400, 0}}},
      {"fill, no gap", true, {{1, 400}}, 10, 10, -1, vbYes, {{1, 9, 0}, {11, 400, -1}}},
      // Two rows to insert but one gap: the removal is made, then the warning
      // comes for row 399; No undoes the removal too.
      {"fill declined", true, {{5, 9}, {11, 400}}, 5, 6, 0, vbNo, {{5, 9, 0}, {11, 400, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GridForm f;
    f.form.InsertFillsOn = c.fill;
    for (auto [from, to] : c.used) f.Use(from, to);
    f.Select(c.from, c.to);
    MsgBoxScript boxes;
    if (c.answer)
      boxes.Answer(c.answer,
                   "An insert will cause existing memories to be lost from "
                   "the grid.\r\nContinue?");
    int n = c.rows;
    if (c.rows < 0) {
      f.form.Command8_Click();
    } else {
      EXPECT_EQ(f.form.InsertRows(n), c.answer != vbNo);
    }
    EXPECT_EQ(f.Tags(), TagsOf(c.after));
    if (c.answer) {
      EXPECT_EQ(boxes.Calls().at(0).title, "Insert");
      EXPECT_EQ(boxes.Calls().at(0).buttons, vbYesNo | vbQuestion);
    }
  }
  // A count of 0 takes the selection's size and gives it back to the caller.
  GridForm f;
  f.Select(30, 33);
  int zero = 0;
  EXPECT_TRUE(f.form.InsertRows(zero));
  EXPECT_EQ(zero, 4);
}

// ---- the header row is never touched ------------------------------------------

TEST(GridHeaderRow, RowCommandsDoNothingWhileTheSelectionStartsInRowZero) {
  GridForm f;
  f.Use(1, 450);
  MsgBoxScript boxes;
  const std::vector<std::pair<const char*, void (*)(Form1&)>> commands = {
      {"move down", [](Form1& w) { w.Command1_Click(); }},
      {"move up", [](Form1& w) { w.Command2_Click(); }},
      {"delete", [](Form1& w) { w.Command3_Click(); }},
      {"clear", [](Form1& w) { w.Command7_Click(); }},
      {"insert blank", [](Form1& w) { w.Command8_Click(); }},
      {"insert rows",
       [](Form1& w) {
         int n = 2;
         EXPECT_FALSE(w.InsertRows(n));
       }},
      {"delete rows", [](Form1& w) { w.DeleteRows(0); }},
  };
  for (const auto& [name, command] : commands) {
    f.grid.SetRow(0);
    f.grid.SetRowSel(3);
    command(f.form);
    for (int c = 0; c < kGridCols; ++c)
      EXPECT_EQ(f.grid.TextMatrix(0, c), kGridColumnLayout[c].header) << name;
    EXPECT_EQ(f.Tags(), Tags(1, 450)) << name;
  }
}

}  // namespace
