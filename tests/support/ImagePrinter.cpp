#include "support/ImagePrinter.h"

namespace {
constexpr int kShortSide = 8 * ImagePrinter::kDotsPerInch;
constexpr int kLongSide = 21 * ImagePrinter::kDotsPerInch / 2;

bool Inked(const QImage& page, int x, int y) { return page.pixel(x, y) != qRgb(255, 255, 255); }
}  // namespace

void ImagePrinter::AddPage(bool landscape) {
  QImage page(landscape ? kLongSide : kShortSide, landscape ? kShortSide : kLongSide,
              QImage::Format_RGB32);
  page.fill(Qt::white);
  pages_.push_back(page);
  landscape_.push_back(landscape);
}

bool ImagePrinter::BeginJob(QPainter& painter, bool landscape, int) {
  if (failAtStart_) return false;
  pages_.clear();
  landscape_.clear();
  AddPage(landscape);
  return painter.begin(&pages_.back());
}

bool ImagePrinter::StartNextPage(QPainter& painter, bool landscape) {
  const QFont font = painter.font();
  painter.end();
  AddPage(landscape);
  const bool begun = painter.begin(&pages_.back());
  painter.setFont(font);
  return begun;
}

bool ImagePrinter::FinishJob(QPainter& painter) {
  ++jobsEnded_;
  const bool ended = painter.end();
  if (keepPages_) *keepPages_ = pages_;
  return ended;
}

QSizeF ImagePrinter::PrintableSize() const {
  return pages_.empty() ? QSizeF(kShortSide, kLongSide) : QSizeF(pages_.back().size());
}

QRect ImagePrinter::InkBoxOf(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Inked(image, x, y)) box |= QRect(x, y, 1, 1);
  return box;
}

std::vector<std::pair<int, int>> ImagePrinter::InkBandsOf(const QImage& image) {
  std::vector<std::pair<int, int>> bands;
  bool inBand = false;
  for (int y = 0; y < image.height(); ++y) {
    bool ink = false;
    for (int x = 0; x < image.width() && !ink; ++x) ink = Inked(image, x, y);
    if (ink && !inBand) bands.push_back({y, y});
    if (ink) bands.back().second = y;
    inBand = ink;
  }
  return bands;
}
