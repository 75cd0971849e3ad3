#include "importexport/RadioMapping.h"

#include <array>
#include <string>

#include "image/Val.h"
#include "mainwindow/ChannelRules.h"

namespace {

constexpr std::array<ShiftWord, 3> kVXShiftWords{{
    {"-RPT", ShiftKind::Minus},
    {"+RPT", ShiftKind::Plus},
    {"DUP", ShiftKind::Split},
}};

constexpr std::array<ShiftWord, 2> kICQ7ShiftWords{{
    {"-DUP", ShiftKind::Minus},
    {"+DUP", ShiftKind::Plus},
}};

ShiftKind KindOf(std::string_view word, const RadioMapping& mapping) {
  for (const ShiftWord& w : mapping.shiftWords) {
    if (w.word == word) return w.kind;
  }
  return ShiftKind::Simplex;
}

// Micro-MHz as plain MHz text without trailing zeros: 520000 is "0.52".
std::string PlainMhz(long long micro) {
  std::string text = std::to_string(micro / 1000000);
  std::string fraction = std::to_string(1000000 + micro % 1000000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

}  // namespace

const RadioMapping kVXMapping{kVXShiftWords, false};
const RadioMapping kICQ7Mapping{kICQ7ShiftWords, true};

std::string ModeFilter(std::string_view mode) {
  return mode == "NFM" ? std::string("FM") : std::string(mode);
}

SplitShift SplitShiftOf(std::string_view rx, std::string_view tx) {
  // Six decimals hold every digit frqFilter leaves, so the difference is exact.
  const long long r = ValScaled(rx, 6);
  const long long t = ValScaled(tx, 6);
  if (r > t) return {"-DUP", PlainMhz(r - t)};
  return {"+DUP", PlainMhz(t - r)};
}

std::string KhzDigitsToMhz(std::string_view digits) {
  std::string text(digits);
  if (text.size() < 4) text = std::string(4 - text.size(), '0') + text;
  return text.substr(0, text.size() - 3) + "." + text.substr(text.size() - 3);
}

ChannelRow MapMemory(const SourceMemory& memory, const RadioMapping& mapping) {
  ChannelRow row;
  row.Cell[ColFreq] = frqFilter(memory.freq);
  row.Cell[ColMode] = ModeFilter(memory.mode);
  row.Cell[ColSkip] = mapping.skipAsRead ? memory.skip : memory.skip == "SKIP" ? "SKIP" : "OFF";
  row.Cell[ColStep] = memory.step;
  switch (KindOf(memory.shift, mapping)) {
    case ShiftKind::Minus:
      row.Cell[ColRptSh] = "-DUP";
      row.Cell[ColShift] = frqFilter(memory.offset);
      break;
    case ShiftKind::Plus:
      row.Cell[ColRptSh] = "+DUP";
      row.Cell[ColShift] = frqFilter(memory.offset);
      break;
    case ShiftKind::Split: {
      const SplitShift split = SplitShiftOf(row.Cell[ColFreq], frqFilter(memory.offset));
      row.Cell[ColRptSh] = split.dup;
      row.Cell[ColShift] = split.offset;
      break;
    }
    case ShiftKind::Simplex:
      row.Cell[ColRptSh] = "SIMP";
      row.Cell[ColShift] = frqFilter(memory.offset);
      break;
  }
  row.Cell[ColTsql] = memory.sqlType == "TONE" ? "ON" : "OFF";
  row.Cell[ColTone] = memory.tone;
  row.Cell[ColComments] = memory.tag;
  return row;
}

ChannelRow VR120Row(std::string_view freq, std::string_view mode, std::string_view tag) {
  ChannelRow row;
  row.Cell[ColFreq] = frqFilter(freq);
  for (int c = ColMode; c <= ColTone; ++c) row.Cell[c] = kChannelDefaults[c];
  const AutoShift shift = AutoShiftFor(row.Cell[ColFreq]);
  if (shift.dup) row.Cell[ColRptSh] = shift.dup;
  row.Cell[ColShift] = shift.offset;
  row.Cell[ColMode] = ModeFilter(mode);
  row.Cell[ColComments] = std::string(tag);
  return row;
}
