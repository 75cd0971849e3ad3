// Finding frequencies in free text, one line at a time.

#include "importexport/FreqScan.h"

#include <gtest/gtest.h>

namespace {

struct ScanCase {
  const char* line;
  const char* expected;
};

// The plain-text import: one number a line, the first with a whole part.
const ScanCase kOneALine[] = {
    // numbers found where they stand
    {"146.520 MHz Fire", "146.520"},
    {"Ch 12 at 154.4300", "154.4300"},
    {"Rev 1.2", "1.2"},
    {"x146.52y", "146.52"},
    {"146.52 147.33", "146.52"},
    // no point, no digit after the point, nothing
    {"146520", ""},
    {"146. MHz", ""},
    {"", ""},
    {".", ""},
    // a point without a whole part is passed over, a zero ends the line
    {".5 and 146.52", "146.52"},
    {".0 then 146.52", ""},
    {"0.000", ""},
    {"tone 0.0 then 146.52", ""},
    // tabs and bytes that are not ASCII digits end the digit runs
    {"\t146.52\t", "146.52"},
    {"Ch\t7\t162.55", "162.55"},
    {"\xB2\x31\x34\x36.52", "146.52"},  // superscript two before the digits
    {"146.5\xB3", "146.5"},             // superscript three after them
    {"\xB9.5 then 2.5", "2.5"},         // superscript one is no whole part
};

class OneALine : public ::testing::TestWithParam<ScanCase> {};
TEST_P(OneALine, TakesTheFirstNumberWithAWholePart) {
  EXPECT_EQ(ScanFrequency(GetParam().line), GetParam().expected) << GetParam().line;
}
INSTANTIATE_TEST_SUITE_P(Lines, OneALine, ::testing::ValuesIn(kOneALine));

struct ToolCase {
  const char* line;
  bool multiple;
  bool comments;
  std::vector<std::pair<std::string, std::string>> expected;  // number, comment
};

const ToolCase kTool[] = {
    // comment after a number at the start: one character passed over, then spaces
    {"146.520 Fire", false, true, {{"146.520", "Fire"}}},
    {"146.520MHz Fire", false, true, {{"146.520", "Hz Fire"}}},
    {"146.520", false, true, {{"146.520", ""}}},
    {"$146.52 x", false, true, {{"146.52", "x"}}},
    {"154.43 Sheriff dispatch north county west",
     false,
     true,
     {{"154.43", "Sheriff dispatch north co"}}},
    // a number further in takes the line's start as its comment
    {"Fire Dept 154.430", false, true, {{"154.430", "Fire Dept 154.430"}}},
    {"A very long description of 155.775", false, true, {{"155.775", "A very long description o"}}},
    // several numbers a line; zeros and bare decimals passed over
    {"146.52 147.33", false, false, {{"146.52", ""}}},
    {"146.52 147.33", true, false, {{"146.52", ""}, {"147.33", ""}}},
    {"0.0 146.52 .5 147.33", true, false, {{"146.52", ""}, {"147.33", ""}}},
    {"0.0 146.52", false, false, {}},
    // comments are never extracted while several numbers a line are taken
    {"146.52 Fire 147.33", true, true, {{"146.52", ""}, {"147.33", ""}}},
};

class ToolLines : public ::testing::TestWithParam<ToolCase> {};
TEST_P(ToolLines, TakesNumbersAndComments) {
  const ToolCase& c = GetParam();
  std::vector<std::pair<std::string, std::string>> got;
  for (const FoundFrequency& f : ScanFrequencies(c.line, c.multiple, c.comments))
    got.emplace_back(f.number, f.comment);
  EXPECT_EQ(got, c.expected) << c.line;
}
INSTANTIATE_TEST_SUITE_P(Lines, ToolLines, ::testing::ValuesIn(kTool));

}  // namespace
