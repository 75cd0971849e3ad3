// Printing the grid: the page plan, the range dialog printing to a PDF file
// with that many pages, and a printer that fails.

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
  // first, last, landscape, rows a page, pages
  const std::tuple<int, int, bool, int, int> cases[] = {
      {1, 35, true, 36, 1},   {1, 36, true, 36, 2},  {1, 71, true, 36, 3},   {5, 5, true, 36, 1},
      {1, 400, true, 36, 12}, {1, 56, false, 57, 1}, {1, 400, false, 57, 8}, {10, 9, true, 36, 0}};
  for (const auto& [first, last, landscape, rows, pages] : cases) {
    EXPECT_EQ(PlanPrint(first, last, landscape).rowsPerPage, rows) << first << ".." << last;
    EXPECT_EQ(PlanPrint(first, last, landscape).pages, pages) << first << ".." << last;
  }
}

class Printing : public ExchangeTest {
 protected:
  void TearDown() override { SetDefaultPrinterFactory({}); }
  // The range dialog with its boxes set, OK pressed; the boxes afterwards.
  std::string PrintRange(const char* first, const char* last, bool all = false) {
    frmPrint dialog(g_.form);
    dialog.Text1->SetText(first);
    dialog.Text2->SetText(last);
    dialog.Option1->setChecked(all);
    dialog.Command1_Click();
    return dialog.Text1->Text() + "-" + dialog.Text2->Text();
  }
};

TEST_F(Printing, RangesPrintTheirPagesToPdf) {
  const std::string path = File("grid.pdf");
  SetDefaultPrinterFactory([&](std::string&) { return OpenPdfPrinter(path); });
  g_.Use(1, 450);
  // first box, last box, All, pages, the boxes afterwards
  const std::tuple<const char*, const char*, bool, int, const char*> cases[] = {
      {"1", "35", false, 1, "1-35"},  // one full page
      {"1", "71", false, 3, "1-71"},  // one row on the last page
      {"20", "5", false, 1, "5-20"},
      {"", "5000", false, 13, "1-450"},
      {"7", "7", true, 12, "7-7"}};
  for (const auto& [first, last, all, pages, boxes] : cases) {
    boxes_.Answer(vbOK, "IC-R2 Kestrane\r\nPrinting " + std::to_string(pages) + " pages to ");
    EXPECT_EQ(PrintRange(first, last, all), boxes);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(file.readAll());
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), pages) << boxes;
    EXPECT_EQ(boxes_.Calls().back().title, path);
  }
}

TEST_F(Printing, APrinterThatFailsIsReportedWithoutAPageCount) {
  SetDefaultPrinterFactory([](std::string&) { return std::make_unique<ImagePrinter>(true); });
  boxes_.Answer(vbOK);
  PrintRange("1", "35");
  SetDefaultPrinterFactory([](std::string& error) {
    error = "No printer is installed.";
    return std::unique_ptr<Printer>();
  });
  boxes_.Answer(vbOK, "No printer is installed.");
  PrintRange("1", "35");
  ASSERT_EQ(boxes_.Calls().size(), 2u);
  for (const MsgBoxCall& box : boxes_.Calls()) {
    EXPECT_EQ(box.prompt.find("Printing"), std::string::npos);
    EXPECT_EQ(box.Icon(), vbExclamation);
  }
}

}  // namespace
}  // namespace exchange_test
