// Channel record codec: the 8-byte record of one channel as display texts.
//
//   byte 0-2  frequency, six BCD digits of kHz (first digit A-F = 10-15 hundreds
//             of MHz), or the 9 kHz broadcast form: byte 0 = k, bytes 1-2 = 0xFF
//   byte 3    bits 5-4 duplex, bits 3-0 first offset digit
//   byte 4-5  offset digits 2-5 (kHz, BCD)
//   byte 6    bits 7-6 mode, bits 5-0 tone index
//   byte 7    bits 7-6 skip, bit 4 tone squelch, bits 3-0 step
#include <algorithm>
#include <string>

#include "image/HexText.h"
#include "image/Val.h"
#include "image/clsICR2.h"

namespace {

constexpr int kRecordSize = 8;

// Code lists: index = the code stored in the record; "" = a code without text.
constexpr std::string_view kModeTexts[] = {"FM", "WFM", "AM", ""};
constexpr std::string_view kDupReadTexts[] = {"SIMP", "SIMP", "-DUP", "+DUP"};
constexpr std::string_view kDupWriteTexts[] = {"SIMP", "", "-DUP", "+DUP"};
constexpr std::string_view kDupOptions[] = {"SIMP", "-DUP", "+DUP"};
constexpr std::string_view kSkipReadTexts[] = {"OFF", "PSKIP", "SKIP", "PSKIP"};
constexpr std::string_view kTsqlTexts[] = {"OFF", "ON"};
constexpr std::string_view kStepTexts[] = {
    "5 KHz",  "6.25 KHz", "10 KHz", "12.5 KHz", "15 KHz", "20 KHz", "25 KHz", "30 KHz",
    "50 KHz", "100 KHz",  "",       "",         "",       "",       "",       "9 KHz"};
constexpr std::size_t kStepOptionCount = 10;  // "9 KHz" is set by the band, never offered

// One enumerated field of the record. The getter and the setter may cover
// different bits: duplex writes bits 7-4 of byte 3 (clearing 7-6) and tone
// squelch writes bits 5-4 of byte 7 (clearing 5), but each reads only its own.
struct EnumField {
  int byte;
  int readLow, readWidth;
  int writeLow, writeWidth;
  std::span<const std::string_view> readTexts;
  std::string_view otherText;  // read for codes past readTexts
  std::span<const std::string_view> writeTexts;
  int unknownCode;  // written for a text not in writeTexts; -1 leaves the bits alone
};

const EnumField kFields[] = {
    // byte, read bits, write bits, texts read, other, texts written, unknown text
    {6, 6, 2, 6, 2, kModeTexts, "", std::span(kModeTexts).first(3), -1},          // mode
    {3, 4, 2, 4, 4, kDupReadTexts, "", kDupWriteTexts, -1},                       // duplex
    {6, 0, 6, 0, 6, CtcssToneList, CtcssToneList[0], CtcssToneList, 0},           // tone
    {7, 6, 2, 6, 2, kSkipReadTexts, "", std::span(kSkipReadTexts).first(3), -1},  // skip
    {7, 4, 1, 4, 2, kTsqlTexts, "", kTsqlTexts, -1},                              // tone squelch
    {7, 0, 4, 0, 4, kStepTexts, "", kStepTexts, -1},                              // step
};

OptionList ToList(std::span<const std::string_view> texts) {
  return OptionList(texts.begin(), texts.end());
}

// Frequency and offset digits -----------------------------------------------------

// Text of `nibbles` hex digits of kHz: the first digit's value in decimal, then
// the others; MHz is the leading decimal number of all but the last three.
// 14 55 00 gives "145.500", C9 99 95 "1299.995", 07 FF FF "7.FFF".
std::string KhzDigitsToText(const std::string& hex) {
  const std::string text = std::to_string(HexDigitValue(hex[0])) + hex.substr(1);
  const std::string head = text.substr(0, text.size() - 3);
  long mhz = 0;
  for (char c : head) {
    if (c < '0' || c > '9') break;
    mhz = mhz * 10 + (c - '0');
  }
  return std::to_string(mhz) + "." + text.substr(text.size() - 3);
}

// `count` hex digits for kHz: decimal digits padded to `count`; one digit more
// (10-15 hundreds of MHz) folds the first two into one hex digit A-F.
// The callers clamp khz so that it fits.
std::string KhzToDigits(long long khz, std::size_t count) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string digits = std::to_string(khz);
  if (digits.size() < count) digits.insert(0, count - digits.size(), '0');
  if (digits.size() > count) {
    const int lead = (digits[0] - '0') * 10 + (digits[1] - '0');
    digits.replace(0, 2, 1, kHex[lead & 0xF]);
  }
  return digits;
}

