#pragma once
// What the user does with the keyboard and the mouse's menus, sent to the
// real widgets as the toolkit delivers it: a key the target leaves goes on to
// its parents, a context menu opens as a popup.

#include <QString>
#include <Qt>

class QLineEdit;
class QWidget;

// Shows the window and makes it the active one, as a click on it would;
// false when it did not become active within two seconds.
bool ShowActive(QWidget& window);

void SendKey(QWidget& target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = {});
void PressEnter(QWidget& target);

// Puts `text` on the clipboard, then pastes it into the box with Ctrl+V.
void PasteByKey(QLineEdit& box, const QString& text);
// Puts `text` on the clipboard, then opens the box's context menu and picks
// its Paste; false when no menu with a Paste opened.
bool PasteByMenu(QLineEdit& box, const QString& text);
