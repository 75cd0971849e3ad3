// Small hex-text helpers shared by the image's codecs and file formats.
#pragma once

#include <string>

// Value 0-15 of one hex digit (either case), or -1.
constexpr int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Two upper-case hex digits of the low byte of v.
inline std::string HexByte(unsigned long long v) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[(v >> 4) & 0xF], kDigits[v & 0xF]};
}
