// The window's three states: nothing loaded, loaded and busy. Each procedure
// switches exactly the menus, items, buttons and panels listed in it.

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "mainwindow/Form1.h"
#include "platform/MSFlexGrid.h"

namespace {

void Enable(std::initializer_list<QMenu*> menus, bool on) {
  for (QMenu* menu : menus) menu->menuAction()->setEnabled(on);
}

void Enable(std::initializer_list<QAction*> items, bool on) {
  for (QAction* item : items) item->setEnabled(on);
}

void Enable(std::initializer_list<QWidget*> widgets, bool on) {
  for (QWidget* widget : widgets) widget->setEnabled(on);
}

}  // namespace

void Form1::EnableGUI() {
  Enable({mnuFile, mnuTransfer, mnuEdit, mnuOptions}, true);
  Enable({mnuSave, mnuSaveOnly, mnuExportWizard, mnuImport, mnuImportEve, mnuImportVX7,
          mnuImportVX2, mnuImportICQ7, mnuImportVR120, mnuPrint, mnuImportTPE},
         true);
  Enable({mnuMemories, mnuGoTo}, true);
  Enable({mnuFreqImportTool}, true);
  Enable({mnuVX2Settings}, true);
  Enable({mnuWrite}, true);
  Enable({mnuHelp}, true);
  Enable({mnuabout}, true);

  Enable({Command2, Command1, Command8, Command3, Command7, MSFlexGrid1, Frame2}, true);

  if (mnuAltInterface->isChecked()) {
    for (int button : {2, 3, 18, 19}) Toolbar1Button(button)->setEnabled(true);
  } else {
    for (int button = 1; button <= 19; ++button) Toolbar1Button(button)->setEnabled(true);
  }
}

void Form1::InitGUI() {
  EnableGUI();
  Label1->clear();
  Enable({mnuEdit, mnuMemories, mnuGoTo, mnuVX2Settings}, false);
  Enable(
      {mnuSave, mnuSaveOnly, mnuExportWizard, mnuImport, mnuImportEve, mnuImportVX7, mnuImportVX2,
       mnuImportICQ7, mnuImportVR120, mnuImportTPE, mnuPrint, mnuFreqImportTool, mnuWrite},
      false);
  Enable({Command2, Command1, Command8, Command3, Command7, MSFlexGrid1, Frame2}, false);
  for (int button = 3; button <= 17; ++button) Toolbar1Button(button)->setEnabled(false);
  Toolbar1Button(19)->setEnabled(false);
}

void Form1::DisableGUI() {
  Enable({mnuFile, mnuTransfer, mnuEdit, mnuOptions, mnuMemories, mnuGoTo, mnuVX2Settings, mnuHelp},
         false);
  Enable({Command2, Command1, Command8, Command3, Command7, MSFlexGrid1, Frame2}, false);
  for (int button = 1; button <= 19; ++button) Toolbar1Button(button)->setEnabled(false);
}
