#pragma once
// The "Import Starting At:" frame that both import position dialogs show:
// three choices of where the imported channels begin in the channel grid,
// and a row chooser ("+" and "-") for the third. SpinRow is the row the
// chooser points at; it starts at 1 whenever a dialog is built.

#include <QGroupBox>
#include <cstdint>

class QPushButton;
class QRadioButton;
class VbTextBox;

// The small "+" or "-" button of a counter: never the dialog's default
// button, so Enter presses it only while it has the focus.
QPushButton* CounterButton(const char* caption, const char* name, QWidget* parent);
// `font` in Arial: the face of the start dialogs' frame captions and labels.
QFont ArialLike(QFont font);
// `font` kept by a widget whatever font its frame is given.
QFont OwnFont(QFont font);

class ImportStartFrame : public QGroupBox {
  Q_OBJECT

 public:
  // `editableRowBox`: whether choosing "Memory Channel Number:" also enables
  // the row box (it stays a display either way).
  ImportStartFrame(bool editableRowBox, QWidget* parent);

  void Option5_Click();   // "Memory Channel Number:"
  void Option6_Click();   // "Last Empty Memory Channel"
  void Option7_Click();   // "Currently Selected Row"
  void Command8_Click();  // "+": next row, 450 wraps to 1
  void Command9_Click();  // "-": previous row, 1 wraps to 450

  // The start row the choice stands for: the last-empty sentinel, SpinRow,
  // or `currentRow` (the main grid's current row).
  int StartRow(int currentRow) const;

  std::int16_t SpinRow = 1;

  QRadioButton *Option6 = nullptr, *Option7 = nullptr, *Option5 = nullptr;
  VbTextBox* Text1 = nullptr;
  QPushButton *Command8 = nullptr, *Command9 = nullptr;

 private:
  void ShowSpinRow();
  void EnableRowChooser(bool on);
  bool editableRowBox_;
};
