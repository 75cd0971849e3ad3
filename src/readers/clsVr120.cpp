#include "readers/clsVr120.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "image/Val.h"

namespace readers {

namespace {

constexpr std::uint8_t kEmpty = 0xFF;

// The radio has no memories in these gaps; a frequency strictly inside one moves to its upper
// edge. The 383 MHz gap starts at 383.383, not 383.999.
struct BandGap {
  double lower;
  double upper;
  std::string_view text;
};
constexpr std::array<BandGap, 12> kBandGaps{{
    {338.999, 340, "340.00000"},
    {350.999, 352, "352.00000"},
    {371.999, 373, "373.00000"},
    {383.383, 385, "385.00000"},
    {541.999, 549, "549.00000"},
    {557.999, 572, "572.00000"},
    {604.999, 615, "615.00000"},
    {619.999, 630, "630.00000"},
    {783.999, 798, "798.00000"},
    {806.999, 820, "820.00000"},
    {823.999, 849, "849.00000"},
    {868.999, 894, "894.00000"},
}};

// A number written with "." as decimal point whatever the locale, in the fewest digits that
// read back as the same number ("146.52025", "1023.5", "146").
std::string NumberText(double value) {
  std::array<char, 400> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer.data(), result.ptr);
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The text before the first point, and the one after it up to any further point.
std::pair<std::string, std::string> SplitAtPoint(const std::string& text) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return {text, {}};
  const std::size_t next = text.find('.', point + 1);
  return {text.substr(0, point), text.substr(point + 1, next - point - 1)};
}

}  // namespace

LoadResult clsVr120::OpenVR120(const std::string& path) { return LoadFileBytes(path, image_); }

std::optional<long> clsVr120::Index(int bank, int channel) {
  if (bank < 0 || bank >= kBanks || channel < 0 || channel >= kChannels) return std::nullopt;
  return static_cast<long>(bank) * kChannels + channel;
}

bool clsVr120::IsMemoryValid(int, int) const { return false; }

void clsVr120::ClearMem(int bank, int channel) {
  const auto i = Index(bank, channel);
  if (!i) return;
  std::fill_n(image_.begin() + 4 * *i, 4, kEmpty);
  std::fill_n(image_.begin() + kTagStart + kTagSize * *i, kTagSize, std::uint8_t{' '});
}

std::string clsVr120::FreqText(std::string_view digits, std::string_view subKHz) {
  // The first digit counts hundreds of MHz as a hex digit (A = 1000 MHz); the rest are decimal.
  const std::string all =
      std::to_string(HexNumber(digits.substr(0, 1)).value_or(0)) + std::string(digits.substr(1));
  const std::string mhz = all.substr(0, all.size() - 3);
  const std::string khz = all.substr(all.size() - 3);
  return std::to_string(ValScaled(mhz, 0)) + "." + khz +
         std::string(subKHz.empty() ? "00" : subKHz);
}

std::string clsVr120::GetMemFreq(int bank, int channel) const {
  const auto i = Index(bank, channel);
  if (!i) return {};
  const auto first = image_.begin() + 4 * *i;
  if (std::all_of(first, first + 3, [](std::uint8_t b) { return b == kEmpty; })) return {};
  return FreqText(HexText(std::span(first, 3)), GetRXStp(bank, channel));
}

std::string clsVr120::Mem2FreqB(std::string_view digits) {
  if (digits.size() != 6 || !HexNumber(digits) || HexNumber(digits) == 0xFFFFFFu) return {};
  return FreqText(digits, "");
}

std::optional<clsVr120::Encoded> clsVr120::EncodeFreq(std::string& freq) {
  const double value = Val(freq);
  freq = NumberText(value);
  // Three BCD bytes with a hex hundreds digit hold 0 to 1599.999 MHz.
  if (!(value >= 0 && value < 1600)) return std::nullopt;
  std::string text = freq;
  if (text.find('.') == std::string::npos) text += ".0";
  auto [mhz, decimals] = SplitAtPoint(text);
  if (mhz.size() > 3) {
    // 1000 MHz and up: the first two digits become one hex digit (1023 -> A23).
    mhz = lHex(static_cast<std::uint32_t>(ValScaled(mhz.substr(0, 2), 0))).substr(1) +
          mhz.substr(mhz.size() - 2);
  } else {
    mhz.insert(0, 3 - mhz.size(), '0');
  }
  decimals = (decimals + "00000").substr(0, 5);
  return Encoded{mhz + decimals.substr(0, 3), decimals.substr(3, 2)};
}

std::string clsVr120::Freq2MemB(std::string& freq) {
  const auto encoded = EncodeFreq(freq);
  return encoded ? encoded->digits : std::string();
}

void clsVr120::SetMemFreq(int bank, int channel, std::string& freq) {
  const auto i = Index(bank, channel);
  const auto encoded = EncodeFreq(freq);
  if (!i || !encoded) return;
  const auto bytes = HexBytes(encoded->digits);
  if (!bytes || bytes->size() != 3) return;
  std::copy(bytes->begin(), bytes->end(), image_.begin() + 4 * *i);
  SetRxStp(bank, channel, encoded->subKHz);
}

std::string clsVr120::GetMemTag(int bank, int channel) const {
  const auto i = Index(bank, channel);
  if (!i) return {};
  const auto first = image_.begin() + kTagStart + kTagSize * *i;
  std::string tag(first, first + kTagSize);
  tag.erase(tag.find_last_not_of(' ') + 1);
  return tag;
}

