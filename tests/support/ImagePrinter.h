#pragma once
// A printer whose pages are pictures in memory, so a test can see where
// things were printed: 96 dots per inch (15 twips a dot), a printable area of
// 8 by 10.5 inches (turned for landscape), white pages.
//
//   auto printer = std::make_unique<ImagePrinter>();
//   ImagePrinter* pages = printer.get();
//   ... print ...
//   pages->Pages().size(), pages->InkBox(0) ...

#include <QImage>
#include <QRect>
#include <vector>

#include "platform/Printer.h"

class ImagePrinter : public Printer {
 public:
  static constexpr int kDotsPerInch = 96;
  static constexpr int kTwipsPerDot = 15;

  // `failAtStart` makes the job refuse to start, as a printer that is off.
  // `keepPages`, when given, receives the pages at the end of each job, for
  // a test whose printer goes away with the command that printed.
  explicit ImagePrinter(bool failAtStart = false, std::vector<QImage>* keepPages = nullptr)
      : failAtStart_(failAtStart), keepPages_(keepPages) {}
  ~ImagePrinter() override { EndPainting(); }

  std::string DeviceName() const override { return "Test Printer"; }
  std::string Port() const override { return "TEST:"; }

  // The finished pages, and the page being printed while a job runs.
  const std::vector<QImage>& Pages() const { return pages_; }
  bool Landscape(int page) const { return landscape_.at(page); }
  // The smallest rectangle holding every non-white dot of a page, in dots;
  // empty for a blank page.
  QRect InkBox(int page) const { return InkBoxOf(pages_.at(page)); }
  static QRect InkBoxOf(const QImage& page);
  // Rows of dots (top to bottom) that hold ink on a page, merged into bands:
  // one band per printed text line.
  std::vector<std::pair<int, int>> InkBands(int page) const { return InkBandsOf(pages_.at(page)); }
  static std::vector<std::pair<int, int>> InkBandsOf(const QImage& page);
  int JobsEnded() const { return jobsEnded_; }

 protected:
  bool BeginJob(QPainter& painter, bool landscape, int dotsPerInch) override;
  bool StartNextPage(QPainter& painter, bool landscape) override;
  bool FinishJob(QPainter& painter) override;
  QSizeF PrintableSize() const override;
  double DotsPerInch() const override { return kDotsPerInch; }

 private:
  void AddPage(bool landscape);
  bool failAtStart_;
  std::vector<QImage>* keepPages_;
  std::vector<QImage> pages_;
  std::vector<bool> landscape_;
  int jobsEnded_ = 0;
};
