#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/grid_support.h"
#include "platform/Settings.h"

namespace {

// Expected tags: rows keep their own tag unless listed.
std::vector<std::string> Tags(int usedFrom, int usedTo) {
  std::vector<std::string> tags(kGridRows);
  for (int r = usedFrom; r <= usedTo; ++r) tags[r] = "r" + std::to_string(r);
  return tags;
}

// ---- shape ------------------------------------------------------------------

TEST(GridShape, LabelsHeadersAndWidths) {
  GridForm f;
  EXPECT_EQ(f.grid.Rows(), 451);
  EXPECT_EQ(f.grid.Cols(), 10);
  EXPECT_EQ(f.grid.FixedRows(), 1);
  EXPECT_EQ(f.grid.FixedCols(), 1);
  const std::vector<std::pair<int, const char*>> labels = {
      {1, "0-00"}, {10, "0-09"}, {50, "0-49"}, {51, "1-00"}, {351, "7-00"}, {400, "7-49"},
      {401, "0A"}, {402, "0B"},  {403, "1A"},  {420, "9B"},  {421, "10A"},  {450, "24B"}};
  for (const auto& [row, label] : labels) EXPECT_EQ(f.grid.TextMatrix(row, 0), label) << row;
  const std::vector<std::string> headers = {"#",      "Freq",  "Mode", "Skip", "Step",
                                            "RPT SH", "Shift", "TSQL", "Tone", "Comments"};
  const std::vector<int> widths = {750, 1400, 700, 800, 1100, 800, 1200, 900, 1000, 3800};
  for (int c = 0; c < 10; ++c) {
    EXPECT_EQ(f.grid.TextMatrix(0, c), headers[c]);
    EXPECT_EQ(f.grid.ColWidth(c), widths[c]);
    EXPECT_EQ(f.grid.ColAlignment(c), flexAlignLeftCenter);
  }
  EXPECT_EQ(f.grid.RowHeight(0), 320);
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
    // Other columns are untouched by that key; a hidden column keeps its text.
    EXPECT_EQ(f.grid.ColWidth(3), 800);
    f.grid.SetTextMatrix(9, 4, "5 KHz");
    EXPECT_EQ(f.grid.TextMatrix(9, 4), "5 KHz");
  }
}

TEST(GridShape, EveryDataColumnHasItsOwnKey) {
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
  const std::vector<Case> cases = {
      {{}, 1},       {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 11},
      {{400}, 1},    {{399, 400}, 400},
      {{3, 60}, 61}, {{401, 450}, 1},
      {{1}, 2},
  };
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
  for (const Case& c : std::vector<Case>{{1, 9, true},
                                         {9, 1, true},
                                         {2, 9, false},
                                         {1, 8, false},
                                         {0, 9, false},
                                         {1, 1, false}}) {
    f.grid.SetCol(c.col);
    f.grid.SetColSel(c.colSel);
    EXPECT_EQ(f.form.IsRowSelected(), c.whole) << c.col << "-" << c.colSel;
  }
}

TEST(GridQueries, SelectionRowsAreTakenOnlyWhenAsked) {
  GridForm f;
  EXPECT_EQ(f.form.SelStartRow, 0);
  f.grid.SetRow(30);
  f.grid.SetRowSel(20);
  EXPECT_EQ(f.form.SelStartRow, 0);
  f.form.SetSelectionB();
  EXPECT_EQ(f.form.SelStartRow, 20);
  EXPECT_EQ(f.form.SelEndRow, 30);
}

