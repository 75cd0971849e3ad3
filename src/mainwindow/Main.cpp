#include "mainwindow/Main.h"

#include <QApplication>

#include "image/clsICR2.h"
#include "mainwindow/Form1.h"
#include "mainwindow/LongOperationGuard.h"

int Main() {
  // ICR2Image, the one receiver image, exists from program start with a
  // zero-filled image (not loaded, not changed) and lives until the end.
  Form1 form;
  InstallLongOperationGuard(&form);
  form.Form_Load();
  form.show();
  const int code = QApplication::exec();
  RemoveLongOperationGuard();
  return code;
}
