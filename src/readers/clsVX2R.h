// VX-2R memory image as a ".vx2" file stores it (32595 raw bytes), answering memory channels,
// banks and radio-wide settings as display texts and taking the same texts back.
//
// Every accessor checks its memory number (1..1000), bank, slot, DTMF memory or index: outside
// them a getter answers "" (or 0/false) and a setter changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "readers/ReaderHelpers.h"

namespace readers {

class clsVX2R {
 public:
  static constexpr std::size_t kImageSize = 32595;
  static constexpr int kMemoryCount = 1000;
  static constexpr std::size_t kRecordBase = 6082;
  static constexpr std::size_t kRecordSize = 18;
  static constexpr std::size_t kFlagTable = 5474;
  static constexpr std::size_t kBankCounts = 362;
  static constexpr std::size_t kBankSlots = 1474;
  static constexpr int kBankCount = 20;
  static constexpr int kSlotCount = 100;
  // Two copies of the settings block, each with its check byte last.
  static constexpr std::size_t kSettingsCopyA = 18;
  static constexpr std::size_t kSettingsCopyB = 146;
  static constexpr std::size_t kSettingsSize = 128;
  static constexpr std::size_t kBanksUsed = 72;  // within a copy
  static constexpr std::size_t kPriority = 86;   // within a copy: 16-bit word
  static constexpr std::size_t kDtmfBase = 402;
  static constexpr std::size_t kDtmfSize = 16;
  static constexpr int kDtmfCount = 16;
  static_assert(kRecordBase + kRecordSize * kMemoryCount <= kImageSize);
  static_assert(kFlagTable + (kMemoryCount + 1) / 2 <= kRecordBase);
  static_assert(kBankSlots + 2 * kSlotCount * kBankCount <= kFlagTable);
  static_assert(kDtmfBase + kDtmfSize * kDtmfCount <= kBankSlots);

  // Option lists; the index is the stored code. "" marks a code without a text.
  static constexpr std::array<std::string_view, 4> VXModeList{"NFM", "AM", "WFM", "???"};
  static constexpr std::array<std::string_view, 4> VXSkipList{"OFF", "SKIP", "ONLY", ""};
  static constexpr std::array<std::string_view, 4> VXPowerList{"LOW", "", "", "HIGH"};
  static constexpr std::array<std::string_view, 5> VX2SqlTypeList{"OFF", "TONE", "T SQL", "DCS",
                                                                  "RV TN"};
  static constexpr std::array<std::string_view, 2> VX2DeviationList{"NORM", "HALF"};
  static constexpr std::array<std::string_view, 2> VX2ClockShiftList{"OFF", "ON"};
  // Characters of codes 0..41 of tags, the opening message and the CW identifier.
  static constexpr std::string_view VX2TagAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ +-/[]";

  // ---- Image, file and change sum

  // Reads the first 32595 bytes of the file. A short file loads what it has and the rest
  // reads 0; a file that cannot be read leaves the image (and the change sum) as they were.
  LoadResult OpenFile(const std::string& path);
  // Writes the image as the whole file (an existing longer file is cut to the image's size).
  LoadResult SaveFile(const std::string& path);
  bool IsDataChanged() const;
  void SetChecksum();
  bool IsDataLoaded() const { return image_[0] != 0; }
  std::string HByt(long index) const;
  void SetByte(long index, int value);
  // Copies values into the image from byte 0 on; a list longer than the image changes nothing.
  void Sbyt(std::span<const std::uint8_t> values);
  // Low 8 bits of the sum of all bytes but the last.
  static int CalcChecksum(std::span<const std::uint8_t> bytes);
  static bool IsEven(long long n) { return readers::IsEven(n); }

  // ---- Memories, n = 1..1000
  bool IsValidMemory(int n) const;
  void SetIsValidMemory(int n, bool valid);
  void ClearMem(int n);
  std::string GetMemBytes(int n) const;
  std::string Freq(int n) const;
  void SetFreq(int n, std::string_view text);
  std::string tag(int n) const;
  void SetTag(int n, std::string_view text);
  std::string Mode(int n) const;
  void SetMode(int n, std::string_view text);
  std::string Skip(int n) const;
  void SetSkip(int n, std::string_view text);
  std::string Step(int n) const;
  void SetStep(int n, std::string_view text);
  std::string IsMasked(int n) const;
  void SetIsMasked(int n, std::string_view text);
  std::string RPT(int n) const;
  void SetRPT(int n, std::string_view text);
  std::string Shift(int n) const;
  void SetShift(int n, std::string_view text);
  std::string SQLType(int n) const;
  void SetSQLType(int n, std::string_view text);
  std::string Tone(int n) const;
  void SetTone(int n, std::string_view text);
  std::string DCS(int n) const;
  void SetDCS(int n, std::string_view text);
  std::string TXPower(int n) const;
  void SetTXPower(int n, std::string_view text);
  std::string Dev(int n) const;
  void SetDev(int n, std::string_view text);
  std::string ClkShift(int n) const;
  void SetClkShift(int n, std::string_view text);
  std::string Name(int n) const;
  void SetName(int n, std::string_view text);

