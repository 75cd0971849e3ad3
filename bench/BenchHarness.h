#pragma once
// What the benchmark programs share: the run count from the command line, a
// private folder for the settings store and files, the median of many runs
// of a piece of work, and one printed line per result beside its target.

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"
#include "platform/Runtime.h"
#include "platform/Settings.h"

// The first argument, at least 1, or `fallback` without one.
inline int RunsArg(int argc, char* argv[], int fallback) {
  return argc > 1 ? std::max(1, std::atoi(argv[1])) : fallback;
}

// The settings store, the program folder and the working folder all in
// `folder`, so the user's own are not touched.
inline void UseFolder(const std::string& folder) {
  SetSettingsFile(folder + "/settings.ini");
  SetAppPath(folder);
  ChDir(folder);
}

// Median in milliseconds of `runs` runs of `work`, each after an untimed
// `prepare`.
inline double MedianMs(int runs, const std::function<void()>& prepare,
                       const std::function<void()>& work) {
  std::vector<double> times;
  times.reserve(static_cast<size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    prepare();
    QElapsedTimer clock;
    clock.start();
    work();
    times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// "what   12.34 ms   (target  20 ms)", marked OVER past the target; `width`
// is the column the name is padded to.
inline void Report(const char* what, double ms, double targetMs, int width) {
  std::printf("%-*s %8.2f ms   (target %3.0f ms)%s\n", width, what, ms, targetMs,
              ms > targetMs ? "  OVER" : "");
}
