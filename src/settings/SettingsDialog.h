#pragma once
// What the radio settings dialogs share: a fixed-size modal window with the
// main window's icon, "&OK" (Command6) and "&Cancel" (Command5), and the fonts
// of their lists and labels. OK runs the dialog's own Command6_Click; Cancel,
// Escape and the close box leave without writing anything.

#include <QDialog>
#include <QFont>
#include <initializer_list>
#include <string>

class QHBoxLayout;
class QLabel;
class QPushButton;
class VbComboBox;

class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  virtual void Command6_Click() = 0;
  // Cancel: closes, nothing written.
  void Command5_Click();

  QPushButton* Command6 = nullptr;  // "&OK"
  QPushButton* Command5 = nullptr;  // "&Cancel"

 protected:
  // `owner` lends the dialog its icon (Form_Load copies it).
  SettingsDialog(QWidget* owner, const char* name, const char* caption);

  void CopyOwnerIcon();
  // A pick-only list in the lists' font.
  VbComboBox* MakeList(const char* name);
  // A label in the labels' font.
  QLabel* MakeLabel(const char* caption);
  // "&OK" on the left, "&Cancel" on the right.
  QHBoxLayout* ButtonRow();
  // Tab moves through the widgets in this order.
  static void SetTabOrder(std::initializer_list<QWidget*> order);
};

// Selects the entry equal to `stored` in a pick-only list. When the list
// cannot show it (the image holds a value with no text), the list is left
// without a selection and an "ERROR" box says which setting it is.
void SelectStoredValue(VbComboBox& list, const std::string& stored, const std::string& setting);

// The font of the dialogs' lists and text boxes.
QFont SettingsListFont();
