// File > Import From <radio>, wired to the menu items the window builds.

#include <QAction>

#include "importexport/RadioImport.h"
#include "importexport/frmImportSelect.h"
#include "importexport/frmImportSelectB.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Form1ReaderHost.h"
#include "platform/MSFlexGrid.h"
#include "platform/Modal.h"

namespace {

// The main window as an import run sees it.
class Form1ImportHost : public RadioImportHost {
 public:
  explicit Form1ImportHost(Form1& form) : form_(form), readerHost_(form) {}

  MSFlexGrid& Grid() override { return *form_.MSFlexGrid1; }
  readers::MainWindowHost& ReaderHost() override { return readerHost_; }
  void ShowStartDialog(bool sourceRange) override {
    auto currentRow = [this] { return form_.MSFlexGrid1->Row(); };
    if (sourceRange) {
      frmImportSelectB dialog(&form_, currentRow);
      ShowModal(dialog);
    } else {
      frmImportSelect dialog(&form_, currentRow);
      ShowModal(dialog);
    }
  }
  int GetLastEmptyRow() override { return form_.GetLastEmptyRow(); }
  void SaveUndo() override { form_.SaveUndo(); }
  void Savegrid() override { form_.Savegrid(); }
  void FillGrid() override { form_.FillGrid(); }

 private:
  Form1& form_;
  Form1ReaderHost readerHost_;
};

void Run(Form1& form, const ImportSource& source) {
  form.HideEditors();
  Form1ImportHost host(form);
  RunRadioImport(host, source);
}

}  // namespace

void Form1::ConnectRadioImports() {
  const std::pair<QAction*, void (Form1::*)()> commands[] = {
      {mnuImportICQ7, &Form1::mnuImportICQ7_Click},   {mnuImportVX2, &Form1::mnuImportVX2_Click},
      {mnuImportEve, &Form1::mnuImportEve_Click},     {mnuImportVX7, &Form1::mnuImportVX7_Click},
      {mnuImportVR120, &Form1::mnuImportVR120_Click},
  };
  for (const auto& [item, handler] : commands) connect(item, &QAction::triggered, this, handler);
}

void Form1::mnuImportICQ7_Click() { Run(*this, ICQ7Source()); }
void Form1::mnuImportVX2_Click() { Run(*this, VX2Source()); }
void Form1::mnuImportEve_Click() { Run(*this, VX5Source()); }
void Form1::mnuImportVX7_Click() { Run(*this, VX7Source()); }
void Form1::mnuImportVR120_Click() { Run(*this, VR120Source()); }
