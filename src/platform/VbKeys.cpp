#include "platform/VbKeys.h"

#include <QKeyEvent>

#include "platform/Cp1252.h"

int VbKeyCodeOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return vbKeyA + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    // The number pad's digits have codes of their own.
    if (event.modifiers() & Qt::KeypadModifier) return 96 + (key - Qt::Key_0);
    return '0' + (key - Qt::Key_0);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vbKeyF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return vbKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return vbKeyReturn;
    case Qt::Key_Shift:
      return vbKeyShift;
    case Qt::Key_Control:
      return vbKeyControl;
    case Qt::Key_Alt:
      return vbKeyMenu;
    case Qt::Key_Escape:
      return vbKeyEscape;
    case Qt::Key_Space:
      return vbKeySpace;
    case Qt::Key_PageUp:
      return vbKeyPageUp;
    case Qt::Key_PageDown:
      return vbKeyPageDown;
    case Qt::Key_End:
      return vbKeyEnd;
    case Qt::Key_Home:
      return vbKeyHome;
    case Qt::Key_Left:
      return vbKeyLeft;
    case Qt::Key_Up:
      return vbKeyUp;
    case Qt::Key_Right:
      return vbKeyRight;
    case Qt::Key_Down:
      return vbKeyDown;
    case Qt::Key_Insert:
      return vbKeyInsert;
    case Qt::Key_Delete:
      return vbKeyDelete;
    default:
      return 0;
  }
}

int VbShiftOf(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= vbShiftMask;
  if (modifiers & Qt::ControlModifier) shift |= vbCtrlMask;
  if (modifiers & Qt::AltModifier) shift |= vbAltMask;
  return shift;
}

int VbKeyAsciiOf(const QKeyEvent& event) {
  const int key = event.key();
  // Ctrl with a letter types the control character of that letter (Ctrl+C is
  // 3), whatever text the platform attaches to the event.
  if ((event.modifiers() & Qt::ControlModifier) && !(event.modifiers() & Qt::AltModifier) &&
      key >= Qt::Key_A && key <= Qt::Key_Z)
    return 1 + (key - Qt::Key_A);
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0;  // moves the focus; types nothing
    default:
      break;
  }
  return VbAsciiOf(event.text());
}

int VbAsciiOf(const QString& character) {
  if (character.size() != 1) return 0;
  const std::string bytes = ToCp1252(character);
  if (bytes.size() != 1) return 0;
  if (bytes[0] == '?' && character[0] != QLatin1Char('?')) return 0;  // not in the code page
  const int ascii = static_cast<unsigned char>(bytes[0]);
  return ascii == 0 || ascii == 127 ? 0 : ascii;
}
