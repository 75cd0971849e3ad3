// The stored settings: what the window takes from them at start and stores
// when options are toggled and when it closes.

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include "mainwindow/Globals.h"
#include "platform/FileDialogs.h"
#include "platform/FlexGridData.h"
#include "platform/Settings.h"
#include "shell_support.h"

namespace shell_test {
namespace {

class SettingsTest : public ShellTest {
 protected:
  void Save(const std::string& key, const std::string& value) {
    SaveSetting("IC-R2", "Settings", key, value);
  }
  // Check marks of the eight options, in store order.
  std::vector<bool> Options() const {
    return {form_->mnuButtons->isChecked(),     form_->mnuAutoShift->isChecked(),
            form_->mnuAutoMode->isChecked(),    form_->mnuAltInterface->isChecked(),
            form_->mnuSingleClick->isChecked(), form_->mnuInsertFills->isChecked(),
            form_->mnuUse9K->isChecked(),       form_->mnuNoComments->isChecked()};
  }
  static QSize ScreenTwips() {
    return QGuiApplication::primaryScreen()->geometry().size() * kTwipsPerPixel;
  }
};

TEST_F(SettingsTest, FirstStartWithAnEmptyStore) {
  const std::string before = CurDir();
  form_->Form_Load();
  EXPECT_EQ(form_->WindowStateCode(), 0);
  EXPECT_EQ(form_->height() * kTwipsPerPixel, 7050);
  EXPECT_EQ(form_->width() * kTwipsPerPixel, 9990);
  // Centred for the size the window had then (the design size is the same).
  EXPECT_NEAR(form_->y() * kTwipsPerPixel, (ScreenTwips().height() - 7050) / 2, kTwipsPerPixel);
  EXPECT_NEAR(form_->x() * kTwipsPerPixel, (ScreenTwips().width() - 9990) / 2, kTwipsPerPixel);
  EXPECT_EQ(Options(), (std::vector<bool>{true, true, true, false, false, false, false, false}));
  EXPECT_EQ(CurDir(), before);
  EXPECT_EQ(AltRow, 1);
  EXPECT_EQ(form_->windowTitle().toStdString(), "IC-R2 Kestrane v1.0.0 (Beta)");
}

TEST_F(SettingsTest, StoredValuesAndValuesThatCannotBeRead) {
  struct Case {
    const char* key;
    const char* value;
    int option;  // index into Options()
    bool expected;
  };
  const Case cases[] = {
      {"Buttons", "False", 0, false},   {"Buttons", "0", 0, false},
      {"AutoShift", "maybe", 1, true},  {"AutoShift", "fALSE", 1, false},
      {"AutoMode", "", 2, true},        {"AutoMode", "-1", 2, true},
      {"SingleClick", "TRUE", 4, true}, {"SingleClick", "yes", 4, false},
      {"InsertFills", "1", 5, true},    {"InsertFills", "2.5", 5, true},
      {"Use9K", "True", 6, true},       {"NoComments", " true ", 7, true},
      {"NoComments", "1e3", 7, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.value);
    ClearStore();
    Save(c.key, c.value);
    form_ = std::make_unique<Form1>();
    form_->Form_Load();
    EXPECT_EQ(Options()[c.option], c.expected);
  }
}

TEST_F(SettingsTest, StoredPlacement) {
  const char* const keys[] = {"WindowState", "Top", "Height", "Left", "Width"};
  struct Case {
    const char* what;
    std::array<const char*, 5> stored;  // in the order of `keys`
    int expectState;
    QRect expectTwips;  // left, top, width, height; -1: centred default
  };
  const Case cases[] = {
      {"normal", {"0", "1500", "6000", "3000", "9000"}, 0, QRect(3000, 1500, 9000, 6000)},
      {"unreadable numbers keep the defaults",
       {"x", "top", "-", "", "9e9"},
       0,
       QRect(-1, -1, 9990, 7050)},
      {"a state that does not exist is skipped",
       {"7", "1500", "6000", "3000", "9000"},
       0,
       QRect(3000, 1500, 9000, 6000)},
      {"maximised reads no placement",
       {"2", "1500", "6000", "3000", "9000"},
       2,
       QRect(-2, -2, 9990, 7050)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearStore();
    for (int i = 0; i < 5; ++i) Save(keys[i], c.stored[i]);
    form_ = std::make_unique<Form1>();
    form_->Form_Load();
    EXPECT_EQ(form_->WindowStateCode(), c.expectState);
    if (c.expectState != 0) {
      // The stored size (9000 by 6000) was not taken for the normal placement.
      EXPECT_NE(form_->normalGeometry().width() * kTwipsPerPixel, 9000);
      EXPECT_NE(form_->normalGeometry().height() * kTwipsPerPixel, 6000);
      continue;
    }
    EXPECT_EQ(form_->width() * kTwipsPerPixel, c.expectTwips.width());
    EXPECT_EQ(form_->height() * kTwipsPerPixel, c.expectTwips.height());
    if (c.expectTwips.left() >= 0) {
      EXPECT_EQ(form_->x() * kTwipsPerPixel, c.expectTwips.left());
      EXPECT_EQ(form_->y() * kTwipsPerPixel, c.expectTwips.top());
    }
  }
}

TEST_F(SettingsTest, SaveSettingsByWindowState) {
  struct Case {
    const char* what;
    Qt::WindowState state;
    const char* storedState;
    bool placement;
  };
  const Case cases[] = {
      {"normal", Qt::WindowNoState, "0", true},
      {"maximised", Qt::WindowMaximized, "2", false},
      {"minimised stores only the folder", Qt::WindowMinimized, "<absent>", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearStore();
    form_ = std::make_unique<Form1>();
    form_->Form_Load();
    form_->setGeometry(40, 60, 600, 400);
    form_->setWindowState(c.state);
    form_->SaveSettings();
    EXPECT_EQ(Stored("FilePath"), CurDir());
    EXPECT_EQ(Stored("WindowState"), c.storedState);
    if (c.placement) {
      EXPECT_EQ(Stored("Width"), std::to_string(form_->width() * kTwipsPerPixel));
      EXPECT_EQ(Stored("Height"), std::to_string(form_->height() * kTwipsPerPixel));
      EXPECT_EQ(Stored("Left"), std::to_string(form_->x() * kTwipsPerPixel));
      EXPECT_EQ(Stored("Top"), std::to_string(form_->y() * kTwipsPerPixel));
    } else {
      for (const char* key : {"Width", "Height", "Left", "Top"}) EXPECT_EQ(Stored(key), "<absent>");
    }
  }
}

TEST_F(SettingsTest, WorkingFolder) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("work"));
  const std::string work = File("work");
  Save("FilePath", work);
  form_->Form_Load();
  EXPECT_EQ(CurDir(), QDir(QString::fromStdString(work)).canonicalPath().toStdString());

  // A folder that is gone leaves the current one.
  ClearStore();
  SaveSetting("IC-R2", "Settings", "FilePath", File("gone"));
  const std::string before = CurDir();
  form_ = std::make_unique<Form1>();
  form_->Form_Load();
  EXPECT_EQ(CurDir(), before);
}

TEST_F(SettingsTest, OptionTogglesStoreTheirMark) {
  form_->Form_Load();
  struct Case {
    void (Form1::*toggle)();
    QAction* Form1::*item;
    const char* key;
  };
  const Case cases[] = {
      {&Form1::mnuButtons_Click, &Form1::mnuButtons, "Buttons"},
      {&Form1::mnuAutoShift_Click, &Form1::mnuAutoShift, "AutoShift"},
      {&Form1::mnuAutoMode_Click, &Form1::mnuAutoMode, "AutoMode"},
      {&Form1::mnuInsertFills_Click, &Form1::mnuInsertFills, "InsertFills"},
      {&Form1::mnuSingleClick_Click, &Form1::mnuSingleClick, "SingleClick"},
      {&Form1::mnuNoComments_Click, &Form1::mnuNoComments, "NoComments"},
      {&Form1::mnuUse9K_Click, &Form1::mnuUse9K, "Use9K"},
      {&Form1::mnuAltInterface_Click, &Form1::mnuAltInterface, "AltInterface"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    QAction* item = form_.get()->*c.item;
    const bool before = item->isChecked();
    (form_.get()->*c.toggle)();
    EXPECT_EQ(item->isChecked(), !before);
    EXPECT_EQ(Stored(c.key), before ? "False" : "True");
    if (c.toggle == &Form1::mnuInsertFills_Click) {
      EXPECT_EQ(form_->InsertFillsOn, !before) << "the row commands see the option";
    }
    // A click on the item itself toggles once, not twice.
    item->trigger();
    EXPECT_EQ(item->isChecked(), before);
    EXPECT_EQ(Stored(c.key), before ? "True" : "False");
  }
}

}  // namespace
}  // namespace shell_test
