#pragma once
// The "+" and "-" counters of the dialogs (a start row, a priority channel, a
// channel range): "+" counts up to `last` and then wraps to 1; "-" counts down
// to 1 and then wraps to `wrapTo`, which is `last` unless the dialog wraps
// elsewhere. A value beyond `last` (typed into a box) steps up to 1 and down
// by one.

#include <type_traits>

template <class T>
constexpr T StepCounter(T value, int delta, std::type_identity_t<T> last,
                        std::type_identity_t<T> wrapTo) {
  if (delta > 0) return value < last ? static_cast<T>(value + 1) : T{1};
  return value < 2 ? wrapTo : static_cast<T>(value - 1);
}

template <class T>
constexpr T StepCounter(T value, int delta, std::type_identity_t<T> last) {
  return StepCounter(value, delta, last, last);
}
