#include <QApplication>

#include "mainwindow/Main.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kestrane");
  return Main();
}
