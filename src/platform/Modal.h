#pragma once
// Showing a dialog modally goes through a runner that a test can replace: the
// test's runner sets the dialog's controls and presses its buttons, then
// returns, instead of entering a nested event loop.

#include <functional>

class QDialog;

using ModalRunner = std::function<int(QDialog&)>;

// Shows `dialog` modally and returns its result code.
int ShowModal(QDialog& dialog);

// Replaces the runner; an empty one restores QDialog::exec().
void SetModalRunner(ModalRunner runner);
