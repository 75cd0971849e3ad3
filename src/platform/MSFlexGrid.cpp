#include "platform/MSFlexGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "platform/Cp1252.h"
#include "platform/VbKeys.h"

namespace {

int ToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

Qt::Alignment QtAlignment(int flexAlignment) {
  switch (flexAlignment) {
    case flexAlignLeftTop:
      return Qt::AlignLeft | Qt::AlignTop;
    case flexAlignLeftBottom:
      return Qt::AlignLeft | Qt::AlignBottom;
    case flexAlignCenterTop:
      return Qt::AlignHCenter | Qt::AlignTop;
    case flexAlignCenterCenter:
      return Qt::AlignCenter;
    case flexAlignCenterBottom:
      return Qt::AlignHCenter | Qt::AlignBottom;
    case flexAlignRightTop:
      return Qt::AlignRight | Qt::AlignTop;
    case flexAlignRightCenter:
      return Qt::AlignRight | Qt::AlignVCenter;
    case flexAlignRightBottom:
      return Qt::AlignRight | Qt::AlignBottom;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;  // left-centre and general
  }
}

int VbButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

}  // namespace

// The model shows grid row 0 as the horizontal header when there is a fixed
// row; model row m is grid row m + 1 then. Columns map one to one, so the
// label column is an ordinary model column drawn in the fixed colour.
class MSFlexGrid::GridModel : public QAbstractTableModel {
 public:
  explicit GridModel(MSFlexGrid& grid) : grid_(grid) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : grid_.Rows() - grid_.HeaderRows();
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : grid_.Cols();
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const int row = index.row() + grid_.HeaderRows();
    const int col = index.column();
    const FlexGridData& d = grid_.data_;
    const bool fixed = row < d.FixedRows() || col < d.FixedCols();
    switch (role) {
      case Qt::DisplayRole:
        return FromCp1252(d.TextMatrix(row, col));
      case Qt::TextAlignmentRole:
        return QVariant::fromValue(QtAlignment(d.ColAlignment(col)));
      case Qt::BackgroundRole:
        if (fixed) return grid_.palette().brush(QPalette::Button);
        if (grid_.HighlightShown() && d.IsSelected(row, col))
          return grid_.palette().brush(QPalette::Highlight);
        return {};
      case Qt::ForegroundRole:
        if (fixed) return grid_.palette().brush(QPalette::ButtonText);
        if (grid_.HighlightShown() && d.IsSelected(row, col))
          return grid_.palette().brush(QPalette::HighlightedText);
        return {};
      default:
        return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || grid_.HeaderRows() == 0) return {};
    if (role == Qt::DisplayRole) return FromCp1252(grid_.data_.TextMatrix(0, section));
    if (role == Qt::TextAlignmentRole)
      return QVariant::fromValue(QtAlignment(grid_.data_.ColAlignment(section)));
    return {};
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
  }

  void BeginReset() { beginResetModel(); }
  void EndReset() { endResetModel(); }
  void HeaderChanged(int col) { emit headerDataChanged(Qt::Horizontal, col, col); }

 private:
  MSFlexGrid& grid_;
};

// The view draws the model and hands every mouse press and key to the grid.
class MSFlexGrid::GridView : public QTableView {
 public:
  explicit GridView(MSFlexGrid& grid) : QTableView(&grid), grid_(grid) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setAutoScroll(false);  // moving the current cell by code must not scroll
    setDragEnabled(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->viewport()->installEventFilter(this);
  }

  void UpdateLayout() { updateGeometries(); }

  // The grid cell at a point of the viewport or header; -1 when none.
  void CellAt(QPoint pos, bool inHeader, int& row, int& col) const {
    col = inHeader ? horizontalHeader()->logicalIndexAt(pos.x()) : columnAt(pos.x());
    if (inHeader) {
      row = 0;
    } else {
      const int m = rowAt(pos.y());
      row = m < 0 ? -1 : m + grid_.HeaderRows();
    }
  }

