#pragma once
// The row counter of the start-position controls: "+" and "-" step it
// through rows 1 to `last`, wrapping at either end.

inline int StepSpinRow(int row, int delta, int last) {
  row += delta;
  if (row > last) return 1;
  if (row < 1) return last;
  return row;
}
