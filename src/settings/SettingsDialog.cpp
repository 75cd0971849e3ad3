#include "settings/SettingsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/MsgBox.h"
#include "platform/VbComboBox.h"

namespace {

// What the box reports for a stored value a list cannot show: the number the
// classic runtime gives a list asked to show a text it does not hold.
constexpr int kInvalidPropertyValue = 380;

QFont LabelFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(9.75);
  font.setBold(true);
  return font;
}

}  // namespace

QFont SettingsListFont() {
  QFont font(QStringLiteral("Fixedsys"), 9);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

void SelectStoredValue(VbComboBox& list, const std::string& stored, const std::string& setting) {
  list.SetText(stored);
  if (list.ListIndex() >= 0) return;
  MsgBox("ERROR " + std::to_string(kInvalidPropertyValue) + " " + setting +
             " holds a value that is not in its list." + vbCrLf +
             "The value is kept unless you choose another.",
         vbExclamation, "ERROR");
}

SettingsDialog::SettingsDialog(QWidget* owner, const char* name, const char* caption)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(QString::fromLatin1(caption));
  Command6 = new QPushButton(tr("&OK"), this);
  Command6->setObjectName("Command6");
  Command5 = new QPushButton(tr("&Cancel"), this);
  Command5->setObjectName("Command5");
  connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
  connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
}

void SettingsDialog::Command5_Click() { reject(); }

void SettingsDialog::CopyOwnerIcon() {
  if (parentWidget()) setWindowIcon(parentWidget()->windowIcon());
}

VbComboBox* SettingsDialog::MakeList(const char* name) {
  auto* list = new VbComboBox(vbComboDropdownList, this);
  list->setObjectName(QString::fromLatin1(name));
  list->setFont(SettingsListFont());
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

QLabel* SettingsDialog::MakeLabel(const char* caption) {
  auto* label = new QLabel(QString::fromLatin1(caption), this);
  label->setFont(LabelFont());
  return label;
}

QHBoxLayout* SettingsDialog::ButtonRow() {
  auto* row = new QHBoxLayout;
  row->addWidget(Command6);
  row->addStretch(1);
  row->addWidget(Command5);
  return row;
}

void SettingsDialog::SetTabOrder(std::initializer_list<QWidget*> order) {
  QWidget* previous = nullptr;
  for (QWidget* w : order) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}
