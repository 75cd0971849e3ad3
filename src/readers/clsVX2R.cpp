#include "readers/clsVX2R.h"

#include <algorithm>
#include <fstream>
#include <numeric>

#include "image/Val.h"

namespace readers {

namespace {

// Memory record layout: byte offset in the 18-byte record, lowest bit, width.
constexpr clsVX2R::BitField kDev{0, 5, 1};
constexpr clsVX2R::BitField kClockShift{0, 4, 1};
constexpr clsVX2R::BitField kHalfStepLow{0, 0, 1};
constexpr clsVX2R::BitField kHalfStepHigh{0, 2, 1};
constexpr clsVX2R::BitField kMode{1, 6, 2};
constexpr clsVX2R::BitField kRpt{1, 4, 2};
constexpr clsVX2R::BitField kStep{1, 0, 4};
constexpr clsVX2R::BitField kPower{5, 6, 2};
constexpr clsVX2R::BitField kSqlType{5, 0, 3};
constexpr clsVX2R::BitField kNameMode{6, 7, 1};
constexpr clsVX2R::BitField kTone{15, 0, 8};
constexpr clsVX2R::BitField kDcs{16, 0, 8};
constexpr std::size_t kRxFreq = 2;
constexpr std::size_t kTag = 6;
constexpr std::size_t kTagSize = 6;
constexpr std::size_t kOffsetFreq = 12;
static_assert(kDcs.offset < clsVX2R::kRecordSize);

// Flag nibble: scan mode in bits 3-2, in use bit 1, shown bit 0.
constexpr int kScanLow = 2;
constexpr int kInUseBit = 1;
constexpr int kShownBit = 0;

// Steps whose record also carries the 12.5 kHz pair of bits.
constexpr std::string_view kHalfSteps[] = {"12.5 KHz", "25 KHz", "50 KHz", "100 KHz"};

constexpr std::uint8_t kTagEnd = 127;
// What a tag shows for a code that has no character.
constexpr char kUnknownChar = '?';
constexpr std::uint8_t kSpaceCode = 36;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Image, file and change sum

LoadResult clsVX2R::OpenFile(const std::string& path) {
  LoadResult result = LoadFileBytes(path, image_);
  if (result.ok) SetChecksum();
  return result;
}

LoadResult clsVX2R::SaveFile(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return {false, "Error 75: Path/File access error"};
  out.write(reinterpret_cast<const char*>(image_.data()), static_cast<std::streamsize>(kImageSize));
  out.close();
  if (!out) return {false, "Error 57: Device I/O error"};
  SetChecksum();
  return {true, {}};
}

int clsVX2R::CalcChecksum(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return 0;
  const unsigned sum = std::accumulate(bytes.begin(), bytes.end() - 1, 0u);
  return static_cast<int>(sum & 0xFF);
}

void clsVX2R::SetChecksum() { changeSum_ = CalcChecksum(image_); }

bool clsVX2R::IsDataChanged() const { return CalcChecksum(image_) != changeSum_; }

std::string clsVX2R::HByt(long index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= kImageSize) return "";
  return std::to_string(image_[static_cast<std::size_t>(index)]);
}

void clsVX2R::SetByte(long index, int value) {
  if (index < 0 || static_cast<std::size_t>(index) >= kImageSize || value < 0 || value > 255) {
    return;
  }
  image_[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(value);
}

void clsVX2R::Sbyt(std::span<const std::uint8_t> values) {
  if (values.size() > kImageSize) return;
  std::copy(values.begin(), values.end(), image_.begin());
}

// ---------------------------------------------------------------------------------------------
// Field engine

int clsVX2R::FieldCode(int n, BitField field) const {
  if (!ValidMemory(n)) return -1;
  return static_cast<int>(GetField(image_[RecordIndex(n) + field.offset], field.low, field.width));
}

void clsVX2R::SetFieldCode(int n, BitField field, unsigned code) {
  if (!ValidMemory(n)) return;
  std::uint8_t& byte = image_[RecordIndex(n) + field.offset];
  byte = SetField(byte, field.low, field.width, code);
}

std::string clsVX2R::FieldText(int n, BitField field, std::span<const std::string_view> list,
                               std::string_view fallback) const {
  const int code = FieldCode(n, field);
  return code < 0 ? "" : CodeText(list, code, fallback);
}

void clsVX2R::SetFieldText(int n, BitField field, std::span<const std::string_view> list,
                           std::string_view text) {
  const int code = text.empty() ? -1 : CodeIndex(list, text);
  if (code >= 0) SetFieldCode(n, field, static_cast<unsigned>(code));
}

int clsVX2R::FlagField(int n, int low, int width) const {
  if (!ValidMemory(n)) return -1;
  return static_cast<int>(GetField(image_[FlagIndex(n)], FlagShift(n) + low, width));
}

void clsVX2R::SetFlagField(int n, int low, int width, unsigned value) {
  if (!ValidMemory(n)) return;
  image_[FlagIndex(n)] = SetField(image_[FlagIndex(n)], FlagShift(n) + low, width, value);
}

// "146520" reads "146.520". A 12.5 kHz channel is stored to the whole kHz and gets its half
// back on reading: "145012" reads "145.0125".
std::string clsVX2R::DigitsToFreqText(std::string_view digits) {
  const std::string khz(digits.substr(3, 3));
  std::string text = std::to_string(ValScaled(digits.substr(0, 3), 0)) + "." + khz;
  const std::string_view last = std::string_view(khz).substr(1);
  if (last == "12" || last == "37" || last == "62" || last == "87") text += "5";
  return text;
}

// MHz text with at most one point to six digits: the last three MHz digits and the first three
// kHz digits ("146.52" gives "146520", "5" gives "005000"). Anything but digits and one point,
// or no digit at all, gives nothing.
std::optional<std::string> clsVX2R::FreqTextToDigits(std::string_view text) {
  if (std::count(text.begin(), text.end(), '.') > 1 ||
      !std::all_of(text.begin(), text.end(),
                   [](char c) { return c == '.' || (c >= '0' && c <= '9'); }) ||
      std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const std::size_t point = text.find('.');
  const std::string mhz = "000" + std::string(text.substr(0, point));
  const std::string khz =
      (point == std::string_view::npos ? std::string() : std::string(text.substr(point + 1))) +
      "000";
  return mhz.substr(mhz.size() - 3) + khz.substr(0, 3);
}

std::string clsVX2R::FreqAt(int n, std::size_t offset) const {
  if (!ValidMemory(n)) return "";
  return DigitsToFreqText(HexText(std::span(image_).subspan(RecordIndex(n) + offset, 3)));
}

void clsVX2R::SetFreqAt(int n, std::size_t offset, std::string_view text) {
  const auto digits = FreqTextToDigits(text);
  if (!ValidMemory(n) || !digits) return;
  const auto bytes = HexBytes(*digits);
  std::copy(bytes->begin(), bytes->end(), image_.begin() + RecordIndex(n) + offset);
}

// ---------------------------------------------------------------------------------------------
// Memories

bool clsVX2R::IsValidMemory(int n) const { return FlagField(n, kInUseBit, 1) == 1; }

void clsVX2R::SetIsValidMemory(int n, bool valid) { SetFlagField(n, kInUseBit, 1, valid); }

void clsVX2R::ClearMem(int n) {
  if (!ValidMemory(n)) return;
  std::fill_n(image_.begin() + static_cast<long>(RecordIndex(n)), kRecordSize, std::uint8_t{0});
}

std::string clsVX2R::GetMemBytes(int n) const {
  if (!ValidMemory(n)) return "";
  std::string text;
  for (std::size_t i = 0; i < kRecordSize; ++i) {
    text += lHex(image_[RecordIndex(n) + i], HexForm::Cut) + " ";
  }
  return text;
}

std::string clsVX2R::Freq(int n) const { return FreqAt(n, kRxFreq); }

void clsVX2R::SetFreq(int n, std::string_view text) { SetFreqAt(n, kRxFreq, text); }

std::string clsVX2R::tag(int n) const {
  if (!ValidMemory(n)) return "";
  std::string text;
  for (std::size_t k = 0; k < kTagSize; ++k) {
    const int code = image_[RecordIndex(n) + kTag + k] & 0x7F;
    if (code == kTagEnd) continue;
    text += static_cast<std::size_t>(code) < VX2TagAlphabet.size()
                ? VX2TagAlphabet[static_cast<std::size_t>(code)]
                : kUnknownChar;
  }
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// Characters the radio cannot show (lower-case letters among them) are written as spaces.
// The bytes are written whole, so the display mode becomes "FREQ".
void clsVX2R::SetTag(int n, std::string_view text) {
  if (!ValidMemory(n)) return;
  for (std::size_t k = 0; k < kTagSize; ++k) {
    const std::size_t code = k < text.size() ? VX2TagAlphabet.find(text[k]) : kSpaceCode;
    image_[RecordIndex(n) + kTag + k] =
        static_cast<std::uint8_t>(code == std::string_view::npos ? kSpaceCode : code);
  }
}

std::string clsVX2R::Mode(int n) const { return FieldText(n, kMode, VXModeList); }

// "???" is only ever read.
void clsVX2R::SetMode(int n, std::string_view text) {
  SetFieldText(n, kMode, std::span(VXModeList).first(3), text);
}

std::string clsVX2R::Skip(int n) const {
  const int code = FlagField(n, kScanLow, 2);
  return code < 0 ? "" : CodeText(VXSkipList, code, "");
}

void clsVX2R::SetSkip(int n, std::string_view text) {
  const int code = text.empty() ? -1 : CodeIndex(VXSkipList, text);
  if (code >= 0) SetFlagField(n, kScanLow, 2, static_cast<unsigned>(code));
}

std::string clsVX2R::Step(int n) const { return FieldText(n, kStep, VXStepList, "5 KHz"); }

void clsVX2R::SetStep(int n, std::string_view text) {
  const int code = CodeIndex(VXStepList, text);
  if (code < 0) return;
  const unsigned half = CodeIndex(kHalfSteps, text) >= 0 ? 1 : 0;
  SetFieldCode(n, kHalfStepHigh, half);
  SetFieldCode(n, kHalfStepLow, half);
  SetFieldCode(n, kStep, static_cast<unsigned>(code));
}

std::string clsVX2R::IsMasked(int n) const {
  const int shown = FlagField(n, kShownBit, 1);
  if (shown < 0) return "";
  return shown == 0 ? "YES" : "NO";
}

void clsVX2R::SetIsMasked(int n, std::string_view text) {
  SetFlagField(n, kShownBit, 1, text == "YES" ? 0 : 1);
}

std::string clsVX2R::RPT(int n) const { return FieldText(n, kRpt, VXShiftList); }

void clsVX2R::SetRPT(int n, std::string_view text) { SetFieldText(n, kRpt, VXShiftList, text); }

std::string clsVX2R::Shift(int n) const { return FreqAt(n, kOffsetFreq); }

void clsVX2R::SetShift(int n, std::string_view text) { SetFreqAt(n, kOffsetFreq, text); }

std::string clsVX2R::SQLType(int n) const { return FieldText(n, kSqlType, VX2SqlTypeList); }

void clsVX2R::SetSQLType(int n, std::string_view text) {
  SetFieldText(n, kSqlType, VX2SqlTypeList, text);
}

std::string clsVX2R::Tone(int n) const { return FieldText(n, kTone, CtcssToneList, "100.0"); }

void clsVX2R::SetTone(int n, std::string_view text) {
  SetFieldCode(n, kTone, static_cast<unsigned>(std::max(CodeIndex(CtcssToneList, text), 0)));
}

std::string clsVX2R::DCS(int n) const {
  const int code = FieldCode(n, kDcs);
  return code < 0 ? "" : DcsText(code);
}

void clsVX2R::SetDCS(int n, std::string_view text) {
  SetFieldCode(n, kDcs, static_cast<unsigned>(DcsCode(text)));
}

std::string clsVX2R::TXPower(int n) const { return FieldText(n, kPower, VXPowerList); }

void clsVX2R::SetTXPower(int n, std::string_view text) {
  SetFieldText(n, kPower, VXPowerList, text);
}

std::string clsVX2R::Dev(int n) const { return FieldText(n, kDev, VX2DeviationList); }

void clsVX2R::SetDev(int n, std::string_view text) {
  SetFieldText(n, kDev, VX2DeviationList, text);
}

std::string clsVX2R::ClkShift(int n) const { return FieldText(n, kClockShift, VX2ClockShiftList); }

void clsVX2R::SetClkShift(int n, std::string_view text) {
  SetFieldText(n, kClockShift, VX2ClockShiftList, text);
}

// An unused record (byte +6 all ones) shows its frequency.
std::string clsVX2R::Name(int n) const {
  if (!ValidMemory(n)) return "";
  if (image_[RecordIndex(n) + kTag] == 0xFF) return "FREQ";
  return FieldCode(n, kNameMode) == 1 ? "ALPHA" : "FREQ";
}

void clsVX2R::SetName(int n, std::string_view text) {
  SetFieldCode(n, kNameMode, text == "ALPHA" ? 1 : 0);
}

// ---------------------------------------------------------------------------------------------
// Banks: 16-bit words, high byte first, holding a value minus 1 (so 0 is stored FF FF).

unsigned clsVX2R::Word(std::size_t index) const {
  return static_cast<unsigned>(image_[index]) * 256 + image_[index + 1];
}

void clsVX2R::WriteWord(std::size_t index, int value) {
  const auto word = static_cast<std::uint16_t>(value);
  image_[index] = static_cast<std::uint8_t>(word >> 8);
  image_[index + 1] = static_cast<std::uint8_t>(word & 0xFF);
}

std::int32_t clsVX2R::GetBankMem(int bank, int slot) const {
  if (bank < 0 || bank >= kBankCount || slot < 0 || slot >= kSlotCount) return 0;
  // The word as four hex digits, read back as a number.
  const std::string digits = HexText(std::span(image_).subspan(
      kBankSlots + 200 * static_cast<std::size_t>(bank) + 2 * static_cast<std::size_t>(slot), 2));
  return static_cast<std::int32_t>(Hex2Dec(digits) + 1);
}

void clsVX2R::SetBankMem(int bank, int slot, int memory) {
  if (bank < 0 || bank >= kBankCount || slot < 0 || slot >= kSlotCount || memory < 0 ||
      memory > kMemoryCount) {
    return;
  }
  WriteWord(kBankSlots + 200 * static_cast<std::size_t>(bank) + 2 * static_cast<std::size_t>(slot),
            memory - 1);
}

void clsVX2R::SetBankNumberMems(int bank, int count) {
  if (bank < 0 || bank >= kBankCount || count < 0 || count > kSlotCount) return;
  WriteWord(kBankCounts + 2 * static_cast<std::size_t>(bank), count - 1);
}

void clsVX2R::SetBanksUsed(bool used) {
  const std::uint8_t value = used ? 0 : 255;
  image_[kSettingsCopyA + kBanksUsed] = value;
  image_[kSettingsCopyB + kBanksUsed] = value;
  CalcSettingsChecksums();
}

// Each settings copy ends with the low byte of the sum of its other 127 bytes. (A running
// total carried from copy B into copy A would give copy A a check byte the radio rejects; real
// images carry each copy's own sum.)
void clsVX2R::CalcSettingsChecksums() {
  for (std::size_t copy : {kSettingsCopyB, kSettingsCopyA}) {
    const auto first = image_.begin() + static_cast<long>(copy);
    const unsigned sum = std::accumulate(first, first + kSettingsSize - 1, 0u);
    image_[copy + kSettingsSize - 1] = static_cast<std::uint8_t>(sum & 0xFF);
  }
}

}  // namespace readers
