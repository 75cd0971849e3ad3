#include "clone/Form2.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "clone/CloneProtocol.h"
#include "platform/Cp1252.h"
#include "platform/MSComm.h"
#include "platform/Settings.h"

namespace {

constexpr int kListedPorts = 12;

std::string Trim(const std::string& text) {
  const size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

// The part of the combo text after "COM ", trimmed; the whole text otherwise.
std::string AfterCom(const std::string& text) {
  if (text.rfind("COM ", 0) == 0) return Trim(text.substr(4));
  return Trim(text);
}

}  // namespace

std::string PortDeviceText(const std::string& comboText) {
  const std::string port = AfterCom(comboText);
  if (IsDevicePath(port)) return port;
  int number = 0;
  if (WholeNumberOf(port, number)) return "not a port number";
  const std::vector<SerialDevice> devices = SerialDevices();
  if (number < 1 || static_cast<size_t>(number) > devices.size()) return "no serial device";
  const SerialDevice& d = devices[static_cast<size_t>(number - 1)];
  return d.description.empty() ? d.path : d.path + " (" + d.description + ")";
}

Form2::Form2(QWidget* owner) : QDialog(owner), owner_(owner) {
  setObjectName("Form2");
  setWindowTitle(tr("Comm Port"));

  Combo1 = new QComboBox(this);
  Combo1->setObjectName("Combo1");
  Combo1->setEditable(true);
  Combo1->setMinimumContentsLength(8);
  connect(Combo1, &QComboBox::currentTextChanged, this, [this] { Combo1_Change(); });

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setMinimumWidth(220);

  Command1 = new QPushButton(tr("&OK"), this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  auto* row = new QHBoxLayout;
  row->addWidget(Combo1);
  row->addWidget(Label1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(Command1, 0, Qt::AlignRight);

  Form_Load();
}

void Form2::Form_Load() {
  if (owner_) setWindowIcon(owner_->windowIcon());
  Combo1->clear();
  for (int n = 1; n <= kListedPorts; ++n) Combo1->addItem(QStringLiteral("COM %1").arg(n));
  Combo1->setEditText(FromCp1252("COM " + GetSetting("IC-R2", "Settings", "CommPort", "1")));
  Combo1_Change();
}

void Form2::Combo1_Change() {
  Label1->setText(FromCp1252(PortDeviceText(ToCp1252(Combo1->currentText()))));
}

void Form2::Command1_Click() {
  const std::string text = ToCp1252(Combo1->currentText());
  // A device path ("COM /dev/ttyUSB0" as loaded, or typed as it is) is kept
  // whole; a port entry stores its number, the last two characters.
  std::string port = AfterCom(text);
  if (!IsDevicePath(port)) port = Trim(text.size() > 2 ? text.substr(text.size() - 2) : text);
  SaveSetting("IC-R2", "Settings", "CommPort", port);
  accept();
}
