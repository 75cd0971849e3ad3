// VX-7R memory image, loaded from a ".vx7" file or the image part of an ".rdf" file, answering
// the radio's 450 memory channels and its radio-wide settings as display texts.
//
// Every accessor checks its memory number, address or slot: outside the image a getter answers
// "" (or 0/false) and a setter changes nothing. Setters given a text they do not expect change
// nothing unless noted.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "readers/MainWindowHost.h"
#include "readers/ReaderHelpers.h"

namespace readers {

class clsVX7R {
 public:
  static constexpr std::size_t kImageSize = 16211;
  static constexpr int kMemoryCount = 450;
  static constexpr std::size_t VX7RecordBase = 0x1322;
  static constexpr std::size_t kRecordSize = 22;
  static constexpr std::size_t VX7FlagTableBase = 0x1202;
  static constexpr std::size_t kPriority = 0x05C4;
  static constexpr std::size_t kPriorityCopy = 0x0644;
  // An ".rdf" file carries the image after a header of this many bytes; its first image byte
  // is 0x0A, and a good load leaves 0xC9 at kRdfMark.
  static constexpr std::size_t kRdfHeader = 424;
  static constexpr std::uint8_t kRdfFirstByte = 0x0A;
  static constexpr std::size_t kRdfMark = 0x3F50;
  static constexpr std::uint8_t kRdfMarkValue = 0xC9;
  // What OpenVX7RDF answers for a wrong first image byte; the image then holds what was read.
  static constexpr std::string_view kRdfNotVX7Message =
      "Error: Cannot open file. May not be a VX2 RDF file.";
  static constexpr std::size_t kDtmfBase = 0x7C2;
  static constexpr std::size_t kDtmfSize = 16;
  static constexpr int kDtmfCount = 9;
  static_assert(VX7RecordBase + kMemoryCount * kRecordSize <= kImageSize);
  static_assert(VX7FlagTableBase + (kMemoryCount + 1) / 2 <= VX7RecordBase);

  // Windows-1252 "©": what a tag shows for a code without a character or a marked position.
  static constexpr std::string_view kNoChar = "\xA9";

  // Option lists; the index is the stored code.
  static constexpr std::array<std::string_view, 4> VXModeList{"NFM", "AM", "WFM", "???"};
  // Read back: only the upper power bit shows. Written: four levels.
  static constexpr std::array<std::string_view, 4> VXPowerList{"LOW", "LOW", "HIGH", "HIGH"};
  static constexpr std::array<std::string_view, 4> VX7PowerWords{"L1", "L2", "L3", "MAX"};
  static constexpr std::array<std::string_view, 7> VX7SqlTypeList{
      "OFF", "TONE", "TSQL", "DCS", "D CODE", "TONE DC", "DC TONE"};
  static constexpr std::array<std::string_view, 2> VX7DeviationList{"NORM", "HALF"};
  static constexpr std::array<std::string_view, 2> VX7CpuShiftList{"OFF", "ON"};

  // ---- Loading. On failure the result carries the message for the caller to show (title
  // "Error", exclamation icon); the caller also makes the channel grid visible again.

  // The plain image: file byte i + 1 into element i. A short file loads what it has and the
  // rest reads 0; a file that cannot be read leaves the image as it was.
  LoadResult OpenVX7(const std::string& path);
  // An ".rdf" file: first resets the main window's grid, caption, ".rdf" path and recent files,
  // then loads the image from file byte 425 on. A first image byte other than 0x0A fails with
  // "Error: Cannot open file. May not be a VX2 RDF file." and keeps what was read.
  LoadResult OpenVX7RDF(const std::string& path, MainWindowHost& host);

  static bool FileExists(const std::string& path) { return readers::FileExists(path); }

  // ---- Raw bytes. Indices are numbers; addresses are hex texts ("1322").
  std::string HByt(long index) const;
  std::string ReadOffsetBin(std::string_view address) const;
  void Setvx7byt(long index, std::string_view hex);
  void WriteOffsetBin(std::string_view address, std::string_view bits);
  int GetBit(std::string_view address, int k) const;
  void SetBit(std::string_view address, int k, int v);
  void SetBit(std::string_view address, int k, std::string_view v);
  std::string GetByteBlock(std::string_view address, int count) const;
  std::string Getmemoryblock(int n) const;
  void SetMemoryBlock(int n, std::string_view hex);
  void SetByt(long index, std::string_view hex) { Setvx7byt(index, hex); }

  // ---- Record fillers reading the main window's grid row n.
  void SetOther(int n, const MainWindowHost& host);
  void SetSplinterRX(int n, const MainWindowHost& host);
  void SetSplinterRXB(int n, const MainWindowHost& host);
  void ClearMemBlock(int n);
  std::string GetMemByte(int n) const;

