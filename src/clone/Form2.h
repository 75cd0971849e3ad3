#pragma once
// The "Comm Port" dialog (Settings > Port...): picks the port number the
// transfer commands open, "COM 1" to "COM 12", stored as the "CommPort"
// setting. Beside the list it shows which serial device the chosen number
// means on this computer.

#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

class Form2 : public QDialog {
  Q_OBJECT

 public:
  // `owner` lends the dialog its window icon.
  explicit Form2(QWidget* owner = nullptr);

  void Form_Load();
  // OK: stores the port and closes.
  void Command1_Click();
  // Shows the device of the entry in Combo1 in Label1.
  void Combo1_Change();

  QComboBox* Combo1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  QWidget* owner_;
};

// What the dialog shows beside "COM n" or a device path: the device and its
// description, or that there is none.
std::string PortDeviceText(const std::string& comboText);
