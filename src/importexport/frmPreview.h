#pragma once
// "Preview": the export text in a scrolling box, closed with OK.

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

class frmPreview : public QDialog {
  Q_OBJECT

 public:
  explicit frmPreview(QWidget* owner = nullptr);

  void SetText(const std::string& text);  // Windows-1252 bytes
  std::string Text() const;
  // Box fills the window but for a margin; OK centred under it.
  void Form_Resize();

  QPlainTextEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};
