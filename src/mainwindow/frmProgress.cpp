#include "mainwindow/frmProgress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "mainwindow/Globals.h"

namespace {

frmProgress*& Loaded() {
  static frmProgress* window = nullptr;
  return window;
}

}  // namespace

frmProgress::frmProgress()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmProgress");
  setWindowTitle(QString());
  setModal(false);

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  QFont arial(QStringLiteral("Arial"));
  arial.setPointSize(10);
  Label1->setFont(arial);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);

  Command1 = new QPushButton(tr("&Cancel"), this);
  Command1->setObjectName("Command1");
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(ProgressBar1);
  layout->addWidget(Command1, 0, Qt::AlignHCenter);
  setFixedSize(360, 130);
}

frmProgress::~frmProgress() {
  if (Loaded() == this) Loaded() = nullptr;
}

frmProgress& frmProgress::Instance() {
  if (!Loaded()) Loaded() = new frmProgress();
  return *Loaded();
}

bool frmProgress::IsLoaded() { return Loaded() != nullptr; }

void frmProgress::Unload() {
  frmProgress* window = Loaded();
  if (!window) return;
  Loaded() = nullptr;
  window->hide();
  // The window may be unloading from inside its own click handler.
  window->deleteLater();
}

void frmProgress::Command1_Click() {
  CancelRequested = 1;
  Unload();
}

void frmProgress::closeEvent(QCloseEvent* event) {
  event->ignore();
  Command1_Click();
}

void frmProgress::reject() { Command1_Click(); }
