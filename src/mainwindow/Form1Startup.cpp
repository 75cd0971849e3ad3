// Start-up and shut-down of the main window, the stored settings and the
// list of recently used files.

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include "image/clsICR2.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1Shared.h"
#include "mainwindow/Globals.h"
#include "mainwindow/frmProgress.h"
#include "platform/FileDialogs.h"
#include "platform/MSFlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"

namespace {

constexpr const char* kApp = "IC-R2";
constexpr const char* kSettings = "Settings";
constexpr const char* kMru = "MRU";
constexpr int kMruCount = 5;

// Window state codes as stored.
constexpr int kStateNormal = 0;
constexpr int kStateMinimized = 1;
constexpr int kStateMaximized = 2;

std::string Setting(const std::string& key, const std::string& defaultValue) {
  return GetSetting(kApp, kSettings, key, defaultValue);
}

std::string MruKey(int i) { return "mru" + std::to_string(i); }

std::string LowerUnicode(const std::string& utf8) {
  return QString::fromStdString(utf8).toLower().toStdString();
}

// Twips to pixels and back; placements outside what a window can take are
// refused so that a damaged store cannot throw the window out of reach.
std::optional<int> PixelsOf(double twips) {
  const double px = twips / kTwipsPerPixel;
  if (!(px > -32768 && px < 32768)) return std::nullopt;
  return static_cast<int>(px);
}

}  // namespace

int Form1::WindowStateCode() const {
  if (windowState() & Qt::WindowMinimized) return kStateMinimized;
  if (windowState() & Qt::WindowMaximized) return kStateMaximized;
  return kStateNormal;
}

void Form1::Form_Load() {
  AppTitle = BuildAppTitle();
  setWindowTitle(QString::fromStdString(AppTitle));
  CutBuffer.assign(1, CopyRecord{});
  CopyBuffer.assign(1, CopyRecord{});
  initgrid();
  InitGUI();
  LoadAltGUI();
  LoadSettings();
}

void Form1::LoadSettings() {
  // Every step skips a stored value it cannot convert or apply.
  if (const std::optional<int> state = SettingInt16(Setting("WindowState", "0"))) {
    if (*state == kStateNormal) setWindowState(Qt::WindowNoState);
    if (*state == kStateMinimized) setWindowState(Qt::WindowMinimized);
    if (*state == kStateMaximized) setWindowState(Qt::WindowMaximized);
  }
  if (WindowStateCode() == kStateNormal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenTwips = screen ? screen->geometry().size() * kTwipsPerPixel : QSize(0, 0);
    // Each default centres the window for the size it has at that moment.
    const double defaultTop = (screenTwips.height() - height() * kTwipsPerPixel) / 2.0;
    if (const auto top = SettingNumber(Setting("Top", std::to_string(defaultTop)))) {
      if (const auto px = PixelsOf(*top)) move(x(), *px);
    }
    if (const auto h = SettingNumber(Setting("Height", "7050"))) {
      if (const auto px = PixelsOf(*h); px && *px > 0) resize(width(), *px);
    }
    const double defaultLeft = (screenTwips.width() - width() * kTwipsPerPixel) / 2.0;
    if (const auto left = SettingNumber(Setting("Left", std::to_string(defaultLeft)))) {
      if (const auto px = PixelsOf(*left)) move(*px, y());
    }
    if (const auto w = SettingNumber(Setting("Width", "9990"))) {
      if (const auto px = PixelsOf(*w); px && *px > 0) resize(*px, height());
    }
  }
  Frame2->move(100 / kTwipsPerPixel, MSFlexGrid1->y());

  const std::pair<QAction*, const char*> options[] = {{mnuButtons, "Buttons"},
                                                      {mnuAutoShift, "AutoShift"},
                                                      {mnuAutoMode, "AutoMode"},
                                                      {mnuAltInterface, "AltInterface"},
                                                      {mnuSingleClick, "SingleClick"},
                                                      {mnuInsertFills, "InsertFills"},
                                                      {mnuUse9K, "Use9K"},
                                                      {mnuNoComments, "NoComments"}};
  constexpr const char* kDefaults[] = {"1", "1", "1", "0", "0", "0", "0", "0"};
  for (size_t i = 0; i < std::size(options); ++i) {
    if (const auto checked = SettingBool(Setting(options[i].second, kDefaults[i]))) {
      options[i].first->setChecked(*checked);
    }
  }
  SyncOptionFlags();
  if (mnuAltInterface->isChecked()) {
    Frame2->setVisible(true);
    mnuEdit->menuAction()->setEnabled(false);
  }
  const std::string folder = Setting("FilePath", "");
  if (!folder.empty()) ChDir(folder);
  AltRow = 1;
  Form_Resize();
  LoadMRU();
}

void Form1::SaveSettings() {
  SaveSetting(kApp, kSettings, "FilePath", CurDir());
  const int state = WindowStateCode();
  if (state == kStateMinimized) return;
  SaveSetting(kApp, kSettings, "WindowState", std::to_string(state));
  if (state != kStateNormal) return;
  SaveSetting(kApp, kSettings, "Width", std::to_string(width() * kTwipsPerPixel));
  SaveSetting(kApp, kSettings, "Height", std::to_string(height() * kTwipsPerPixel));
  SaveSetting(kApp, kSettings, "Left", std::to_string(x() * kTwipsPerPixel));
  SaveSetting(kApp, kSettings, "Top", std::to_string(y() * kTwipsPerPixel));
}

void Form1::LoadMRU() {
  bool any = false;
  for (int i = 0; i < kMruCount; ++i) {
    const QString number = QStringLiteral("&%1").arg(i + 1);
    const std::string entry = GetSetting(kApp, kMru, MruKey(i), "");
    if (entry.empty()) {
      mnuMRU[i]->setText(number);
      mnuMRU[i]->setVisible(false);
      continue;
    }
    any = true;
    QString name = QString::fromStdString(entry);
    const qsizetype slash = std::max(name.lastIndexOf('/'), name.lastIndexOf('\\'));
    if (slash >= 0) name = name.mid(slash + 1);
    name.replace('&', QStringLiteral("&&"));  // a file name's "&" is no access key
    mnuMRU[i]->setText(number + ' ' + name);
    mnuMRU[i]->setVisible(true);
  }
  mnuMRUSep->setVisible(any);
}

void Form1::AddToMRU(const std::string& fpath) {
  int position = kMruCount;  // not in the list
  const std::string wanted = LowerUnicode(fpath);
  for (int i = 0; i < kMruCount; ++i) {
    if (LowerUnicode(GetSetting(kApp, kMru, MruKey(i), "")) == wanted) position = i;
  }
  const int start = position == kMruCount ? kMruCount - 1 : position;
  for (int i = start; i >= 1; --i) {
    SaveSetting(kApp, kMru, MruKey(i), GetSetting(kApp, kMru, MruKey(i - 1), ""));
  }
  SaveSetting(kApp, kMru, MruKey(0), fpath);
  LoadMRU();
}

void Form1::Form_Unload(bool& Cancel) {
  SaveSettings();
  Cancel = !QuerySaveChanges();
  if (Cancel) return;
  QFile::remove(QString::fromStdString(AppPath() + "/tmp.dat"));
  // The program ends here: the progress window goes with the main window,
  // and the event loop stops.
  frmProgress::Unload();
  QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  Form_Unload(cancel);
  if (cancel) {
    event->ignore();
  } else {
    event->accept();
  }
}
