#include "settings/frmComments.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QVBoxLayout>

#include "image/clsICR2.h"
#include "platform/VbTextBox.h"

namespace {

constexpr int kCommentLength = 16;

}  // namespace

frmComments::frmComments(QWidget* owner) : SettingsDialog(owner, "frmComments", "User Comments") {
  Text1 = new VbTextBox(this);
  Text1->setObjectName("Text1");
  Text1->setFont(SettingsListFont());
  Text1->SetMaxLength(kCommentLength);
  // The comment is stored one byte a character: a character the code page
  // cannot hold would be stored as '?'.
  Text1->SetCp1252Only(true);
  Text1->setMinimumWidth(
      QFontMetrics(Text1->font()).horizontalAdvance(QString(kCommentLength + 2, 'W')));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1);
  layout->addLayout(ButtonRow());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  SetTabOrder({Text1, Command6, Command5});
  Command6->setDefault(true);
  Text1->setFocus();
  Form_Load();
}

void frmComments::Form_Load() {
  CopyOwnerIcon();
  Text1->SetText(ICR2Image.GetUserComments());
}

void frmComments::Command6_Click() {
  ICR2Image.SetUserComments(Text1->Text());
  accept();
}
