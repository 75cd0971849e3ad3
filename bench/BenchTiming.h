#pragma once
// Timing shared by the benchmark programs: the median of many runs of a piece
// of work, and one printed line per result beside its target.

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

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
