// The Edit menu, the popup menus' items and the clean-up commands of the
// Memories menu, wired to the menu items the window builds.

#include <QAction>
#include <QFrame>
#include <QMenu>

#include "mainwindow/ChannelGrid.h"
#include "mainwindow/Form1.h"

namespace {

// The popup menus' Copy and Paste items, menu by menu.
constexpr const char* kPopupCopy[] = {"mnu1Copy", "mnu2copy", "mnu3copy", "mnu4copy",
                                      "mnu5copy", "mnu6Copy", "mnu7Copy"};
constexpr const char* kPopupPaste[] = {"mnu1Paste", "mnu2Paste", "mnu3paste", "mnu4paste",
                                       "mnu5paste", "mnu6paste", "mnu7Paste"};

// The popup menus' value items: the column each writes and the value.
struct ValueItem {
  const char* name;
  int col;
  const char* value;
};
constexpr ValueItem kValueItems[] = {
    {"mnuFM", ColMode, "FM"},         {"mnuWFM", ColMode, "WFM"},
    {"mnuAM", ColMode, "AM"},         {"mnu3off", ColSkip, "OFF"},
    {"mnuPskip", ColSkip, "PSKIP"},   {"mnu3skip", ColSkip, "SKIP"},
    {"mnu45k", ColStep, "5 KHz"},     {"mnu625khz", ColStep, "6.25 KHz"},
    {"mnu410k", ColStep, "10 KHz"},   {"mnu415k", ColStep, "15 KHz"},
    {"mnu420K", ColStep, "20 KHz"},   {"mnu425K", ColStep, "25 KHz"},
    {"mnu430K", ColStep, "30 KHz"},   {"mnu450K", ColStep, "50 KHz"},
    {"mnu4100k", ColStep, "100 KHz"}, {"mnusimp", ColRptSh, "SIMP"},
    {"mnumdup", ColRptSh, "-DUP"},    {"mnupDUP", ColRptSh, "+DUP"},
    {"mnu6off", ColTsql, "OFF"},      {"mnu6on", ColTsql, "ON"},
};

}  // namespace

void Form1::ConnectEditMenu() {
  auto item = [this](const char* name) {
    QAction* action = findChild<QAction*>(QString::fromLatin1(name));
    Q_ASSERT(action);
    return action;
  };

  connect(mnuEdit, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
  // The items are switched off only while the menu shows them: Ctrl+C, V
  // and X in the grid run through these items and must keep working.
  connect(mnuEdit, &QMenu::aboutToHide, this, [this] {
    for (QAction* action : {mnuCut, mnuCopy, mnuPaste}) action->setEnabled(true);
  });
  connect(mnuCut, &QAction::triggered, this, [this] { CellCut(); });
  connect(mnuCopy, &QAction::triggered, this, [this] { CellCopy(); });
  connect(mnuPaste, &QAction::triggered, this, [this] { CellPaste(); });
  connect(mnuInsert, &QAction::triggered, this, [this] { mnuInsert_Click(); });

  for (const char* name : kPopupCopy)
    connect(item(name), &QAction::triggered, this, [this] { CellCopy(); });
  for (const char* name : kPopupPaste)
    connect(item(name), &QAction::triggered, this, [this] { CellPaste(); });
  for (const ValueItem& value : kValueItems) {
    connect(item(value.name), &QAction::triggered, this,
            [this, value] { SetColumnValue(value.col, value.value); });
  }
  connect(item("mnuAutoIncrement"), &QAction::triggered, this, [this] { IncrementTags(); });

  connect(mnuCheckBlocked, &QAction::triggered, this, [this] { mnuCheckBlocked_Click(); });
  connect(mnuClearMem, &QAction::triggered, this, [this] { mnuClearMem_Click(); });
  connect(mnuRemoveEmpty, &QAction::triggered, this, [this] { mnuRemoveEmpty_Click(); });
  connect(mnuFillSelected, &QAction::triggered, this, [this] { mnuFillSelected_Click(); });
}

void Form1::RefreshAltPanel() {
  if (!Frame2->isHidden()) LoadAlt();
}
