#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/Cp1252.h"

namespace {

MsgBoxHandler& Handler() {
  static MsgBoxHandler handler;
  return handler;
}

struct ButtonMap {
  QMessageBox::StandardButton button;
  int result;
};

// The buttons of each button set, left to right, with the answer each gives.
std::vector<ButtonMap> ButtonsOf(int set) {
  switch (set) {
    case vbOKCancel:
      return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
      return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry},
              {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel:
      return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo},
              {QMessageBox::Cancel, vbCancel}};
    case vbYesNo:
      return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel:
      return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default:
      return {{QMessageBox::Ok, vbOK}};
  }
}

QMessageBox::Icon IconOf(int icon) {
  switch (icon) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

int ShowQtBox(const MsgBoxCall& call) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(FromCp1252(call.title));
  QString text = FromCp1252(call.prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  box.setText(text);
  box.setIcon(IconOf(call.Icon()));

  const std::vector<ButtonMap> buttons = ButtonsOf(call.ButtonSet());
  for (const ButtonMap& b : buttons) box.addButton(b.button);
  size_t defaultIndex = static_cast<size_t>(call.DefaultButton() >> 8);
  if (defaultIndex >= buttons.size()) defaultIndex = 0;
  box.setDefaultButton(buttons[defaultIndex].button);
  // Escape and the close box give Cancel where there is one, else the last button.
  box.setEscapeButton(box.button(buttons.back().button));

  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (const ButtonMap& b : buttons) {
    if (clicked == box.button(b.button)) return b.result;
  }
  return buttons.back().result;
}

}  // namespace

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  MsgBoxCall call{prompt, buttons, title};
  if (Handler()) return Handler()(call);
  return ShowQtBox(call);
}

void SetMsgBoxHandler(MsgBoxHandler handler) { Handler() = std::move(handler); }
