#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "mainwindow/ChannelRules.h"
#include "mainwindow/grid_support.h"

namespace {

struct FilterCase {
  const char* in;
  const char* out;
};

TEST(FrqFilter, NormalisesTypedReadAndImportedTexts) {
  // One group of the rules a line or two.
  // clang-format off
  const std::vector<FilterCase> cases = {
      // Texts without a point
      {"", "0.000"}, {".", "0.000"}, {".5", "0.500"}, {"5", "5.000"}, {"123", "123.000"},
      {"1234", "123.400"}, {"12345", "123.450"}, {"14652", "146.520"}, {"146520", "146.520"},
      {"00600", "6.000"}, {"000000", "0.000"}, {"1240000", "124.000"},
      // Integer part: its last four characters, no leading zeros
      {"146.52", "146.520"}, {"1.2", "1.200"}, {"0146.520", "146.520"},
      {"12345.678", "2345.670"}, {"12a.5", "12.500"}, {" 146.52", "146.520"},
      // Last digit to 0 or 5, never carrying; decimals past the third dropped first
      {"146.513", "146.515"}, {"146.517", "146.515"}, {"146.511", "146.510"},
      {"146.519", "146.510"}, {"146.5205", "146.520"}, {"146.512x", "146.5125"},
      // 12.5 and 6.25 kHz rasters above 1.799 MHz
      {"146.512", "146.5125"}, {"146.537", "146.5375"}, {"146.562", "146.5625"},
      {"146.587", "146.5875"}, {"146.5125", "146.5125"}, {"1465125", "146.5125"},
      {"146.506", "146.50625"}, {"146.531", "146.53125"}, {"146.556", "146.55625"},
      {"146.581", "146.58125"}, {"146.518", "146.51875"}, {"146.543", "146.54375"},
      {"146.568", "146.56875"}, {"146.593", "146.59375"}, {"1.812", "1.8125"},
      {"1.806", "1.80625"}, {"1.799", "1.790"}, {"0.531", "0.530"}, {"1.312", "1.310"},
      // Texts the editor never sends: signs and letters in the decimals
      {"-0.6", "0.600"}, {"146.5a2", "146.500"}, {"abc", "0.000"}, {"1.2.3", "1.200"},
  };
  // clang-format on
  for (const FilterCase& c : cases) EXPECT_EQ(frqFilter(c.in), c.out) << "input '" << c.in << "'";
}

TEST(FrqFilter, IsStableOnItsOwnResults) {
  std::mt19937 random(20240601);
  const std::string alphabet = "0123456789.0123456789";
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const int length = static_cast<int>(random() % 10);
    for (int k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
    const std::string once = frqFilter(text);
    EXPECT_EQ(frqFilter(once), once) << "input '" << text << "'";
  }
}

struct ModeCase {
  const char* freq;
  const char* mode;
};

TEST(AutoMode, BandEdgesAndTvCarriers) {
  const std::vector<ModeCase> cases = {
      {"", "AM"},         {"abc", "AM"},      {"0.495", "AM"},    {"29.995", "AM"},
      {"30.000", "FM"},   {"54.000", "FM"},   {"54.005", "WFM"},  {"59.750", "WFM"},
      {"107.995", "WFM"}, {"108.000", "AM"},  {"136.995", "AM"},  {"137.000", "FM"},
      {"174.000", "FM"},  {"174.005", "WFM"}, {"215.995", "WFM"}, {"216.000", "FM"},
      {"475.750", "WFM"}, {"475.755", "FM"},  {"475.75", "FM"},   {"1599.995", "FM"},
  };
  for (const ModeCase& c : cases) EXPECT_EQ(AutoModeFor(c.freq), c.mode) << c.freq;
}

struct ShiftCase {
  const char* freq;
  const char* dup;  // nullptr: the direction is left alone
  const char* offset;
};

TEST(AutoShift, BandEdgesInclusiveAndExclusive) {
  const std::vector<ShiftCase> cases = {
      {"145.095", nullptr, "0.000"}, {"145.100", "-DUP", "0.600"},  {"145.495", "-DUP", "0.600"},
      {"145.500", nullptr, "0.000"}, {"145.995", nullptr, "0.000"}, {"146.000", "+DUP", "0.600"},
      {"146.395", "+DUP", "0.600"},  {"146.400", nullptr, "0.000"}, {"146.520", nullptr, "0.000"},
      {"146.595", nullptr, "0.000"}, {"146.600", "-DUP", "0.600"},  {"146.995", "-DUP", "0.600"},
      {"147.000", "+DUP", "0.600"},  {"147.395", "+DUP", "0.600"},  {"147.400", nullptr, "0.000"},
      {"147.595", nullptr, "0.000"}, {"147.600", "-DUP", "0.600"},  {"147.995", "-DUP", "0.600"},
      {"148.000", nullptr, "0.000"}, {"223.915", nullptr, "0.000"}, {"223.920", "-DUP", "1.600"},
      {"224.980", "-DUP", "1.600"},  {"224.985", nullptr, "0.000"}, {"440.000", nullptr, "0.000"},
      {"440.005", "+DUP", "5.000"},  {"444.995", "+DUP", "5.000"},  {"445.000", nullptr, "0.000"},
      {"445.005", "-DUP", "5.000"},  {"446.000", "-DUP", "5.000"},  {"449.995", "-DUP", "5.000"},
      {"450.000", nullptr, "0.000"}, {"", nullptr, "0.000"},
  };
  for (const ShiftCase& c : cases) {
    const AutoShift shift = AutoShiftFor(c.freq);
    EXPECT_EQ(shift.dup ? std::string(shift.dup) : "(kept)", c.dup ? c.dup : "(kept)") << c.freq;
    EXPECT_STREQ(shift.offset, c.offset) << c.freq;
  }
}

// The Form1 procedures write the rules into grid rows.
TEST(ChannelRulesOnGrid, DefaultsOverwriteColumnsTwoToEightOnly) {
  GridForm f;
  for (int c = ColFreq; c <= ColComments; ++c) f.grid.SetTextMatrix(7, c, "old");
  f.form.ApplyDefaults(7);
  const std::vector<std::string> expected = {"0-06", "old",   "FM",  "OFF",  "5 KHz",
                                             "SIMP", "0.000", "OFF", "88.5", "old"};
  for (int c = 0; c < kGridCols; ++c) EXPECT_EQ(f.grid.TextMatrix(7, c), expected[c]) << c;
}

TEST(ChannelRulesOnGrid, AutoRulesReadTheFreqCell) {
  GridForm f;
  f.grid.SetTextMatrix(3, ColFreq, "146.520");
  f.grid.SetTextMatrix(3, ColRptSh, "-DUP");
  f.grid.SetTextMatrix(3, ColShift, "0.600");
  f.form.ApplyAutoShift(3);  // outside the bands: the direction stays, the offset goes
  EXPECT_EQ(f.grid.TextMatrix(3, ColRptSh), "-DUP");
  EXPECT_EQ(f.grid.TextMatrix(3, ColShift), "0.000");
  f.grid.SetTextMatrix(3, ColFreq, "147.000");
  f.form.ApplyAutoShift(3);
  EXPECT_EQ(f.grid.TextMatrix(3, ColRptSh), "+DUP");
  EXPECT_EQ(f.grid.TextMatrix(3, ColShift), "0.600");
  f.grid.SetTextMatrix(401, ColFreq, "475.750");
  f.grid.SetTextMatrix(401, ColMode, "AM");
  f.form.ApplyAutoMode(401);
  EXPECT_EQ(f.grid.TextMatrix(401, ColMode), "WFM");
}

}  // namespace
