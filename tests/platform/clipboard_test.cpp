// The clipboard layer over the real system clipboard.

#include "platform/Clipboard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace {

TEST(Clipboard, TextAsWindows1252AndCleared) {
  QClipboard* clipboard = QApplication::clipboard();
  struct Case {
    QString copied;
    std::string read;
  };
  const Case cases[] = {
      {QString::fromUtf8("146.52 Caf\xC3\xA9\r\n"), "146.52 Caf\xE9\r\n"},
      {QString::fromUtf8("\xE2\x82\xAC 5"), "\x80 5"},  // euro sign
      {QString::fromUtf8("\xE2\x86\x92 x"), "? x"},     // no such character
      {QString(), ""},
  };
  for (const Case& c : cases) {
    clipboard->setText(c.copied);
    EXPECT_EQ(ClipboardText(), c.read);
  }
  // An image holds no text.
  auto* mime = new QMimeData;
  mime->setData("image/png", QByteArray("\x89PNG", 4));
  clipboard->setMimeData(mime);
  EXPECT_EQ(ClipboardText(), "");
  clipboard->setText("146.52");
  ClipboardClear();
  EXPECT_TRUE(clipboard->text().isEmpty());
  EXPECT_EQ(ClipboardText(), "");
}

}  // namespace
