#pragma once
// The page canvas of printing: a grid that is never shown, filled with one
// page's worth of rows at a time and printed as a picture of itself.

#include <QImage>

#include "platform/FlexGridData.h"

// How a print run is cut into pages: the rows a page's table holds (the
// header row included) and the number of pages for the channel rows.
struct PrintLayout {
  int rowsPerPage = 0;
  int pages = 0;
};
PrintLayout PlanPrint(int firstRow, int lastRow, bool landscape);

class frmPrintForm {
 public:
  frmPrintForm();

  // One fixed (header) row, cells in "Fixedsys" 9 point.
  FlexGridData MSFlexGrid1;

  // The whole canvas grid as drawn: every row and column at its size in
  // twips, header row shaded, cell lines, texts as the column alignment
  // says. The picture carries its resolution, so it prints at its own size.
  QImage Picture() const;
};
