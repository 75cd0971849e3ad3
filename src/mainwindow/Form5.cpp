#include "mainwindow/Form5.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Runtime.h"

namespace {

constexpr const char* kAboutText =
    "Kestrane edits the memory channels of the Icom IC-R2 receiver.\n\n"
    "Read the receiver's memory over the cloning cable, edit the 450 channels "
    "and the radio settings, and write them back. Images are kept in .r2, "
    ".icf, .ic2 and .tr2 files; channels can be imported from other radios' "
    "files, CSV files and frequency lists.\n\n"
    "Keep a saved copy of your receiver's memory before writing to it.";

}  // namespace

Form5::Form5(QWidget* owner) : QDialog(owner), owner_(owner) {
  setObjectName("Form5");
  setWindowTitle(tr("About..."));

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  QFont big = Label1->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  Label1->setFont(big);

  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");

  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName("Text1");
  Text1->setReadOnly(true);
  Text1->setPlainText(QString::fromLatin1(kAboutText));

  Command1 = new QPushButton(tr("&OK"), this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  layout->addWidget(Text1);
  layout->addWidget(Command1, 0, Qt::AlignRight);
  resize(420, 300);

  Form_Load();
}

void Form5::Form_Load() {
  if (owner_) setWindowIcon(owner_->windowIcon());
  Label1->setText(QStringLiteral("IC-R2") + QStringLiteral(" Kestrane"));
  const AppVersion v = AppVersionNumbers();
  Label2->setText(QStringLiteral("Version %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
}

void Form5::Command1_Click() { accept(); }
