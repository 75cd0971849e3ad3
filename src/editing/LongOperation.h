#pragma once
// One long grid command (a sort, the duplicate check) as the user sees it:
// the hourglass over the main window and, once it has run for a quarter of
// a second, the progress window with its text, bar and Cancel. From then on
// Step() lets pending window events run when the last yield is a few tens of
// milliseconds old (not at every step, which would cost more than the work)
// and says whether the user pressed Cancel; the flag is then reset, as the
// command honours it. Leaving the scope closes the progress window and
// restores the mouse pointer.

#include <functional>
#include <string>

class LongOperation {
 public:
  // `whenShown` runs when the window shows (the duplicate check disables
  // the main window's commands there), `whenDone` at the end of an operation
  // that showed it.
  explicit LongOperation(const std::string& label, std::function<void()> whenShown = {},
                         std::function<void()> whenDone = {});
  ~LongOperation();
  LongOperation(const LongOperation&) = delete;
  LongOperation& operator=(const LongOperation&) = delete;

  // Sets the bar (0 to 100); `yieldNow` lets events run whatever the time
  // since the last yield, once the window shows. True when the user asked
  // to stop.
  bool Step(double percent, bool yieldNow = false);

 private:
  std::string label_;
  std::function<void()> whenShown_, whenDone_;
  double start_;
  double lastYield_;
  bool shown_ = false;
};
