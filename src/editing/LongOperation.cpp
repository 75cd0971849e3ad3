#include "editing/LongOperation.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include "mainwindow/Globals.h"
#include "mainwindow/frmProgress.h"
#include "platform/Cp1252.h"
#include "platform/Runtime.h"

namespace {
constexpr double kYieldInterval = 0.03;  // seconds
}

LongOperation::LongOperation(const std::string& label) : label_(label), lastYield_(Timer()) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  frmProgress& progress = frmProgress::Instance();
  progress.Label1->setText(FromCp1252(label_));
  progress.ProgressBar1->setValue(0);
  progress.show();
}

LongOperation::~LongOperation() {
  frmProgress::Unload();
  QApplication::restoreOverrideCursor();
}

bool LongOperation::Step(double percent, bool yieldNow) {
  const double now = Timer();
  if (!yieldNow && now - lastYield_ < kYieldInterval) return false;
  lastYield_ = now;
  // A Cancel unloads the window; it is not shown again for the last steps.
  if (frmProgress::IsLoaded())
    frmProgress::Instance().ProgressBar1->setValue(static_cast<int>(percent));
  DoEvents();
  if (CancelRequested != 1) return false;
  CancelRequested = 0;
  return true;
}