  // ---- Banks 0..19, slots 0..99
  std::int32_t GetBankMem(int bank, int slot) const;
  void SetBankMem(int bank, int slot, int memory);
  void SetBankNumberMems(int bank, int count);
  void SetBanksUsed(bool used);

  // ---- Radio-wide settings
  static std::vector<std::string> GetAPO_Opt();
  std::string GetAPO() const;
  void SetAPO(std::string_view text);
  static std::vector<std::string> GetARBEEP_Opt();
  std::string GetARBEEP() const;
  void SetARBEEP(std::string_view text);
  static std::vector<std::string> GetARINT_OPT();
  std::string GetARINT() const;
  void SetARINT(std::string_view text);
  static std::vector<std::string> GetARS_OPT();
  std::string GetARS() const;
  void SetARS(std::string_view text);
  static std::vector<std::string> GetATT_Opt();
  std::string GetATT() const;
  void SetATT(std::string_view text);
  static std::vector<std::string> GetBCLO_OPT();
  std::string GetBCLO() const;
  void SetBCLO(std::string_view text);
  static std::vector<std::string> GetBEEP_Opt();
  std::string GetBEEP() const;
  void SetBEEP(std::string_view text);
  static std::vector<std::string> GetBELL_OPT();
  std::string GetBell() const;
  void SetBell(std::string_view text);
  static std::vector<std::string> GetBUSYLED_OPT();
  std::string GetBUSYLED() const;
  void SetBUSYLED(std::string_view text);
  static std::vector<std::string> GetCHCNT_OPT();
  std::string GetCHCNT() const;
  void SetCHCNT(std::string_view text);
  static std::vector<std::string> GetCWIDOFFON_OPT();
  std::string GetCWIDOFFON() const;
  void SETCWIDOFFON(std::string_view text);
  std::string GetCWID() const;
  void SetCWID(std::string_view text);
  static std::vector<std::string> GetDCSRV_Opt();
  std::string GetDCSRV() const;
  void SetDCSRV(std::string_view text);
  static std::vector<std::string> GetDIMMER_Opt();
  std::string GetDIMMER() const;
  void SetDIMMER(std::string_view value);
  void SetDIMMER(double value);
  static std::vector<std::string> GetDTMF_Opt();
  std::string GetDTMF() const;
  void SetDTMF(std::string_view text);
  std::string GetDTMFS(int n) const;
  void SetDTMFS(int n, std::string_view text);
  static std::vector<std::string> GetEDGBP_Opt();
  std::string GetEDGBP() const;
  void SetEDGBP(std::string_view text);
  static std::vector<std::string> GetEMGS_Opt();
  std::string GetEMGS() const;
  void SetEMGS(std::string_view text);
  static std::vector<std::string> GetHMRV_Opt();
  std::string GetHMRV() const;
  void SetHMRV(std::string_view text);
  static std::vector<std::string> GetINTMD_Opt();
  std::string GetINTMD() const;
  void SetINTMD(std::string_view text);
  static std::vector<std::string> GetLAMP_Opt();
  std::string GetLAMP() const;
  void SetLAMP(std::string_view text);
  static std::vector<std::string> GetLOCK_Opt();
  std::string GetLOCK() const;
  void SetLOCK(std::string_view text);
  static std::vector<std::string> GetMTCL_Opt();
  std::string GetMTCL() const;
  void SetMTCL(std::string_view text);
  static std::vector<std::string> GetMWMD_Opt();
  std::string GetMWMD() const;
  void SetMWND(std::string_view text);
  static std::vector<std::string> GetOPNMSG_Opt();
  std::string GetOPNMSG() const;
  void SetOPNMSG(std::string_view text);
  std::string GetOPENMSG_MESSAGE() const;
  void SetOPENMSG_MESSAGE(std::string_view text);
  static std::vector<std::string> GetRESUME_Opt();
  std::string GetResume() const;
  void SetResume(std::string_view text);
  static std::vector<std::string> GetRFSQL_Opt();
  std::string GetRFSQL() const;
  void SetRFSQL(std::string_view text);
  static std::vector<std::string> GetRXSAVE_Opt();
  std::string GetRXSave() const;
  void SetRXSave(std::string_view text);
  static std::vector<std::string> GetSSCH_Opt();
  std::string GetSSCH() const;
  void SetSSCH(std::string_view text);
  static std::vector<std::string> GetSCNLMP_Opt();
  std::string GetSCNLMP() const;
  void SetSCNLMP(std::string_view text);
  static std::vector<std::string> GetSPLIT_Opt();
  std::string GetSPLIT() const;
  void SetSPLIT(std::string_view text);
  static std::vector<std::string> GetTOT_Opt();
  std::string GetTOT() const;
  void SetTOT(std::string_view text);
  static std::vector<std::string> GetTXSAVE_Opt();
  std::string GetTXSave() const;
  void SetTXSave(std::string_view text);
  static std::vector<std::string> GetVFOMD_Opt();
  std::string GetVFOMD() const;
  void SetVFOMD(std::string_view text);
  static std::vector<std::string> GetWXALT_Opt();
  std::string GetWXALT() const;
  void SetWXALT(std::string_view text);
  std::string GetNFMSquelch() const;
  void SetNFMSquelch(std::string_view value);
  void SetNFMSquelch(double value);
  std::string GetWFMSquelch() const;
  void SetWFMSquelch(std::string_view value);
  void SetWFMSquelch(double value);
  static std::vector<std::string> GetMyMenu_Opt();
  int GetMyMenuNum() const;
  void SetMyMenuNum(int number);
  std::string GetInternetKey() const;
  void SetInternetKey(std::string_view text);
  // Memory number of the priority channel, "0" for none; SetPriority(0) clears it.
  std::string GetPriority() const;
  void SetPriority(int n);

