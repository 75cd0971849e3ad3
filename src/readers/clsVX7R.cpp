#include "readers/clsVX7R.h"

#include <algorithm>

#include "image/Val.h"

namespace readers {

namespace {

// Record layout: byte offset in the 22-byte record, lowest bit, width.
constexpr clsVX7R::RecordField kHalfDev{0, 5, 1};
constexpr clsVX7R::RecordField kCpuShift{0, 4, 1};
constexpr clsVX7R::RecordField kPower{1, 6, 2};
constexpr clsVX7R::RecordField kRptShift{1, 4, 2};
constexpr clsVX7R::RecordField kStep{1, 0, 4};
constexpr clsVX7R::RecordField kIcon{5, 2, 6};
constexpr clsVX7R::RecordField kMode{5, 0, 2};
constexpr clsVX7R::RecordField kTone{18, 0, 8};
constexpr clsVX7R::RecordField kDcs{19, 0, 8};
constexpr clsVX7R::RecordField kSqlType{20, 0, 8};
constexpr std::size_t kRxFreq = 2;
constexpr std::size_t kTag = 6;
constexpr std::size_t kTagSize = 8;
constexpr std::size_t kSpare = 14;
constexpr std::size_t kOffsetFreq = 15;
constexpr std::size_t kTagMarks = 21;
static_assert(kTagMarks < clsVX7R::kRecordSize && kOffsetFreq + 3 <= kTone.offset);

// Bits of a memory's flag nibble.
constexpr int kDefinedBit = 0;
constexpr int kVisibleBit = 1;
constexpr int kSkipBit = 2;
constexpr int kPreferredBit = 3;

// Tag punctuation, codes 0x40 to 0x5D; code 0x56 has no character.
constexpr std::size_t kPunctuationFirst = 0x40;
constexpr std::size_t kNoCharCode = 0x56;
constexpr std::string_view kPunctuation = ",:;!\"#$%&'()*+-/=<>?@[ ]^_\\{|}";
static_assert(kPunctuationFirst + kPunctuation.size() - 1 == 0x5D);

}  // namespace

// ---------------------------------------------------------------------------------------------
// Loading

LoadResult clsVX7R::OpenVX7(const std::string& path) { return LoadFileBytes(path, image_); }

LoadResult clsVX7R::OpenVX7RDF(const std::string& path, MainWindowHost& host) {
  host.SetGridVisible(false);
  host.initgrid();
  host.SetCaption(host.AppTitle() + " - " + path);
  host.SetRdfFilePath(path);
  host.AddToMRU(path);
  // The whole image is taken from behind the header, so memories past 332 load too when the
  // file carries them; a shorter file leaves the rest at 0.
  LoadResult result = LoadFileBytes(path, image_, kRdfHeader);
  if (!result.ok) {
    host.SetGridVisible(true);
    return result;
  }
  if (image_[0] != kRdfFirstByte) return {false, std::string(kRdfNotVX7Message)};
  image_[kRdfMark] = kRdfMarkValue;
  return result;
}

// ---------------------------------------------------------------------------------------------
// Raw bytes

std::optional<std::size_t> clsVX7R::AddressIndex(std::string_view address) {
  const auto value = HexNumber(address);
  if (!value || *value >= kImageSize) return std::nullopt;
  return static_cast<std::size_t>(*value);
}

std::string clsVX7R::HByt(long index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= kImageSize) return "";
  return lHex(image_[static_cast<std::size_t>(index)]);
}

std::string clsVX7R::ReadOffsetBin(std::string_view address) const {
  const auto index = AddressIndex(address);
  return index ? Byte2Bin(image_[*index]) : "";
}

