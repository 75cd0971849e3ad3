#include "image/Val.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace {

// The parts of a text's leading decimal number.
struct LeadingNumber {
  bool negative = false;
  std::string_view whole;     // digits before the point
  std::string_view fraction;  // digits after the point
  bool valid() const { return !whole.empty() || !fraction.empty(); }
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TakeDigits(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

LeadingNumber ScanLeadingNumber(std::string_view text) {
  LeadingNumber number;
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    number.negative = text[pos] == '-';
    ++pos;
  }
  number.whole = TakeDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    number.fraction = TakeDigits(text, pos);
  }
  return number;
}

}  // namespace

double Val(std::string_view text) {
  const LeadingNumber number = ScanLeadingNumber(text);
  if (!number.valid()) return 0.0;
  std::string digits(number.whole.empty() ? "0" : number.whole);
  if (!number.fraction.empty()) digits.append(".").append(number.fraction);
  double value = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) value = HUGE_VAL;
  return number.negative ? -value : value;
}

long long ValScaled(std::string_view text, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > 18) decimals = 18;
  const LeadingNumber number = ScanLeadingNumber(text);
  // Accumulate |value| * 10^decimals as an unsigned number, saturating.
  constexpr unsigned long long kLimit = static_cast<unsigned long long>(LLONG_MAX);
  unsigned long long magnitude = 0;
  bool saturated = false;
  auto push = [&](char digit) {
    if (saturated) return;
    const unsigned d = static_cast<unsigned>(digit - '0');
    if (magnitude > (kLimit - d) / 10) {
      saturated = true;
      magnitude = kLimit;
      return;
    }
    magnitude = magnitude * 10 + d;
  };
  for (char c : number.whole) push(c);
  for (int i = 0; i < decimals; ++i) {
    push(static_cast<std::size_t>(i) < number.fraction.size() ? number.fraction[i] : '0');
  }
  const long long value = static_cast<long long>(magnitude);
  return number.negative ? -value : value;
}
