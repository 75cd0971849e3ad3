#include "importexport/frmExportWizard.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "image/FileIo.h"
#include "image/Module1.h"
#include "importexport/CsvExport.h"
#include "importexport/frmPreview.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1Shared.h"
#include "platform/FileDialogs.h"
#include "platform/Modal.h"
#include "platform/MsgBox.h"

namespace {

struct OptionDef {
  QCheckBox* frmExportWizard::*box;
  const char* name;
  const char* caption;
  bool ticked;
};
const OptionDef kOptions[] = {
    {&frmExportWizard::Check1, "Check1", "Include \"#\" Field", true},
    {&frmExportWizard::Check2, "Check2", "Include Unused Channels", false},
    {&frmExportWizard::Check3, "Check3", "Use Quotes", false},
};

struct ButtonDef {
  QPushButton* frmExportWizard::*button;
  const char* name;
  const char* caption;
  void (frmExportWizard::*click)();
};
const ButtonDef kButtons[] = {
    {&frmExportWizard::Command3, "Command3", "Preview", &frmExportWizard::Command3_Click},
    {&frmExportWizard::Command4, "Command4", "Export", &frmExportWizard::Command4_Click},
    {&frmExportWizard::Command5, "Command5", "Cancel", &frmExportWizard::Command5_Click},
};

}  // namespace

std::string ExportFileName(const std::string& chosen) {
  return chosen.find('.') == std::string::npos ? chosen + ".csv" : chosen;
}

frmExportWizard::frmExportWizard(Form1& owner) : QDialog(&owner), owner_(owner) {
  setObjectName("frmExportWizard");
  setWindowTitle("CSV Export");
  setWindowIcon(owner.windowIcon());
  auto* layout = new QVBoxLayout(this);
  for (const OptionDef& def : kOptions) {
    auto* box = new QCheckBox(QString::fromLatin1(def.caption), this);
    box->setObjectName(QString::fromLatin1(def.name));
    box->setChecked(def.ticked);
    layout->addWidget(box);
    this->*def.box = box;
  }
  auto* buttons = new QHBoxLayout;
  for (const ButtonDef& def : kButtons) {
    auto* button = new QPushButton(QString::fromLatin1(def.caption), this);
    button->setObjectName(QString::fromLatin1(def.name));
    connect(button, &QPushButton::clicked, this, [this, click = def.click] { (this->*click)(); });
    buttons->addWidget(button);
    this->*def.button = button;
  }
  layout->addLayout(buttons);
}

std::string frmExportWizard::GetExportData() {
  ExportOptions options;
  options.includeNumber = Check1->isChecked();
  options.includeUnused = Check2->isChecked();
  options.useQuotes = Check3->isChecked();
  return ::GetExportData(owner_, options);
}

void frmExportWizard::Command3_Click() {
  frmPreview preview(&owner_);
  preview.SetText(GetExportData());
  ShowModal(preview);
}

void frmExportWizard::Command4_Click() {
  const std::vector<FileFilter> filters = {{"CSV Files (*.csv)", "*.csv"},
                                           {"All Files (*.*)", "*.*"}};
  std::string path;
  while (true) {
    const FileDialogResult chosen = GetSaveFileName("Save As...", filters, 1);
    if (!chosen.ok || chosen.path.empty()) return;
    path = ExportFileName(chosen.path);
    if (!FileExists(path)) break;
    const int answer =
        MsgBox(ToMessageText(path) + " already exists." + vbCrLf + "Do you want to replace it?",
               vbYesNoCancel | vbExclamation, "Save As");
    if (answer == vbYes) break;
    if (answer != vbNo) return;
  }
  const FileResult written = WriteFileReplacing(path, GetExportData() + "\r\n");
  if (!written.ok) {
    // The dialog stays open so the user can pick another place.
    MsgBox(ToMessageText(written.error), vbOKOnly | vbExclamation, kMsgTitle);
    return;
  }
  accept();
}

void frmExportWizard::Command5_Click() { reject(); }

void Form1::mnuExportWizard_Click() {
  frmExportWizard wizard(*this);
  ShowModal(wizard);
}
