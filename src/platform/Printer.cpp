#include "platform/Printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/Cp1252.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMetersPerInch = 0.0254;
constexpr double kScreenDotsPerInch = 96.0;

int DotsPerInchOfQuality(int quality) {
  switch (quality) {
    case -1:
      return 150;
    case -2:
      return 300;
    case -3:
      return 600;
    case -4:
      return 1200;
    default:
      return quality > 0 ? quality : 600;
  }
}

// The lines of a printed text: split at CR LF or a lone LF.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    std::size_t end = lf;
    if (end > start && text[end - 1] == '\r') --end;
    lines.push_back(text.substr(start, end - start));
    start = lf + 1;
  }
}

class QtPrinter : public Printer {
 public:
  QtPrinter(std::unique_ptr<QPrinter> printer, std::string name, std::string port)
      : printer_(std::move(printer)), name_(std::move(name)), port_(std::move(port)) {
    printer_->setFullPage(false);
  }
  ~QtPrinter() override { EndPainting(); }

  std::string DeviceName() const override { return name_; }
  std::string Port() const override { return port_; }

 protected:
  bool BeginJob(QPainter& painter, bool landscape, int dotsPerInch) override {
    printer_->setResolution(dotsPerInch);
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return painter.begin(printer_.get());
  }
  bool StartNextPage(QPainter&, bool landscape) override {
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return printer_->newPage();
  }
  bool FinishJob(QPainter& painter) override {
    const bool ended = painter.end();
    return ended && printer_->printerState() != QPrinter::Error;
  }
  QSizeF PrintableSize() const override {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).size();
  }
  double DotsPerInch() const override { return printer_->resolution(); }

 private:
  std::unique_ptr<QPrinter> printer_;
  std::string name_;
  std::string port_;
};

PrinterFactory& Factory() {
  static PrinterFactory factory;
  return factory;
}

std::unique_ptr<Printer> SystemDefaultPrinter(std::string& error) {
  if (const char* pdf = std::getenv("KESTRANE_PRINT_TO_PDF"); pdf && *pdf)
    return OpenPdfPrinter(pdf);
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    if (!all.isEmpty()) info = all.front();
  }
  if (info.isNull()) {
    error =
        "There is no printer to print on.\r\n"
        "Install a printer and make it the default one, then print again.\r\n"
        "To print into a PDF file instead, start the program with the environment "
        "variable KESTRANE_PRINT_TO_PDF set to the file's path.";
    return nullptr;
  }
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  const std::string name = ToCp1252(info.printerName());
  const std::string port = info.location().isEmpty() ? name : ToCp1252(info.location());
  return std::make_unique<QtPrinter>(std::move(printer), name, port);
}

}  // namespace

Printer::Printer() : font_(QStringLiteral("Arial")) { font_.setPointSizeF(10); }

Printer::~Printer() = default;

void Printer::EndPainting() {
  if (painter_.isActive()) painter_.end();
}

void Printer::SetOrientation(int orientation) { orientation_ = orientation == 2 ? 2 : 1; }

void Printer::SetOrigin(int leftTwips, int topTwips) {
  originX_ = leftTwips;
  originY_ = topTwips;
  currentX_ = 0;
  currentY_ = 0;
}

double Printer::ScaleWidth() {
  if (!EnsureJob()) return 0;
  return ToTwips(PrintableSize().width()) - originX_;
}

double Printer::ScaleHeight() {
  if (!EnsureJob()) return 0;
  return ToTwips(PrintableSize().height()) - originY_;
}

void Printer::SetFontName(const std::string& name) { font_.setFamily(FromCp1252(name)); }
void Printer::SetFontSize(double points) {
  if (points > 0) font_.setPointSizeF(points);
}
void Printer::SetFontBold(bool bold) { font_.setBold(bold); }
void Printer::SetFont(const std::string& name, double points, bool bold) {
  SetFontName(name);
  SetFontSize(points);
  SetFontBold(bold);
}

double Printer::TextHeight() {
  if (!EnsureJob()) return 0;
  // The same measure as Print advances by, so that lines counted from it fit.
  return ToTwips(QFontMetricsF(font_, painter_.device()).height());
}

