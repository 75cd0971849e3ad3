#include "platform/VbEvents.h"

#include <QKeyEvent>
#include <QWidget>

#include "platform/Cp1252.h"
#include "platform/VbKeys.h"

void VbFocusState::FocusIn(const std::function<void()>& gotFocus) {
  if (has_) return;  // back from a popup, the menu bar or another window
  has_ = true;
  if (gotFocus) gotFocus();
}

void VbFocusState::FocusOut(Qt::FocusReason reason, const std::function<void()>& lostFocus) {
  switch (reason) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
    case Qt::ActiveWindowFocusReason:
      return;
    default:
      break;
  }
  if (!has_) return;
  has_ = false;
  if (lostFocus) lostFocus();
}

void VbFocusState::Hidden(bool itself, const std::function<void()>& lostFocus) {
  if (!itself || !has_) return;
  has_ = false;
  if (lostFocus) lostFocus();
}

void VbFocusState::FocusRequested(bool hasToolkitFocus, const std::function<void()>& gotFocus) {
  if (hasToolkitFocus) FocusIn(gotFocus);
}

bool IsEditingShortcut(int keyAscii) {
  switch (keyAscii) {
    case 1:   // Ctrl+A
    case 3:   // Ctrl+C
    case 22:  // Ctrl+V
    case 24:  // Ctrl+X
    case 26:  // Ctrl+Z
      return true;
    default:
      return false;
  }
}

bool IsTabKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
}

void RunClassicKey(QWidget& control, QKeyEvent* event, const VbKeyDownHandler& keyDown,
                   const VbKeyPressHandler& keyPress, const std::function<void(QKeyEvent*)>& base) {
  event->accept();
  int keyCode = VbKeyCodeOf(*event);
  if (keyCode != 0 && keyDown) {
    keyDown(keyCode, VbShiftOf(event->modifiers()));
    if (keyCode == 0) return;
  }
  const int typed = VbKeyAsciiOf(*event);
  int ascii = typed;
  if (ascii != 0 && keyPress) {
    keyPress(ascii);
    if (ascii == 0) return;
  }
  // Tab never reaches the control itself: it is a key of the handlers only.
  if (IsTabKey(*event) || control.isHidden()) return;
  if (ascii == typed) {
    base(event);
    return;
  }
  // The handler typed another character in place of the key's own.
  const Qt::Key key = ascii == 8    ? Qt::Key_Backspace
                      : ascii == 13 ? Qt::Key_Return
                                    : Qt::Key_unknown;
  const QString text = key == Qt::Key_unknown ? QString(QChar(Cp1252ToUnicode(ascii))) : QString();
  QKeyEvent replacement(QEvent::KeyPress, key, Qt::NoModifier, text);
  base(&replacement);
}
