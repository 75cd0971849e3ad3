#pragma once
// Stops the grid repainting while a command rewrites many cells, so it is
// redrawn once at the end. The grid stays shown: hiding it would take the
// focus from an open cell editor and run its leaving rules.

#include "platform/MSFlexGrid.h"

class GridRedrawPause {
 public:
  explicit GridRedrawPause(MSFlexGrid& grid) : grid_(grid), was_(grid.Redraw()) {
    grid_.SetRedraw(false);
  }
  ~GridRedrawPause() { grid_.SetRedraw(was_); }
  GridRedrawPause(const GridRedrawPause&) = delete;
  GridRedrawPause& operator=(const GridRedrawPause&) = delete;

 private:
  MSFlexGrid& grid_;
  bool was_;
};
