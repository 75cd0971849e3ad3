// VX-5R memory image, loaded from an ".eve" file or its ".rdf" variant, answering its
// memories as display texts. Read only apart from one tone setter.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "readers/ReaderHelpers.h"

namespace readers {

class clsVX5R {
 public:
  static constexpr long kImageSize = 8266;
  // A file supplies bytes 0..8123; the rest of the array is never read from a file.
  static constexpr long kFileBytes = 8124;
  // An ".rdf" file carries the image after a header of this many bytes.
  static constexpr long kRdfHeader = 3060;
  static constexpr int kMemoryCount = 220;
  static constexpr long kRecordSize = 22;
  static constexpr long kFirstRecord = 618;
  static constexpr long kFirstFlag = 298;

  // Option lists; the index is the code the radio stores.
  static constexpr std::array<std::string_view, 4> VXModeList{"NFM", "AM", "WFM", "SSB"};
  // Only the upper of the two power bits decides.
  static constexpr std::array<std::string_view, 4> VXPowerList{"LOW", "LOW", "HIGH", "HIGH"};
  static constexpr std::array<std::string_view, 4> VX5SqlTypeList{"OFF", "TONE", "T SQL", "DCS"};
  static constexpr std::array<std::string_view, 2> DeviationList{"NORM", "HALF"};

  // Loaders. On success the old contents of bytes 0..8123 are replaced; bytes a short file does
  // not supply read 0. On failure (missing or unreadable file) the image stays as it was.
  // OpenVX5File also sets bytes 8124..8265 to 1; OpenVX5RDFFile leaves them alone.
  LoadResult OpenVX5File(const std::string& path);
  LoadResult OpenVX5RDFFile(const std::string& path);

  // Byte accessors: two hex digits, or "" for an address outside the image or a text that is
  // not hex.
  std::string GetVX5HexByteH(std::string_view address) const;
  std::string GetVX5HexByte(long index) const;
  // Bit n (0 = least significant) of an image byte; 0 outside the image.
  int GetVX5Bit(long index, int n) const;

  static std::string lHex(std::uint32_t value);
  static std::string Hex2BinBB(std::string_view hex);
  static long MemOffset(long n);

  // Memory fields, n = 1..220. Out-of-range memories read "" (or false).
  std::string GetVX5Label(int n) const;
  std::string GetVX5Freq(int n) const;
  std::string GetVX5TXFreq(int n) const;
  std::string GetVX5Dev(int n) const;
  std::string GetVX5Step(int n) const;
  std::string GetVX5Mode(int n) const;
  std::string GetVX5Shift(int n) const;
  std::string GetVX5TXPwr(int n) const;
  std::string GetVX5SqType(int n) const;
  bool GetVX5IsMemDefined(int n) const;
  std::string GetVX5IsMemMasked(int n) const;
  bool GetVX5MemSkip(int n) const;
  bool GetVX5MemFav(int n) const;
  std::string GetVX5TSQL(int n) const;
  void SetVX5TSql(int n, std::string_view tone);
  std::string GetVX5DCS(int n) const;

  const std::array<std::uint8_t, kImageSize>& Image() const { return image_; }

 private:
  // A bit field of a memory record: byte offset in the record, lowest bit, width.
  struct Field {
    long offset;
    int low;
    int width;
  };
  static constexpr Field kDeviation{0, 5, 1};
  static constexpr Field kStep{1, 0, 8};
  static constexpr Field kMode{5, 0, 2};
  static constexpr Field kShift{17, 0, 2};
  static constexpr Field kPower{17, 2, 2};
  static constexpr Field kSqlType{17, 4, 2};
  static constexpr Field kTone{18, 0, 8};
  static constexpr Field kDcs{19, 0, 8};
  static constexpr long kRxFreq = 2;
  static constexpr long kLabel = 6;
  static constexpr long kLabelSize = 8;
  static constexpr long kTxFreq = 14;
  static_assert(kDcs.offset < kRecordSize && kTxFreq + 3 <= kRecordSize);
  static_assert(kFirstFlag + kMemoryCount <= kFirstRecord);
  static_assert(kFirstRecord + kMemoryCount * kRecordSize <= kFileBytes);

  // Flag byte bits.
  static constexpr int kDefinedBit = 0;
  static constexpr int kShownBit = 1;
  static constexpr int kSkipBit = 2;
  static constexpr int kFavouriteBit = 3;

  static bool ValidMemory(int n) { return n >= 1 && n <= kMemoryCount; }
  // Code of a record field, or -1 for a memory outside 1..220.
  long FieldCode(int n, Field field) const;
  std::string FieldText(int n, Field field, std::span<const std::string_view> list) const;
  bool FlagBit(int n, int bit) const;
  std::string FreqDigits(int n, long at) const;
  LoadResult Load(const std::string& path, long skip);

  std::array<std::uint8_t, kImageSize> image_{};
};

}  // namespace readers
