#include "platform/MSFlexGrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <string>
#include <vector>

#include "platform/VbKeys.h"

namespace {

// ---- the plain state -------------------------------------------------------

FlexGridData Table(int rows, int cols) {
  FlexGridData d;
  d.SetCols(cols);
  d.SetRows(rows);
  return d;
}

TEST(FlexGridData, SelectionRunsEitherWayAndCollapsesOnRowOrCol) {
  FlexGridData d = Table(10, 5);
  d.SetCol(4);
  d.SetRow(8);
  d.SetRowSel(3);
  d.SetColSel(1);
  EXPECT_EQ((std::vector<int>{d.SelTop(), d.SelBottom(), d.SelLeft(), d.SelRight()}),
            (std::vector<int>{3, 8, 1, 4}));
  EXPECT_TRUE(d.IsSelected(3, 1));
  EXPECT_TRUE(d.IsSelected(8, 4));
  EXPECT_FALSE(d.IsSelected(2, 2));
  EXPECT_FALSE(d.IsSelected(5, 0));
  d.SetRow(5);
  EXPECT_TRUE(d.IsSingleCell());
  d.SetRowSel(9);
  d.SetColSel(1);
  d.SetCol(3);
  EXPECT_EQ(d.RowSel(), 5);
  EXPECT_EQ(d.ColSel(), 3);
  // The header row can be the current row.
  d.SetRow(0);
  EXPECT_EQ(d.Row(), 0);
  EXPECT_EQ(d.RowSel(), 0);
}

TEST(FlexGridData, OutOfRangeIsIgnoredAndReadsEmpty) {
  FlexGridData d = Table(4, 3);
  d.SetTextMatrix(3, 2, "last");
  d.SetTextMatrix(4, 0, "x");
  d.SetTextMatrix(0, 3, "x");
  d.SetTextMatrix(-1, 0, "x");
  EXPECT_EQ(d.TextMatrix(3, 2), "last");
  EXPECT_EQ(d.TextMatrix(4, 0), "");
  EXPECT_EQ(d.TextMatrix(-1, -1), "");
  d.SetRow(2);
  d.SetRow(4);  // no such row: stays
  d.SetCol(-1);
  EXPECT_EQ(d.Row(), 2);
  EXPECT_EQ(d.Col(), 1);
  EXPECT_EQ(d.ColWidth(9), 0);
}

TEST(FlexGridData, ReshapingKeepsTextsAndClampsPositions) {
  FlexGridData d = Table(10, 4);
  d.SetTextMatrix(2, 3, "kept");
  d.SetTextMatrix(9, 1, "dropped");
  d.SetRow(9);
  d.SetTopRow(8);
  d.SetRows(5);
  EXPECT_EQ(d.TextMatrix(2, 3), "kept");
  EXPECT_EQ(d.Row(), 4);
  EXPECT_EQ(d.TopRow(), 4);
  d.SetRows(10);
  EXPECT_EQ(d.TextMatrix(9, 1), "");  // rows that come back are new and empty
  d.Clear();
  EXPECT_EQ(d.TextMatrix(2, 3), "");
  EXPECT_EQ(d.Rows(), 10);
}

TEST(FlexGridData, RowVisibilityCountsFromTopRowBelowTheFixedRow) {
  FlexGridData d = Table(20, 2);
  for (int r = 0; r < 20; ++r) d.SetRowHeight(r, 300);
  const int client = 300 * 5 + 100;  // header, four full rows and part of a fifth
  struct Case {
    int top, row;
    bool visible;
  };
  const std::vector<Case> cases = {
      {1, 0, true},  {1, 1, true},   {1, 4, true},   {1, 5, true},  // 5 is partly shown
      {1, 6, false}, {10, 9, false}, {10, 10, true}, {10, 14, true}, {10, 15, false},
      {10, 0, true}, {19, 19, true}, {1, 20, false}, {1, -1, false},
  };
  for (const Case& c : cases) {
    d.SetTopRow(c.top);
    EXPECT_EQ(d.RowIsVisible(c.row, client), c.visible) << "top " << c.top << " row " << c.row;
  }
  d.SetTopRow(0);  // a fixed row cannot be the top row
  EXPECT_EQ(d.TopRow(), 1);
}

// ---- the widget --------------------------------------------------------------

using Events = std::vector<std::string>;
using Ints = std::vector<int>;

class GridWidget : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.resize(600, 400);
    grid.SetCols(4);
    grid.SetRows(30);
    for (int c = 0; c < 4; ++c) grid.SetColWidth(c, 1200);
    for (int r = 0; r < 30; ++r) grid.SetRowHeight(r, 300);
    grid.SetTextMatrix(0, 1, "Freq");
    grid.show();
    grid.OnClick = [this] { events.push_back("click"); };
    grid.OnDblClick = [this] { events.push_back("dblclick"); };
    grid.OnMouseDown = [this](int button, int shift, int, int) {
      events.push_back("down " + std::to_string(button) + " " + std::to_string(shift));
    };
    grid.OnKeyDown = [this](int& code, int shift) {
      events.push_back("keydown " + std::to_string(code) + " " + std::to_string(shift));
      if (code == cancelKey) code = 0;
    };
    grid.OnKeyPress = [this](int& ascii) { events.push_back("press " + std::to_string(ascii)); };
  }

  // Centre of the cell in the view's viewport.
  QPoint CellCentre(int row, int col) {
    QTableView* v = grid.View();
    return v->visualRect(v->model()->index(row - 1, col)).center();
  }

  void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = grid.View()->viewport();
    Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, mods);
    QApplication::sendEvent(target, &event);
  }

  void Click(int row, int col, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    Mouse(QEvent::MouseButtonPress, CellCentre(row, col), Qt::LeftButton, mods);
    Mouse(QEvent::MouseButtonRelease, CellCentre(row, col), Qt::LeftButton, mods);
  }

  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(grid.View(), &event);
  }

  // The current cell and the selection's far corner: Row, Col, RowSel, ColSel.
  std::vector<int> Sel() const { return {grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel()}; }

  MSFlexGrid grid;
  std::vector<std::string> events;
  int cancelKey = -1;
};

