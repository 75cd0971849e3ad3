#pragma once
// How another radio's memory becomes a row of the channel grid. The readers
// answer in their radio's words ("NFM", "-RPT", "T SQL"); the rules below put
// them into the grid's vocabulary. The VX radios and the IC-Q7 share one set
// of rules and differ only in the words of a few tables.

#include <span>
#include <string>
#include <string_view>

#include "mainwindow/ChannelGrid.h"

// One memory as a reader answers it, before mapping.
struct SourceMemory {
  std::string freq;  // MHz text, or digits that frqFilter reads as MHz
  std::string mode;
  std::string skip;
  std::string step;
  std::string shift;    // the repeater shift word
  std::string offset;   // the offset, or the transmit frequency of a split memory
  std::string sqlType;  // the squelch type word
  std::string tone;
  std::string tag;
};

enum class ShiftKind { Simplex, Minus, Plus, Split };

struct ShiftWord {
  std::string_view word;
  ShiftKind kind;
};

struct RadioMapping {
  // Shift words that are not simplex; any other word is.
  std::span<const ShiftWord> shiftWords;
  // The reader's skip text goes in as it is (it is already the grid's);
  // otherwise only "SKIP" skips and every other word is "OFF".
  bool skipAsRead;
};

extern const RadioMapping kVXMapping;    // VX-2R, VX-5R, VX-7R
extern const RadioMapping kICQ7Mapping;  // IC-Q7

// "FM" for the narrow FM of the foreign radios ("NFM"), any other mode as it is.
std::string ModeFilter(std::string_view mode);

// Columns 1 to 9 for a defined memory.
ChannelRow MapMemory(const SourceMemory& memory, const RadioMapping& mapping);

// Direction and size of the shift of a split memory receiving on `rx` and
// transmitting on `tx` (MHz texts): "-DUP" when rx is above tx, else "+DUP";
// the size exactly, as plain MHz without trailing zeros ("0.52", "1", "5").
struct SplitShift {
  std::string dup;
  std::string offset;
};
SplitShift SplitShiftOf(std::string_view rx, std::string_view tx);

// kHz digits without a point as MHz text: "146520" is "146.520", "1240000"
// "1240.000", "00600" "00.600".
std::string KhzDigitsToMhz(std::string_view digits);

// The row of a VR-120 memory: its frequency, the channel defaults, the
// repeater shift of the frequency's band, its mode and its tag.
ChannelRow VR120Row(std::string_view freq, std::string_view mode, std::string_view tag);