  void keyboardSearch(const QString&) override {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != horizontalHeader()->viewport()) return QTableView::eventFilter(watched, event);
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::MouseButtonRelease:
        Mouse(static_cast<QMouseEvent*>(event), true);
        return true;
      default:
        return QTableView::eventFilter(watched, event);
    }
  }

  void mousePressEvent(QMouseEvent* event) override { Mouse(event, false); }
  void mouseMoveEvent(QMouseEvent* event) override { Mouse(event, false); }
  void mouseReleaseEvent(QMouseEvent* event) override { Mouse(event, false); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { Mouse(event, false); }
  void keyPressEvent(QKeyEvent* event) override { grid_.KeyPressed(event); }

  void focusInEvent(QFocusEvent* event) override {
    QTableView::focusInEvent(event);
    if (grid_.HighLight() == flexHighlightWithFocus) grid_.Repaint();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QTableView::focusOutEvent(event);
    if (grid_.HighLight() == flexHighlightWithFocus) grid_.Repaint();
  }

  void scrollContentsBy(int dx, int dy) override {
    QTableView::scrollContentsBy(dx, dy);
    grid_.ScrolledByUser();
  }

 private:
  void Mouse(QMouseEvent* event, bool inHeader) {
    QWidget* source = inHeader ? horizontalHeader()->viewport() : viewport();
    const QPoint pos = event->position().toPoint();
    int row = -1;
    int col = -1;
    CellAt(pos, inHeader, row, col);
    event->accept();
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        grid_.MousePress(row, col, event->button(), event->modifiers(), source->mapTo(&grid_, pos));
        break;
      case QEvent::MouseButtonDblClick:
        grid_.MouseDoubleClick(row, col, event->button());
        break;
      case QEvent::MouseMove:
        if (!inHeader && (event->buttons() & Qt::LeftButton)) {
          // Dragging past the top or bottom edge scrolls one row at a time.
          QScrollBar* bar = verticalScrollBar();
          if (pos.y() < 0) bar->setValue(bar->value() - 1);
          if (pos.y() >= viewport()->height()) bar->setValue(bar->value() + 1);
          if (row < 0 && pos.y() >= viewport()->height()) {
            const int m = rowAt(viewport()->height() - 1);
            if (m >= 0) row = m + grid_.HeaderRows();
          }
        }
        grid_.MouseMove(row, col, event->buttons());
        break;
      case QEvent::MouseButtonRelease:
        grid_.MouseRelease();
        break;
      default:
        break;
    }
  }

  MSFlexGrid& grid_;
};

MSFlexGrid::MSFlexGrid(QWidget* parent) : QWidget(parent) {
  setContextMenuPolicy(Qt::PreventContextMenu);
  model_ = std::make_unique<GridModel>(*this);
  view_ = new GridView(*this);
  view_->setModel(model_.get());
  setFocusProxy(view_);
  SyncSizes();
}

MSFlexGrid::~MSFlexGrid() {
  // The view goes first: it must not outlive the model it shows.
  delete view_;
  view_ = nullptr;
}

QTableView* MSFlexGrid::View() const { return view_; }

void MSFlexGrid::SetRows(int n) {
  model_->BeginReset();
  data_.SetRows(n);
  model_->EndReset();
  SyncSizes();
  SelectionChanged();
}

void MSFlexGrid::SetCols(int n) {
  model_->BeginReset();
  data_.SetCols(n);
  model_->EndReset();
  SyncSizes();
  SelectionChanged();
}

void MSFlexGrid::SetFixedRows(int n) {
  model_->BeginReset();
  data_.SetFixedRows(n);
  model_->EndReset();
  view_->horizontalHeader()->setVisible(HeaderRows() > 0);
  SyncSizes();
  SelectionChanged();
}

void MSFlexGrid::SetFixedCols(int n) {
  data_.SetFixedCols(n);
  Repaint();
}

void MSFlexGrid::SetTextMatrix(int row, int col, const std::string& text) {
  data_.SetTextMatrix(row, col, text);
  if (row == 0 && HeaderRows() > 0) model_->HeaderChanged(col);
  Repaint();
}

void MSFlexGrid::Clear() {
  data_.Clear();
  for (int c = 0; c < Cols() && HeaderRows() > 0; ++c) model_->HeaderChanged(c);
  Repaint();
}

void MSFlexGrid::SetRow(int row) {
  data_.SetRow(row);
  SelectionChanged();
}