std::uint8_t DigitPair(const std::string& digits, std::size_t at) {
  return static_cast<std::uint8_t>(HexDigitValue(digits[at]) * 16 + HexDigitValue(digits[at + 1]));
}

constexpr long long kFreqMinKhz = 495;
constexpr long long kFreqMaxKhz = 1599995;
constexpr long long kOffsetMaxKhz = 159995;
constexpr long long kOffsetLimitKhz = 160000;  // five digits hold at most 159.999 MHz
constexpr long long kBcbFirstHz = 495000;
constexpr long long kBcbStepHz = 9000;
constexpr int kBcbChannels = 126;

}  // namespace

enum class clsICR2::ChannelField : std::uint8_t { Mode, Dup, Tone, Skip, Tsql, Step };

std::uint8_t* clsICR2::Record(int ch) {
  if (ch < 1 || ch > kChannelCount) return nullptr;
  return image_.data() + (ch - 1) * kRecordSize;
}

const std::uint8_t* clsICR2::Record(int ch) const {
  if (ch < 1 || ch > kChannelCount) return nullptr;
  return image_.data() + (ch - 1) * kRecordSize;
}

std::string clsICR2::GetField(int ch, ChannelField which) const {
  const std::uint8_t* record = Record(ch);
  if (!record) return "";
  const EnumField& field = kFields[static_cast<int>(which)];
  const unsigned code = (record[field.byte] >> field.readLow) & ((1u << field.readWidth) - 1);
  return std::string(code < field.readTexts.size() ? field.readTexts[code] : field.otherText);
}

void clsICR2::SetField(int ch, ChannelField which, std::string_view text) {
  std::uint8_t* record = Record(ch);
  if (!record) return;
  const EnumField& field = kFields[static_cast<int>(which)];
  int code = field.unknownCode;
  for (std::size_t i = 0; i < field.writeTexts.size(); ++i) {
    if (!field.writeTexts[i].empty() && field.writeTexts[i] == text) {
      code = static_cast<int>(i);
      break;
    }
  }
  if (code < 0) return;
  const unsigned mask = ((1u << field.writeWidth) - 1) << field.writeLow;
  record[field.byte] = static_cast<std::uint8_t>(
      (record[field.byte] & ~mask) | ((static_cast<unsigned>(code) << field.writeLow) & mask));
}

// Validity and clearing -------------------------------------------------------------

bool clsICR2::IsValidMemory(int ch) const {
  if (!Record(ch)) return false;
  const std::string freq = GetFreq(ch);
  if (freq.ends_with("FFF")) return IsBCBFreq(GetBCBFreq(ch)) && GetStep(ch) == "9 KHz";
  return Val(freq) != 0;
}

void clsICR2::ClearMemory(int ch) {
  if (std::uint8_t* record = Record(ch)) std::fill(record, record + kRecordSize, 0xFF);
}

// Frequency -------------------------------------------------------------------------

std::string clsICR2::GetFreq(int ch) const {
  const std::uint8_t* record = Record(ch);
  if (!record) return "";
  return KhzDigitsToText(HexByte(record[0]) + HexByte(record[1]) + HexByte(record[2]));
}

// The stored value is the text's numeric value in whole kHz (digits below 1 kHz
// dropped), clamped to 0.495-1599.995 MHz. Taking the value rather than cutting
// the text keeps "00145.5" or a stray sign from producing garbage digits; for
// every normalised frequency text it is the same thing.
void clsICR2::SetFreq(int ch, std::string_view text) {
  std::uint8_t* record = Record(ch);
  if (!record) return;
  const long long khz = std::clamp(ValScaled(text, 3), kFreqMinKhz, kFreqMaxKhz);
  const std::string digits = KhzToDigits(khz, 6);
  for (int i = 0; i < 3; ++i) record[i] = DigitPair(digits, 2 * i);
}

