#pragma once
// The printer, as the classic printer object offers it: a print position
// (CurrentX, CurrentY) in twips from the printable area's top-left corner,
// a font, text lines printed at that position, pictures, new pages and the
// end of the document. The job starts with the first thing printed; a printer
// that cannot start reports it through Failed() and ErrorText(), and then
// prints nothing more.
//
//   std::string error;
//   std::unique_ptr<Printer> printer = OpenDefaultPrinter(error);
//   if (!printer) { MsgBox(error, ...); return; }
//   printer->SetFont("Courier", 10, false);
//   printer->Print("first line\r\nsecond line");
//   if (!printer->EndDoc()) MsgBox(printer->ErrorText(), ...);
//
// The default printer is the system's default one, used without a dialog.
// Setting the environment variable KESTRANE_PRINT_TO_PDF to a file path makes
// the default printer a PDF printer writing that file instead (for a machine
// without a printer, and for trying the program out).
//
// Texts are Windows-1252 bytes, as everywhere in the program.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <string>

class Printer {
 public:
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;
  virtual ~Printer();

  // The printer's name, and where it prints to (its port, or the PDF file).
  virtual std::string DeviceName() const = 0;
  virtual std::string Port() const = 0;

  // 1 portrait, 2 landscape. Takes effect at the next page started.
  int Orientation() const { return orientation_; }
  void SetOrientation(int orientation);
  // Negative: the classic quality steps (-1 draft to -4 high); positive: dots
  // per inch. Takes effect when the job starts.
  int PrintQuality() const { return printQuality_; }
  void SetPrintQuality(int quality) { printQuality_ = quality; }

  // Moves the origin of CurrentX/CurrentY to (left, top) twips from the
  // printable area's corner, on this page and the following ones, and puts
  // the print position there.
  void SetOrigin(int leftTwips, int topTwips);
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double twips) { currentX_ = twips; }
  void SetCurrentY(double twips) { currentY_ = twips; }

  // The printable area's size in twips, seen from the origin.
  double ScaleWidth();
  double ScaleHeight();

  void SetFontName(const std::string& name);
  void SetFontSize(double points);
  void SetFontBold(bool bold);
  void SetFont(const std::string& name, double points, bool bold);
  const QFont& Font() const { return font_; }
  // Height of one line of the current font, in twips.
  double TextHeight();
  double TextWidth(const std::string& text);

  // Prints the text at the print position and moves to the next line: each
  // CR LF (or a lone LF) in the text starts a new line at the origin's left.
  // A line that would run past the bottom of the page goes to a new page,
  // at the top of the origin.
  void Print(const std::string& text);
  // Draws the picture with its top-left at (x, y) twips from the origin; a
  // width or height of 0 or less takes the picture's own size.
  void PaintPicture(const QImage& picture, double x, double y, double widthTwips = 0,
                    double heightTwips = 0);
  // Ends the page; the next thing printed starts a new one. A NewPage right
  // before EndDoc adds no empty page.
  void NewPage();
  // Ends the job and sends it. False when the printer failed at any point.
  bool EndDoc();

  bool Failed() const { return failed_; }
  std::string ErrorText() const { return error_; }

 protected:
  Printer();
  // The device under the printer. BeginJob starts the job with the first
  // page in the given orientation and resolution and opens the painter on
  // it; false when the printer could not start.
  virtual bool BeginJob(QPainter& painter, bool landscape, int dotsPerInch) = 0;
  virtual bool StartNextPage(QPainter& painter, bool landscape) = 0;
  virtual bool FinishJob(QPainter& painter) = 0;
  // The printable area of the current page, in device pixels, and the
  // device's resolution.
  virtual QSizeF PrintableSize() const = 0;
  virtual double DotsPerInch() const = 0;
  // Closes the painter on a job still open; a derived printer calls it from
  // its destructor, while its device is still there.
  void EndPainting();

 private:
  // The job is running (started now when needed); the page may be closed.
  bool EnsureJob();
  // A page is open to draw on.
  bool EnsurePage();
  void Fail(const std::string& message);
  double ToDevice(double twips) const;
  double ToTwips(double pixels) const;

  QPainter painter_;
  QFont font_;
  int orientation_ = 1;
  int printQuality_ = -4;
  double originX_ = 0, originY_ = 0;
  double currentX_ = 0, currentY_ = 0;
  bool started_ = false;
  bool pageOpen_ = false;
  bool failed_ = false;
  std::string error_;
};

// The default printer; nullptr with `error` set to a message for the user
// when there is none.
std::unique_ptr<Printer> OpenDefaultPrinter(std::string& error);
// A printer that writes the job as a PDF file at `path` (native UTF-8).
std::unique_ptr<Printer> OpenPdfPrinter(const std::string& path);

// Replaces what OpenDefaultPrinter gives; an empty factory restores it.
using PrinterFactory = std::function<std::unique_ptr<Printer>(std::string& error)>;
void SetDefaultPrinterFactory(PrinterFactory factory);
