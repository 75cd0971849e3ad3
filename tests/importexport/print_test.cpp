// Printing the grid: the page plan, the range dialog, what lands on the
// pages, a printer that fails, and a real PDF job.

#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>

#include "importexport/exchange_support.h"
#include "importexport/frmPrint.h"
#include "importexport/frmPrintForm.h"
#include "platform/Printer.h"
#include "platform/VbTextBox.h"
#include "support/ImagePrinter.h"

namespace exchange_test {
namespace {

TEST(PrintPlan, PagesAndRowsPerPage) {
  struct Case {
    int first, last;
    bool landscape;
    int rowsPerPage, pages;
  };
  const Case cases[] = {
      {1, 35, true, 36, 1},   {1, 36, true, 36, 2},  {1, 71, true, 36, 3},   {5, 5, true, 36, 1},
      {1, 400, true, 36, 12}, {1, 56, false, 57, 1}, {1, 400, false, 57, 8}, {10, 9, true, 36, 0},
  };
  for (const Case& c : cases) {
    const PrintLayout plan = PlanPrint(c.first, c.last, c.landscape);
    EXPECT_EQ(plan.rowsPerPage, c.rowsPerPage) << c.first << ".." << c.last;
    EXPECT_EQ(plan.pages, c.pages) << c.first << ".." << c.last;
  }
}

// The printed pages outlive the printer that the print command drops.
struct PrintedPages {
  std::vector<QImage> pages;
  std::vector<bool> landscape;
};
class KeptPrinter : public ImagePrinter {
 public:
  KeptPrinter(bool failAtStart, PrintedPages& kept) : ImagePrinter(failAtStart), kept_(kept) {}
  ~KeptPrinter() override {
    kept_.pages = Pages();
    kept_.landscape.clear();
    for (size_t i = 0; i < Pages().size(); ++i) kept_.landscape.push_back(Landscape(int(i)));
  }

 private:
  PrintedPages& kept_;
};

class Printing : public ExchangeTest {
 protected:
  void SetUp() override {
    SetDefaultPrinterFactory([this](std::string&) {
      printed_ = PrintedPages{};
      return std::make_unique<KeptPrinter>(failAtStart_, printed_);
    });
  }
  void TearDown() override { SetDefaultPrinterFactory({}); }
  // The range dialog with the boxes set, OK pressed.
  void PrintRange(const char* first, const char* last, bool all = false) {
    frmPrint dialog(g_.form);
    dialog.Text1->SetText(first);
    dialog.Text2->SetText(last);
    if (all) dialog.Option1->setChecked(true);
    dialog.Command1_Click();
    lastBoxes_ = dialog.Text1->Text() + "-" + dialog.Text2->Text();
  }
  // Right edge, in dots, of the ink below the heading on a page.
  int TableRight(int page) const {
    const QImage& image = printed_.pages.at(static_cast<size_t>(page));
    int right = -1;
    for (int y = 900 / ImagePrinter::kTwipsPerDot + 2; y < image.height(); ++y)
      for (int x = image.width() - 1; x > right; --x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) right = x;
    return right;
  }

  bool failAtStart_ = false;
  PrintedPages printed_;
  std::string lastBoxes_;
};

TEST_F(Printing, RangesGiveTheirPagesAndTheClosingMessage) {
  struct Case {
    const char *first, *last;
    bool all;
    int pages;
    const char* boxes;
  };
  const Case cases[] = {
      {"1", "35", false, 1, "1-35"}, {"20", "5", false, 1, "5-20"},
      {"1", "71", false, 3, "1-71"}, {"", "5000", false, 13, "1-450"},
      {"7", "7", true, 12, "7-7"},
  };
  for (const Case& c : cases) {
    boxes_.Answer(
        vbOK, "IC-R2 Kestrane\r\nPrinting " + std::to_string(c.pages) + " pages to Test Printer");
    PrintRange(c.first, c.last, c.all);
    EXPECT_EQ(printed_.pages.size(), static_cast<size_t>(c.pages)) << c.first << "-" << c.last;
    EXPECT_EQ(printed_.landscape, std::vector<bool>(printed_.pages.size(), true));
    EXPECT_EQ(lastBoxes_, c.boxes);
    EXPECT_EQ(boxes_.Calls().back().title, "TEST:");
  }
}

TEST_F(Printing, RangeBoxesTakeDigitsOnly) {
  const std::pair<int, int> keys[] = {{'0', '0'}, {'9', '9'}, {8, 8}, {'a', 0}, {'.', 0}, {'-', 0}};
  for (auto [typed, kept] : keys) {
    int key = typed;
    frmPrint::Text_KeyPress(key);
    EXPECT_EQ(key, kept) << typed;
  }
}

TEST_F(Printing, HiddenColumnsAndCommentsStayOffThePage) {
  g_.Use(1, 3);
  boxes_.Answer(vbOK, "Printing 1 pages");
  PrintRange("1", "3");
  const int full = TableRight(0);
  // Columns 0 to 8 at their widths, from 600 twips in.
  EXPECT_NEAR(full, (600 + 8650) / ImagePrinter::kTwipsPerDot, 2);
  g_.grid.SetColWidth(ColStep, 0);
  boxes_.Answer(vbOK, "Printing 1 pages");
  PrintRange("1", "3");
  EXPECT_NEAR(TableRight(0), full - 1100 / ImagePrinter::kTwipsPerDot, 2);
}

TEST_F(Printing, APrinterThatFailsIsReportedWithoutAPageCount) {
  failAtStart_ = true;
  boxes_.Answer(vbOK);
  PrintRange("1", "35");
  ASSERT_EQ(boxes_.Calls().size(), 1u);
  EXPECT_EQ(boxes_.Calls()[0].prompt.find("Printing"), std::string::npos);
  EXPECT_EQ(boxes_.Calls()[0].Icon(), vbExclamation);
  SetDefaultPrinterFactory([](std::string& error) {
    error = "No printer is installed.";
    return std::unique_ptr<Printer>();
  });
  boxes_.Answer(vbOK, "No printer is installed.");
  PrintRange("1", "35");
  EXPECT_EQ(boxes_.Calls().size(), 2u);
}

TEST_F(Printing, PdfJobHasOnePagePerPlannedPage) {
  const std::string path = File("grid.pdf");
  SetDefaultPrinterFactory([&](std::string&) { return OpenPdfPrinter(path); });
  g_.Use(1, 80);
  boxes_.Answer(vbOK, "Printing 3 pages to ");
  PrintRange("1", "71");
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString pdf = QString::fromLatin1(file.readAll());
  EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 3);
}

}  // namespace
}  // namespace exchange_test