  // ---- Tag characters.
  static std::string DecodeChar(std::string_view code);
  static std::string EncodeChar(std::string_view text);

  // ---- Memory fields, n = 1..450.
  std::string GetMemFreq(int n) const;
  void SetMemFreq(int n, std::string_view digits);
  std::string GetMemTag(int n) const;
  void SetMemTag(int n, std::string_view text);
  std::string GetRawTag(int n) const;
  void SetRawTag(int n, std::string_view hex);
  std::string GetChrSetByte(int n) const;
  void SetChrSetByte(int n, std::string_view bits);
  std::string GetMemStep(int n) const;
  void SetMemStep(int n, std::string_view step);
  std::string GetMemMode(int n) const;
  void SetMemMode(int n, std::string_view mode);
  std::string GetIcon(int n) const;
  void SetIcon(int n, int icon);
  void SetIcon(int n, std::string_view icon);
  bool GetMemIsDefined(int n) const;
  void SetMemIsDefined(int n, bool defined);
  std::string GetMemIsMasked(int n) const;
  void SetMemIsMasked(int n, bool masked);
  void SetMemIsMasked(int n, std::string_view masked);
  void SetMemIsMasked(int n, const char* masked) { SetMemIsMasked(n, std::string_view(masked)); }
  std::string GetMemScanMode(int n) const;
  void SetMemScanMode(int n, std::string_view mode);
  std::string GetRptShift(int n) const;
  void SetRptShift(int n, std::string_view shift);
  std::string GetShift(int n) const;
  void SetShift(int n, std::string_view digits);
  std::string GetSql(int n) const;
  void SetSql(int n, std::string_view type);
  std::string GetTXPwr(int n) const;
  void SetTXPwr(int n, std::string_view power);
  std::string GetHalfDev(int n) const;
  void SetHalfDev(int n, std::string_view deviation);
  std::string GetCPUShift(int n) const;
  void SetCPUShift(int n, std::string_view shift);
  int GetPriority() const;
  static std::string lHex(std::uint32_t value) { return readers::lHex(value, HexForm::Cut); }
  void SetPriority(int channel);

  // ---- Radio-wide settings.
  std::string GetARS() const;
  void SetARS(std::string_view text);
  std::string GetMuteSet() const;
  void SetMuteSet(std::string_view text);
  std::string GetKeyBeep() const;
  void SetKeyBeep(std::string_view text);
  std::string GetLockMode() const;
  void SetLockMode(std::string_view text);
  std::string GetWriteMode() const;
  void SetWriteMode(std::string_view text);
  std::string GetHyperWrite() const;
  void SetHyperWrite(std::string_view text);
  std::string GetDCSComp() const;
  void SetDCSComp(std::string_view text);
  std::string GetBell() const;
  void SetBell(std::string_view text);
  std::string GetSplitTone() const;
  void SetSplitTone(std::string_view text);
  std::string GetDTMFDialer() const;
  void SetDTMFDialer(std::string_view text);
  // DTMF memories 1..9.
  std::string GetDTMFSet(int n) const;
  void SetDTMFSet(int n, std::string_view text);
  std::string GetChCounter() const;
  void SetChCounter(std::string_view text);
  std::string GetEdgeBeep() const;
  void SetEdgeBeep(std::string_view text);
  std::string GetResume() const;
  void SetResume(std::string_view text);
  std::string GetScanLamp() const;
  void SetScanLamp(std::string_view text);
  std::string GetSmartSearch() const;
  void SetSmartSearch(std::string_view text);
  std::string GetSpecAnal1() const;
  void SetSpecAnal1(std::string_view text);
  std::string GetSpecAnal2() const;
  void SetSpecAnal2(std::string_view text);
  std::string GetSensorDisplay() const;
  void SetSensorDisplay(std::string_view text);
  std::string GetWaveMonitor() const;
  void SetWaveMonitor(std::string_view text);
  std::string GetTempUnit() const;
  void SetTempUnit(std::string_view text);
  std::string GetBaroUnit() const;
  void SetBaroUnit(std::string_view text);
  std::string GetBaroOffset() const;
  void SetBaroOffset(std::string_view text);
  std::string GetAltiUnit() const;
  void SetAltiUnit(std::string_view text);
  std::string GetAltiOffset() const;
  void SetAltiOffset(std::string_view text);
  std::string GetAPO() const;
  void SetAPO(std::string_view text);
  std::string GetRXSave() const;
  void SetRXSave(std::string_view text);
  std::string GetTXSave() const;
  void SetTXSave(std::string_view text);
  std::string GetTOT() const;
  void SetTOT(std::string_view text);
  std::string GetOnTimer() const;
  void SetOnTimer(std::string_view text);
  std::string GetOnTimerHrs() const;
  void SetOnTimerHrs(std::string_view text);
  std::string GetOnTimerMin() const;
  void SetOnTimerMin(std::string_view text);
  std::string GetOffTimerHrs() const;
  void SetOffTimerHrs(std::string_view text);
  std::string GetOffTimerMin() const;
  void SetOffTimerMin(std::string_view text);
  std::string GetOffTimer() const;
  void SetOffTimer(std::string_view text);
  std::string GetBCLO() const;
  void SetBCLO(std::string_view text);
  std::string GetHomeRev() const;
  void SetHomeRev(std::string_view text);
  std::string GetMonTCal() const;
  void SetMonTCal(std::string_view text);
  std::string GetMonFChange() const;
  void SetMonFChange(std::string_view text);
  std::string GetEmgSet() const;
  void SetEmgSet(std::string_view text);
  std::string GetVoxSens() const;
  void SetVoxSens(std::string_view text);
  std::string GetVoxDelay() const;
  void SetVoxDelay(std::string_view text);
  std::string GetBandLink() const;
  void SetBandLink(std::string_view text);
  std::string GetVFOMode() const;
  void SetVFOMode(std::string_view text);
  std::string GetIconSet() const;
  void SetIconSet(std::string_view text);
  std::string GetLanguage() const;
  void SetLanguage(std::string_view text);
  std::string GetATT() const;
  void SetATT(std::string_view text);
  std::string GetMicMonitor() const;
  void SetMicMonitor(std::string_view text);
  std::string GetWXAlert() const;
  void SetWXAlert(std::string_view text);

