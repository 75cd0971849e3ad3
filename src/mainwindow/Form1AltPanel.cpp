// The alternate single-channel panel Frame2: showing and hiding it, and the
// bank jumps of the Go To menu. The panel's own controls (and with them
// LoadAltGUI, LoadAlt and SaveAlt) are not built yet; until they are, the
// panel is an empty frame and those three have nothing to fill or read.

#include <QAction>
#include <QFrame>

#include "mainwindow/Form1.h"
#include "mainwindow/Globals.h"
#include "platform/MSFlexGrid.h"
#include "platform/Settings.h"

void Form1::LoadAltGUI() {}

void Form1::LoadAlt() {}

void Form1::SaveAlt() {}

void Form1::mnuAltInterface_Click() {
  if (!mnuAltInterface->isChecked()) {
    mnuAltInterface->setChecked(true);
    Frame2->setVisible(true);
    MSFlexGrid1->SetRow(0);
    SelStartRow = 0;
    LoadAlt();
  } else {
    mnuAltInterface->setChecked(false);
    Frame2->setVisible(false);
    SaveAlt();
    MSFlexGrid1->SetRow(1);
  }
  SaveSetting("IC-R2", "Settings", "AltInterface",
              mnuAltInterface->isChecked() ? "True" : "False");
}

void Form1::mnuBank_Click(int bank) {
  if (bank < 0 || bank > 7) return;
  const int row = 1 + 50 * bank;
  MSFlexGrid1->SetTopRow(row);
  AltRow = row;
  LoadAlt();
}
