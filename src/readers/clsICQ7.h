// IC-Q7 memory image, loaded from a ".q7" clone file (one line of clone frames) and saved back
// as one: 200 memories of 8 bytes, a flag byte per memory and the radio-wide settings.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "readers/ReaderHelpers.h"

namespace readers {

class clsICQ7 {
 public:
  // The radio's whole image: 124 blocks of 16 bytes.
  static constexpr long kImageSize = 1984;
  static constexpr int kMemoryCount = 200;
  static constexpr long kRecordSize = 8;
  static constexpr long kFirstFlag = 1680;
  static_assert(kMemoryCount * kRecordSize <= kFirstFlag);
  static_assert(kImageSize % 16 == 0);

  static constexpr std::array<std::string_view, 11> ICQ7StepList{
      "5 KHz",  "6.25 KHz", "10 KHz", "12.5 KHz", "15 KHz", "20 KHz",
      "25 KHz", "30 KHz",   "50 KHz", "100 KHz",  "AUTO"};
  // The flag fields read back in the grid's words but are written with the radio's own words;
  // both lists are indexed by the stored two-bit code. A missing setter word is a code no
  // setter writes.
  static constexpr std::array<std::string_view, 4> ICQ7ModeList{"FM", "WFM", "AM", "FM"};
  static constexpr std::array<std::string_view, 4> ICQ7ModeWords{"FM", "WFM", "AM", "AUTO"};
  static constexpr std::array<std::string_view, 4> ICQ7SkipList{"OFF", "PSKIP", "SKIP", "OFF"};
  static constexpr std::array<std::string_view, 3> ICQ7SkipWords{"OFF", "PSKIP", "SKIP"};
  // The radio keeps simplex as 00 or 01, minus as 10 and plus as 11 (a real clone image shows
  // its simplex calling channel under both simplex codes); "OFF" writes the first of them.
  static constexpr std::array<std::string_view, 4> ICQ7DupList{"SIMP", "SIMP", "-DUP", "+DUP"};
  static constexpr std::array<std::string_view, 4> ICQ7DupWords{"OFF", "OFF", "MINUS", "PLUS"};
  static constexpr std::array<std::string_view, 4> ICQ7ToneModeList{"OFF", "OFF", "TONE", "OFF"};
  static constexpr std::array<std::string_view, 4> ICQ7ToneModeWords{"OFF", "P BEEP", "TONE",
                                                                     "TSQL"};

  // ---- File and image.

  // Loads the image from the clone frames of the file's first line. The file is refused, and
  // the image kept as it was, when it cannot be read, when a frame lacks its closing 0xFD or
  // its checksum characters, when data digits are not hex, or when the stream holds fewer than
  // 1984 data bytes. Data past 1984 bytes is ignored.
  LoadResult OpenFile(const std::string& path);
  // Writes the image as one line of 124 data frames and the end frame, CR LF. Writes nothing
  // while no image is loaded.
  LoadResult SaveFile(const std::string& path) const;

  bool IsLoaded() const { return MemImage.size() >= static_cast<std::size_t>(kImageSize); }
  std::span<const std::uint8_t> Image() const { return MemImage; }

  static long GetMemOffset(long n) { return (n - 1) * kRecordSize; }
  // The record's 8 bytes as 16 hex digits.
  std::string GetMemBytes(int n) const;
  bool IsValidMemory(int n) const;
  void SetIsValidMemory(int n, bool valid);
  // Bit n (0 = least significant) of an image byte; nothing outside the image or for n
  // outside 0..7.
  void SetBit(long offset, int n, int v);

  // ---- Memory fields, n = 1..200. Out-of-range memories, or no image, read "" and write
  // nothing.

  // kHz as digits: "146520", "088500", "1240000" (seven digits from 1000 MHz).
  std::string GetFreq(int n) const;
  // Six hex digits, stored as they stand ("C40000" is 1240 MHz); anything else changes nothing.
  void SetFreq(int n, std::string_view digits);
  std::string GetMod(int n) const;
  void SetMod(int n, std::string_view mode);
  std::string GetStep(int n) const;
  void SetStep(int n, std::string_view step);
  std::string GetSkip(int n) const;
  void SetSkip(int n, std::string_view skip);
  std::string GetDup(int n) const;
  void SetDup(int n, std::string_view dup);
  // The five offset digits as stored ("00600").
  std::string GetShift(int n) const;
  // Five hex digits; anything else changes nothing.
  void SetShift(int n, std::string_view digits);
  std::string GetTsql(int n) const;
  void SetTsql(int n, std::string_view toneMode);
  std::string GetGTone(int n) const;
  void SetGTone(int n, std::string_view tone);
  std::string GetRTone(int n) const;
  void SetRTone(int n, std::string_view tone);

