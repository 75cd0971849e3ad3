#include "mainwindow/Main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kestrane");
  return Main();
}
