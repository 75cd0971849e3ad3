#pragma once
// The rules that keep a channel row's cells in the forms the rest of the
// program expects: the frequency text, the defaults of a new row, and the
// mode and repeater shift that follow from the frequency band. They work on
// texts alone, so imports can apply them to rows of their own; Form1's
// procedures of the same names apply them to grid rows.

#include <array>
#include <string>
#include <string_view>

#include "mainwindow/ChannelGrid.h"

// A frequency or offset in MHz as the grid shows it: whole MHz without
// leading zeros, a point, three decimals ending in 0 or 5, and above 1.799
// MHz the 12.5 and 6.25 kHz rasters completed ("146.5125", "146.50625").
// Four or more digits without a point are read as three MHz digits followed
// by decimals ("14652" is 146.520). Never fails; does not clamp.
std::string frqFilter(std::string_view text);

// The cells a new row gets in columns 2 to 8 (index = grid column).
inline constexpr std::array<const char*, kGridCols> kChannelDefaults = {
    nullptr, nullptr, "FM", "OFF", "5 KHz", "SIMP", "0.000", "OFF", "88.5", nullptr};

// Mode for a frequency text: "WFM" for a US TV sound carrier, else by band.
std::string AutoModeFor(std::string_view freqText);

// Repeater direction and offset for a frequency text. Outside the repeater
// bands `dup` is null (the direction stays as it is) and the offset is
// "0.000".
struct AutoShift {
  const char* dup;
  const char* offset;
};
AutoShift AutoShiftFor(std::string_view freqText);
