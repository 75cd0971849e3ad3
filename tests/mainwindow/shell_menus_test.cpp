// The command surface: menu captions and order, the toolbar and its
// dispatch, the layout rule, the about box and the progress window.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>

#include "mainwindow/Form5.h"
#include "mainwindow/Globals.h"
#include "mainwindow/LongOperationGuard.h"
#include "mainwindow/frmProgress.h"
#include "platform/FlexGridData.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"
#include "shell_support.h"

namespace shell_test {
namespace {

using MenusTest = ShellTest;

// The menu bar in its order; of all the menus' items exactly these are hidden
// at start (the recent-file slots show once the list has entries).
TEST_F(MenusTest, MenuBarAndItsHiddenItems) {
  form_->Form_Load();
  using L = std::vector<std::string>;
  L titles;
  L hidden;
  for (const QAction* m : form_->menuBar()->actions()) {
    titles.push_back(m->text().toStdString());
    for (const QAction* a : m->menu()->actions()) {
      if (!a->isVisible()) hidden.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    }
  }
  EXPECT_EQ(titles, (L{"&File", "&Edit", "&View", "&Settings", "&Memories", "&Go To",
                       "&IC-R2 Settings", "&Transfer", "&Help"}));
  EXPECT_EQ(hidden, (L{"&Export To .CSV...", "&Export To CSV Type 2...", "-", "&1", "&2", "&3",
                       "&4", "&5", "-", "&Insert Cut Rows", "-", "&Priority Channel..."}));
}

TEST_F(MenusTest, ToolbarDispatchByButtonNumber) {
  LoadAndOpen(WriteImageFile("a.r2"));
  ASSERT_EQ(form_->Toolbar1->actions().size(), 19);
  for (int n = 1; n <= 19; ++n) {
    ASSERT_EQ(form_->Toolbar1Button(n), form_->Toolbar1->actions()[n - 1]);
    EXPECT_EQ(form_->Toolbar1Button(n)->isSeparator(), n == 4 || n == 8 || n == 14 || n == 17) << n;
  }
  EXPECT_EQ(form_->Toolbar1Button(0), nullptr);
  EXPECT_EQ(form_->Toolbar1Button(20), nullptr);
  // Buttons without a command (and numbers outside the toolbar) open nothing;
  // the scripts fail the test on any box or dialog.
  {
    MsgBoxScript boxes;
    FileDialogScript dialogs;
    for (int n : {0, 1, 4, 8, 14, 17, 20, -3}) form_->Toolbar1_ButtonClick(n);
  }
  {
    FileDialogScript dialogs;
    dialogs.Cancel();
    form_->Toolbar1_ButtonClick(2);
    EXPECT_EQ(dialogs.Requests().at(0).title, "Open File");
  }
  SetGridCell(1, 9, "by toolbar");
  form_->Toolbar1_ButtonClick(3);
  EXPECT_NE(ReadAll(form_->CurrentFile).find("by toolbar"), std::string::npos);
  // Button 10 widens the selection to whole rows and moves row 1 down.
  form_->MSFlexGrid1->SetRow(1);
  form_->MSFlexGrid1->SetCol(3);
  form_->Toolbar1_ButtonClick(10);
  EXPECT_EQ(GridCell(2, 1), "146.520");
  EXPECT_EQ(GridCell(1, 1), "145.230");
  // A click on the toolbar's own button runs the same dispatch.
  form_->Toolbar1Button(9)->trigger();
  EXPECT_EQ(GridCell(1, 1), "146.520");
}

TEST_F(MenusTest, LayoutFollowsTheWindowAndTheButtonsOption) {
  form_->Form_Load();
  struct Case {
    bool buttons;
    int width, height;  // twips
    int gridLeft, gridWidth;
  };
  const Case cases[] = {
      {true, 9990, 7050, 1575, 9990 - 1800},
      {false, 9990, 7050, 100, 9990 - 300},
      {false, 6000, 4500, 100, 6000 - 300},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + (c.buttons ? " buttons" : ""));
    if (form_->mnuButtons->isChecked() != c.buttons) form_->mnuButtons_Click();
    form_->resize(c.width / kTwipsPerPixel, c.height / kTwipsPerPixel);
    form_->Form_Resize();
    const MSFlexGrid* grid = form_->MSFlexGrid1;
    EXPECT_EQ(grid->x(), c.gridLeft / kTwipsPerPixel);
    EXPECT_EQ(grid->width(), c.gridWidth / kTwipsPerPixel);
    EXPECT_EQ(grid->height(), (c.height - 1500) / kTwipsPerPixel);
    EXPECT_EQ(form_->Frame2->width(), (c.gridLeft + c.gridWidth - 100) / kTwipsPerPixel);
    EXPECT_EQ(form_->Frame2->height(), grid->height());
    EXPECT_EQ(form_->Frame1->y(), (c.height - 1050) / kTwipsPerPixel);
    EXPECT_EQ(form_->Frame1->width(), form_->width());
    EXPECT_EQ(form_->Label1->width(), form_->Frame1->width());
  }
  // Row buttons: 1320 by 375 twips at left 135.
  EXPECT_EQ(form_->Command8->geometry(), QRect(135 / 15, 1980 / 15, 1320 / 15, 375 / 15));
  // A window too small for the grid skips what would be negative.
  const QRect before = form_->MSFlexGrid1->geometry();
  form_->resize(60, 40);
  form_->Form_Resize();
  EXPECT_EQ(form_->MSFlexGrid1->height(), before.height());
}

TEST_F(MenusTest, ScanEdgeAndBankJumps) {
  LoadAndOpen(WriteImageFile("a.r2"));
  form_->mnuScanEdge_Click();
  EXPECT_EQ(form_->MSFlexGrid1->TopRow(), 401);
  form_->mnuBank[3]->trigger();
  EXPECT_EQ(form_->MSFlexGrid1->TopRow(), 151);
  EXPECT_EQ(AltRow, 151);
}

TEST_F(MenusTest, AboutBox) {
  form_->Form_Load();
  int shown = 0;
  SetModalRunner([&](QDialog& dialog) {
    ++shown;
    auto* about = dynamic_cast<Form5*>(&dialog);
    EXPECT_NE(about, nullptr);
    if (!about) return 0;
    EXPECT_EQ(about->Label2->text().toStdString(), "Version 1.0.0");
    about->Command1->click();
    return about->result();
  });
  form_->mnuabout->trigger();
  SetModalRunner(nullptr);
  EXPECT_EQ(shown, 1);
}

TEST_F(MenusTest, ProgressWindowCancelAndCloseBox) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Cancel");
    CancelRequested = 0;
    frmProgress& progress = frmProgress::Instance();
    EXPECT_TRUE(frmProgress::IsLoaded());
    progress.show();
    if (closeBox) {
      progress.close();
    } else {
      progress.Command1->click();
    }
    EXPECT_EQ(CancelRequested, 1);
    EXPECT_FALSE(frmProgress::IsLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Unloading at the normal end of an operation asks for nothing.
  CancelRequested = 0;
  frmProgress::Instance().show();
  frmProgress::Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(CancelRequested, 0);
}

TEST_F(MenusTest, WhileALongOperationRunsOnlyItsProgressWindowTakesInput) {
  LoadAndOpen(WriteImageFile("a.r2"));
  InstallLongOperationGuard(form_.get());
  form_->MSFlexGrid1->SetRow(5);
  frmProgress::Instance().show();

  // A key for the grid and a close of the main window arrive while the
  // operation lets events run.
  QCoreApplication::postEvent(form_->MSFlexGrid1->View(),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
  QCoreApplication::postEvent(form_.get(), new QCloseEvent());
  DoEvents();
  EXPECT_EQ(form_->MSFlexGrid1->Row(), 5);
  EXPECT_EQ(CancelRequested, 1);              // the close counts as Cancel
  EXPECT_EQ(Stored("FilePath"), "<absent>");  // and the window did not unload

  // The progress window's own button still works.
  CancelRequested = 0;
  QPushButton* cancel = frmProgress::Instance().Command1;
  QCoreApplication::postEvent(cancel,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
  QCoreApplication::postEvent(cancel,
                              new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
  DoEvents();
  EXPECT_EQ(CancelRequested, 1);
  EXPECT_FALSE(frmProgress::IsLoaded());

  // Outside the loop's DoEvents the window takes input as always.
  RemoveLongOperationGuard();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  CancelRequested = 0;
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QCoreApplication::sendEvent(form_->MSFlexGrid1->View(), &down);
  EXPECT_EQ(form_->MSFlexGrid1->Row(), 6);
}

}  // namespace
}  // namespace shell_test