void MSFlexGrid::SetCol(int col) {
  data_.SetCol(col);
  SelectionChanged();
}

void MSFlexGrid::SetRowSel(int row) {
  data_.SetRowSel(row);
  SelectionChanged();
}

void MSFlexGrid::SetColSel(int col) {
  data_.SetColSel(col);
  SelectionChanged();
}

void MSFlexGrid::SetTopRow(int row) {
  const int before = data_.TopRow();
  data_.SetTopRow(row);
  SyncTopRow();
  if (data_.TopRow() != before && OnScroll) OnScroll();
}

bool MSFlexGrid::RowIsVisible(int row) const {
  return data_.RowIsVisible(row, ClientHeightTwips());
}

void MSFlexGrid::ShowCell(int row, int col) {
  if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) return;
  // A fixed row never scrolls out of sight: only the column is brought in.
  const int shownRow = (row < FixedRows() ? TopRow() : row) - HeaderRows();
  view_->scrollTo(model_->index(shownRow, col), QAbstractItemView::EnsureVisible);
}

void MSFlexGrid::SetColWidth(int col, int twips) {
  data_.SetColWidth(col, twips);
  if (col < 0 || col >= Cols()) return;
  view_->setColumnHidden(col, data_.ColWidth(col) == 0);
  if (data_.ColWidth(col) > 0) view_->setColumnWidth(col, ToPixels(data_.ColWidth(col)));
}

void MSFlexGrid::SetRowHeight(int row, int twips) {
  data_.SetRowHeight(row, twips);
  if (row < 0 || row >= Rows()) return;
  if (row < HeaderRows())
    view_->horizontalHeader()->setFixedHeight(HeaderHeightPx());
  else
    view_->setRowHeight(row - HeaderRows(), ToPixels(data_.RowHeight(row)));
}

void MSFlexGrid::SetColAlignment(int col, int alignment) {
  data_.SetColAlignment(col, alignment);
  if (HeaderRows() > 0 && col >= 0 && col < Cols()) model_->HeaderChanged(col);
  Repaint();
}

void MSFlexGrid::SetHighLight(int mode) {
  data_.SetHighLight(mode);
  Repaint();
}

int MSFlexGrid::CellLeft() const {
  const int frame = view_->frameWidth();
  return (frame + view_->columnViewportPosition(Col())) * kTwipsPerPixel;
}

int MSFlexGrid::CellTop() const {
  const int frame = view_->frameWidth();
  if (Row() < HeaderRows()) return frame * kTwipsPerPixel;
  const int y = view_->rowViewportPosition(Row() - HeaderRows());
  return (frame + HeaderHeightPx() + y) * kTwipsPerPixel;
}

int MSFlexGrid::CellWidth() const { return view_->columnWidth(Col()) * kTwipsPerPixel; }

int MSFlexGrid::CellHeight() const {
  if (Row() < HeaderRows()) return HeaderHeightPx() * kTwipsPerPixel;
  return view_->rowHeight(Row() - HeaderRows()) * kTwipsPerPixel;
}

void MSFlexGrid::SetRedraw(bool redraw) {
  if (redraw == redraw_) return;
  redraw_ = redraw;
  view_->setUpdatesEnabled(redraw);
  if (redraw) {
    SyncTopRow();
    SelectionChanged();
  }
}

void MSFlexGrid::SetFocus() { view_->setFocus(Qt::OtherFocusReason); }

void MSFlexGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  view_->setGeometry(rect());
}

void MSFlexGrid::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  view_->setGeometry(rect());
  SyncTopRow();
}

int MSFlexGrid::HeaderHeightPx() const {
  return HeaderRows() > 0 ? ToPixels(data_.RowHeight(0)) : 0;
}

int MSFlexGrid::ClientHeightTwips() const {
  int px = height() - 2 * view_->frameWidth();
  if (view_->horizontalScrollBar()->isVisible()) px -= view_->horizontalScrollBar()->height();
  return std::max(0, px) * kTwipsPerPixel;
}

bool MSFlexGrid::HighlightShown() const {
  if (data_.IsSingleCell()) return false;  // a single cell shows only the focus mark
  switch (data_.HighLight()) {
    case flexHighlightAlways:
      return true;
    case flexHighlightWithFocus:
      return view_->hasFocus();
    default:
      return false;
  }
}

