#include "platform/Application.h"

#include <new>

#include "platform/MsgBox.h"

namespace {

void ReportOutOfMemory() {
  try {
    MsgBox("There is not enough memory to finish this command, so it has been stopped.",
           vbOKOnly | vbExclamation, kMsgTitle);
  } catch (const std::bad_alloc&) {
    // Not even the box fits: going on quietly still beats ending the program.
  }
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    // What the command held was freed as it unwound, so there is room again
    // for the box.
    ReportOutOfMemory();
    return false;
  }
}