bool clsICR2::IsBCBFreq(double mhz) { return mhz > 0.494 && mhz < 1.621; }

bool clsICR2::IsBCBFreq(std::string_view mhz) { return IsBCBFreq(Val(mhz)); }

std::string clsICR2::GetBCBFreq(int ch) const {
  const std::uint8_t* record = Record(ch);
  if (!record) return "";
  const int khz = 495 + 9 * record[0];
  std::string fraction = std::to_string(khz % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return std::to_string(khz / 1000) + "." + fraction;
}

// The channel index is counted in whole hertz from the text's digits, so every
// channel frequency finds its own index (0.567 must not come out one low the way
// (0.567 - 0.495) / 0.009 does in binary floating point).
void clsICR2::SetBCBFreq(int ch, std::string_view mhz) {
  std::uint8_t* record = Record(ch);
  if (!record) return;
  const long long hz = ValScaled(mhz, 6);
  const long long k = hz < kBcbFirstHz ? 0 : (hz - kBcbFirstHz) / kBcbStepHz;
  record[0] = static_cast<std::uint8_t>(std::min<long long>(k, kBcbChannels - 1));
  record[1] = 0xFF;
  record[2] = 0xFF;
}

// Offset ------------------------------------------------------------------------------

std::string clsICR2::GetOffset(int ch) const {
  const std::uint8_t* record = Record(ch);
  if (!record) return "";
  const std::string digits = HexByte(record[3]).substr(1) + HexByte(record[4]) + HexByte(record[5]);
  return KhzDigitsToText(digits);
}

// Whole kHz of the text's value like SetFreq. Offsets of 160 MHz and more do not
// fit the five digits and are stored as 159.995 MHz; negative ones as 0.
void clsICR2::SetOffset(int ch, std::string_view text) {
  std::uint8_t* record = Record(ch);
  if (!record) return;
  long long khz = std::max(ValScaled(text, 3), 0LL);
  if (khz >= kOffsetLimitKhz) khz = kOffsetMaxKhz;
  const std::string digits = KhzToDigits(khz, 5);
  record[3] = static_cast<std::uint8_t>((record[3] & 0xF0) | HexDigitValue(digits[0]));
  record[4] = DigitPair(digits, 1);
  record[5] = DigitPair(digits, 3);
}

// Enumerated fields -----------------------------------------------------------------

OptionList clsICR2::GetMode_Opt() { return ToList(std::span(kModeTexts).first(3)); }
std::string clsICR2::GetMode(int ch) const { return GetField(ch, ChannelField::Mode); }
void clsICR2::SetMode(int ch, std::string_view text) { SetField(ch, ChannelField::Mode, text); }

OptionList clsICR2::GetDUP_Opt() { return ToList(kDupOptions); }
std::string clsICR2::GetDup(int ch) const { return GetField(ch, ChannelField::Dup); }
void clsICR2::SetDup(int ch, std::string_view text) { SetField(ch, ChannelField::Dup, text); }

OptionList clsICR2::GetTone_Opt() { return ToList(CtcssToneList); }
std::string clsICR2::GetTone(int ch) const { return GetField(ch, ChannelField::Tone); }
void clsICR2::SetTone(int ch, std::string_view text) { SetField(ch, ChannelField::Tone, text); }

OptionList clsICR2::GetSkip_Opt() { return ToList(std::span(kSkipReadTexts).first(3)); }
std::string clsICR2::GetSkip(int ch) const { return GetField(ch, ChannelField::Skip); }
void clsICR2::SetSkip(int ch, std::string_view text) { SetField(ch, ChannelField::Skip, text); }

OptionList clsICR2::GetTSQL_Opt() { return ToList(kTsqlTexts); }
std::string clsICR2::GetTsql(int ch) const { return GetField(ch, ChannelField::Tsql); }
void clsICR2::SetTsql(int ch, std::string_view text) { SetField(ch, ChannelField::Tsql, text); }

OptionList clsICR2::GetStep_Opt() { return ToList(std::span(kStepTexts).first(kStepOptionCount)); }
std::string clsICR2::GetStep(int ch) const { return GetField(ch, ChannelField::Step); }
void clsICR2::SetStep(int ch, std::string_view text) { SetField(ch, ChannelField::Step, text); }
