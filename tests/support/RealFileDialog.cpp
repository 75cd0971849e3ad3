#include "support/RealFileDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>

namespace {

constexpr int kPollMs = 10;
constexpr int kGiveUpPolls = 500;  // 5 seconds

}  // namespace

RealFileDialog::RealFileDialog(std::string fileName, int fileType)
    : fileName_(std::move(fileName)), fileType_(fileType) {
  // The offscreen platform has no native dialogs; this makes sure of it.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
  // An earlier test that closed the main window asked the application to
  // end while no event loop ran; that request would end the dialog's own
  // loop at once. One pass of the application's loop clears it.
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  timer_.setInterval(kPollMs);
  connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
  timer_.start();
}

RealFileDialog::~RealFileDialog() = default;

void RealFileDialog::Poll() {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  if (!dialog || !dialog->isVisible()) {
    if (++polls_ > kGiveUpPolls) timer_.stop();
    return;
  }
  timer_.stop();
  auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
  auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
  auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
  QAbstractButton* accept = nullptr;
  if (buttons) {
    for (QAbstractButton* b : buttons->buttons())
      if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole) accept = b;
  }
  if (!types || !name || !accept || fileType_ < 1 || fileType_ > types->count()) {
    dialog->reject();
    return;
  }
  for (int i = 0; i < types->count(); ++i) shown_.push_back(types->itemText(i).toStdString());
  // What a click on an entry of the open list does.
  types->setCurrentIndex(fileType_ - 1);
  emit types->activated(fileType_ - 1);
  name->setFocus();
  name->setText(QString::fromStdString(fileName_));
  accept->click();
  acted_ = true;
  // A dialog that refused the answer would otherwise wait for ever.
  QTimer::singleShot(1000, dialog, [dialog] {
    if (dialog->isVisible()) dialog->reject();
  });
}
