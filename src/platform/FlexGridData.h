#pragma once
// The state of a flex grid as plain data: a table of text cells with fixed
// rows and columns, a current cell and the opposite corner of the selected
// block, the first scrollable row shown, and sizes in twips. MSFlexGrid shows
// it on screen; everything here runs without widgets, so row commands can be
// tested on it directly.
//
// Rows and columns are 0-based; with one fixed row and one fixed column, row
// 0 holds the column headers and column 0 the row labels. Cell texts are
// Windows-1252 bytes. Reads outside the table give "", writes outside it and
// out-of-range property values are ignored, so the state is always valid.

#include <string>
#include <utility>
#include <vector>

// Twips are the classic layout unit: 1440 to the inch, 15 to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

// Column alignment codes, as the control numbers them.
enum FlexAlignment : int {
  flexAlignLeftTop = 0,
  flexAlignLeftCenter = 1,
  flexAlignLeftBottom = 2,
  flexAlignCenterTop = 3,
  flexAlignCenterCenter = 4,
  flexAlignCenterBottom = 5,
  flexAlignRightTop = 6,
  flexAlignRightCenter = 7,
  flexAlignRightBottom = 8,
  flexAlignGeneral = 9,
};

// When selected cells are drawn highlighted.
enum FlexHighLight : int {
  flexHighlightNever = 0,
  flexHighlightAlways = 1,
  flexHighlightWithFocus = 2,
};

class FlexGridData {
 public:
  static constexpr int kDefaultColWidth = 960;   // twips
  static constexpr int kDefaultRowHeight = 240;  // twips

  FlexGridData();

  // ---- shape ----
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  // Cells of rows/columns that remain keep their text; new ones are empty.
  // At least one row and one column always remain; the fixed counts shrink
  // when needed so that they stay below the totals.
  void SetRows(int n);
  void SetCols(int n);
  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }
  void SetFixedRows(int n);  // 0 .. Rows - 1
  void SetFixedCols(int n);  // 0 .. Cols - 1

  // ---- cells ----
  const std::string& TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, std::string text);
  // The current cell's text.
  const std::string& Text() const { return TextMatrix(row_, col_); }
  void SetText(std::string text) { SetTextMatrix(row_, col_, std::move(text)); }
  // Empties every cell, fixed ones included; shape and sizes stay.
  void Clear();

  // ---- current cell and selection ----
  int Row() const { return row_; }
  int Col() const { return col_; }
  int RowSel() const { return rowSel_; }
  int ColSel() const { return colSel_; }
  // Setting Row or Col collapses the selection to the new current cell.
  // Any row or column of the table is accepted, fixed ones included.
  void SetRow(int row);
  void SetCol(int col);
  // Move the opposite corner; the current cell stays.
  void SetRowSel(int row);
  void SetColSel(int col);
  // The selected block, corners ordered.
  int SelTop() const { return row_ < rowSel_ ? row_ : rowSel_; }
  int SelBottom() const { return row_ < rowSel_ ? rowSel_ : row_; }
  int SelLeft() const { return col_ < colSel_ ? col_ : colSel_; }
  int SelRight() const { return col_ < colSel_ ? colSel_ : col_; }
  bool IsSelected(int row, int col) const;
  bool IsSingleCell() const { return row_ == rowSel_ && col_ == colSel_; }

  // ---- scrolling ----
  // The first scrollable row shown: FixedRows .. Rows - 1 (FixedRows when
  // every row is fixed).
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  // Whether any part of `row` lies within a window `clientHeight` twips high,
  // fixed rows at the top, scrollable rows from TopRow on.
  bool RowIsVisible(int row, int clientHeight) const;

  // ---- sizes and looks ----
  int ColWidth(int col) const;  // twips; 0 = hidden
  void SetColWidth(int col, int twips);
  int RowHeight(int row) const;  // twips
  void SetRowHeight(int row, int twips);
  int ColAlignment(int col) const;
  void SetColAlignment(int col, int alignment);
  int HighLight() const { return highLight_; }
  void SetHighLight(int mode);
  // Left edge of `col` and top edge of `row` in twips, as if nothing were
  // scrolled horizontally and rows from TopRow on follow the fixed rows.
  // A scrollable row above TopRow gives a negative top.
  int ColLeft(int col) const;
  int RowTop(int row) const;

  // ---- mouse ----
  // The cell under the mouse at its last press or move over the grid.
  int MouseRow() const { return mouseRow_; }
  int MouseCol() const { return mouseCol_; }
  void SetMouseCell(int row, int col);

 private:
  bool ValidRow(int row) const { return row >= 0 && row < rows_; }
  bool ValidCol(int col) const { return col >= 0 && col < cols_; }
  void ClampPositions();

  int rows_ = 2;
  int cols_ = 2;
  int fixedRows_ = 1;
  int fixedCols_ = 1;
  std::vector<std::vector<std::string>> cells_;  // [row][col]
  std::vector<int> colWidth_;
  std::vector<int> colAlignment_;
  std::vector<int> rowHeight_;
  int row_ = 1;
  int col_ = 1;
  int rowSel_ = 1;
  int colSel_ = 1;
  int topRow_ = 1;
  int highLight_ = flexHighlightAlways;
  int mouseRow_ = 0;
  int mouseCol_ = 0;
};