TEST(GridQueries, HighlightRowWidensToWholeRows) {
  GridForm f;
  f.grid.SetCol(3);
  f.grid.SetRow(12);
  f.grid.SetRowSel(10);
  f.grid.SetColSel(5);
  f.grid.SetHighLight(flexHighlightNever);
  f.form.HighlightRow();
  EXPECT_EQ(f.grid.Row(), 10);
  EXPECT_EQ(f.grid.RowSel(), 12);
  EXPECT_EQ(f.grid.Col(), 1);
  EXPECT_EQ(f.grid.ColSel(), 9);
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

TEST(GridMoves, DownAcrossTheBankBorderExchangesRows) {
  GridForm f;
  f.Use(399, 402);
  f.Select(400, 400);
  f.form.Command1_Click();
  std::vector<std::string> expected = Tags(399, 402);
  expected[400] = "r401";
  expected[401] = "r400";
  EXPECT_EQ(f.Tags(), expected);
  // The whole row moved, not only the tag.
  EXPECT_EQ(f.grid.TextMatrix(401, ColFreq), "500.000");
  EXPECT_EQ(f.grid.TextMatrix(401, 0), "0A");
  // The block stays selected at its new place.
  EXPECT_EQ(f.grid.Row(), 401);
  EXPECT_EQ(f.grid.RowSel(), 401);
  EXPECT_EQ(f.grid.Col(), 1);
  EXPECT_EQ(f.grid.ColSel(), 9);
}

TEST(GridMoves, BlockMovesAndSelectionFollows) {
  struct Case {
    bool down;
    int from, to;
    std::vector<int> newOrder;  // tags of rows 1..8 afterwards (0 = row keeps its tag)
    int row, rowSel;            // selection afterwards
  };
  const std::vector<Case> cases = {
      {true, 2, 4, {1, 5, 2, 3, 4, 6, 7, 8}, 3, 5},
      {false, 3, 5, {1, 3, 4, 5, 2, 6, 7, 8}, 2, 4},
      {false, 2, 2, {2, 1, 3, 4, 5, 6, 7, 8}, 1, 1},
  };
  for (const Case& c : cases) {
    GridForm f;
    f.Use(1, 8);
    f.Select(c.from, c.to);
    c.down ? f.form.Command1_Click() : f.form.Command2_Click();
    for (int r = 1; r <= 8; ++r)
      EXPECT_EQ(f.Tag(r), "r" + std::to_string(c.newOrder[r - 1])) << "row " << r;
    EXPECT_EQ(f.grid.Row(), c.row);
    EXPECT_EQ(f.grid.RowSel(), c.rowSel);
    EXPECT_EQ(f.form.SelStartRow, c.from);  // the rows taken before the move
  }
}

TEST(GridMoves, NothingMovesPastEitherEnd) {
  struct Case {
    bool down;
    int from, to;
  };
  for (const Case& c :
       std::vector<Case>{{false, 1, 3}, {false, 1, 1}, {true, 450, 450}, {true, 448, 450}}) {
    GridForm f;
    f.Use(1, 450);
    f.Select(c.from, c.to);
    c.down ? f.form.Command1_Click() : f.form.Command2_Click();
    EXPECT_EQ(f.Tags(), Tags(1, 450)) << c.from;
    EXPECT_EQ(f.grid.Row(), c.from);
  }
}

TEST(GridMoves, UpFromTheScanEdgesIntoTheBanks) {
  GridForm f;
  f.Use(400, 403);
  f.Select(401, 402);
  f.form.Command2_Click();
  EXPECT_EQ(f.Tag(400), "r401");
  EXPECT_EQ(f.Tag(401), "r402");
  EXPECT_EQ(f.Tag(402), "r400");
  EXPECT_EQ(f.Tag(403), "r403");
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
    int rowNum;  // 0: the selection
    int from, to;
    std::vector<std::pair<int, std::string>> expect;  // row, tag
  };
  const std::vector<Case> cases = {
      {10, 1, 1, {{9, "r9"}, {10, "r11"}, {399, "r400"}, {400, ""}, {401, "r401"}}},
      {0, 398, 402, {{397, "r397"}, {398, ""}, {399, ""}, {400, ""}, {401, "r401"}, {402, "r402"}}},
      {400, 1, 1, {{399, "r399"}, {400, ""}, {401, "r401"}}},
      {0, 5, 7, {{4, "r4"}, {5, "r8"}, {397, "r400"}, {398, ""}, {400, ""}, {450, "r450"}}},
      {0, 401, 402, {{401, "r401"}, {402, "r402"}, {400, "r400"}}},
      {420, 1, 1, {{420, "r420"}, {400, "r400"}}},
  };
  for (const Case& c : cases) {
    GridForm f;
    f.Use(1, 450);
    f.Select(c.from, c.to);
    f.form.DeleteRows(c.rowNum);
    for (const auto& [row, tag] : c.expect)
      EXPECT_EQ(f.Tag(row), tag) << "delete " << c.rowNum << " sel " << c.from << ", row " << row;
  }
}

TEST(GridDelete, DeleteButtonIsDeleteRowsOfTheSelection) {
  GridForm f;
  f.Use(1, 20);
  f.Select(3, 4);
  f.form.Command3_Click();
  EXPECT_EQ(f.Tag(3), "r5");
  EXPECT_EQ(f.Tag(18), "r20");
  EXPECT_EQ(f.Tag(19), "");
}

TEST(GridClear, EmptiesSelectedRowsScanEdgesToo) {
  GridForm f;
  f.Use(398, 405);
  f.Select(399, 403);
  f.form.Command7_Click();
  std::vector<std::string> expected = Tags(398, 405);
  for (int r = 399; r <= 403; ++r) expected[r] = "";
  EXPECT_EQ(f.Tags(), expected);
  EXPECT_EQ(f.grid.TextMatrix(401, ColFreq), "");
  EXPECT_EQ(f.grid.TextMatrix(401, 0), "0A");
}

// ---- insert -------------------------------------------------------------------

TEST(GridInsert, InsertBlankOpensTheSelectedNumberOfRows) {
  GridForm f;
  f.Use(1, 397);
  f.Select(5, 7);
  MsgBoxScript boxes;  // rows 398 to 400 are empty: no question
  f.form.Command8_Click();
  std::vector<std::string> expected(kGridRows);
  for (int r = 1; r <= 4; ++r) expected[r] = "r" + std::to_string(r);
  for (int r = 8; r <= 400; ++r) expected[r] = "r" + std::to_string(r - 3);
  EXPECT_EQ(f.Tags(), expected);
  EXPECT_EQ(f.grid.TextMatrix(5, ColMode), "");
}

