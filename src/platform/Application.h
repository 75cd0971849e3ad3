#pragma once
// The program's application object. Every command runs inside the dispatch
// of a window event, so this is the one place where a command that runs out
// of memory can be stopped: the failure is reported and the program goes on
// instead of ending with every change unsaved. The readers measure and read
// a whole file before their command changes anything, so a command stopped
// while reading leaves the grid and the image as they were.

#include <QApplication>

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
