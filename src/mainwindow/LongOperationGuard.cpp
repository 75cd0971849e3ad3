#include "mainwindow/LongOperationGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "mainwindow/Globals.h"
#include "mainwindow/frmProgress.h"
#include "platform/Runtime.h"

namespace {

int doEventsDepth = 0;

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
      return true;
    default:
      return false;
  }
}

class Guard : public QObject {
 public:
  explicit Guard(QWidget* mainWindow) : mainWindow_(mainWindow) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (doEventsDepth == 0) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (event->type() == QEvent::Close && widget == mainWindow_) {
      CancelRequested = 1;
      event->ignore();
      return true;
    }
    if (!IsUserInput(event->type())) return false;
    const bool inProgressWindow =
        frmProgress::IsLoaded() && widget->window() == &frmProgress::Instance();
    return !inProgressWindow;
  }

 private:
  QPointer<QWidget> mainWindow_;
};

Guard* installed = nullptr;

void GuardedDoEvents() {
  ++doEventsDepth;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  --doEventsDepth;
}

}  // namespace

void InstallLongOperationGuard(QWidget* mainWindow) {
  RemoveLongOperationGuard();
  installed = new Guard(mainWindow);
  QCoreApplication::instance()->installEventFilter(installed);
  SetDoEventsHandler(GuardedDoEvents);
}

void RemoveLongOperationGuard() {
  if (!installed) return;
  QCoreApplication::instance()->removeEventFilter(installed);
  delete installed;
  installed = nullptr;
  SetDoEventsHandler(nullptr);
}
