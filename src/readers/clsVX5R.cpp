#include "readers/clsVX5R.h"

#include <algorithm>

#include "image/Val.h"

namespace readers {

// A file that cannot be read leaves the image untouched, so a pre-filled array never passes for
// a loaded one.
LoadResult clsVX5R::Load(const std::string& path, long skip) {
  return LoadFileBytes(path, std::span(image_).first(kFileBytes), static_cast<std::size_t>(skip));
}

LoadResult clsVX5R::OpenVX5File(const std::string& path) {
  LoadResult result = Load(path, 0);
  if (result.ok) std::fill(image_.begin() + kFileBytes, image_.end(), std::uint8_t{1});
  return result;
}

LoadResult clsVX5R::OpenVX5RDFFile(const std::string& path) { return Load(path, kRdfHeader); }

std::string clsVX5R::GetVX5HexByteH(std::string_view address) const {
  const auto index = HexNumber(address);
  return index ? GetVX5HexByte(static_cast<long>(*index)) : std::string();
}

std::string clsVX5R::GetVX5HexByte(long index) const {
  if (index < 0 || index >= kImageSize) return {};
  return lHex(image_[static_cast<std::size_t>(index)]);
}

int clsVX5R::GetVX5Bit(long index, int n) const {
  if (index < 0) return 0;
  return GetBit(image_, static_cast<std::size_t>(index), n);
}

std::string clsVX5R::lHex(std::uint32_t value) { return readers::lHex(value, HexForm::Prefix); }

std::string clsVX5R::Hex2BinBB(std::string_view hex) { return Hex2Bin(hex); }

long clsVX5R::MemOffset(long n) { return kFirstRecord + (n - 1) * kRecordSize; }

long clsVX5R::FieldCode(int n, Field field) const {
  if (!ValidMemory(n)) return -1;
  const std::uint8_t byte = image_[static_cast<std::size_t>(MemOffset(n) + field.offset)];
  return static_cast<long>(GetField(byte, field.low, field.width));
}

std::string clsVX5R::FieldText(int n, Field field, std::span<const std::string_view> list) const {
  const long code = FieldCode(n, field);
  return code < 0 ? std::string() : CodeText(list, code, "");
}

bool clsVX5R::FlagBit(int n, int bit) const {
  return ValidMemory(n) && GetVX5Bit(kFirstFlag + n - 1, bit) == 1;
}

std::string clsVX5R::FreqDigits(int n, long at) const {
  if (!ValidMemory(n)) return {};
  const long start = MemOffset(n) + at;
  return GetVX5HexByte(start) + GetVX5HexByte(start + 1) + GetVX5HexByte(start + 2);
}

std::string clsVX5R::GetVX5Label(int n) const {
  if (!ValidMemory(n)) return {};
  const auto first = image_.begin() + MemOffset(n) + kLabel;
  return std::string(first, first + kLabelSize);
}

std::string clsVX5R::GetVX5Freq(int n) const { return FreqDigits(n, kRxFreq); }

std::string clsVX5R::GetVX5TXFreq(int n) const { return FreqDigits(n, kTxFreq); }

std::string clsVX5R::GetVX5Dev(int n) const { return FieldText(n, kDeviation, DeviationList); }

// The step byte's two hex digits are read as a decimal number, so 0x0A reads 0 ("5 KHz") and
// 0x1A reads 1 ("10 KHz"), as the radio's own software reads them.
std::string clsVX5R::GetVX5Step(int n) const {
  const long code = FieldCode(n, kStep);
  if (code < 0) return {};
  return CodeText(VXStepList, ValScaled(lHex(static_cast<std::uint32_t>(code)), 0), "");
}

std::string clsVX5R::GetVX5Mode(int n) const { return FieldText(n, kMode, VXModeList); }

std::string clsVX5R::GetVX5Shift(int n) const { return FieldText(n, kShift, VXShiftList); }

std::string clsVX5R::GetVX5TXPwr(int n) const { return FieldText(n, kPower, VXPowerList); }

std::string clsVX5R::GetVX5SqType(int n) const { return FieldText(n, kSqlType, VX5SqlTypeList); }

bool clsVX5R::GetVX5IsMemDefined(int n) const { return FlagBit(n, kDefinedBit); }

std::string clsVX5R::GetVX5IsMemMasked(int n) const {
  if (!ValidMemory(n)) return {};
  return FlagBit(n, kShownBit) ? "NO" : "YES";
}

bool clsVX5R::GetVX5MemSkip(int n) const { return FlagBit(n, kSkipBit); }

bool clsVX5R::GetVX5MemFav(int n) const { return FlagBit(n, kFavouriteBit); }

std::string clsVX5R::GetVX5TSQL(int n) const {
  const long code = FieldCode(n, kTone);
  return code < 0 ? std::string() : Ctcss39Text(code);
}

void clsVX5R::SetVX5TSql(int n, std::string_view tone) {
  if (!ValidMemory(n)) return;
  image_[static_cast<std::size_t>(MemOffset(n) + kTone.offset)] =
      static_cast<std::uint8_t>(Ctcss39Code(tone));
}

std::string clsVX5R::GetVX5DCS(int n) const {
  const long code = FieldCode(n, kDcs);
  return code < 0 ? std::string() : DcsText(code);
}

}  // namespace readers