TEST_F(GridWidget, HeaderRowIsTheTitlesAndZeroWidthHidesAColumn) {
  QAbstractItemModel* m = grid.View()->model();
  EXPECT_EQ(m->rowCount(), 29);
  EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), "Freq");
  grid.SetTextMatrix(1, 2, "caf\xE9");  // Windows-1252 e acute
  EXPECT_EQ(m->data(m->index(0, 2)).toString(), QString::fromUtf8("caf\u00e9"));
  grid.SetColWidth(2, 0);
  EXPECT_TRUE(grid.View()->isColumnHidden(2));
  EXPECT_EQ(grid.TextMatrix(1, 2), "caf\xE9");
  grid.SetColWidth(2, 1500);
  EXPECT_FALSE(grid.View()->isColumnHidden(2));
  EXPECT_EQ(grid.View()->columnWidth(2), 100);
}

TEST_F(GridWidget, SuspendedRedrawKeepsTheWidgetShownAndFocused) {
  grid.SetFocus();
  grid.SetRedraw(false);
  grid.SetTextMatrix(5, 1, "146.520");
  EXPECT_TRUE(grid.View()->isVisible());
  grid.SetRedraw(true);
  EXPECT_EQ(grid.View()->model()->data(grid.View()->model()->index(4, 1)).toString(), "146.520");
}

// Gestures in order, each from the state the one before left.
TEST_F(GridWidget, MouseGesturesSetTheCurrentCellAndTheSelection) {
  Click(4, 2);
  EXPECT_EQ(Sel(), (Ints{4, 2, 4, 2}));
  EXPECT_EQ(grid.MouseRow(), 4);
  EXPECT_EQ(events, (Events{"down 1 0", "click"}));
  Click(7, 3, Qt::ShiftModifier);  // extends from the current cell
  EXPECT_EQ(Sel(), (Ints{4, 2, 7, 3}));
  Mouse(QEvent::MouseButtonPress, CellCentre(3, 1));  // a drag selects a block
  Mouse(QEvent::MouseMove, CellCentre(6, 3));
  Mouse(QEvent::MouseButtonRelease, CellCentre(6, 3));
  EXPECT_EQ(Sel(), (Ints{3, 1, 6, 3}));
  Click(5, 0);  // the label column selects whole rows
  EXPECT_EQ(Sel(), (Ints{5, 1, 5, 3}));
  Click(8, 0, Qt::ShiftModifier);
  EXPECT_EQ(Sel(), (Ints{5, 1, 8, 3}));
  events.clear();
  Mouse(QEvent::MouseButtonPress, CellCentre(9, 3), Qt::RightButton);  // only records the cell
  EXPECT_EQ(Sel(), (Ints{5, 1, 8, 3}));
  EXPECT_EQ(grid.MouseRow(), 9);
  EXPECT_EQ(grid.MouseCol(), 3);
  EXPECT_EQ(events.front(), "down 2 0");
  events.clear();  // a double click is not followed by a second click
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
    Mouse(type, CellCentre(3, 2));
  EXPECT_EQ(events, (Events{"down 1 0", "click", "dblclick"}));
}

