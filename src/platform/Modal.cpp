#include "platform/Modal.h"

#include <QDialog>

namespace {

ModalRunner& Runner() {
  static ModalRunner runner;
  return runner;
}

}  // namespace

int ShowModal(QDialog& dialog) {
  if (Runner()) return Runner()(dialog);
  return dialog.exec();
}

void SetModalRunner(ModalRunner runner) { Runner() = std::move(runner); }