  // ---- CTCSS tone and DCS code of memory n.
  std::string GetTsql(int n) const;
  void SetTsql(int n, std::string_view tone);
  std::string GetDCS(int n) const;
  void SetDCS(int n, std::string_view code);

  std::span<const std::uint8_t> Image() const { return image_; }

  // A bit field of a memory record: byte offset in the record, lowest bit, width.
  struct RecordField {
    std::size_t offset;
    int low;
    int width;
  };
  // One-bit radio-wide setting: texts of 1 and 0. With `only` empty the setter knows both
  // texts and ignores others; otherwise it stores the value of `only` when given that text
  // and the other value for every other text.
  struct FlagSetting {
    std::size_t byte;
    int bit;
    std::string_view one;
    std::string_view zero;
    std::string_view only;
  };
  // One-byte radio-wide setting whose value is the position of its text.
  struct ListSetting {
    std::size_t byte;
    std::span<const std::string_view> read;
    std::span<const std::string_view> write;
  };

 private:
  static bool ValidMemory(int n) { return n >= 1 && n <= kMemoryCount; }
  static std::size_t RecordIndex(int n) {
    return VX7RecordBase + kRecordSize * static_cast<std::size_t>(n - 1);
  }
  static std::size_t FlagIndex(int n) {
    return VX7FlagTableBase + static_cast<std::size_t>(n - 1) / 2;
  }
  // Lowest bit of memory n's nibble in its flag byte.
  static int FlagShift(int n) { return n % 2 == 1 ? 0 : 4; }
  static std::optional<std::size_t> AddressIndex(std::string_view address);

  // Code of a record field; -1 for a memory outside 1..450.
  int FieldCode(int n, RecordField field) const;
  void SetFieldCode(int n, RecordField field, unsigned code);
  std::string FieldText(int n, RecordField field, std::span<const std::string_view> list,
                        std::string_view fallback = "") const;
  // Stores the position of text in list; any other text changes nothing.
  void SetFieldText(int n, RecordField field, std::span<const std::string_view> list,
                    std::string_view text);
  int FlagBit(int n, int bit) const;
  void SetFlagBit(int n, int bit, int v);
  std::string FreqText(int n, std::size_t offset) const;
  void SetFreqDigits(int n, std::size_t offset, std::string_view digits);
  void WriteSplinter(int n, const MainWindowHost& host, std::uint8_t extra);

  std::string Flag(const FlagSetting& setting) const;
  void SetFlag(const FlagSetting& setting, std::string_view text);
  std::string List(const ListSetting& setting) const;
  void SetList(const ListSetting& setting, std::string_view text);
  std::string TimerText(std::size_t byte) const;
  void SetTimer(std::size_t byte, std::string_view text);
  std::string OffsetText(std::size_t byte) const;
  void SetOffset(std::size_t byte, std::string_view text);

  std::array<std::uint8_t, kImageSize> image_{};
};

}  // namespace readers