TEST_F(GridWidget, KeysFireKeyDownAndKeyPressInClassicCodes) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    QString text;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {Qt::Key_Delete, Qt::NoModifier, "", {"keydown 46 0"}},
      {Qt::Key_Return, Qt::NoModifier, "\r", {"keydown 13 0", "press 13"}},
      {Qt::Key_C, Qt::ControlModifier, "", {"keydown 67 2", "press 3"}},
      {Qt::Key_V, Qt::ControlModifier, "\x16", {"keydown 86 2", "press 22"}},
      {Qt::Key_5, Qt::NoModifier, "5", {"keydown 53 0", "press 53"}},
      {Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), {"press 233"}},  // no key code
      {Qt::Key_A, Qt::ShiftModifier, "A", {"keydown 65 1", "press 65"}},
  };
  // Ctrl+C is the program's own command: Qt's copy must not run.
  grid.SetTextMatrix(1, 1, "146.520");
  QApplication::clipboard()->setText("before");
  for (const Case& c : cases) {
    events.clear();
    Key(c.key, c.mods, c.text);
    EXPECT_EQ(events, c.expected) << c.key;
  }
  EXPECT_EQ(QApplication::clipboard()->text(), "before");
}

TEST_F(GridWidget, ArrowsMoveTheCurrentCellAndShiftExtends) {
  grid.SetRow(5);
  grid.SetCol(2);
  Key(Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 6);
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);  // last column: stays
  EXPECT_EQ(grid.Col(), 3);
  Key(Qt::Key_Up, Qt::ShiftModifier);
  Key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(grid.Row(), 6);
  EXPECT_EQ(grid.RowSel(), 4);
  cancelKey = vbKeyDown;  // a KeyDown handler that takes the key stops the move
  Key(Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 6);
  grid.SetRow(1);
  Key(Qt::Key_Up);  // never into the header row
  EXPECT_EQ(grid.Row(), 1);
  grid.SetCol(1);
  Key(Qt::Key_Left);  // nor into the label column
  EXPECT_EQ(grid.Col(), 1);
  grid.SetColWidth(2, 0);
  Key(Qt::Key_Right);  // hidden columns are skipped
  EXPECT_EQ(grid.Col(), 3);
}

TEST_F(GridWidget, TopRowScrollsAndDecidesRowVisibility) {
  int scrolls = 0;
  grid.OnScroll = [&] { ++scrolls; };
  EXPECT_FALSE(grid.RowIsVisible(25));
  grid.SetTopRow(10);
  EXPECT_EQ(grid.View()->verticalScrollBar()->value(), 9);
  EXPECT_FALSE(grid.RowIsVisible(9));
  EXPECT_TRUE(grid.RowIsVisible(0));
  EXPECT_EQ(scrolls, 1);
  // Scrolling the view moves TopRow and fires the event.
  grid.View()->verticalScrollBar()->setValue(2);
  EXPECT_EQ(grid.TopRow(), 3);
  EXPECT_EQ(scrolls, 2);
}

TEST_F(GridWidget, CellGeometryIsInTwipsInsideTheControl) {
  grid.SetRow(3);
  grid.SetCol(2);
  const int frame = grid.View()->frameWidth() * kTwipsPerPixel;
  EXPECT_EQ(grid.CellWidth(), 1200);
  EXPECT_EQ(grid.CellHeight(), 300);
  EXPECT_EQ(grid.CellLeft(), frame + 2 * 1200);
  EXPECT_EQ(grid.CellTop(), frame + 300 + 2 * 300);  // header, rows 1 and 2
  grid.SetTopRow(2);
  EXPECT_EQ(grid.CellTop(), frame + 300 + 300);
}

TEST_F(GridWidget, ShowCellScrollsOnlyWhenTheCellIsOutOfSight) {
  int scrolls = 0;
  grid.OnScroll = [&] { ++scrolls; };
  // Steps in order; the view shows about 18 of the 29 rows below the header.
  struct Step {
    int row, col;
    bool scrolls;
  };
  const Step steps[] = {
      {5, 2, false},                                  // in sight
      {29, 3, true},                                  // below: brought in at the bottom
      {29, 3, false}, {0, 1, false},                  // the header is always in sight
      {30, 1, false}, {-1, 1, false}, {3, 9, false},  // no such cell
      {2, 1, true},                                   // above: brought in at the top
  };
  for (const Step& s : steps) {
    const int before = scrolls;
    grid.ShowCell(s.row, s.col);
    EXPECT_EQ(scrolls - before, s.scrolls ? 1 : 0) << s.row << "," << s.col;
    if (s.row >= 1 && s.row < grid.Rows() && s.col < grid.Cols()) {
      EXPECT_TRUE(grid.RowIsVisible(s.row)) << s.row;
    }
  }
  EXPECT_EQ(grid.TopRow(), 2);
}

}  // namespace
