#pragma once
// One long grid command (a sort, the duplicate check) as the user sees it:
// the hourglass over the main window and the progress window with its text,
// bar and Cancel. Step() lets pending window events run when the last yield
// is a few tens of milliseconds old (not at every step, which would cost more
// than the work), and says whether the user pressed Cancel; the flag is then
// reset, as the command honours it. Leaving the scope closes the progress
// window and restores the mouse pointer.

#include <string>

class LongOperation {
 public:
  explicit LongOperation(const std::string& label);
  ~LongOperation();
  LongOperation(const LongOperation&) = delete;
  LongOperation& operator=(const LongOperation&) = delete;

  // Sets the bar (0 to 100); `yieldNow` lets events run whatever the time.
  // True when the user asked to stop.
  bool Step(double percent, bool yieldNow = false);

 private:
  std::string label_;
  double lastYield_;
};
