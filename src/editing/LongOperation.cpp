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
// A command done sooner than this never shows the window: it would only
// flash, and showing it would cost more than the work.
constexpr double kShowAfter = 0.25;
}  // namespace

LongOperation::LongOperation(const std::string& label, std::function<void()> whenShown,
                             std::function<void()> whenDone)
    : label_(label),
      whenShown_(std::move(whenShown)),
      whenDone_(std::move(whenDone)),
      start_(Timer()),
      lastYield_(start_) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

LongOperation::~LongOperation() {
  if (shown_) frmProgress::Unload();
  QApplication::restoreOverrideCursor();
  if (shown_ && whenDone_) whenDone_();
}

bool LongOperation::Step(double percent, bool yieldNow) {
  const double now = Timer();
  if (!yieldNow && now - lastYield_ < kYieldInterval) return false;
  // Until the window shows there is no Cancel to press, and no yield is
  // worth its cost (a repaint of the whole window).
  if (!shown_ && now - start_ < kShowAfter) return false;
  lastYield_ = now;
  if (!shown_) {
    shown_ = true;
    if (whenShown_) whenShown_();
    frmProgress& progress = frmProgress::Instance();
    progress.Label1->setText(FromCp1252(label_));
    progress.show();
  }
  // A Cancel unloads the window; it is not shown again for the last steps.
  if (frmProgress::IsLoaded())
    frmProgress::Instance().ProgressBar1->setValue(static_cast<int>(percent));
  DoEvents();
  if (CancelRequested != 1) return false;
  CancelRequested = 0;
  return true;
}
