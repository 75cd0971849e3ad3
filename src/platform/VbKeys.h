#pragma once
// Keyboard events in the classic form the window handlers are written in: a
// key code (the virtual-key number: 46 Delete, 13 Enter, 9 Tab ...), a shift
// state (1 Shift, 2 Ctrl, 4 Alt, added up) and, for keys that type, a
// character code (a Windows-1252 byte; Ctrl+C is 3, Ctrl+V 22, Ctrl+X 24).

#include <QString>
#include <Qt>

class QKeyEvent;

enum VbKeyCode : int {
  vbKeyBack = 8,
  vbKeyTab = 9,
  vbKeyReturn = 13,
  vbKeyShift = 16,
  vbKeyControl = 17,
  vbKeyMenu = 18,
  vbKeyEscape = 27,
  vbKeySpace = 32,
  vbKeyPageUp = 33,
  vbKeyPageDown = 34,
  vbKeyEnd = 35,
  vbKeyHome = 36,
  vbKeyLeft = 37,
  vbKeyUp = 38,
  vbKeyRight = 39,
  vbKeyDown = 40,
  vbKeyInsert = 45,
  vbKeyDelete = 46,
  vbKeyA = 65,
  vbKeyF1 = 112,
};

enum VbShiftState : int {
  vbShiftMask = 1,
  vbCtrlMask = 2,
  vbAltMask = 4,
};

// The key code of the event's key; 0 for keys without one.
int VbKeyCodeOf(const QKeyEvent& event);

// Shift state of a set of modifiers.
int VbShiftOf(Qt::KeyboardModifiers modifiers);

// The character the key types, as a Windows-1252 byte (1 to 255); 0 when it
// types none (arrows, function keys, characters outside the code page).
int VbKeyAsciiOf(const QKeyEvent& event);

// One character as a Windows-1252 byte (1 to 255); 0 for a text that is not
// one character of the code page (or is NUL or DEL).
int VbAsciiOf(const QString& character);
