// The IC-R2 Settings menu and the hidden priority-channel item, wired to the
// menu items the window builds.

#include <QAction>

#include "mainwindow/Form1.h"
#include "platform/Modal.h"
#include "settings/Form7.h"
#include "settings/frmComments.h"
#include "settings/frmPriority.h"
#include "settings/frmSetMode1.h"

void Form1::ConnectSettingsMenu() {
  connect(mnuSetMode, &QAction::triggered, this, [this] { mnuSetMode_Click(); });
  connect(mnuSquelch, &QAction::triggered, this, [this] { mnuSquelch_Click(); });
  connect(mnuUserComments, &QAction::triggered, this, [this] { mnuUserComments_Click(); });
  connect(mnuPriority, &QAction::triggered, this, [this] { mnuPriority_Click(); });
}

void Form1::mnuSetMode_Click() {
  frmSetMode1 dialog(this);
  ShowModal(dialog);
}

void Form1::mnuSquelch_Click() {
  Form7 dialog(this);
  ShowModal(dialog);
}

void Form1::mnuUserComments_Click() {
  frmComments dialog(this);
  ShowModal(dialog);
}

void Form1::mnuPriority_Click() {
  frmPriority dialog(this);
  ShowModal(dialog);
}