  std::span<const std::uint8_t> Image() const { return image_; }

  // A field of one byte: byte offset (in a record, or in the image), lowest bit, width.
  struct BitField {
    std::size_t offset;
    int low;
    int width;
  };
  // A radio-wide setting: its field, its texts in stored-value order, and the order a
  // selection list offers them in (empty: the stored order).
  struct Setting {
    BitField field;
    std::span<const std::string_view> values;
    std::span<const std::string_view> offered;
  };

 private:
  static bool ValidMemory(int n) { return n >= 1 && n <= kMemoryCount; }
  static std::size_t RecordIndex(int n) {
    return kRecordBase + kRecordSize * static_cast<std::size_t>(n - 1);
  }
  static std::size_t FlagIndex(int n) { return kFlagTable + static_cast<std::size_t>(n - 1) / 2; }
  static int FlagShift(int n) { return n % 2 == 1 ? 0 : 4; }

  int FieldCode(int n, BitField field) const;
  void SetFieldCode(int n, BitField field, unsigned code);
  std::string FieldText(int n, BitField field, std::span<const std::string_view> list,
                        std::string_view fallback = "") const;
  // Stores the position of a non-empty text of the list; any other text changes nothing.
  void SetFieldText(int n, BitField field, std::span<const std::string_view> list,
                    std::string_view text);
  int FlagField(int n, int low, int width) const;
  void SetFlagField(int n, int low, int width, unsigned value);
  // Six hex digits MMMkkk to MHz text, and MHz text back to the six digits.
  static std::string DigitsToFreqText(std::string_view digits);
  static std::optional<std::string> FreqTextToDigits(std::string_view text);
  std::string FreqAt(int n, std::size_t offset) const;
  void SetFreqAt(int n, std::size_t offset, std::string_view text);

  std::string SettingText(const Setting& setting) const;
  void SetSetting(const Setting& setting, std::string_view text);
  static std::vector<std::string> Options(const Setting& setting);
  std::string PositionsText(std::size_t first, std::size_t count) const;
  void SetPositions(std::size_t first, std::size_t count, std::string_view text);
  void SetByteNumber(std::size_t index, std::string_view value);
  void SetByteNumber(std::size_t index, double value);
  void WriteWord(std::size_t index, int value);
  unsigned Word(std::size_t index) const;
  void CalcSettingsChecksums();

  std::array<std::uint8_t, kImageSize> image_{};
  int changeSum_ = 0;
};

}  // namespace readers
