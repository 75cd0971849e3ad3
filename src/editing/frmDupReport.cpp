#include "editing/frmDupReport.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "platform/Cp1252.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"

namespace {

constexpr int kPrintLeft = 720;  // twips: half an inch
constexpr int kPrintTop = 1080;  // three quarters of an inch
constexpr int kMediumQuality = -3;

std::string WithCrLf(const QString& text) {
  std::string bytes = ToCp1252(text);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

frmDupReport::frmDupReport(QWidget* parent) : QDialog(parent, Qt::Window) {
  setObjectName("frmDupReport");
  setWindowTitle(QStringLiteral("Duplicate Frequency Report"));
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  if (parent) setWindowIcon(parent->windowIcon());

  auto* bar = new QMenuBar(this);
  mnuFile = bar->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName("mnuFile");
  mnuPrint = mnuFile->addAction(QStringLiteral("&Print"));
  mnuPrint->setObjectName("mnuPrint");
  connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });

  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName("Text1");
  QFont fixed(QStringLiteral("Fixedsys"));
  fixed.setStyleHint(QFont::TypeWriter);
  if (!QFontInfo(fixed).fixedPitch()) fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  Text1->setFont(fixed);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);

  Command1 = new QPushButton(QStringLiteral("&OK"), this);
  Command1->setObjectName("Command1");
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
  layout->addWidget(Text1);
  layout->addWidget(Command1, 0, Qt::AlignHCenter);
  resize(320, 420);
}

void frmDupReport::SetReport(const std::string& text) {
  std::string lines;
  for (char c : text)
    if (c != '\r') lines += c;
  Text1->setPlainText(FromCp1252(lines));
}

std::string frmDupReport::Report() const { return WithCrLf(Text1->toPlainText()); }

void frmDupReport::Command1_Click() { close(); }

void frmDupReport::mnuPrint_Click() {
  std::string error;
  std::unique_ptr<Printer> printer = OpenDefaultPrinter(error);
  if (!printer) {
    MsgBox(error, vbExclamation | vbOKOnly, kMsgTitle);
    return;
  }
  printer->SetOrigin(kPrintLeft, kPrintTop);
  printer->SetFont("Courier", 10, false);
  printer->SetPrintQuality(kMediumQuality);
  printer->Print(Report());
  if (!printer->EndDoc()) MsgBox(printer->ErrorText(), vbExclamation | vbOKOnly, kMsgTitle);
}
