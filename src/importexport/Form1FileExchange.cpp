// File > Import From .CSV / .TPE, Export, Frequency Import Tool and Print,
// wired to the menu items the window builds.

#include <QAction>

#include "mainwindow/Form1.h"

void Form1::ConnectFileExchange() {
  const std::pair<QAction*, void (Form1::*)()> commands[] = {
      {mnuImport, &Form1::mnuImport_Click},
      {mnuExportWizard, &Form1::mnuExportWizard_Click},
      {mnuImportTPE, &Form1::mnuImportTPE_Click},
      {mnuFreqImportTool, &Form1::mnuFreqImportTool_Click},
      {mnuPrint, &Form1::mnuPrint_Click},
  };
  for (const auto& [item, handler] : commands) connect(item, &QAction::triggered, this, handler);
}
