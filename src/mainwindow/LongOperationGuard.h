#pragma once
// Long operations (transfer, sorts, duplicate check) run as loops that let
// pending window events run through DoEvents. While they do, this guard lets
// user input reach only the progress window, so no other command can start
// under the running loop, and it turns a close of the main window into the
// progress window's Cancel, so the window can never go away under the loop.

class QWidget;

// Installs the guard for `mainWindow` and routes DoEvents through it.
void InstallLongOperationGuard(QWidget* mainWindow);
// Removes it and restores the plain DoEvents.
void RemoveLongOperationGuard();
