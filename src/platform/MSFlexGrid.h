#pragma once
// A flex grid: a table of text cells with a fixed header row and label
// column, a current cell and a block selection, sizes in twips, and the
// classic events (click, double-click, key down, key press, mouse down,
// scroll). The state lives in a FlexGridData; this widget shows it through a
// table model and view and turns mouse and keys into changes of that state
// plus the events.
//
// Qt's own item behaviour is switched off: no edit triggers, no keyboard
// search, no copy shortcut and no selection model of its own; the owner's
// event handlers decide what every key does. Suspending the redraw while the
// table is rebuilt leaves the widget visible (hiding it would move the focus
// and run the focus-out handlers of whatever editor floats over it).

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "platform/FlexGridData.h"

class QKeyEvent;
class QTableView;

class MSFlexGrid : public QWidget {
 public:
  explicit MSFlexGrid(QWidget* parent = nullptr);
  ~MSFlexGrid() override;
  MSFlexGrid(const MSFlexGrid&) = delete;
  MSFlexGrid& operator=(const MSFlexGrid&) = delete;

  // ---- shape ----
  int Rows() const { return data_.Rows(); }
  void SetRows(int n);
  int Cols() const { return data_.Cols(); }
  void SetCols(int n);
  int FixedRows() const { return data_.FixedRows(); }
  void SetFixedRows(int n);
  int FixedCols() const { return data_.FixedCols(); }
  void SetFixedCols(int n);

  // ---- cells (Windows-1252 bytes) ----
  const std::string& TextMatrix(int row, int col) const { return data_.TextMatrix(row, col); }
  void SetTextMatrix(int row, int col, const std::string& text);
  const std::string& Text() const { return data_.Text(); }
  void SetText(const std::string& text) { SetTextMatrix(Row(), Col(), text); }
  // Empties every cell, headers and labels included.
  void Clear();

  // ---- current cell and selection ----
  int Row() const { return data_.Row(); }
  void SetRow(int row);  // collapses the selection to the new current cell
  int Col() const { return data_.Col(); }
  void SetCol(int col);  // collapses the selection to the new current cell
  int RowSel() const { return data_.RowSel(); }
  void SetRowSel(int row);
  int ColSel() const { return data_.ColSel(); }
  void SetColSel(int col);

  // ---- scrolling ----
  int TopRow() const { return data_.TopRow(); }
  void SetTopRow(int row);
  // Whether the row is shown, at least partly, in the grid's window.
  bool RowIsVisible(int row) const;
  // Scrolls the least that shows the cell whole (as far as it fits), for an
  // editor about to float over it; fires Scroll when the shown part moves.
  void ShowCell(int row, int col);

  // ---- sizes (twips) and looks ----
  int ColWidth(int col) const { return data_.ColWidth(col); }
  void SetColWidth(int col, int twips);  // 0 hides the column
  int RowHeight(int row) const { return data_.RowHeight(row); }
  void SetRowHeight(int row, int twips);
  int ColAlignment(int col) const { return data_.ColAlignment(col); }
  void SetColAlignment(int col, int alignment);  // a FlexAlignment
  int HighLight() const { return data_.HighLight(); }
  void SetHighLight(int mode);  // a FlexHighLight

  // The current cell's position and size inside the control, in twips.
  int CellLeft() const;
  int CellTop() const;
  int CellWidth() const;
  int CellHeight() const;

  // The control's own position in its parent and size, in twips.
  int Left() const { return x() * kTwipsPerPixel; }
  int Top() const { return y() * kTwipsPerPixel; }
  int Width() const { return width() * kTwipsPerPixel; }
  int Height() const { return height() * kTwipsPerPixel; }

  // The cell under the mouse at its last press or move.
  int MouseRow() const { return data_.MouseRow(); }
  int MouseCol() const { return data_.MouseCol(); }

  bool Visible() const { return !isHidden(); }
  void SetVisible(bool visible) { setVisible(visible); }
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled) { setEnabled(enabled); }
  // False stops repainting until it is set true again; the widget stays shown.
  bool Redraw() const { return redraw_; }
  void SetRedraw(bool redraw);
  void SetFocus();

  const FlexGridData& Data() const { return data_; }
  // The view inside, for focus handling and for tests that send it input.
  QTableView* View() const;

  // ---- events ----
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  // keyCode and shift as in VbKeys.h; setting keyCode to 0 stops the grid's
  // own handling of the key (moving the current cell).
  std::function<void(int& keyCode, int shift)> OnKeyDown;
  // A typed character; the grid itself does nothing with characters.
  std::function<void(int& keyAscii)> OnKeyPress;
  // button: 1 left, 2 right, 4 middle; x and y in twips inside the control.
  std::function<void(int button, int shift, int x, int y)> OnMouseDown;
  // The shown part of the table moved (scroll bar, wheel, keys, TopRow).
  std::function<void()> OnScroll;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  class GridModel;
  class GridView;
  friend class GridModel;
  friend class GridView;

  enum class DragMode { None, Cells, Rows, Cols };

  // Input from the view: row/col of the hit cell (-1 when none).
  void MousePress(int row, int col, Qt::MouseButton button, Qt::KeyboardModifiers mods,
                  QPoint posInGrid);
  void MouseMove(int row, int col, Qt::MouseButtons buttons);
  void MouseRelease();
  void MouseDoubleClick(int row, int col, Qt::MouseButton button);
  void KeyPressed(QKeyEvent* event);
  void MoveByKey(int keyCode, int shift);
  void ScrolledByUser();

  int HeaderRows() const { return data_.FixedRows() > 0 ? 1 : 0; }
  int HeaderHeightPx() const;
  int ClientHeightTwips() const;
  bool HighlightShown() const;
  void SelectionChanged();
  void SyncSizes();
  void SyncTopRow();
  void Repaint();

  FlexGridData data_;
  std::unique_ptr<GridModel> model_;
  GridView* view_ = nullptr;
  bool redraw_ = true;
  bool applyingScroll_ = false;
  bool suppressClick_ = false;
  bool pressed_ = false;
  DragMode drag_ = DragMode::None;
};
