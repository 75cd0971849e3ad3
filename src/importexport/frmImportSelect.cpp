#include "importexport/frmImportSelect.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "importexport/ImportStartFrame.h"
#include "mainwindow/Globals.h"

frmImportSelect::frmImportSelect(QWidget* owner, std::function<int()> currentRow)
    : QDialog(owner), currentRow_(std::move(currentRow)) {
  setObjectName("frmImportSelect");
  setWindowTitle(tr("Import"));
  if (owner) setWindowIcon(owner->windowIcon());
  Frame2 = new ImportStartFrame(true, this);
  Command1 = new QPushButton(tr("&OK"), this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame2);
  layout->addWidget(Command1, 0, Qt::AlignHCenter);
}

void frmImportSelect::Command1_Click() {
  ImportStartRow = Frame2->StartRow(currentRow_ ? currentRow_() : 1);
  accept();
}
