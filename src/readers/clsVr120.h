// VR-120 memory image, loaded from a ".tk1" file: ten banks of 64 memories, each a frequency,
// a mode, a preferential flag, two sub-kHz digits and a six-character tag.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "readers/ReaderHelpers.h"

namespace readers {

class clsVr120 {
 public:
  static constexpr long kImageSize = 7392;
  static constexpr int kBanks = 10;
  static constexpr int kChannels = 64;
  static constexpr long kTagStart = 0xA00;
  static constexpr long kTagSize = 6;

  // Mode code of flag bits 1-0; code 0 is a memory without a mode.
  static constexpr std::array<std::string_view, 4> VR120ModeList{"", "NFM", "WFM", "AM"};
  // Sub-kHz code of flag bits 7-5: the fourth and fifth decimals of the frequency in MHz.
  static constexpr std::array<std::string_view, 8> SubKHzList{"", "25", "50", "", "75", "", "", ""};
  static constexpr std::array<std::string_view, 2> PrefList{"Off", "On"};

  // Reads the file's first 7392 bytes; a short file leaves the rest zero. A file that cannot be
  // read is reported and leaves the image as it was.
  LoadResult OpenVR120(const std::string& path);

  // Memory accessors. A bank outside 0..9 or a channel outside 0..63 reads "" and writes
  // nothing.
  bool IsMemoryValid(int bank, int channel) const;
  void ClearMem(int bank, int channel);
  // Frequency in MHz with five decimals ("146.52025"), or "" for an empty memory.
  std::string GetMemFreq(int bank, int channel) const;
  // Stores the frequency's digits and its sub-kHz code. `freq` receives the number the text
  // reads as. A value that does not fit the record (below 0, 1600 MHz or more) stores nothing.
  void SetMemFreq(int bank, int channel, std::string& freq);
  std::string GetMemTag(int bank, int channel) const;
  // `text` is padded with spaces to at least six characters; the first six are stored.
  void SetMemTag(int bank, int channel, std::string& text);
  std::string GetMemByte(int bank, int channel) const;
  void SetMemByte(int bank, int channel, long value);
  std::string GetMode(int bank, int channel) const;
  void SetMode(int bank, int channel, std::string_view mode);
  std::string GetPref(int bank, int channel) const;
  void SetPref(int bank, int channel, std::string_view pref);
  std::string GetRXStp(int bank, int channel) const;
  void SetRxStp(int bank, int channel, std::string_view digits);

  // The conversions of GetMemFreq and SetMemFreq without a memory. They have no sub-kHz code
  // of their own, so Mem2FreqB gives "00" as the last two decimals and Freq2MemB only returns
  // the six digits (no memory's code is touched). Both give "" for what does not convert.
  static std::string Mem2FreqB(std::string_view digits);
  static std::string Freq2MemB(std::string& freq);

  // Byte and bit helpers over the image.
  static std::string lHex(std::uint32_t value);
  static std::int32_t lLng(std::string_view hex);
  int GetBit(long index, int n) const;
  void SetBit(long index, int n, int v);
  static std::string Bin2Dec(std::string_view bin);
  static std::string Hex2Bin(std::string_view hex);
  static std::string Bin2Hex(std::string_view bin);
  static bool FileExists(const std::string& path);

  // Grid row (1..640) of a bank-channel text such as "012" (bank 0, channel 12); the text is
  // padded with zeros to three characters. 0 for a text that names no memory.
  static std::int16_t Mem2Row(std::string& text);
  // Normalises a frequency text to five decimals, clamps it to 1299 MHz and drops sub-kHz
  // digits the radio cannot hold; `freq` receives that text, the result is CheckBlocked of it.
  static std::string FormatFreq(std::string& freq);
  // The upper edge of the band gap the frequency lies strictly inside, or the text unchanged.
  static std::string CheckBlocked(std::string_view freq);

  const std::array<std::uint8_t, kImageSize>& Image() const { return image_; }

 private:
  struct Encoded {
    std::string digits;  // six hex digits of the three frequency bytes
    std::string subKHz;  // the two decimals after the kHz
  };
  static std::optional<Encoded> EncodeFreq(std::string& freq);
  static std::string FreqText(std::string_view digits, std::string_view subKHz);

  // Bit fields of the flag byte: lowest bit and width.
  struct Field {
    int low;
    int width;
  };
  static constexpr Field kMode{0, 2};
  static constexpr Field kPref{2, 1};
  static constexpr Field kSubKHz{5, 3};

  // Memory index bank * 64 + channel, or nothing outside the banks.
  static std::optional<long> Index(int bank, int channel);
  std::optional<unsigned> FlagField(int bank, int channel, Field field) const;
  void SetFlagField(int bank, int channel, Field field, unsigned code);

  static_assert(4 * kBanks * kChannels <= kTagStart);
  static_assert(kTagStart + kTagSize * kBanks * kChannels <= kImageSize);

  std::array<std::uint8_t, kImageSize> image_{};
};

}  // namespace readers
