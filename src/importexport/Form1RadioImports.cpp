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
  connect(mnuImportICQ7, &QAction::triggered, this, [this] { mnuImportICQ7_Click(); });
  connect(mnuImportVX2, &QAction::triggered, this, [this] { mnuImportVX2_Click(); });
  connect(mnuImportEve, &QAction::triggered, this, [this] { mnuImportEve_Click(); });
  connect(mnuImportVX7, &QAction::triggered, this, [this] { mnuImportVX7_Click(); });
  connect(mnuImportVR120, &QAction::triggered, this, [this] { mnuImportVR120_Click(); });
}

void Form1::mnuImportICQ7_Click() { Run(*this, ICQ7Source()); }
void Form1::mnuImportVX2_Click() { Run(*this, VX2Source()); }
void Form1::mnuImportEve_Click() { Run(*this, VX5Source()); }
void Form1::mnuImportVX7_Click() { Run(*this, VX7Source()); }
void Form1::mnuImportVR120_Click() { Run(*this, VR120Source()); }
