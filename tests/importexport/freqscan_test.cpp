// Finding frequencies in free text, one line at a time (the Frequency
// Import Tool's own rules are tried through the tool).

#include "importexport/FreqScan.h"

#include <gtest/gtest.h>

namespace {

// The plain-text import: the first number with a whole part; a zero first ends the line.
TEST(FreqScan, OneNumberALine) {
  const std::pair<const char*, const char*> cases[] = {
      {"146.520 MHz Fire", "146.520"},
      {"Ch 12 at 154.4300", "154.4300"},
      {"Rev 1.2", "1.2"},
      {"146.52 147.33", "146.52"},
      {"146520", ""},
      {"146. MHz", ""},
      {".5 and 146.52", "146.52"},
      {".0 then 146.52", ""},
      {"0.000", ""},
      // tabs, and code-page bytes that are no ASCII digits, end the digit runs
      {"Ch\t7\t162.55", "162.55"},
      {"\xB2"
       "146.52",
       "146.52"},
      {"146.5\xB3", "146.5"},
      {"\xB9.5 then 2.5", "2.5"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(ScanFrequency(line), expected) << line;
}

}  // namespace
