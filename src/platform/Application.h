#pragma once
// The program's application object. Every command runs inside the dispatch
// of a window event, so this is the one place where a command that runs out
// of memory can be stopped: the failure is reported and the program goes on
// instead of ending with every change unsaved. The readers measure and read
// a whole file before their command changes anything, so a command stopped
// while reading leaves the grid and the image as they were.
//
// This is the last resort. Qt's widget libraries are built without exception
// support, so the Qt frames between the event and the command are left
// without their clean-up (a few bytes stay allocated); the file readers
// therefore catch their own allocation failures and report them as a file
// that could not be read, which is by far the likeliest case.

#include <QApplication>

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
