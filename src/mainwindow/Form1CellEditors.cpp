// The in-place cell editors that float over the grid while a cell is edited.

#include "mainwindow/Form1.h"

// No in-place editor exists yet, so there is none to hide; commands that must
// end an edit before they read the grid call this all the same.
void Form1::HideEditors() {}
