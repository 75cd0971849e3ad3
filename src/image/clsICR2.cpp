#include "image/clsICR2.h"

#include <algorithm>

#include "image/HexText.h"

// Defined in one unit, comments first, so the image never sees them unbuilt.
std::array<std::string, kChannelCount + 1> ChannelComments;
std::string RadioModelID;
std::string ArcTrailer;
clsICR2 ICR2Image;

clsICR2::clsICR2() = default;

void clsICR2::Init() {
  image_.fill(0);
  for (int n = 1; n <= kChannelCount; ++n) ChannelComments[n].clear();
  SetChecksum();
}

bool clsICR2::IsFileLoaded() const { return image_[kLoadedMarkAddress] == kLoadedMark; }

ImageBytes clsICR2::GetArry() const { return image_; }

// An 8-bit sum misses moved channels and edits that cancel out, and the
// comments are not in the image at all, so the unchanged state is kept whole:
// every byte but the loaded mark, and the 450 comments.
void clsICR2::SetChecksum() {
  savedImage_ = image_;
  savedComments_ = ChannelComments;
}

bool clsICR2::IsDataChanged() const {
  if (!std::equal(image_.begin(), image_.begin() + kLoadedMarkAddress, savedImage_.begin())) {
    return true;
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    if (ChannelComments[n] != savedComments_[n]) return true;
  }
  return false;
}

int clsICR2::CalcChecksum(std::span<const std::uint8_t> bytes) {
  unsigned sum = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) sum += bytes[i];
  return static_cast<int>(sum % 256);
}

int clsICR2::GetChecksum() const { return CalcChecksum(image_); }

void clsICR2::CommitLoad(const ImageBytes& image,
                         const std::array<std::string, kChannelCount + 1>& comments) {
  image_ = image;
  for (int n = 1; n <= kChannelCount; ++n) ChannelComments[n] = comments[n];
  SetChecksum();
}

FileResult clsICR2::FailLoad(std::string error) {
  Init();
  return {false, std::move(error)};
}

// Hex and bit helpers -----------------------------------------------------------

std::string clsICR2::lHex(long long v) { return HexByte(static_cast<unsigned long long>(v)); }

int clsICR2::GetBit(int address, int n) const {
  if (address < 0 || address >= kImageSize || n < 0 || n > 7) return 0;
  return (image_[address] >> n) & 1;
}

void clsICR2::SetBit(int address, int n, int value) {
  if (address < 0 || address >= kImageSize || n < 0 || n > 7) return;
  const auto mask = static_cast<std::uint8_t>(1u << n);
  if (value) {
    image_[address] |= mask;
  } else {
    image_[address] &= static_cast<std::uint8_t>(~mask);
  }
}

std::string clsICR2::Byte2Bin(long long v) { return Hex2Bin(lHex(v)); }

std::string clsICR2::Hex2Bin(std::string_view hex) {
  std::string bin;
  for (char c : hex) {
    const int value = std::max(HexDigitValue(c), 0);
    for (int bit = 3; bit >= 0; --bit) bin += ((value >> bit) & 1) ? '1' : '0';
  }
  return bin;
}

std::string clsICR2::Bin2Hex(std::string_view bin) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (std::size_t i = 0; i < bin.size(); i += 4) {
    int value = 0;
    for (char c : bin.substr(i, 4)) value = value * 2 + (c == '1');
    hex += kDigits[value];
  }
  return hex;
}

std::string clsICR2::Bin2Dec(std::string_view bin) {
  unsigned long long value = 0;
  for (char c : bin) value = value * 2 + (c == '1');
  return std::to_string(value);
}

std::string clsICR2::TrimTrailingSpaces(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}
