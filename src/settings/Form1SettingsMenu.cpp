// The IC-R2 Settings menu, wired to the menu items the window builds.

#include "mainwindow/Form1.h"

void Form1::ConnectSettingsMenu() {}
