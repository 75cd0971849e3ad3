#include "platform/Printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <functional>

#include "support/ImagePrinter.h"

namespace {

constexpr int kDot = ImagePrinter::kTwipsPerDot;

int PdfPages(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count("/Type /Page\n"))
                                        : -1;
}

std::string Lines(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "LINE " + std::to_string(i) + "\r\n";
  return text;
}

TEST(Printer, TextAndPicturesLandAtTheirTwipsFromTheOrigin) {
  for (auto [left, top, text, lines] :
       {std::tuple{720, 1080, "A\r\nB\r\nC", 3}, {0, 0, "X", 1}, {1500, 300, "LF\nONLY", 2}}) {
    ImagePrinter p;
    p.SetOrigin(left, top);
    p.SetFont("Courier", 10, false);
    const double line = p.TextHeight();
    p.Print(text);
    ASSERT_TRUE(p.EndDoc());
    const std::vector<int> tops = ImagePrinter::LineTops(p.pages.at(0));
    ASSERT_EQ(static_cast<int>(tops.size()), lines) << text;
    EXPECT_NEAR(ImagePrinter::InkLeft(p.pages[0]), left / kDot, 3) << text;
    EXPECT_TRUE(tops[0] >= top / kDot && tops[0] < (top + line) / kDot) << text;
    for (int i = 1; i < lines; ++i) EXPECT_NEAR(tops[i] - tops[i - 1], line / kDot, 2) << text;
  }
  QImage picture(40, 20, QImage::Format_RGB32);
  picture.fill(Qt::black);
  picture.setDotsPerMeterX(3780);  // 96 dots per inch: 600 by 300 twips
  picture.setDotsPerMeterY(3780);
  for (double size : {0.0, 1500.0}) {
    ImagePrinter p;
    p.PaintPicture(picture, 600, 900, size, size);
    p.EndDoc();
    EXPECT_EQ(ImagePrinter::InkLeft(p.pages.at(0)), 40);
    EXPECT_EQ(ImagePrinter::InkLeft(p.pages[0].transformed(QTransform().rotate(90))),
              1008 - (size > 0 ? 160 : 80));  // the bottom edge
  }
}

TEST(Printer, PagesBreakWhereTheTextRunsOutAndOnlyWhenMoreIsPrinted) {
  ImagePrinter measure;
  measure.SetOrigin(720, 1080);
  measure.SetFont("Courier", 10, false);
  const int n = static_cast<int>(measure.ScaleHeight() / measure.TextHeight());
  const std::tuple<std::function<void(Printer&)>, int, int> cases[] = {
      {[n](Printer& p) { p.Print(Lines(n)); }, 1, n},
      {[n](Printer& p) { p.Print(Lines(3 * n + 1)); }, 4, 3 * n + 1},
      {[](Printer& p) { p.Print("A"), p.NewPage(), p.SetOrientation(2), p.Print("B"); }, 2, 2},
      {[](Printer& p) { p.Print("A"), p.NewPage(); }, 1, 1},
      {[n](Printer& p) { p.Print("A" + std::string(3 * n, '\n')); }, 1, 1},
      {[](Printer&) {}, 0, 0},
  };
  for (const auto& [job, pages, lines] : cases) {
    ImagePrinter p;
    p.SetOrigin(720, 1080);
    p.SetFont("Courier", 10, false);
    job(p);
    ASSERT_TRUE(p.EndDoc());
    ASSERT_EQ(static_cast<int>(p.pages.size()), pages) << lines;
    int printed = 0;
    for (const QImage& page : p.pages) {
      const std::vector<int> tops = ImagePrinter::LineTops(page);
      printed += static_cast<int>(tops.size());
      EXPECT_GE(tops.at(0), 1080 / kDot) << "every page starts at the origin";
    }
    EXPECT_EQ(printed, lines);
    if (lines == 2) {
      EXPECT_LT(p.pages[0].width(), p.pages[1].width()) << "turned from page 2 on";
    }
  }
}

TEST(Printer, ARealPdfFileAndTheFailuresOfAPrinter) {
  QTemporaryDir dir;
  for (int pages : {1, 3}) {
    const QString path = dir.filePath(QString::number(pages) + ".pdf");
    std::unique_ptr<Printer> p = OpenPdfPrinter(path.toStdString());
    for (int i = 0; i < pages; ++i) p->Print("page"), p->NewPage();
    ASSERT_TRUE(p->EndDoc()) << p->ErrorText();
    EXPECT_EQ(PdfPages(path), pages);
  }
  std::unique_ptr<Printer> nowhere = OpenPdfPrinter(dir.filePath("no/folder.pdf").toStdString());
  ImagePrinter off(/*failAtStart=*/true);
  for (Printer* p : {nowhere.get(), static_cast<Printer*>(&off)}) {
    p->Print("A");
    EXPECT_FALSE(p->EndDoc());
    EXPECT_NE(p->ErrorText().find(p->DeviceName() + " could not start"), std::string::npos);
  }
  const QString envPath = dir.filePath("env.pdf");
  std::string error;
  setenv("KESTRANE_PRINT_TO_PDF", envPath.toUtf8().constData(), 1);
  std::unique_ptr<Printer> fromEnv = OpenDefaultPrinter(error);
  unsetenv("KESTRANE_PRINT_TO_PDF");
  fromEnv->Print("A");
  fromEnv->EndDoc();
  EXPECT_EQ(PdfPages(envPath), 1);
  // Without it the system's printers decide; none is a message.
  const bool none = QPrinterInfo::availablePrinters().isEmpty();
  EXPECT_EQ(OpenDefaultPrinter(error) == nullptr, none);
  EXPECT_EQ(error.empty(), !none);
}

}  // namespace
