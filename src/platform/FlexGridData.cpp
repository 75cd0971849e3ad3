#include "platform/FlexGridData.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

FlexGridData::FlexGridData() {
  cells_.assign(rows_, std::vector<std::string>(cols_));
  colWidth_.assign(cols_, kDefaultColWidth);
  colAlignment_.assign(cols_, flexAlignGeneral);
  rowHeight_.assign(rows_, kDefaultRowHeight);
}

void FlexGridData::SetRows(int n) {
  if (n < 1) n = 1;
  rows_ = n;
  cells_.resize(n, std::vector<std::string>(cols_));
  rowHeight_.resize(n, kDefaultRowHeight);
  if (fixedRows_ > n - 1) fixedRows_ = n - 1;
  ClampPositions();
}

void FlexGridData::SetCols(int n) {
  if (n < 1) n = 1;
  cols_ = n;
  for (auto& row : cells_) row.resize(n);
  colWidth_.resize(n, kDefaultColWidth);
  colAlignment_.resize(n, flexAlignGeneral);
  if (fixedCols_ > n - 1) fixedCols_ = n - 1;
  ClampPositions();
}

void FlexGridData::SetFixedRows(int n) {
  if (n < 0 || n >= rows_) return;
  fixedRows_ = n;
  ClampPositions();
}

void FlexGridData::SetFixedCols(int n) {
  if (n < 0 || n >= cols_) return;
  fixedCols_ = n;
  ClampPositions();
}

// Keeps the current cell, the selection corner and the top row inside the
// table after its shape changed.
void FlexGridData::ClampPositions() {
  auto clampTo = [](int v, int lo, int hi) { return std::clamp(v, lo, std::max(lo, hi)); };
  row_ = clampTo(row_, 0, rows_ - 1);
  rowSel_ = clampTo(rowSel_, 0, rows_ - 1);
  col_ = clampTo(col_, 0, cols_ - 1);
  colSel_ = clampTo(colSel_, 0, cols_ - 1);
  topRow_ = clampTo(topRow_, fixedRows_, rows_ - 1);
  mouseRow_ = clampTo(mouseRow_, 0, rows_ - 1);
  mouseCol_ = clampTo(mouseCol_, 0, cols_ - 1);
}

const std::string& FlexGridData::TextMatrix(int row, int col) const {
  if (!ValidRow(row) || !ValidCol(col)) return kEmpty;
  return cells_[row][col];
}

void FlexGridData::SetTextMatrix(int row, int col, std::string text) {
  if (!ValidRow(row) || !ValidCol(col)) return;
  cells_[row][col] = std::move(text);
}

void FlexGridData::Clear() {
  for (auto& row : cells_)
    for (auto& cell : row) cell.clear();
}

void FlexGridData::SetRow(int row) {
  if (!ValidRow(row)) return;
  row_ = rowSel_ = row;
  colSel_ = col_;
}

void FlexGridData::SetCol(int col) {
  if (!ValidCol(col)) return;
  col_ = colSel_ = col;
  rowSel_ = row_;
}

void FlexGridData::SetRowSel(int row) {
  if (ValidRow(row)) rowSel_ = row;
}

void FlexGridData::SetColSel(int col) {
  if (ValidCol(col)) colSel_ = col;
}

bool FlexGridData::IsSelected(int row, int col) const {
  return row >= SelTop() && row <= SelBottom() && col >= SelLeft() && col <= SelRight();
}

void FlexGridData::SetTopRow(int row) {
  if (!ValidRow(row)) return;
  topRow_ = std::max(row, fixedRows_);
  if (topRow_ > rows_ - 1) topRow_ = rows_ - 1;
}

bool FlexGridData::RowIsVisible(int row, int clientHeight) const {
  if (!ValidRow(row)) return false;
  if (row >= fixedRows_ && row < topRow_) return false;
  int top = RowTop(row);
  return top >= 0 && top < clientHeight;
}

int FlexGridData::ColWidth(int col) const { return ValidCol(col) ? colWidth_[col] : 0; }

void FlexGridData::SetColWidth(int col, int twips) {
  if (ValidCol(col)) colWidth_[col] = std::max(0, twips);
}

int FlexGridData::RowHeight(int row) const { return ValidRow(row) ? rowHeight_[row] : 0; }

void FlexGridData::SetRowHeight(int row, int twips) {
  if (ValidRow(row)) rowHeight_[row] = std::max(0, twips);
}

int FlexGridData::ColAlignment(int col) const {
  return ValidCol(col) ? colAlignment_[col] : flexAlignGeneral;
}

void FlexGridData::SetColAlignment(int col, int alignment) {
  if (ValidCol(col) && alignment >= flexAlignLeftTop && alignment <= flexAlignGeneral)
    colAlignment_[col] = alignment;
}

void FlexGridData::SetHighLight(int mode) {
  if (mode >= flexHighlightNever && mode <= flexHighlightWithFocus) highLight_ = mode;
}

int FlexGridData::ColLeft(int col) const {
  int left = 0;
  for (int c = 0; c < col && c < cols_; ++c) left += colWidth_[c];
  return left;
}

int FlexGridData::RowTop(int row) const {
  if (!ValidRow(row)) return 0;
  int top = 0;
  if (row < fixedRows_) {
    for (int r = 0; r < row; ++r) top += rowHeight_[r];
    return top;
  }
  for (int r = 0; r < fixedRows_; ++r) top += rowHeight_[r];
  if (row >= topRow_) {
    for (int r = topRow_; r < row; ++r) top += rowHeight_[r];
  } else {
    for (int r = row; r < topRow_; ++r) top -= rowHeight_[r];
  }
  return top;
}

void FlexGridData::SetMouseCell(int row, int col) {
  if (ValidRow(row)) mouseRow_ = row;
  if (ValidCol(col)) mouseCol_ = col;
}
