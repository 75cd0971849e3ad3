// File > Import From .CSV / .TPE, Export, Frequency Import Tool and Print,
// wired to the menu items the window builds.

#include "mainwindow/Form1.h"

void Form1::ConnectFileExchange() {}
