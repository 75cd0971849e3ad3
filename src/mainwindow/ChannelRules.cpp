#include "mainwindow/ChannelRules.h"

#include <cstdlib>
#include <vector>

#include "image/Module1.h"
#include "image/Val.h"
#include "mainwindow/Form1.h"
#include "platform/MSFlexGrid.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string_view> SplitAtPoints(std::string_view text) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (size_t dot = text.find('.'); dot != std::string_view::npos; dot = text.find('.', start)) {
    pieces.push_back(text.substr(start, dot - start));
    start = dot + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

// Two-decimal endings of the 12.5 kHz and 6.25 kHz rasters and what
// completes them.
struct RasterEnding {
  const char* lastTwo;
  const char* append;
};
constexpr std::array<RasterEnding, 12> kRasterEndings = {{
    {"12", "5"},
    {"37", "5"},
    {"62", "5"},
    {"87", "5"},
    {"06", "25"},
    {"31", "25"},
    {"56", "25"},
    {"81", "25"},
    {"18", "75"},
    {"43", "75"},
    {"68", "75"},
    {"93", "75"},
}};

// Mode by band, first match wins (after the TV carriers).
struct ModeBand {
  double low;
  bool lowIncluded;
  double high;
  bool highIncluded;
  const char* mode;
};
constexpr double kNoLimit = 1e300;
constexpr std::array<ModeBand, 7> kModeBands = {{
    {-kNoLimit, true, 30, false, "AM"},
    {30, true, 54, true, "FM"},
    {54, false, 108, false, "WFM"},
    {108, true, 137, false, "AM"},
    {137, true, 174, true, "FM"},
    {174, false, 216, false, "WFM"},
    {216, true, kNoLimit, true, "FM"},
}};

// Repeater sub-bands with their direction and offset, first match wins.
struct ShiftBand {
  double low;
  bool lowIncluded;
  double high;
  bool highIncluded;
  AutoShift shift;
};
constexpr std::array<ShiftBand, 8> kShiftBands = {{
    {145.1, true, 145.5, false, {"-DUP", "0.600"}},
    {146.0, true, 146.4, false, {"+DUP", "0.600"}},
    {146.6, true, 147.0, false, {"-DUP", "0.600"}},
    {147.0, true, 147.4, false, {"+DUP", "0.600"}},
    {147.6, true, 148.0, false, {"-DUP", "0.600"}},
    {223.92, true, 224.98, true, {"-DUP", "1.600"}},
    {440, false, 445, false, {"+DUP", "5.000"}},
    {445, false, 450, false, {"-DUP", "5.000"}},
}};

template <typename Band>
bool InBand(const Band& band, double v) {
  const bool aboveLow = band.lowIncluded ? v >= band.low : v > band.low;
  const bool belowHigh = band.highIncluded ? v <= band.high : v < band.high;
  return aboveLow && belowHigh;
}

}  // namespace

std::string frqFilter(std::string_view input) {
  std::string text(input.empty() ? std::string_view("0") : input);
  if (text.find('.') == std::string::npos) {
    if (text.size() < 4)
      text += ".0";
    else
      text = text.substr(0, 3) + "." + text.substr(3);
  }
  const std::vector<std::string_view> pieces = SplitAtPoints(text);
  const std::string_view first = pieces[0];
  const std::string_view integerPart = first.substr(first.size() > 4 ? first.size() - 4 : 0);
  // The decimals are read like a number too: they end at the first character
  // that is not a digit, so a stray letter or sign never reaches the result.
  std::string decimals;
  for (char c : pieces[1].substr(0, 3)) {
    if (!IsDigit(c)) break;
    decimals += c;
  }
  decimals.resize(3, '0');
  // A sign in the integer part is dropped: frequencies and offsets are never
  // negative (the repeater direction is a cell of its own).
  const long long whole = std::llabs(ValScaled(integerPart, 0));
  std::string result = std::to_string(whole) + "." + decimals;

  if (Val(result) > 1.799) {
    const std::string_view lastTwo = std::string_view(result).substr(result.size() - 2);
    for (const RasterEnding& ending : kRasterEndings) {
      if (lastTwo == ending.lastTwo) {
        result += ending.append;
        break;
      }
    }
  }
  // The last digit goes to 0 or 5 without carrying into the digit before it.
  char& last = result.back();
  switch (last) {
    case '3':
    case '4':
    case '6':
    case '7':
      last = '5';
      break;
    case '1':
    case '2':
    case '8':
    case '9':
      last = '0';
      break;
    default:
      break;
  }
  return result;
}

std::string AutoModeFor(std::string_view freqText) {
  if (IsTVFreq(freqText)) return "WFM";
  const double v = Val(freqText);
  for (const ModeBand& band : kModeBands)
    if (InBand(band, v)) return band.mode;
  return "FM";  // not reached: the bands cover every value
}

AutoShift AutoShiftFor(std::string_view freqText) {
  const double v = Val(freqText);
  for (const ShiftBand& band : kShiftBands)
    if (InBand(band, v)) return band.shift;
  return {nullptr, "0.000"};
}

// ---- Form1's procedures on grid rows -----------------------------------------

std::string Form1::frqFilter(std::string_view text) const { return ::frqFilter(text); }

void Form1::ApplyDefaults(int row) {
  for (int c = ColMode; c <= ColTone; ++c) MSFlexGrid1->SetTextMatrix(row, c, kChannelDefaults[c]);
}

void Form1::ApplyAutoMode(int row) {
  MSFlexGrid1->SetTextMatrix(row, ColMode, AutoModeFor(MSFlexGrid1->TextMatrix(row, ColFreq)));
}

void Form1::ApplyAutoShift(int row) {
  const AutoShift shift = AutoShiftFor(MSFlexGrid1->TextMatrix(row, ColFreq));
  if (shift.dup) MSFlexGrid1->SetTextMatrix(row, ColRptSh, shift.dup);
  MSFlexGrid1->SetTextMatrix(row, ColShift, shift.offset);
}
