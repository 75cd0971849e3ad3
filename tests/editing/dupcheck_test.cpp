#include <gtest/gtest.h>

#include <QMenu>
#include <QRadioButton>

#include "editing/frmDupCheck.h"
#include "editing/frmDupReport.h"
#include "editing/memorytools_support.h"
#include "platform/Modal.h"
#include "support/ImagePrinter.h"

namespace {

TEST(DupCheck, ReportAndDeletionsEqualThePairwiseChecks) {
  for (unsigned seed = 1; seed <= 4; ++seed)
    for (int options = 0; options < 4; ++options)
      for (bool deleteMode : {false, true}) {
        const bool noCode = options & 1, noText = options & 2;
        GridForm f;
        memtools::FillRandom(f, seed);
        std::vector<ChannelRow> expected = memtools::Rows(f);
        const std::string report = memtools::PairwiseReport(expected, noCode, noText);
        const int count = deleteMode ? memtools::PairwiseDelete(expected, noCode, noText) : 0;
        MsgBoxScript boxes;
        if (deleteMode) boxes.Answer(vbOK, std::to_string(count) + " duplicate channels deleted.");
        f.form.CheckDups(noCode, noText, deleteMode);
        const std::vector<ChannelRow> got = memtools::Rows(f);
        for (int r = 1; r < kGridRows; ++r) ASSERT_EQ(got[r].Cell, expected[r].Cell) << r;
        if (!deleteMode) {
          ASSERT_FALSE(report.empty());
          EXPECT_EQ(static_cast<frmDupReport*>(f.form.DupReportWindow())->Report(), report);
        }
      }
}

TEST(DupCheck, OneUndoRevertsTheCommandAndCancelStopsSilently) {
  GridForm f;
  memtools::FillRandom(f, 7);
  f.form.EnableGUI();
  const std::vector<std::string> before = f.Cells();
  SetModalRunner([](QDialog& d) {
    auto& dialog = dynamic_cast<frmDupCheck&>(d);
    EXPECT_TRUE(dialog.Option1->isChecked());
    dialog.Option2->setChecked(true);
    dialog.Command1_Click();
    return dialog.result();
  });
  MsgBoxScript boxes;
  boxes.Answer(vbOK, "duplicate channels deleted.");
  f.form.mnuDupCheck_Click();
  SetModalRunner(nullptr);
  ASSERT_NE(f.Cells(), before);
  f.form.Undo();
  EXPECT_EQ(f.Cells(), before);
  for (bool deleteMode : {false, true}) {
    memtools::CancelAtYield cancel(f);
    f.form.CheckDups(false, false, deleteMode);  // no box, no report window
    EXPECT_EQ(cancel.seen, "shown closed;");
    EXPECT_EQ(f.Cells(), before);
    EXPECT_EQ(CancelRequested, 0);
  }
  EXPECT_FALSE(f.form.DupReportWindow());
  for (int r = 1; r <= LastBankRow; ++r) f.grid.SetTextMatrix(r, ColFreq, r % 2 ? "" : "0.000");
  boxes.Answer(vbOK, "No duplicates found.");
  f.form.CheckDups(false, false, false);
  EXPECT_TRUE(f.form.mnuMemories->menuAction()->isEnabled() && f.grid.isEnabled());
}

TEST(DupReport, PrintsFromItsOffsetsOverPagesOrExplainsWhyNot) {
  std::string text;
  for (int g = 0; g < 40; ++g) text += "Duplicates: \r\n0-00\r\n0-01\r\n\r\n";
  frmDupReport window;
  window.SetReport(text);
  std::vector<QImage> pages;
  SetDefaultPrinterFactory(
      [&](std::string&) { return std::make_unique<ImagePrinter>(false, &pages); });
  window.mnuPrint_Click();
  ASSERT_GE(pages.size(), 2u);
  std::size_t lines = 0;
  for (const QImage& page : pages) {
    EXPECT_NEAR(ImagePrinter::InkLeft(page), 720 / ImagePrinter::kTwipsPerDot, 3);
    EXPECT_GE(ImagePrinter::LineTops(page).at(0), 1080 / ImagePrinter::kTwipsPerDot);
    lines += ImagePrinter::LineTops(page).size();
  }
  EXPECT_EQ(lines, 3u * 40);
  const std::pair<PrinterFactory, const char*> failures[] = {
      {[](std::string& e) { return e = "There is no printer to print on.", nullptr; },
       "no printer"},
      {[](std::string&) { return std::make_unique<ImagePrinter>(true); }, "could not start"}};
  for (const auto& [factory, message] : failures) {
    SetDefaultPrinterFactory(factory);
    MsgBoxScript boxes;
    boxes.Answer(vbOK, message);
    window.mnuPrint_Click();
  }
  SetDefaultPrinterFactory(nullptr);
}

}  // namespace