TEST(GridInsert, LossWarningYesPushesRowsOutNoChangesNothing) {
  for (int answer : {vbYes, vbNo}) {
    GridForm f;
    f.Use(1, 402);
    f.Select(5, 7);
    MsgBoxScript boxes;
    boxes.Answer(answer);
    f.form.InsertBlank();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].prompt,
              "An insert will cause existing memories to be lost from the grid.\r\nContinue?");
    EXPECT_EQ(boxes.Calls()[0].title, "Insert");
    EXPECT_EQ(boxes.Calls()[0].buttons, vbYesNo | vbQuestion);
    if (answer == vbNo) {
      EXPECT_EQ(f.Tags(), Tags(1, 402));
    } else {
      EXPECT_EQ(f.Tag(5), "");
      EXPECT_EQ(f.Tag(8), "r5");
      EXPECT_EQ(f.Tag(400), "r397");
      EXPECT_EQ(f.Tag(401), "r401");  // never pushed into the scan edges
    }
  }
}

TEST(GridInsert, OnlyRowsActuallyPushedOutRaiseTheWarning) {
  // Inserting 3 rows at 399 loses rows 399 and 400; row 398 stays where it is.
  GridForm f;
  f.Use(398, 398);
  f.Select(399, 399);
  int n = 3;
  MsgBoxScript boxes;
  EXPECT_TRUE(f.form.InsertRows(n));
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(f.Tag(398), "r398");
}

TEST(GridInsert, CountGivenByTheCaller) {
  GridForm f;
  f.Use(1, 397);
  f.Select(20, 20);
  int n = 3;
  EXPECT_TRUE(f.form.InsertRows(n));
  EXPECT_EQ(n, 3);
  EXPECT_EQ(f.Tag(19), "r19");
  for (int r = 20; r <= 22; ++r) EXPECT_EQ(f.Tag(r), "") << r;
  EXPECT_EQ(f.Tag(23), "r20");
  EXPECT_EQ(f.Tag(400), "r397");
  int zero = 0;
  f.Select(30, 33);
  MsgBoxScript boxes;
  boxes.Answer(vbYes);
  f.form.InsertRows(zero);
  EXPECT_EQ(zero, 4);  // the selection's size comes back to the caller
}

TEST(GridInsert, FillModeClosesTheGapBelowTheNextBlock) {
  GridForm f;
  f.form.InsertFillsOn = true;
  f.Use(5, 9);
  f.Use(11, 400);
  f.Select(5, 5);
  MsgBoxScript boxes;
  f.form.InsertBlank();
  EXPECT_TRUE(boxes.Calls().empty());
  std::vector<std::string> expected = Tags(11, 400);
  expected[5] = "";
  for (int r = 6; r <= 10; ++r) expected[r] = "r" + std::to_string(r - 1);
  EXPECT_EQ(f.Tags(), expected);
}

TEST(GridInsert, FillModeWithoutAGapGoesOnToTheLossCheck) {
  GridForm f;
  f.form.InsertFillsOn = true;
  f.Use(1, 400);
  f.Select(10, 10);
  MsgBoxScript boxes;
  boxes.Answer(vbYes, "lost");
  f.form.InsertBlank();
  EXPECT_EQ(f.Tag(10), "");
  EXPECT_EQ(f.Tag(11), "r10");
  EXPECT_EQ(f.Tag(400), "r399");
}

TEST(GridInsert, DeclinedFillModeInsertUndoesItsRemovals) {
  GridForm f;
  f.form.InsertFillsOn = true;
  // Two rows to insert but one gap to close: the removal is made, then the
  // loss warning comes for row 399.
  f.Use(5, 9);
  f.Use(11, 400);
  f.Select(5, 6);
  const std::vector<std::string> before = f.Cells();
  MsgBoxScript boxes;
  boxes.Answer(vbNo);
  int n = 0;
  EXPECT_FALSE(f.form.InsertRows(n));
  EXPECT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(f.Cells(), before);
}

TEST(GridInsert, ScanEdgeSelectionInsertsNothing) {
  GridForm f;
  f.Use(395, 450);
  const std::vector<std::string> before = f.Cells();
  MsgBoxScript boxes;
  for (auto [from, to] : std::vector<std::pair<int, int>>{{400, 401}, {401, 401}, {449, 450}}) {
    f.Select(from, to);
    f.form.Command8_Click();
    EXPECT_EQ(f.Cells(), before) << from;
  }
  f.Select(420, 420);
  int n = 2;
  EXPECT_TRUE(f.form.InsertRows(n));
  EXPECT_EQ(f.Cells(), before);
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
