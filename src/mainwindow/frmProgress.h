#pragma once
// The one progress window of the long operations (transfer, sorts, duplicate
// check): a status line, a bar and a Cancel button. It is modeless, so the
// operation's loop keeps the main window alive by letting pending events run
// (DoEvents) between its steps; a click on Cancel is handled there and seen by
// the loop's next test of CancelRequested.
//
//   frmProgress& p = frmProgress::Instance();   // loads it when needed
//   p.Label1->setText(...); p.ProgressBar1->setValue(pct); p.show();
//   ...
//   frmProgress::Unload();

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class frmProgress : public QDialog {
  Q_OBJECT

 public:
  // The loaded window, created on first use.
  static frmProgress& Instance();
  static bool IsLoaded();
  // Hides and frees the window; the next Instance() loads a fresh one.
  static void Unload();

  // Cancel: asks the running operation to stop, then unloads the window.
  void Command1_Click();

  QLabel* Label1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QPushButton* Command1 = nullptr;

 protected:
  // The close box counts as Cancel.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;  // Escape

 private:
  frmProgress();
  ~frmProgress() override;
};
