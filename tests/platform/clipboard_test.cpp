// The clipboard layer over the real system clipboard.

#include "platform/Clipboard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace {

TEST(Clipboard, TextAsWindows1252AndCleared) {
  QClipboard* clipboard = QApplication::clipboard();
  const std::pair<const char*, const char*> cases[] = {
      {"146.52 Caf\xC3\xA9\r\n", "146.52 Caf\xE9\r\n"},
      {"\xE2\x82\xAC 5", "\x80 5"},  // euro sign
      {"\xE2\x86\x92 x", "? x"},     // no such character in the code page
      {"", ""}};
  for (const auto& [copied, read] : cases) {
    clipboard->setText(QString::fromUtf8(copied));
    EXPECT_EQ(ClipboardText(), read);
  }
  auto* image = new QMimeData;
  image->setData("image/png", QByteArray("\x89PNG", 4));
  clipboard->setMimeData(image);
  EXPECT_EQ(ClipboardText(), "");  // no text
  clipboard->setText("146.52");
  ClipboardClear();
  EXPECT_TRUE(clipboard->text().isEmpty());
}

}  // namespace
