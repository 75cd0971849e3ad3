#pragma once
// A printer whose pages are pictures at 96 dots per inch (15 twips a dot),
// printable area 8 by 10.5 inches, turned for landscape. `keep` receives the
// pages when a job ends, for a printer that goes away with its command.

#include <QImage>
#include <vector>

#include "platform/Printer.h"

class ImagePrinter : public Printer {
 public:
  static constexpr int kTwipsPerDot = 15;
  explicit ImagePrinter(bool failAtStart = false, std::vector<QImage>* keep = nullptr)
      : fail_(failAtStart), keep_(keep) {}
  ~ImagePrinter() override { EndPainting(); }
  std::string DeviceName() const override { return "Test Printer"; }
  std::string Port() const override { return "TEST:"; }
  std::vector<QImage> pages;

  // The top dot row of each band of inked rows (one per text line), and the
  // left-most inked column.
  static std::vector<int> LineTops(const QImage& page) {
    std::vector<int> tops;
    for (int y = 0, before = 0; y < page.height(); ++y) {
      int ink = 0;
      for (int x = 0; x < page.width() && !ink; ++x) ink = page.pixel(x, y) != 0xffffffff;
      if (ink && !before) tops.push_back(y);
      before = ink;
    }
    return tops;
  }
  static int InkLeft(const QImage& page) {
    for (int x = 0; x < page.width(); ++x)
      for (int y = 0; y < page.height(); ++y)
        if (page.pixel(x, y) != 0xffffffff) return x;
    return -1;
  }

 protected:
  bool BeginJob(QPainter& p, bool landscape, int) override {
    pages.clear();
    return !fail_ && StartNextPage(p, landscape);
  }
  bool StartNextPage(QPainter& p, bool landscape) override {
    if (p.isActive()) p.end();
    pages.emplace_back(landscape ? 1008 : 768, landscape ? 768 : 1008, QImage::Format_RGB32);
    pages.back().fill(Qt::white);
    return p.begin(&pages.back());
  }
  bool FinishJob(QPainter& p) override {
    const bool ended = p.end();
    if (keep_) *keep_ = pages;
    return ended;
  }
  QSizeF PrintableSize() const override { return pages.empty() ? QSizeF() : pages.back().size(); }
  double DotsPerInch() const override { return 96; }

 private:
  bool fail_;
  std::vector<QImage>* keep_;
};