void clsVX7R::Setvx7byt(long index, std::string_view hex) {
  const auto value = HexNumber(hex);
  if (index < 0 || static_cast<std::size_t>(index) >= kImageSize || !value || *value > 0xFF) {
    return;
  }
  image_[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(*value);
}

void clsVX7R::WriteOffsetBin(std::string_view address, std::string_view bits) {
  const auto index = AddressIndex(address);
  const auto value = BinByte(bits);
  if (index && value) image_[*index] = *value;
}

int clsVX7R::GetBit(std::string_view address, int k) const {
  const auto index = AddressIndex(address);
  return index ? readers::GetBit(image_[*index], k) : 0;
}

void clsVX7R::SetBit(std::string_view address, int k, int v) {
  const auto index = AddressIndex(address);
  if (index) image_[*index] = readers::SetBit(image_[*index], k, v);
}

void clsVX7R::SetBit(std::string_view address, int k, std::string_view v) {
  if (v == "0" || v == "1") SetBit(address, k, v[0] - '0');
}

std::string clsVX7R::GetByteBlock(std::string_view address, int count) const {
  const auto index = AddressIndex(address);
  if (!index || count < 0 || *index + static_cast<std::size_t>(count) > kImageSize) return "";
  return HexText(std::span(image_).subspan(*index, static_cast<std::size_t>(count)));
}

std::string clsVX7R::Getmemoryblock(int n) const {
  if (!ValidMemory(n)) return "";
  return HexText(std::span(image_).subspan(RecordIndex(n), kRecordSize));
}

void clsVX7R::SetMemoryBlock(int n, std::string_view hex) {
  const auto bytes = HexBytes(hex);
  if (!ValidMemory(n) || !bytes || bytes->size() != kRecordSize) return;
  std::copy(bytes->begin(), bytes->end(), image_.begin() + RecordIndex(n));
}

// ---------------------------------------------------------------------------------------------
// Record fillers

void clsVX7R::SetOther(int n, const MainWindowHost& host) {
  if (!ValidMemory(n)) return;
  // The splinter flags follow the band of the whole-kHz frequency in the row; a cell that is
  // not a number counts as 0.
  struct Band {
    long long below;
    std::uint8_t flags;
  };
  static constexpr Band kBands[] = {
      {59000, 0x00}, {137000, 0x05}, {174000, 0x00}, {222000, 0x05}, {225000, 0x00}};
  const long long f = ValScaled(host.GridCellText(n, 2), 0);
  std::uint8_t flags = 0x05;
  for (const Band& band : kBands) {
    if (f < band.below) {
      flags = band.flags;
      break;
    }
  }
  const std::size_t r = RecordIndex(n);
  image_[r + 0] = flags;
  image_[r + 1] = 0xC0;
  image_[r + 5] = 0x30;
  image_[r + kSpare] = 0x00;
  std::fill_n(image_.begin() + static_cast<long>(r + kOffsetFreq), 3, std::uint8_t{0x55});
  image_[r + kTone.offset] = 0x0C;
  image_[r + kDcs.offset] = 0x00;
  image_[r + kSqlType.offset] = 0x00;
  image_[r + kTagMarks] = 0x00;
}

void clsVX7R::WriteSplinter(int n, const MainWindowHost& host, std::uint8_t extra) {
  if (!ValidMemory(n)) return;
  static constexpr std::string_view kWhole[] = {"5 KHz", "9 KHz", "10 KHz", "15 KHz", "20 KHz"};
  static constexpr std::string_view kHalf[] = {"12.5 KHz", "25 KHz", "50 KHz", "100 KHz"};
  const std::string step = host.GridCellText(n, 5);
  std::uint8_t& flags = image_[RecordIndex(n)];
  if (CodeIndex(kWhole, step) >= 0) flags = extra;
  if (CodeIndex(kHalf, step) >= 0) flags = static_cast<std::uint8_t>(0x05 | extra);
}

void clsVX7R::SetSplinterRX(int n, const MainWindowHost& host) { WriteSplinter(n, host, 0x00); }

void clsVX7R::SetSplinterRXB(int n, const MainWindowHost& host) { WriteSplinter(n, host, 0x40); }

void clsVX7R::ClearMemBlock(int n) {
  if (!ValidMemory(n)) return;
  std::fill_n(image_.begin() + static_cast<long>(RecordIndex(n)), kRecordSize, std::uint8_t{0xFF});
  image_[FlagIndex(n)] = SetField(image_[FlagIndex(n)], FlagShift(n), 4, 0);
}

std::string clsVX7R::GetMemByte(int n) const {
  return ValidMemory(n) ? lHex(image_[FlagIndex(n)]) : "";
}

// ---------------------------------------------------------------------------------------------
// Tag characters

std::string clsVX7R::DecodeChar(std::string_view code) {
  const auto value = HexNumber(code);
  if (!value || *value > 0xFF) return std::string(kNoChar);
  const auto v = *value;
  if (v <= 9) return std::string(1, static_cast<char>('0' + v));
  if (v == 10) return " ";
  if (v <= 36) return std::string(1, static_cast<char>(v + 54));
  if (v <= 62) return std::string(1, static_cast<char>(v + 60));
  if (v == 63) return ".";
  if (v >= kPunctuationFirst && v < kPunctuationFirst + kPunctuation.size() && v != kNoCharCode) {
    return std::string(1, kPunctuation[v - kPunctuationFirst]);
  }
  return std::string(kNoChar);
}

std::string clsVX7R::EncodeChar(std::string_view text) {
  if (text.empty()) return "0A";
  const char c = text[0];
  if (c >= 'A' && c <= 'Z') return lHex(static_cast<std::uint32_t>(c - 54));
  if (c >= '0' && c <= '9') return lHex(static_cast<std::uint32_t>(c - 48));
  if (c >= 'a' && c <= 'z') return lHex(static_cast<std::uint32_t>(c - 60));
  if (c == '.') return "3F";
  const std::size_t at = kPunctuation.find(c);
  if (at != std::string_view::npos && at + kPunctuationFirst != kNoCharCode) {
    return lHex(static_cast<std::uint32_t>(at + kPunctuationFirst));
  }
  return "0A";
}

// ---------------------------------------------------------------------------------------------
// Field engine

int clsVX7R::FieldCode(int n, RecordField field) const {
  if (!ValidMemory(n)) return -1;
  return static_cast<int>(GetField(image_[RecordIndex(n) + field.offset], field.low, field.width));
}

void clsVX7R::SetFieldCode(int n, RecordField field, unsigned code) {
  if (!ValidMemory(n)) return;
  std::uint8_t& byte = image_[RecordIndex(n) + field.offset];
  byte = SetField(byte, field.low, field.width, code);
}

std::string clsVX7R::FieldText(int n, RecordField field, std::span<const std::string_view> list,
                               std::string_view fallback) const {
  const int code = FieldCode(n, field);
  return code < 0 ? "" : CodeText(list, code, fallback);
}

void clsVX7R::SetFieldText(int n, RecordField field, std::span<const std::string_view> list,
                           std::string_view text) {
  const int code = CodeIndex(list, text);
  if (code >= 0) SetFieldCode(n, field, static_cast<unsigned>(code));
}

int clsVX7R::FlagBit(int n, int bit) const {
  if (!ValidMemory(n)) return 0;
  return readers::GetBit(image_[FlagIndex(n)], FlagShift(n) + bit);
}

void clsVX7R::SetFlagBit(int n, int bit, int v) {
  if (!ValidMemory(n)) return;
  image_[FlagIndex(n)] = readers::SetBit(image_[FlagIndex(n)], FlagShift(n) + bit, v);
}

// Three bytes as six hex digits d1..d6 give "<d1d2d3 as a number>.<d4d5d6>": the MHz part is
// the decimal digits d1d2d3 start with, without leading zeros; hex digits stay as they are
// (three 0xFF bytes read "0.FFF").
std::string clsVX7R::FreqText(int n, std::size_t offset) const {
  if (!ValidMemory(n)) return "";
  const std::string digits = HexText(std::span(image_).subspan(RecordIndex(n) + offset, 3));
  return std::to_string(ValScaled(std::string_view(digits).substr(0, 3), 0)) + "." +
         digits.substr(3);
}

void clsVX7R::SetFreqDigits(int n, std::size_t offset, std::string_view digits) {
  const auto bytes = HexBytes(digits);
  if (!ValidMemory(n) || !bytes || bytes->size() != 3) return;
  std::copy(bytes->begin(), bytes->end(), image_.begin() + RecordIndex(n) + offset);
}

// ---------------------------------------------------------------------------------------------
// Memory fields

std::string clsVX7R::GetMemFreq(int n) const { return FreqText(n, kRxFreq); }

void clsVX7R::SetMemFreq(int n, std::string_view digits) { SetFreqDigits(n, kRxFreq, digits); }

std::string clsVX7R::GetMemTag(int n) const {
  if (!ValidMemory(n)) return "";
  const std::size_t r = RecordIndex(n);
  std::string tag;
  for (std::size_t k = 0; k < kTagSize; ++k) {
    if (readers::GetBit(image_[r + kTagMarks], static_cast<int>(k)) == 1) {
      tag += kNoChar;
    } else {
      tag += DecodeChar(lHex(image_[r + kTag + k]));
    }
  }
  tag.erase(tag.find_last_not_of(' ') + 1);
  return tag;
}

void clsVX7R::SetMemTag(int n, std::string_view text) {
  if (!ValidMemory(n)) return;
  const std::size_t r = RecordIndex(n);
  std::string padded(text.substr(0, kTagSize));
  padded.resize(kTagSize, ' ');
  for (std::size_t k = 0; k < kTagSize; ++k) {
    image_[r + kTag + k] = static_cast<std::uint8_t>(*HexNumber(EncodeChar(padded.substr(k, 1))));
  }
  image_[r + kTagMarks] = 0;
}

std::string clsVX7R::GetRawTag(int n) const {
  if (!ValidMemory(n)) return "";
  return HexText(std::span(image_).subspan(RecordIndex(n) + kTag, kTagSize));
}

void clsVX7R::SetRawTag(int n, std::string_view hex) {
  const auto bytes = HexBytes(hex);
  if (!ValidMemory(n) || !bytes || bytes->size() != kTagSize) return;
  std::copy(bytes->begin(), bytes->end(), image_.begin() + RecordIndex(n) + kTag);
}

std::string clsVX7R::GetChrSetByte(int n) const {
  return ValidMemory(n) ? Byte2Bin(image_[RecordIndex(n) + kTagMarks]) : "";
}

void clsVX7R::SetChrSetByte(int n, std::string_view bits) {
  const auto value = BinByte(bits);
  if (ValidMemory(n) && value) image_[RecordIndex(n) + kTagMarks] = *value;
}

std::string clsVX7R::GetMemStep(int n) const { return FieldText(n, kStep, VXStepList); }

// A step text outside the list leaves the byte as it was.
void clsVX7R::SetMemStep(int n, std::string_view step) { SetFieldText(n, kStep, VXStepList, step); }

std::string clsVX7R::GetMemMode(int n) const { return FieldText(n, kMode, VXModeList); }

// "???" is only ever read; any text but the three modes stores the first.
void clsVX7R::SetMemMode(int n, std::string_view mode) {
  const int code = CodeIndex(std::span(VXModeList).first(3), mode);
  SetFieldCode(n, kMode, static_cast<unsigned>(std::max(code, 0)));
}

std::string clsVX7R::GetIcon(int n) const {
  const int code = FieldCode(n, kIcon);
  return code < 0 ? "" : std::to_string(code + 1);
}

void clsVX7R::SetIcon(int n, int icon) {
  if (icon >= 1 && icon <= 64) SetFieldCode(n, kIcon, static_cast<unsigned>(icon - 1));
}

void clsVX7R::SetIcon(int n, std::string_view icon) {
  if (icon == "N/A") return SetIcon(n, 13);
  if (!IsDecimalText(icon)) return;
  const double value = Val(icon);
  if (value == static_cast<int>(value)) SetIcon(n, static_cast<int>(value));
}

bool clsVX7R::GetMemIsDefined(int n) const { return FlagBit(n, kDefinedBit) == 1; }

void clsVX7R::SetMemIsDefined(int n, bool defined) { SetFlagBit(n, kDefinedBit, defined); }

std::string clsVX7R::GetMemIsMasked(int n) const {
  if (!ValidMemory(n)) return "";
  return FlagBit(n, kVisibleBit) == 0 ? "YES" : "NO";
}

void clsVX7R::SetMemIsMasked(int n, bool masked) { SetFlagBit(n, kVisibleBit, masked ? 0 : 1); }

void clsVX7R::SetMemIsMasked(int n, std::string_view masked) {
  if (masked == "N/A") SetMemIsMasked(n, false);
}

std::string clsVX7R::GetMemScanMode(int n) const {
  if (!ValidMemory(n)) return "";
  const int skip = FlagBit(n, kSkipBit);
  const int preferred = FlagBit(n, kPreferredBit);
  if (skip == 1 && preferred == 0) return "SKIP";
  if (skip == 0 && preferred == 1) return "ONLY";
  return "OFF";
}

void clsVX7R::SetMemScanMode(int n, std::string_view mode) {
  SetFlagBit(n, kSkipBit, mode == "Skip");
  SetFlagBit(n, kPreferredBit, mode == "Pref");
}

std::string clsVX7R::GetRptShift(int n) const { return FieldText(n, kRptShift, VXShiftList); }

void clsVX7R::SetRptShift(int n, std::string_view shift) {
  SetFieldText(n, kRptShift, VXShiftList, shift);
}

std::string clsVX7R::GetShift(int n) const { return FreqText(n, kOffsetFreq); }

void clsVX7R::SetShift(int n, std::string_view digits) { SetFreqDigits(n, kOffsetFreq, digits); }

std::string clsVX7R::GetSql(int n) const { return FieldText(n, kSqlType, VX7SqlTypeList); }

void clsVX7R::SetSql(int n, std::string_view type) {
  SetFieldText(n, kSqlType, VX7SqlTypeList, type);
}

std::string clsVX7R::GetTXPwr(int n) const { return FieldText(n, kPower, VXPowerList); }

void clsVX7R::SetTXPwr(int n, std::string_view power) {
  SetFieldText(n, kPower, VX7PowerWords, power);
}

std::string clsVX7R::GetHalfDev(int n) const { return FieldText(n, kHalfDev, VX7DeviationList); }

void clsVX7R::SetHalfDev(int n, std::string_view deviation) {
  SetFieldText(n, kHalfDev, VX7DeviationList, deviation);
}

std::string clsVX7R::GetCPUShift(int n) const { return FieldText(n, kCpuShift, VX7CpuShiftList); }

void clsVX7R::SetCPUShift(int n, std::string_view shift) {
  SetFieldCode(n, kCpuShift, shift == "ON" ? 1 : 0);
}

int clsVX7R::GetPriority() const { return image_[kPriority] * 256 + image_[kPriority + 1] + 1; }

// The radio keeps the priority channel twice; channels outside the memories are refused.
void clsVX7R::SetPriority(int channel) {
  if (!ValidMemory(channel)) return;
  const int value = channel - 1;
  for (std::size_t at : {kPriority, kPriorityCopy}) {
    image_[at] = static_cast<std::uint8_t>(value >> 8);
    image_[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
  }
}

std::string clsVX7R::GetTsql(int n) const { return FieldText(n, kTone, CtcssToneList, "100.0"); }

void clsVX7R::SetTsql(int n, std::string_view tone) {
  SetFieldCode(n, kTone, static_cast<unsigned>(std::max(CodeIndex(CtcssToneList, tone), 0)));
}

std::string clsVX7R::GetDCS(int n) const {
  const int code = FieldCode(n, kDcs);
  return code < 0 ? "" : DcsText(code);
}

void clsVX7R::SetDCS(int n, std::string_view code) {
  SetFieldCode(n, kDcs, static_cast<unsigned>(DcsCode(code)));
}

}  // namespace readers