void clsVr120::SetMemTag(int bank, int channel, std::string& text) {
  if (text.size() < static_cast<std::size_t>(kTagSize)) text.resize(kTagSize, ' ');
  const auto i = Index(bank, channel);
  if (!i) return;
  std::copy_n(text.begin(), kTagSize, image_.begin() + kTagStart + kTagSize * *i);
}

std::string clsVr120::GetMemByte(int bank, int channel) const {
  const auto i = Index(bank, channel);
  return i ? lHex(image_[static_cast<std::size_t>(4 * *i + 3)]) : std::string();
}

void clsVr120::SetMemByte(int bank, int channel, long value) {
  const auto i = Index(bank, channel);
  if (!i || value < 0 || value > 255) return;
  image_[static_cast<std::size_t>(4 * *i + 3)] = static_cast<std::uint8_t>(value);
}

std::optional<unsigned> clsVr120::FlagField(int bank, int channel, Field field) const {
  const auto i = Index(bank, channel);
  if (!i) return std::nullopt;
  return GetField(image_[static_cast<std::size_t>(4 * *i + 3)], field.low, field.width);
}

void clsVr120::SetFlagField(int bank, int channel, Field field, unsigned code) {
  const auto i = Index(bank, channel);
  if (!i) return;
  auto& flag = image_[static_cast<std::size_t>(4 * *i + 3)];
  flag = SetField(flag, field.low, field.width, code);
}

std::string clsVr120::GetMode(int bank, int channel) const {
  const auto code = FlagField(bank, channel, kMode);
  return code ? CodeText(VR120ModeList, *code, "") : std::string();
}

void clsVr120::SetMode(int bank, int channel, std::string_view mode) {
  const int code = CodeIndex(VR120ModeList, mode);
  if (code > 0) SetFlagField(bank, channel, kMode, static_cast<unsigned>(code));
}

std::string clsVr120::GetPref(int bank, int channel) const {
  const auto code = FlagField(bank, channel, kPref);
  return code ? CodeText(PrefList, *code, "") : std::string();
}

void clsVr120::SetPref(int bank, int channel, std::string_view pref) {
  const int code = CodeIndex(PrefList, pref);
  if (code >= 0) SetFlagField(bank, channel, kPref, static_cast<unsigned>(code));
}

std::string clsVr120::GetRXStp(int bank, int channel) const {
  const auto code = FlagField(bank, channel, kSubKHz);
  return code ? CodeText(SubKHzList, *code, "") : std::string();
}

void clsVr120::SetRxStp(int bank, int channel, std::string_view digits) {
  // Any text but the three sub-kHz digit pairs clears the code.
  const int code = std::max(CodeIndex(SubKHzList, digits), 0);
  SetFlagField(bank, channel, kSubKHz, static_cast<unsigned>(code));
}

std::string clsVr120::lHex(std::uint32_t value) { return readers::lHex(value, HexForm::Prefix); }

std::int32_t clsVr120::lLng(std::string_view hex) { return readers::lLng(hex); }

int clsVr120::GetBit(long index, int n) const {
  return index < 0 ? 0 : readers::GetBit(image_, static_cast<std::size_t>(index), n);
}

void clsVr120::SetBit(long index, int n, int v) {
  if (index >= 0) readers::SetBit(image_, static_cast<std::size_t>(index), n, v);
}

std::string clsVr120::Bin2Dec(std::string_view bin) { return readers::Bin2Dec(bin); }

std::string clsVr120::Hex2Bin(std::string_view hex) { return readers::Hex2Bin(hex); }

std::string clsVr120::Bin2Hex(std::string_view bin) { return readers::Bin2Hex(bin); }

bool clsVr120::FileExists(const std::string& path) { return readers::FileExists(path); }

std::int16_t clsVr120::Mem2Row(std::string& text) {
  if (text.size() < 3) text.insert(0, 3 - text.size(), '0');
  if (!AllDigits(text)) return 0;
  const int bank = text.front() - '0';
  const int channel = static_cast<int>(ValScaled(text.substr(text.size() - 2), 0));
  const auto i = Index(bank, channel);
  return i ? static_cast<std::int16_t>(*i + 1) : std::int16_t{0};
}

std::string clsVr120::FormatFreq(std::string& freq) {
  std::string text = freq;
  if (text.find('.') == std::string::npos) text += ".0";
  auto [mhz, decimals] = SplitAtPoint(text);
  const double whole = Val(mhz);
  if (whole > 1299) {
    mhz = "1299";
  } else if (whole == 0) {
    mhz = "0";
  }
  decimals = (decimals + "00000").substr(0, 5);
  // The radio holds only .25, .50 and .75 of a kHz.
  const std::string subKHz = decimals.substr(3);
  if (ValScaled(subKHz, 0) != 0 && subKHz != "25" && subKHz != "50" && subKHz != "75") {
    decimals.replace(3, 2, "00");
  }
  freq = mhz + "." + decimals;
  return CheckBlocked(freq);
}

std::string clsVr120::CheckBlocked(std::string_view freq) {
  const double value = Val(freq);
  for (const BandGap& gap : kBandGaps) {
    if (gap.lower < value && value < gap.upper) return std::string(gap.text);
  }
  return std::string(freq);
}

}  // namespace readers
