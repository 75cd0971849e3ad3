#pragma once
// A push button as the classic command button: while it has the focus, Enter
// clicks it as Space does. It never becomes a dialog's default button, so
// Enter typed in a text box of the dialog stays that box's own key (a search
// step, OK with the texts as they stand) and no button takes it a second
// time.

#include <QPushButton>

class QKeyEvent;

class VbCommandButton : public QPushButton {
 public:
  explicit VbCommandButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
