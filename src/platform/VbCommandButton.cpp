#include "platform/VbCommandButton.h"

#include <QKeyEvent>

VbCommandButton::VbCommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setAutoDefault(false);
  setDefault(false);
}

// The toolkit's button takes Enter only as a default button; with that off
// it would pass Enter on to the dialog, which clicks its default button (or
// nothing) instead of the one the user is on.
void VbCommandButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}
