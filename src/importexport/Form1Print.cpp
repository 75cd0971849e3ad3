// Printing the channel grid: per page a heading (title, file, date and page)
// above a picture of the page canvas holding that page's rows.

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <memory>

#include "importexport/frmPrintForm.h"
#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"
#include "platform/Cp1252.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"

namespace {

constexpr int kPrintedCols = 9;  // "#" to "Tone"; the comments never print
constexpr int kTitleLeft = 6500;
constexpr int kFileLeft = 650;
constexpr int kDateLeftLandscape = 10000;
constexpr int kDateLeftPortrait = 7000;
constexpr int kPictureLeft = 600;
constexpr int kPictureTop = 900;
constexpr int kPortraitPictureWidth = 11400;
constexpr int kPortraitPictureHeight = 13950;

std::string GeneralDate() {
  const QDateTime now = QDateTime::currentDateTime();
  return ToCp1252(QLocale::system().toString(now, QLocale::ShortFormat));
}

}  // namespace

void Form1::PrintGrid(const MSFlexGrid& pGrid, const std::string& sTitle, bool pHorizontal,
                      int sStart, int sEnd) {
  // Rows past the grid's end do not exist; a range that then holds no row
  // prints nothing.
  sStart = std::max(sStart, 1);
  sEnd = std::min(sEnd, pGrid.Rows() - 1);
  const PrintLayout layout = PlanPrint(sStart, sEnd, pHorizontal);
  if (layout.pages < 1) return;

  std::string error;
  std::unique_ptr<Printer> printer = OpenDefaultPrinter(error);
  if (!printer) {
    MsgBox(error, vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  printer->SetPrintQuality(-4);
  printer->SetOrientation(pHorizontal ? 2 : 1);

  frmPrintForm canvasForm;
  FlexGridData& canvas = canvasForm.MSFlexGrid1;
  canvas.SetFixedCols(0);
  canvas.Clear();
  canvas.SetRows(layout.rowsPerPage);
  canvas.SetCols(kPrintedCols);
  for (int c = 0; c < kPrintedCols; ++c) {
    canvas.SetColWidth(c, MSFlexGrid1->ColWidth(c));
    canvas.SetColAlignment(c, flexAlignLeftCenter);
  }

  const std::string pageOf = " of " + std::to_string(layout.pages);
  // The path is kept native (UTF-8); the printer takes the code page's bytes.
  const std::string filePath = ToCp1252(QString::fromStdString(CurrentFile));
  int r = sStart;
  for (int page = 1; page <= layout.pages; ++page) {
    printer->SetCurrentY(0);
    printer->SetCurrentX(kTitleLeft);
    printer->SetFont("Ariel", 12, true);
    printer->Print(page == 1 ? sTitle : " ");
    printer->Print("");
    printer->SetFont("MS Sans Seriff", 10, false);
    printer->SetCurrentX(kFileLeft);
    printer->Print(filePath);
    printer->Print("");
    printer->SetCurrentX(pHorizontal ? kDateLeftLandscape : kDateLeftPortrait);
    printer->SetCurrentY(0);
    printer->SetFont("MS Sans Seriff", 10, false);
    printer->Print(GeneralDate() + " - Page " + std::to_string(page) + pageOf);

    for (int c = 0; c < kPrintedCols; ++c) canvas.SetTextMatrix(0, c, pGrid.TextMatrix(0, c));
    for (int i = 1; i < layout.rowsPerPage; ++i, ++r) {
      if (r > sEnd) continue;
      for (int c = 0; c < kPrintedCols; ++c) canvas.SetTextMatrix(i, c, pGrid.TextMatrix(r, c));
    }
    canvas.SetRow(0);
    canvas.SetCol(0);
    canvas.SetColSel(0);
    canvas.SetRowSel(0);
    if (pHorizontal) {
      printer->PaintPicture(canvasForm.Picture(), kPictureLeft, kPictureTop);
    } else {
      printer->PaintPicture(canvasForm.Picture(), kPictureLeft, kPictureTop, kPortraitPictureWidth,
                            kPortraitPictureHeight);
    }
    printer->NewPage();
    canvas.Clear();
  }
  if (!printer->EndDoc() || printer->Failed()) {
    MsgBox(printer->ErrorText(), vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  MsgBox(sTitle + vbCrLf + "Printing " + std::to_string(layout.pages) + " pages to " +
             printer->DeviceName(),
         vbOKOnly | vbInformation, printer->Port());
}
