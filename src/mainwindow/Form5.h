#pragma once
// The about box: product line, version line, a short text and OK. Shown
// modally from Help > About.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class Form5 : public QDialog {
  Q_OBJECT

 public:
  // `owner` lends the box its window icon.
  explicit Form5(QWidget* owner = nullptr);

  void Form_Load();
  void Command1_Click();

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  QWidget* owner_;
};
