// The mapping of another radio's words onto the grid's: shift words and the
// split shift both ways, modes, skips, squelch types; the VR-120 row.

#include <gtest/gtest.h>

#include <string>

#include "importexport/RadioMapping.h"

namespace {

// Columns 1 to 9 joined by "|".
std::string Joined(const ChannelRow& row) {
  std::string text = row.Cell[ColFreq];
  for (int c = ColMode; c <= ColComments; ++c) text += "|" + row.Cell[c];
  return text;
}

struct MapCase {
  const RadioMapping* mapping;
  SourceMemory memory;  // freq mode skip step shift offset sqlType tone tag
  const char* cells;
};

// clang-format off
const MapCase kMaps[] = {
    // Narrow FM is the grid's FM; only "SKIP" skips; only "TONE" is tone squelch.
    {&kVXMapping, {"146.520", "NFM", "ONLY", "5 KHz", "SIMP", "0.000", "TSQL", "88.5", "CALL"},
     "146.520|FM|OFF|5 KHz|SIMP|0.000|OFF|88.5|CALL"},
    {&kVXMapping, {"7.100", "???", "SKIP", "9 KHz", "junk", "0.600", "TONE", "100.0", ""},
     "7.100|???|SKIP|9 KHz|SIMP|0.600|ON|100.0|"},
    {&kVXMapping, {"145.0125", "AM", "", "12.5 KHz", "-RPT", "0.600", "T SQL", "67.0", ""},
     "145.0125|AM|OFF|12.5 KHz|-DUP|0.600|OFF|67.0|"},
    {&kVXMapping, {"442.000", "WFM", "OFF", "25 KHz", "+RPT", "5.000", "DCS", "67.0", ""},
     "442.000|WFM|OFF|25 KHz|+DUP|5.000|OFF|67.0|"},
    // Split: the shift is the exact difference, in plain MHz, either way.
    {&kVXMapping, {"146.000", "NFM", "OFF", "5 KHz", "DUP", "147.000", "OFF", "88.5", ""},
     "146.000|FM|OFF|5 KHz|+DUP|1|OFF|88.5|"},
    {&kVXMapping, {"99.500", "NFM", "OFF", "5 KHz", "DUP", "100.500", "OFF", "88.5", ""},
     "99.500|FM|OFF|5 KHz|+DUP|1|OFF|88.5|"},
    {&kVXMapping, {"147.600", "NFM", "OFF", "5 KHz", "DUP", "147.000", "OFF", "88.5", ""},
     "147.600|FM|OFF|5 KHz|-DUP|0.6|OFF|88.5|"},
    {&kVXMapping, {"146.520", "NFM", "OFF", "5 KHz", "DUP", "146.000", "OFF", "88.5", ""},
     "146.520|FM|OFF|5 KHz|-DUP|0.52|OFF|88.5|"},
    {&kVXMapping, {"146520", "NFM", "OFF", "5 KHz", "DUP", "147120", "OFF", "88.5", ""},
     "146.520|FM|OFF|5 KHz|+DUP|0.6|OFF|88.5|"},
    {&kVXMapping, {"145.0125", "NFM", "OFF", "5 KHz", "DUP", "145.000", "OFF", "88.5", ""},
     "145.0125|FM|OFF|5 KHz|-DUP|0.0125|OFF|88.5|"},
    {&kVXMapping, {"146.520", "NFM", "OFF", "5 KHz", "DUP", "146.520", "OFF", "88.5", ""},
     "146.520|FM|OFF|5 KHz|+DUP|0|OFF|88.5|"},
    // The IC-Q7's reader already speaks the grid's words for skip and duplex.
    {&kICQ7Mapping, {"88.500", "FM", "PSKIP", "AUTO", "-DUP", "0.600", "TONE", "88.5", ""},
     "88.500|FM|PSKIP|AUTO|-DUP|0.600|ON|88.5|"},
    {&kICQ7Mapping, {"147.340", "WFM", "SKIP", "30 KHz", "+DUP", "0.600", "OFF", "Invalid", ""},
     "147.340|WFM|SKIP|30 KHz|+DUP|0.600|OFF|Invalid|"},
    {&kICQ7Mapping, {"146.520", "AM", "OFF", "5 KHz", "-RPT", "5.250", "OFF", "88.5", ""},
     "146.520|AM|OFF|5 KHz|SIMP|5.250|OFF|88.5|"},
};
// clang-format on

TEST(RadioMapping, MemoryToRow) {
  for (const MapCase& c : kMaps) {
    EXPECT_EQ(Joined(MapMemory(c.memory, *c.mapping)), c.cells) << c.memory.shift;
  }
}

TEST(RadioMapping, KhzDigits) {
  const std::pair<const char*, const char*> digits[] = {
      {"146520", "146.520"}, {"088500", "088.500"}, {"1240000", "1240.000"},
      {"00600", "00.600"},   {"12", "0.012"},       {"", "0.000"}};
  for (const auto& [in, out] : digits) EXPECT_EQ(KhzDigitsToMhz(in), out) << in;
}

TEST(RadioMapping, VR120Row) {
  const struct {
    const char *freq, *mode, *tag, *cells;
  } rows[] = {
      {"146.70000", "NFM", "RPT", "146.700|FM|OFF|5 KHz|-DUP|0.600|OFF|88.5|RPT"},
      {"147.00000", "AM", "", "147.000|AM|OFF|5 KHz|+DUP|0.600|OFF|88.5|"},
      {"442.00000", "WFM", "UHF", "442.000|WFM|OFF|5 KHz|+DUP|5.000|OFF|88.5|UHF"},
      {"162.55025", "", "WX", "162.550||OFF|5 KHz|SIMP|0.000|OFF|88.5|WX"},
  };
  for (const auto& r : rows) EXPECT_EQ(Joined(VR120Row(r.freq, r.mode, r.tag)), r.cells);
}

}  // namespace