void MSFlexGrid::Repaint() {
  if (!redraw_) return;
  view_->viewport()->update();
  view_->horizontalHeader()->viewport()->update();
}

// Puts the view's focus mark on the current cell (without scrolling) and
// repaints the highlight.
void MSFlexGrid::SelectionChanged() {
  if (!redraw_) return;
  const int m = Row() - HeaderRows();
  const QModelIndex current = model_->index(m, Col());
  if (QItemSelectionModel* sel = view_->selectionModel())
    sel->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  Repaint();
}

void MSFlexGrid::SyncSizes() {
  view_->horizontalHeader()->setVisible(HeaderRows() > 0);
  if (HeaderRows() > 0) view_->horizontalHeader()->setFixedHeight(HeaderHeightPx());
  for (int c = 0; c < Cols(); ++c) {
    view_->setColumnHidden(c, data_.ColWidth(c) == 0);
    if (data_.ColWidth(c) > 0) view_->setColumnWidth(c, ToPixels(data_.ColWidth(c)));
  }
  // Most rows share one height: make it the default and size the others.
  const int first = HeaderRows();
  if (first < Rows()) {
    const int common = data_.RowHeight(first);
    view_->verticalHeader()->setDefaultSectionSize(ToPixels(common));
    for (int r = first; r < Rows(); ++r) {
      if (data_.RowHeight(r) != common)
        view_->setRowHeight(r - first, ToPixels(data_.RowHeight(r)));
      else if (view_->rowHeight(r - first) != ToPixels(common))
        view_->setRowHeight(r - first, ToPixels(common));
    }
  }
  SyncTopRow();
}

// Scrolls the view so that TopRow is the first scrollable row shown. While
// the view is shown the scroll bar has the last word (it cannot scroll past
// the end of the table), and TopRow takes what it allowed.
void MSFlexGrid::SyncTopRow() {
  if (!redraw_) return;
  applyingScroll_ = true;
  view_->UpdateLayout();
  QScrollBar* bar = view_->verticalScrollBar();
  bar->setValue(data_.TopRow() - HeaderRows());
  if (view_->isVisible()) data_.SetTopRow(bar->value() + HeaderRows());
  applyingScroll_ = false;
}

void MSFlexGrid::ScrolledByUser() {
  if (applyingScroll_) return;
  const int top = view_->verticalScrollBar()->value() + HeaderRows();
  data_.SetTopRow(std::max(top, data_.FixedRows()));
  if (OnScroll) OnScroll();
}

void MSFlexGrid::MousePress(int row, int col, Qt::MouseButton button, Qt::KeyboardModifiers mods,
                            QPoint posInGrid) {
  view_->setFocus(Qt::MouseFocusReason);
  data_.SetMouseCell(row, col);
  pressed_ = true;
  suppressClick_ = false;
  const bool extend = mods & Qt::ShiftModifier;
  const int lastRow = Rows() - 1;
  const int lastCol = Cols() - 1;
  drag_ = DragMode::None;
  if (button == Qt::LeftButton && row >= 0 && col >= 0) {
    const bool fixedRow = row < FixedRows();
    const bool fixedCol = col < FixedCols();
    if (!fixedRow && !fixedCol) {
      drag_ = DragMode::Cells;
      if (extend) {
        data_.SetRowSel(row);
        data_.SetColSel(col);
      } else {
        data_.SetRow(row);
        data_.SetCol(col);
      }
    } else if (fixedCol && !fixedRow) {
      // A press on a row label selects whole rows.
      drag_ = DragMode::Rows;
      if (!extend) data_.SetRow(row);
      data_.SetCol(FixedCols());
      data_.SetRowSel(row);
      data_.SetColSel(lastCol);
    } else if (fixedRow && !fixedCol) {
      // A press on a column header selects the whole column.
      drag_ = DragMode::Cols;
      if (!extend) {
        data_.SetRow(FixedRows());
        data_.SetCol(col);
      }
      data_.SetRowSel(lastRow);
      data_.SetColSel(col);
    }
    SelectionChanged();
  }
  if (OnMouseDown)
    OnMouseDown(VbButton(button), VbShiftOf(mods), posInGrid.x() * kTwipsPerPixel,
                posInGrid.y() * kTwipsPerPixel);
}

