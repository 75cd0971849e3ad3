#include "support/UserInput.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  QElapsedTimer wait;
  wait.start();
  while (QApplication::activeWindow() != &window && wait.elapsed() < 2000)
    QApplication::processEvents();
  return QApplication::activeWindow() == &window;
}

void SendKey(QWidget& target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&target, &event);
}

void PressEnter(QWidget& target) { SendKey(target, Qt::Key_Return, Qt::NoModifier, "\r"); }

void PasteByKey(QLineEdit& box, const QString& text) {
  QApplication::clipboard()->setText(text);
  SendKey(box, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
}

bool PasteByMenu(QLineEdit& box, const QString& text) {
  QApplication::clipboard()->setText(text);
  const QPoint at(2, 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, box.mapToGlobal(at));
  QApplication::sendEvent(&box, &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu) return false;
  QAction* paste = nullptr;
  for (QAction* action : menu->actions())
    if (action->text().startsWith(QLineEdit::tr("&Paste"))) paste = action;
  if (paste) paste->trigger();
  menu->close();
  return paste != nullptr;
}
