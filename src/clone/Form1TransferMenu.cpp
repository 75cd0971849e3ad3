// The Transfer menu's commands and Settings > Port..., wired to the menu
// items the window builds.

#include <QAction>

#include "clone/Form2.h"
#include "mainwindow/Form1.h"
#include "platform/Modal.h"

void Form1::ConnectTransferMenu() {
  connect(mnuTestComms, &QAction::triggered, this, [this] { mnuTestComms_Click(); });
  connect(mnuRead, &QAction::triggered, this, [this] { mnuRead_Click(); });
  connect(mnuWrite, &QAction::triggered, this, [this] { mnuWrite_Click(); });
  connect(mnuPort, &QAction::triggered, this, [this] { mnuPort_Click(); });
}

void Form1::mnuPort_Click() {
  Form2 dialog(this);
  ShowModal(dialog);
}