  // ---- Radio-wide settings. Without an image getters read "" or 0 and setters do nothing.
  // Number setters take 0..255 (bit flags 0 or 1) and ignore anything else.

  long GetChIndMode() const;
  void SetChIndMode(long value);
  long GetExpSetMode() const;
  void SetExpSetMode(long value);
  long GetBeepTones() const;
  void SetBeepTones(long value);
  long GetAutoRepeater() const;
  void SetAutoRepeater(long value);
  long GetIsRITOn() const;
  void SetIsRITOn(long value);
  std::string GetRIT() const;
  void SetRIT(std::string_view text);
  long GetIsLockOn() const;
  void SetIsLockOn(long value);
  std::string GetLockMode() const;
  void SetLockMode(std::string_view text);
  std::string GetSquelch() const;
  void SetSquelch(std::string_view text);
  std::string GetMonitor() const;
  void SetMonitor(std::string_view text);
  std::string GetLight() const;
  void SetLight(std::string_view text);
  std::string GetPriority() const;
  void SetPriority(std::string_view text);
  long GetCurrentMode() const;
  void SetCurrentMode(long value);
  std::string GetVFO() const;
  void SetVFO(std::string_view text);
  std::string GetMemoryCh() const;
  void SetmemoryCh(long value);
  std::string GetCall() const;
  void SetCall(std::string_view text);
  std::string GetMenu() const;
  void SetMenu(std::string_view text);
  long GetPScan() const;
  void SetPScan(long value);
  std::string GetBankScan() const;
  void SetBankScan(std::string_view text);
  std::string GetPause() const;
  void SetPause(std::string_view text);
  std::string GetResume() const;
  void SetResume(std::string_view text);
  long GetDialAccelOn() const;
  void SetDialAccelOn(long value);
  std::string GetDialSelect() const;
  void SetDialSelect(std::string_view text);
  long GetPowerSaveOn() const;
  void SetPowerSaveOn(long value);
  std::string GetAPO() const;
  void SetAPO(std::string_view text);

  // Layouts, described as data in the source file.

  // A two-bit field of a memory's flag byte with its getter texts and setter words.
  struct FlagField {
    int low;
    std::span<const std::string_view> texts;
    std::span<const std::string_view> words;
    bool unknownWritesZero;  // else an unknown word leaves the field alone
  };

  // A radio-wide setting stored as one code per byte.
  struct EnumSetting {
    long offset;
    std::span<const std::string_view> texts;  // texts in code order
    int firstCode;                            // the code of texts[0]; negative: a signed byte
    std::string_view unknownText;             // what an unlisted code reads
    bool unknownWritesZero;  // an unlisted text writes code 0, else changes nothing
  };

 private:
  LoadResult ParseCloneData(std::string_view stream);
  static std::string DecodeGTone(std::string_view digits);
  static std::string DecodeRTone(std::string_view digits);

  // Offset of byte `at` of memory n's record, or -1.
  long RecordByte(int n, long at) const;
  long FlagByte(int n) const;
  std::string RecordHex(int n, long at, long count) const;
  void SetRecordHex(int n, long at, std::string_view digits);
  std::string GetFlagField(int n, const FlagField& field) const;
  void SetFlagField(int n, const FlagField& field, std::string_view word);
  void SetTone(int n, std::string_view tone, bool repeater);

  bool HasByte(long offset) const {
    return offset >= 0 && static_cast<std::size_t>(offset) < MemImage.size();
  }
  long ByteAt(long offset) const;  // 0 outside the image
  std::string GetEnum(const EnumSetting& setting) const;
  void SetEnum(const EnumSetting& setting, std::string_view text);
  long GetFlagByte(long offset) const;  // 1 when the byte is not 0
  void SetNumber(long offset, long value);

  // Sized by the loader to the radio's image; empty until a file is loaded.
  std::vector<std::uint8_t> MemImage;
};

}  // namespace readers
