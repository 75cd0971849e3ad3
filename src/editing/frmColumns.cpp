#include "editing/frmColumns.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <string>

#include "mainwindow/Form1Shared.h"
#include "platform/Cp1252.h"
#include "platform/MSFlexGrid.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"

namespace {

constexpr int kBoxes = 9;
constexpr int kBoxesFromHeader = 8;  // the last box is "Comments"

std::string Key(int box) { return "Visible" + std::to_string(box); }

}  // namespace

bool VisibleSettingShows(int box) {
  const std::optional<double> value = SettingNumber(GetSetting("IC-R2", "Settings", Key(box), "1"));
  return !(value && *value == 0);
}

frmColumns::frmColumns(const MSFlexGrid& grid, QWidget* parent) : QDialog(parent) {
  setObjectName("frmColumns");
  setWindowTitle(QStringLiteral("Visible Columns"));
  if (parent) setWindowIcon(parent->windowIcon());

  auto* layout = new QGridLayout(this);
  for (int i = 0; i < kBoxes; ++i) {
    const QString caption =
        i < kBoxesFromHeader ? FromCp1252(grid.TextMatrix(0, i + 1)) : QStringLiteral("Comments");
    Check1[i] = new QCheckBox(caption, this);
    Check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
    Check1[i]->setChecked(VisibleSettingShows(i));
    layout->addWidget(Check1[i], i % 5, i / 5);
  }
  Command1 = new QPushButton(QStringLiteral("&OK"), this);
  Command2 = new QPushButton(QStringLiteral("&Cancel"), this);
  Command1->setDefault(true);
  layout->addWidget(Command1, 5, 0);
  layout->addWidget(Command2, 5, 1);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frmColumns::Command1_Click() {
  hide();
  DoEvents();
  SaveAll();
  accept();
}

void frmColumns::Command2_Click() { reject(); }

void frmColumns::SaveAll() {
  for (int i = 0; i < kBoxes; ++i)
    SaveSetting("IC-R2", "Settings", Key(i), Check1[i]->isChecked() ? "1" : "0");
}
