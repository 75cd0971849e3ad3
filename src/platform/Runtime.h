#pragma once
// Services of the running program that long operations and file commands
// lean on: letting pending window events run, a monotonic clock, and the
// program's folder. Each can be replaced, so tests decide what time it is and
// what happens while a loop yields.

#include <functional>
#include <string>

// Lets pending window events run (clicks on Cancel, repaints), then returns.
void DoEvents();
void SetDoEventsHandler(std::function<void()> handler);

// Seconds since an arbitrary start, monotonic, with sub-millisecond resolution.
double Timer();
void SetTimerSource(std::function<double()> source);

// Sleeps a little so that polling loops do not spin a core (real time, not
// the replaceable clock).
void SleepMs(int milliseconds);

// The folder of the program file (for the scratch copy file and the "CSV"
// folder), without a trailing separator.
std::string AppPath();
void SetAppPath(const std::string& folder);  // "" restores the executable's folder

// The build's version, as major, minor and revision.
struct AppVersion {
  int major;
  int minor;
  int revision;
};
AppVersion AppVersionNumbers();
