#include "platform/Printer.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "support/ImagePrinter.h"

namespace {

constexpr int kDot = ImagePrinter::kTwipsPerDot;

std::string Repeat(const std::string& line, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += line + std::to_string(i) + "\r\n";
  return text;
}

int PdfPages(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = file.readAll();
  if (!bytes.startsWith("%PDF")) return -1;
  return static_cast<int>(
      QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

// ---- where things land ------------------------------------------------------

TEST(Printer, TextStartsAtTheOriginAndEachLineBelowTheLast) {
  struct Case {
    int left, top;
    const char* text;
    int lines;
  };
  const Case cases[] = {
      {720, 1080, "HELLO\r\nWORLD\r\nTHIRD", 3},
      {0, 0, "X", 1},
      {1500, 300, "LF\nONLY", 2},
  };
  for (const Case& c : cases) {
    ImagePrinter p;
    p.SetOrigin(c.left, c.top);
    p.SetFont("Courier", 10, false);
    const double line = p.TextHeight();
    p.Print(c.text);
    EXPECT_NEAR(p.CurrentY(), c.lines * line, 0.5) << c.text;
    EXPECT_EQ(p.CurrentX(), 0) << c.text;
    ASSERT_TRUE(p.EndDoc());
    ASSERT_EQ(p.Pages().size(), 1u);
    const QRect ink = p.InkBox(0);
    // Glyphs start at the print position, give or take their side bearing.
    EXPECT_NEAR(ink.left(), c.left / kDot, 3) << c.text;
    EXPECT_GE(ink.top(), c.top / kDot) << c.text;
    EXPECT_LT(ink.top(), (c.top + line) / kDot) << c.text;
    const auto bands = p.InkBands(0);
    ASSERT_EQ(static_cast<int>(bands.size()), c.lines) << c.text;
    for (int i = 1; i < c.lines; ++i)
      EXPECT_NEAR(bands[i].first - bands[i - 1].first, line / kDot, 2) << c.text;
  }
}

TEST(Printer, ThePrintPositionMovesWhereItIsSet) {
  ImagePrinter p;
  p.SetFont("Arial", 12, true);
  p.SetCurrentX(6000);
  p.SetCurrentY(2000);
  p.Print("T");
  EXPECT_TRUE(p.EndDoc());
  const QRect ink = p.InkBox(0);
  EXPECT_NEAR(ink.left(), 6000 / kDot, 3);
  EXPECT_GE(ink.top(), 2000 / kDot);
}

TEST(Printer, PicturesAreDrawnAtTheirPlaceAndSize) {
  QImage picture(40, 20, QImage::Format_RGB32);
  picture.fill(Qt::black);
  picture.setDotsPerMeterX(3780);  // 96 dots per inch
  picture.setDotsPerMeterY(3780);
  struct Case {
    double x, y, w, h;
    QRect expected;
  };
  const Case cases[] = {
      {600, 900, 0, 0, QRect(40, 60, 40, 20)},          // own size
      {600, 900, 1500, 3000, QRect(40, 60, 100, 200)},  // scaled
  };
  for (const Case& c : cases) {
    ImagePrinter p;
    p.PaintPicture(picture, c.x, c.y, c.w, c.h);
    ASSERT_TRUE(p.EndDoc());
    EXPECT_EQ(p.InkBox(0), c.expected);
  }
}

// ---- pages ----------------------------------------------------------------------

TEST(Printer, LongTextBreaksIntoPagesWithoutLosingALine) {
  for (int lines : {10, 60, 61, 200}) {
    ImagePrinter p;
    p.SetOrigin(720, 1080);
    p.SetFont("Courier", 10, false);
    const double pageRoom = p.ScaleHeight();
    const int perPage = static_cast<int>(pageRoom / p.TextHeight());
    p.Print(Repeat("LINE ", lines));
    ASSERT_TRUE(p.EndDoc());
    const int pages = (lines + perPage - 1) / perPage;
    ASSERT_EQ(static_cast<int>(p.Pages().size()), pages) << lines;
    int printed = 0;
    for (int page = 0; page < pages; ++page) {
      const auto bands = p.InkBands(page);
      printed += static_cast<int>(bands.size());
      // Every page starts at the origin's top again.
      EXPECT_GE(bands.front().first, 1080 / kDot) << lines << " page " << page;
      EXPECT_LT(bands.back().second, p.Pages()[page].height()) << lines;
    }
    EXPECT_EQ(printed, lines);
  }
}

TEST(Printer, NewPageStartsAPageOnlyWhenMoreIsPrinted) {
  struct Case {
    const char* name;
    void (*job)(Printer&);
    int pages;
  };
  const Case cases[] = {
      {"new page between",
       [](Printer& p) {
         p.Print("A");
         p.NewPage();
         p.Print("B");
       },
       2},
      {"new page before the end",
       [](Printer& p) {
         p.Print("A");
         p.NewPage();
       },
       1},
      {"blank lines at the page end",
       [](Printer& p) {
         p.Print("A");
         p.Print(std::string(200 * 2, '\n'));
       },
       1},
      {"nothing printed", [](Printer&) {}, 0},
  };
  for (const Case& c : cases) {
    ImagePrinter p;
    c.job(p);
    EXPECT_TRUE(p.EndDoc()) << c.name;
    EXPECT_EQ(static_cast<int>(p.Pages().size()), c.pages) << c.name;
  }
}

TEST(Printer, OrientationHoldsFromTheNextPage) {
  ImagePrinter p;
  p.SetOrientation(2);
  p.Print("A");
  p.SetOrientation(1);
  p.NewPage();
  p.Print("B");
  ASSERT_TRUE(p.EndDoc());
  ASSERT_EQ(p.Pages().size(), 2u);
  EXPECT_TRUE(p.Landscape(0));
  EXPECT_FALSE(p.Landscape(1));
  EXPECT_GT(p.Pages()[0].width(), p.Pages()[0].height());
}

// ---- failures ----------------------------------------------------------------------

TEST(Printer, APrinterThatCannotStartPrintsNothingAndSaysWhy) {
  ImagePrinter p(/*failAtStart=*/true);
  p.Print("A");
  p.PaintPicture(QImage(4, 4, QImage::Format_RGB32), 0, 0);
  EXPECT_TRUE(p.Failed());
  EXPECT_FALSE(p.EndDoc());
  EXPECT_TRUE(p.Pages().empty());
  EXPECT_NE(p.ErrorText().find("Test Printer"), std::string::npos);
  EXPECT_EQ(p.JobsEnded(), 0);
}

// ---- the real printer device, writing PDF -------------------------------------------

TEST(PdfPrinter, WritesOnePdfPagePerPrintedPage) {
  QTemporaryDir dir;
  for (int pages : {1, 3}) {
    const std::string path = dir.filePath("out" + QString::number(pages) + ".pdf").toStdString();
    std::unique_ptr<Printer> p = OpenPdfPrinter(path);
    p->SetOrigin(720, 1080);
    p->SetFont("Courier", 10, false);
    for (int i = 0; i < pages; ++i) {
      if (i > 0) p->NewPage();
      p->Print("page " + std::to_string(i + 1));
    }
    p->NewPage();
    ASSERT_TRUE(p->EndDoc()) << p->ErrorText();
    EXPECT_EQ(PdfPages(path), pages);
    EXPECT_NE(p->DeviceName().find("out"), std::string::npos);
  }
}

TEST(PdfPrinter, AFileThatCannotBeWrittenIsAFailureWithAMessage) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("missing/folder/out.pdf").toStdString();
  std::unique_ptr<Printer> p = OpenPdfPrinter(path);
  p->Print("A");
  EXPECT_FALSE(p->EndDoc());
  EXPECT_NE(p->ErrorText().find("could not start"), std::string::npos);
}

TEST(DefaultPrinter, TheEnvironmentOrTheFactoryChooseIt) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("default.pdf").toStdString();
  std::string error;
  setenv("KESTRANE_PRINT_TO_PDF", path.c_str(), 1);
  std::unique_ptr<Printer> p = OpenDefaultPrinter(error);
  unsetenv("KESTRANE_PRINT_TO_PDF");
  ASSERT_TRUE(p);
  p->Print("A");
  ASSERT_TRUE(p->EndDoc());
  EXPECT_EQ(PdfPages(path), 1);

  SetDefaultPrinterFactory([](std::string& e) {
    e = "none here";
    return std::unique_ptr<Printer>();
  });
  EXPECT_FALSE(OpenDefaultPrinter(error));
  EXPECT_EQ(error, "none here");
  SetDefaultPrinterFactory(nullptr);

  // Without either, the system's printers decide.
  p = OpenDefaultPrinter(error);
  EXPECT_EQ(p == nullptr, QPrinterInfo::availablePrinters().isEmpty());
  if (!p) {
    EXPECT_NE(error.find("no printer"), std::string::npos);
  }
}

}  // namespace