void MSFlexGrid::MouseMove(int row, int col, Qt::MouseButtons buttons) {
  data_.SetMouseCell(row, col);
  if (!pressed_ || !(buttons & Qt::LeftButton)) return;
  const int r = std::max(row, FixedRows());
  const int c = std::max(col, FixedCols());
  switch (drag_) {
    case DragMode::Cells:
      if (row >= 0) data_.SetRowSel(r);
      if (col >= 0) data_.SetColSel(c);
      break;
    case DragMode::Rows:
      if (row >= 0) data_.SetRowSel(r);
      break;
    case DragMode::Cols:
      if (col >= 0) data_.SetColSel(c);
      break;
    case DragMode::None:
      return;
  }
  SelectionChanged();
}

void MSFlexGrid::MouseRelease() {
  const bool fire = pressed_ && !suppressClick_;
  pressed_ = false;
  suppressClick_ = false;
  drag_ = DragMode::None;
  if (fire && OnClick) OnClick();
}

// The second press of a double-click: no second MouseDown and, at its
// release, no second Click, so a handler that opens an editor on the
// double-click does not see it closed again by the click.
void MSFlexGrid::MouseDoubleClick(int row, int col, Qt::MouseButton button) {
  data_.SetMouseCell(row, col);
  pressed_ = true;
  suppressClick_ = true;
  if (button == Qt::LeftButton && OnDblClick) OnDblClick();
}

void MSFlexGrid::KeyPressed(QKeyEvent* event) {
  event->accept();
  int keyCode = VbKeyCodeOf(*event);
  const int shift = VbShiftOf(event->modifiers());
  if (keyCode != 0 && OnKeyDown) OnKeyDown(keyCode, shift);
  if (keyCode != 0) MoveByKey(keyCode, shift);
  int ascii = VbKeyAsciiOf(*event);
  if (ascii != 0 && OnKeyPress) OnKeyPress(ascii);
}

// Arrow keys, Page Up/Down and Home/End move the current cell among the
// scrollable cells; with Shift they move the selection's other corner.
void MSFlexGrid::MoveByKey(int keyCode, int shift) {
  const bool extend = shift & vbShiftMask;
  const bool ctrl = shift & vbCtrlMask;
  const int firstRow = FixedRows();
  const int firstCol = FixedCols();
  const int lastRow = Rows() - 1;
  const int lastCol = Cols() - 1;
  if (firstRow > lastRow || firstCol > lastCol) return;
  int row = extend ? RowSel() : Row();
  int col = extend ? ColSel() : Col();
  int page = 0;
  for (int r = TopRow(); r <= lastRow && RowIsVisible(r); ++r) ++page;
  page = std::max(1, page - 1);
  // Skips hidden columns when moving left or right.
  auto stepCol = [&](int from, int dir) {
    for (int c = from + dir; c >= firstCol && c <= lastCol; c += dir)
      if (ColWidth(c) > 0) return c;
    return from;
  };
  switch (keyCode) {
    case vbKeyUp:
      --row;
      break;
    case vbKeyDown:
      ++row;
      break;
    case vbKeyLeft:
      col = stepCol(col, -1);
      break;
    case vbKeyRight:
      col = stepCol(col, +1);
      break;
    case vbKeyPageUp:
      row -= page;
      break;
    case vbKeyPageDown:
      row += page;
      break;
    case vbKeyHome:
      if (ctrl) row = firstRow;
      col = stepCol(firstCol - 1, +1);
      break;
    case vbKeyEnd:
      if (ctrl) row = lastRow;
      col = stepCol(lastCol + 1, -1);
      break;
    default:
      return;
  }
  row = std::clamp(row, firstRow, lastRow);
  col = std::clamp(col, firstCol, lastCol);
  if (extend) {
    data_.SetRowSel(row);
    data_.SetColSel(col);
  } else {
    data_.SetRow(row);
    data_.SetCol(col);
  }
  SelectionChanged();
  // Bring the moved corner into view; the scroll updates TopRow.
  view_->scrollTo(model_->index(row - HeaderRows(), col), QAbstractItemView::EnsureVisible);
}
