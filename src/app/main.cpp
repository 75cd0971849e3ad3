#include "mainwindow/Main.h"

#include "platform/Application.h"

int main(int argc, char* argv[]) {
  Application app(argc, argv);
  QApplication::setApplicationName("Kestrane");
  return Main();
}
