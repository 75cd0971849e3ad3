// Which menus, items, buttons and toolbar buttons each GUI state enables.

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "platform/MSFlexGrid.h"
#include "platform/Settings.h"
#include "shell_support.h"

namespace shell_test {
namespace {

// Expected enabled flags: N nothing loaded (after InitGUI), L loaded (after
// EnableGUI), A loaded with the alternate GUI on, B busy (after DisableGUI
// from the loaded state).
struct Row {
  const char* what;
  bool N, L, A, B;
};

class GuiStatesTest : public ShellTest {
 protected:
  bool Menu(QMenu* Form1::*menu) const { return (form_.get()->*menu)->menuAction()->isEnabled(); }
  bool Item(QAction* Form1::*item) const { return (form_.get()->*item)->isEnabled(); }
  bool Widget(QWidget* widget) const { return widget->isEnabled(); }

  // Every switch the states touch, with its state in each column.
  std::vector<std::pair<Row, bool (*)(const GuiStatesTest&)>> Table() const;

  void Check(int column) const {
    for (const auto& [row, probe] : Table()) {
      const bool expected[] = {row.N, row.L, row.A, row.B};
      EXPECT_EQ(probe(*this), expected[column]) << row.what;
    }
  }
};

#define MENU(m) [](const GuiStatesTest& t) { return t.Menu(&Form1::m); }
#define ITEM(i) [](const GuiStatesTest& t) { return t.Item(&Form1::i); }
#define WIDGET(w) [](const GuiStatesTest& t) { return t.Widget(t.form_->w); }
#define BUTTON(n) [](const GuiStatesTest& t) { return t.form_->Toolbar1Button(n)->isEnabled(); }

std::vector<std::pair<Row, bool (*)(const GuiStatesTest&)>> GuiStatesTest::Table() const {
  return {
      {{"File", 1, 1, 1, 0}, MENU(mnuFile)},
      {{"Edit", 0, 1, 1, 0}, MENU(mnuEdit)},
      {{"View", 1, 1, 1, 1}, MENU(mnuView)},
      {{"Settings", 1, 1, 1, 0}, MENU(mnuOptions)},
      {{"Memories", 0, 1, 1, 0}, MENU(mnuMemories)},
      {{"Go To", 0, 1, 1, 0}, MENU(mnuGoTo)},
      {{"IC-R2 Settings", 0, 1, 1, 0}, MENU(mnuVX2Settings)},
      {{"Transfer", 1, 1, 1, 0}, MENU(mnuTransfer)},
      {{"Help", 1, 1, 1, 0}, MENU(mnuHelp)},
      {{"Open", 1, 1, 1, 1}, ITEM(mnuOpen)},
      {{"Save", 0, 1, 1, 1}, ITEM(mnuSaveOnly)},
      {{"Save As", 0, 1, 1, 1}, ITEM(mnuSave)},
      {{"CSV import", 0, 1, 1, 1}, ITEM(mnuImport)},
      {{"CSV export", 0, 1, 1, 1}, ITEM(mnuExportWizard)},
      {{"TPE import", 0, 1, 1, 1}, ITEM(mnuImportTPE)},
      {{"IC-Q7 import", 0, 1, 1, 1}, ITEM(mnuImportICQ7)},
      {{"VX-2 import", 0, 1, 1, 1}, ITEM(mnuImportVX2)},
      {{"VX-5 import", 0, 1, 1, 1}, ITEM(mnuImportEve)},
      {{"VX-7 import", 0, 1, 1, 1}, ITEM(mnuImportVX7)},
      {{"VR-120 import", 0, 1, 1, 1}, ITEM(mnuImportVR120)},
      {{"Frequency Import Tool", 0, 1, 1, 1}, ITEM(mnuFreqImportTool)},
      {{"Print", 0, 1, 1, 1}, ITEM(mnuPrint)},
      {{"Exit", 1, 1, 1, 1}, ITEM(mnuexit)},
      {{"Test Communication", 1, 1, 1, 1}, ITEM(mnuTestComms)},
      {{"Read", 1, 1, 1, 1}, ITEM(mnuRead)},
      {{"Write", 0, 1, 1, 1}, ITEM(mnuWrite)},
      {{"About", 1, 1, 1, 1}, ITEM(mnuabout)},
      {{"Move up button", 0, 1, 1, 0}, WIDGET(Command2)},
      {{"Move down button", 0, 1, 1, 0}, WIDGET(Command1)},
      {{"Insert Blank button", 0, 1, 1, 0}, WIDGET(Command8)},
      {{"Delete button", 0, 1, 1, 0}, WIDGET(Command3)},
      {{"Clear button", 0, 1, 1, 0}, WIDGET(Command7)},
      {{"grid", 0, 1, 1, 0}, WIDGET(MSFlexGrid1)},
      {{"alternate panel", 0, 1, 1, 0}, WIDGET(Frame2)},
      {{"toolbar 1", 1, 1, 1, 0}, BUTTON(1)},
      {{"toolbar 2 Open", 1, 1, 1, 0}, BUTTON(2)},
      {{"toolbar 3 Save", 0, 1, 1, 0}, BUTTON(3)},
      {{"toolbar 5 Cut", 0, 1, 0, 0}, BUTTON(5)},
      {{"toolbar 9 Move Up", 0, 1, 0, 0}, BUTTON(9)},
      {{"toolbar 13 Clear", 0, 1, 0, 0}, BUTTON(13)},
      {{"toolbar 15 Find", 0, 1, 0, 0}, BUTTON(15)},
      {{"toolbar 16 Print", 0, 1, 0, 0}, BUTTON(16)},
      {{"toolbar 17 separator", 0, 1, 0, 0}, BUTTON(17)},
      {{"toolbar 18 Read", 1, 1, 1, 0}, BUTTON(18)},
      {{"toolbar 19 Write", 0, 1, 1, 0}, BUTTON(19)},
  };
}

TEST_F(GuiStatesTest, NothingLoadedAfterStart) {
  form_->Form_Load();
  Check(0);
  EXPECT_TRUE(form_->Label1->text().isEmpty());
}

TEST_F(GuiStatesTest, LoadedAfterOpen) {
  LoadAndOpen(WriteImageFile("a.r2"));
  Check(1);
}

TEST_F(GuiStatesTest, LoadedWithTheAlternateInterface) {
  // With the alternate GUI stored on, the editing buttons keep the state the
  // start left them in.
  SaveSetting("IC-R2", "Settings", "AltInterface", "True");
  LoadAndOpen(WriteImageFile("a.r2"));
  Check(2);
  EXPECT_FALSE(form_->Frame2->isHidden());
}

// Switching the panel on and off from the menu gives the states a start
// with the option stored would give: behind the panel the row commands
// would act on rows the user cannot see.
TEST_F(GuiStatesTest, SwitchingTheAlternateInterfaceFromTheMenu) {
  form_->Form_Load();
  form_->mnuAltInterface_Click();
  Check(0);
  form_->mnuAltInterface_Click();
  Check(0);
  FileDialogScript dialogs;
  dialogs.Choose(WriteImageFile("a.r2"));
  form_->mnuOpen_Click();
  form_->mnuAltInterface_Click();
  Check(2);
  form_->mnuAltInterface_Click();
  Check(1);
}

TEST_F(GuiStatesTest, BusyAndBackToLoaded) {
  LoadAndOpen(WriteImageFile("a.r2"));
  form_->DisableGUI();
  Check(3);
  form_->EnableGUI();
  Check(1);
}

}  // namespace
}  // namespace shell_test
