#pragma once
// The program's entry procedure: the image is ready, the main window loads
// and shows, and the events drive everything until the window unloads.
// Needs a running QApplication; returns the event loop's exit code.
int Main();
