#pragma once
// Finding frequencies in free text: a number is a point followed by at least
// one digit, with the digits that stand directly before and after the point.
// Only the ASCII digits 0 to 9 count; superscripts, fractions and other
// bytes of the code page end a number like any other character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScannedNumber {
  std::string text;       // the digits before the point, the point, the digits after
  std::size_t start = 0;  // index of the number's first character in the line
  std::size_t point = 0;  // index of its point
  std::size_t end = 0;    // index just past its last digit
  bool HasWholePart() const { return point > start; }
  bool IsZero() const;
};

// The next number whose point lies at or after `from`; none when there is no
// point followed by a digit.
std::optional<ScannedNumber> NextNumber(std::string_view line, std::size_t from);

// The frequency of one line for the plain-text import: the first number with
// digits before its point. A number of value 0 met first ends the scan, and
// so does the first accepted number (one frequency a line). "" for none.
std::string ScanFrequency(std::string_view line);

// One entry of the Frequency Import Tool.
struct FoundFrequency {
  std::string number;   // as found, before normalising
  std::string comment;  // only when comments are extracted
};

// The numbers the Frequency Import Tool takes from one (trimmed) line. With
// `multiple` every number of the line is taken and a 0 is passed over;
// otherwise the first one ends the line, as does a 0. With `comments` (and
// not `multiple`) the taken number carries a comment of at most 25
// characters: what follows the number, past the one character right after
// it and any spaces, when the number stands at the start of the line (first
// or second character); otherwise the start of the line.
std::vector<FoundFrequency> ScanFrequencies(std::string_view line, bool multiple, bool comments);
