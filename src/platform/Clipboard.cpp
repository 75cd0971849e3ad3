#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/Cp1252.h"

std::string ClipboardText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? ToCp1252(clipboard->text()) : std::string();
}

void ClipboardClear() {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}
