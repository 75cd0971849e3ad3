#include "importexport/frmPreview.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

#include "platform/Cp1252.h"
#include "platform/FlexGridData.h"

frmPreview::frmPreview(QWidget* owner) : QDialog(owner) {
  setObjectName("frmPreview");
  setWindowTitle("Preview");
  if (owner) setWindowIcon(owner->windowIcon());
  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName("Text1");
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Command1 = new QPushButton("&OK", this);
  Command1->setObjectName("Command1");
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
  resize(640, 480);
}

void frmPreview::SetText(const std::string& text) { Text1->setPlainText(FromCp1252(text)); }

std::string frmPreview::Text() const { return ToCp1252(Text1->toPlainText()); }

void frmPreview::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Form_Resize();
}

void frmPreview::Form_Resize() {
  // Twips of the inner area; a size that would come out negative is skipped.
  const int innerWidth = width() * kTwipsPerPixel;
  const int innerHeight = height() * kTwipsPerPixel;
  const int boxWidth = innerWidth - 200;
  const int boxHeight = innerHeight - 1000;
  if (boxWidth > 0 && boxHeight > 0)
    Text1->setGeometry(100 / kTwipsPerPixel, 100 / kTwipsPerPixel, boxWidth / kTwipsPerPixel,
                       boxHeight / kTwipsPerPixel);
  const int buttonWidth = Command1->sizeHint().width() * kTwipsPerPixel;
  const int top = innerHeight - 800;
  const int left = (innerWidth - buttonWidth) / 2;
  if (top >= 0 && left >= 0)
    Command1->setGeometry(left / kTwipsPerPixel, top / kTwipsPerPixel, buttonWidth / kTwipsPerPixel,
                          Command1->sizeHint().height());
}