double Printer::TextWidth(const std::string& text) {
  if (!EnsureJob()) return 0;
  painter_.setFont(font_);
  return ToTwips(QFontMetricsF(font_, painter_.device()).horizontalAdvance(FromCp1252(text)));
}

void Printer::Print(const std::string& text) {
  for (std::string_view line : Lines(text)) {
    if (!EnsureJob()) return;
    painter_.setFont(font_);
    const QFontMetricsF metrics(font_, painter_.device());
    const double lineHeight = ToTwips(metrics.height());
    const double pageHeight = ToTwips(PrintableSize().height());
    // A line that does not fit goes to the next page, unless it already
    // stands at the top of one (a font taller than the page still prints).
    if (currentY_ > 0 && originY_ + currentY_ + lineHeight > pageHeight) NewPage();
    // Blank lines only move the position: they never start a page.
    if (!line.empty()) {
      if (!EnsurePage()) return;
      const QPointF at(ToDevice(originX_ + currentX_),
                       ToDevice(originY_ + currentY_) + metrics.ascent());
      painter_.drawText(at, FromCp1252(line));
    }
    currentY_ += lineHeight;
    currentX_ = 0;
  }
}

void Printer::PaintPicture(const QImage& picture, double x, double y, double widthTwips,
                           double heightTwips) {
  if (!EnsurePage() || picture.isNull()) return;
  auto dpiOf = [](int dotsPerMeter) {
    return dotsPerMeter > 0 ? dotsPerMeter * kMetersPerInch : kScreenDotsPerInch;
  };
  const double width = widthTwips > 0
                           ? widthTwips
                           : picture.width() * kTwipsPerInch / dpiOf(picture.dotsPerMeterX());
  const double height = heightTwips > 0
                            ? heightTwips
                            : picture.height() * kTwipsPerInch / dpiOf(picture.dotsPerMeterY());
  const QRectF target(ToDevice(originX_ + x), ToDevice(originY_ + y), ToDevice(width),
                      ToDevice(height));
  painter_.drawImage(target, picture);
}

void Printer::NewPage() {
  if (started_) pageOpen_ = false;
  currentX_ = 0;
  currentY_ = 0;
}

bool Printer::EndDoc() {
  if (!started_) return !failed_;
  started_ = false;
  pageOpen_ = false;
  if (!FinishJob(painter_))
    Fail("The printer " + DeviceName() + " reported an error; the document may not be printed.");
  currentX_ = 0;
  currentY_ = 0;
  return !failed_;
}

bool Printer::EnsureJob() { return started_ ? !failed_ : EnsurePage(); }

bool Printer::EnsurePage() {
  if (failed_) return false;
  const bool landscape = orientation_ == 2;
  if (!started_) {
    if (!BeginJob(painter_, landscape, DotsPerInchOfQuality(printQuality_))) {
      if (painter_.isActive()) painter_.end();
      Fail("The printer " + DeviceName() + " could not start printing.");
      return false;
    }
    started_ = true;
    pageOpen_ = true;
    return true;
  }
  if (!pageOpen_) {
    if (!StartNextPage(painter_, landscape)) {
      Fail("The printer " + DeviceName() + " could not start a new page.");
      return false;
    }
    pageOpen_ = true;
  }
  return true;
}

void Printer::Fail(const std::string& message) {
  if (failed_) return;
  failed_ = true;
  error_ = message;
}

double Printer::ToDevice(double twips) const { return twips * DotsPerInch() / kTwipsPerInch; }
double Printer::ToTwips(double pixels) const { return pixels * kTwipsPerInch / DotsPerInch(); }

std::unique_ptr<Printer> OpenDefaultPrinter(std::string& error) {
  error.clear();
  if (Factory()) return Factory()(error);
  return SystemDefaultPrinter(error);
}

std::unique_ptr<Printer> OpenPdfPrinter(const std::string& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  printer->setPageSize(QPageSize(QPageSize::Letter));
  const std::string name = "PDF file " + ToCp1252(QString::fromStdString(path));
  return std::make_unique<QtPrinter>(std::move(printer), name,
                                     ToCp1252(QString::fromStdString(path)));
}

void SetDefaultPrinterFactory(PrinterFactory factory) { Factory() = std::move(factory); }
