#include "importexport/frmPrintForm.h"

#include <QPainter>

#include "platform/Cp1252.h"

namespace {

constexpr int kLandscapeRows = 36;
constexpr int kPortraitRows = 57;
// The picture is drawn finer than the screen so that printed text stays sharp.
constexpr int kPictureDotsPerInch = 240;
constexpr double kTwipsPerInch = 1440.0;
constexpr double kInchesPerMeter = 1 / 0.0254;
// Cell lines as the screen draws them, one screen dot wide.
constexpr int kCellLineTwips = 15;

Qt::Alignment AlignmentOf(int code) {
  static constexpr Qt::Alignment kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  static constexpr Qt::Alignment kVertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  if (code < 0 || code >= flexAlignGeneral) return Qt::AlignLeft | Qt::AlignVCenter;
  return kHorizontal[code / 3] | kVertical[code % 3];
}

}  // namespace

PrintLayout PlanPrint(int firstRow, int lastRow, bool landscape) {
  PrintLayout layout;
  layout.rowsPerPage = landscape ? kLandscapeRows : kPortraitRows;
  const int rows = lastRow - firstRow + 1;
  const int perPage = layout.rowsPerPage - 1;
  layout.pages = rows > 0 ? (rows + perPage - 1) / perPage : 0;
  return layout;
}

frmPrintForm::frmPrintForm() {
  MSFlexGrid1.SetFixedRows(1);
  MSFlexGrid1.SetFixedCols(0);
}

QImage frmPrintForm::Picture() const {
  const FlexGridData& g = MSFlexGrid1;
  const double dotsPerTwip = kPictureDotsPerInch / kTwipsPerInch;
  int widthTwips = 0, heightTwips = 0;
  for (int c = 0; c < g.Cols(); ++c) widthTwips += g.ColWidth(c);
  for (int r = 0; r < g.Rows(); ++r) heightTwips += g.RowHeight(r);
  // Room for the outer lines, which stand half outside the cells.
  widthTwips += kCellLineTwips;
  heightTwips += kCellLineTwips;
  QImage picture(std::max(1, static_cast<int>(widthTwips * dotsPerTwip) + 1),
                 std::max(1, static_cast<int>(heightTwips * dotsPerTwip) + 1),
                 QImage::Format_Grayscale8);
  const int dotsPerMeter = static_cast<int>(kPictureDotsPerInch * kInchesPerMeter + 0.5);
  picture.setDotsPerMeterX(dotsPerMeter);
  picture.setDotsPerMeterY(dotsPerMeter);
  picture.fill(Qt::white);

  QPainter p(&picture);
  p.scale(dotsPerTwip, dotsPerTwip);  // draw in twips
  p.translate(kCellLineTwips / 2.0, kCellLineTwips / 2.0);
  QFont font("Fixedsys");
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(9 * 20);  // 9 points, in the twips the painter draws in
  p.setFont(font);
  const QPen cellLine(QColor(128, 128, 128), kCellLineTwips);
  p.setPen(cellLine);
  const int textInset = 45;
  int y = 0;
  for (int r = 0; r < g.Rows(); ++r) {
    const int h = g.RowHeight(r);
    int x = 0;
    for (int c = 0; c < g.Cols(); ++c) {
      const int w = g.ColWidth(c);
      if (w <= 0) continue;
      const QRect cell(x, y, w, h);
      const bool fixed = r < g.FixedRows() || c < g.FixedCols();
      if (fixed) p.fillRect(cell, QColor(224, 224, 224));
      p.drawRect(cell);
      p.setPen(Qt::black);
      p.drawText(cell.adjusted(textInset, 0, -textInset, 0),
                 AlignmentOf(g.ColAlignment(c)) | Qt::TextSingleLine,
                 FromCp1252(g.TextMatrix(r, c)));
      p.setPen(cellLine);
      x += w;
    }
    y += h;
  }
  return picture;
}
