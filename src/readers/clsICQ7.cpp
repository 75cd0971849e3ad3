#include "readers/clsICQ7.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "image/CloneFrame.h"
#include "image/FileIo.h"
#include "image/HexText.h"

namespace readers {

namespace {

// ---- Memory record and flag byte.

constexpr long kFreqAt = 0;    // three bytes: hundreds of MHz as a hex digit, then BCD kHz
constexpr long kShiftAt = 3;   // three bytes; the first digit is not part of the offset
constexpr long kToneAt = 6;    // 12 bits: repeater tone index, then the tone squelch index
constexpr long kStepByte = 7;  // low nibble: step code

constexpr clsICQ7::FlagField kModeField{0, clsICQ7::ICQ7ModeList, clsICQ7::ICQ7ModeWords, false};
constexpr clsICQ7::FlagField kSkipField{2, clsICQ7::ICQ7SkipList, clsICQ7::ICQ7SkipWords, true};
constexpr clsICQ7::FlagField kDupField{4, clsICQ7::ICQ7DupList, clsICQ7::ICQ7DupWords, true};
constexpr clsICQ7::FlagField kToneModeField{6, clsICQ7::ICQ7ToneModeList,
                                            clsICQ7::ICQ7ToneModeWords, false};

// ---- Radio-wide settings.

constexpr std::array<std::string_view, 15> kRitTexts{"-7", "-6", "-5", "-4", "-3", "-2", "-1", "0",
                                                     "+1", "+2", "+3", "+4", "+5", "+6", "+7"};
constexpr std::array<std::string_view, 4> kLockModeTexts{"Normal", "No Sql", "No Vol", "All"};
constexpr std::array<std::string_view, 11> kSquelchTexts{"Open", "Auto", "L1", "L2", "L3", "L4",
                                                         "L5",   "L6",   "L7", "L8", "L9"};
constexpr std::array<std::string_view, 2> kMonitorTexts{"Push", "Hold"};
constexpr std::array<std::string_view, 3> kLightTexts{"Off", "On", "Auto"};
constexpr std::array<std::string_view, 3> kPriorityTexts{"Off", "On", "Bell"};
constexpr std::array<std::string_view, 8> kVfoTexts{"51 MHz",  "76 MHz",  "118 MHz", "145 MHz",
                                                    "370 MHz", "430 MHz", "850 MHz", "1295 MHz"};
constexpr std::array<std::string_view, 2> kCallTexts{"Call 1", "Call 2"};
constexpr std::array<std::string_view, 25> kMenuTexts{
    "STEP",   "DSEL",  "TSQL", "R TONE", "C TONE", "AUTO RPTR", "DUP",   "OFFSET", "MOD",
    "RESUME", "PAUSE", "EDGE", "PSCAN",  "SKIP",   "BNK SC",    "PRIO",  "BEEP",   "LIGHT",
    "AP OFF", "PSAVE", "MONI", "SPEED",  "LOCK",   "CH",        "EXPAND"};
constexpr std::array<std::string_view, 3> kBankScanTexts{"OFF", "BANK 0", "BANK 1"};
constexpr std::array<std::string_view, 10> kPauseTexts{
    "2 SEC", "4 SEC", "6 SEC", "8 SEC", "10 SEC", "12 SEC", "14 SEC", "16 SEC", "18 SEC", "20 SEC"};
constexpr std::array<std::string_view, 6> kResumeTexts{"0 SEC", "1 SEC", "2 SEC",
                                                       "3 SEC", "4 SEC", "5 SEC"};
constexpr std::array<std::string_view, 3> kDialSelectTexts{"0.1 MHz", "1.0 MHz", "10 MHz"};
constexpr std::array<std::string_view, 5> kApoTexts{"OFF", "30 MIN", "60 MIN", "90 MIN", "120 MIN"};

using Enum = clsICQ7::EnumSetting;
// RIT is a signed byte: 249 is -7, 0 is "0", 7 is "+7".
constexpr Enum kRit{0x767, kRitTexts, -7, "", true};
constexpr Enum kLockMode{0x780, kLockModeTexts, 0, "", false};
constexpr Enum kSquelch{0x768, kSquelchTexts, 0, "", true};
constexpr Enum kMonitor{0x77D, kMonitorTexts, 0, "", false};
constexpr Enum kLight{0x77A, kLightTexts, 0, "", false};
constexpr Enum kPriority{0x772, kPriorityTexts, 0, "", false};
constexpr Enum kVfo{0x764, kVfoTexts, 0, "51 MHz", false};
constexpr Enum kCall{0x765, kCallTexts, 0, "", false};
constexpr Enum kMenu{0x787, kMenuTexts, 0, "", false};
constexpr Enum kBankScan{0x776, kBankScanTexts, 0, "", false};
constexpr Enum kPause{0x774, kPauseTexts, 0, "2 SEC", true};
constexpr Enum kResume{0x773, kResumeTexts, 0, "", false};
constexpr Enum kDialSelect{0x770, kDialSelectTexts, 0, "", false};
constexpr Enum kApo{0x77B, kApoTexts, 0, "", false};

// Bytes whose getter answers 1 for anything but 0.
constexpr long kChIndMode = 0x778;
constexpr long kExpSetMode = 0x777;
constexpr long kBeepTones = 0x779;
constexpr long kAutoRepeater = 0x771;
// Plain numbers.
constexpr long kMemoryCh = 0x762;
constexpr long kPScan = 0x775;
constexpr long kDialAccel = 0x77E;
constexpr long kPowerSave = 0x77C;
// Bits: RIT on is bit 6 and lock on bit 7 of one byte; the current mode is bits 7-6 of another.
constexpr long kLockRitByte = 0x769;
constexpr int kRitOnBit = 6;
constexpr int kLockOnBit = 7;
constexpr long kCurrentModeByte = 0x763;

// ---- Clone file.

// More than any IC-Q7 file holds; a bigger file is not read whole.
constexpr std::uintmax_t kMaxFileSize = 1 << 20;

// True when a frame's 0xFD comes before room for its two checksum characters.
bool HasFrameWithoutChecksum(std::string_view stream) {
  static constexpr std::string_view kPreamble{"\xFE\xFE", 2};
  for (std::size_t p = stream.find(kPreamble); p != stream.npos; p = stream.find(kPreamble, p)) {
    const std::size_t q = stream.find(kCloneEndOfFrame, p + 5);
    if (q == stream.npos) return false;  // a frame left open; the decoder reports it
    if (q < p + 7) return true;
    p = q + 1;
  }
  return false;
}

}  // namespace

// ---- File and image ------------------------------------------------------------------------

LoadResult clsICQ7::OpenFile(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  std::vector<std::uint8_t> bytes(error ? 0
                                        : static_cast<std::size_t>(std::min(size, kMaxFileSize)));
  LoadResult result = LoadFileBytes(path, bytes);
  if (!result.ok) return result;
  // The stream is the file's first field: everything up to a line end (or a comma, which no
  // frame holds).
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return ParseCloneData(text.substr(0, text.find_first_of("\r\n,")));
}

LoadResult clsICQ7::ParseCloneData(std::string_view stream) {
  static const std::string kNotLoaded = "The file could not be loaded: ";
  if (HasFrameWithoutChecksum(stream)) {
    return {false, kNotLoaded + "a clone frame is too short to hold its checksum."};
  }
  CloneStreamData data = DecodeCloneStream(stream, static_cast<std::size_t>(kImageSize));
  if (data.truncated) return {false, kNotLoaded + "a clone frame has no end mark."};
  if (data.notHex) return {false, kNotLoaded + "its data is not hexadecimal."};
  if (data.bytes.size() < static_cast<std::size_t>(kImageSize)) {
    return {false, "The file is not an IC-Q7 image: it holds " + std::to_string(data.bytes.size()) +
                       " of " + std::to_string(kImageSize) + " bytes."};
  }
  MemImage = std::move(data.bytes);
  return {true, {}};
}

LoadResult clsICQ7::SaveFile(const std::string& path) const {
  if (!IsLoaded()) return {false, "There is no IC-Q7 image to save."};
  std::string line;
  for (std::size_t offset = 0; offset < static_cast<std::size_t>(kImageSize);
       offset += kCloneBlockSize) {
    line += CloneDataFrame(
        static_cast<unsigned>(offset),
        std::span<const std::uint8_t, kCloneBlockSize>(MemImage.data() + offset, kCloneBlockSize));
  }
  line += CloneFrame(CloneCommand::EndOfData, "Icom Inc.");
  line += "\r\n";
  const FileResult written = WriteFileReplacing(path, line);
  return {written.ok, written.error};
}

long clsICQ7::RecordByte(int n, long at) const {
  if (n < 1 || n > kMemoryCount) return -1;
  const long offset = GetMemOffset(n) + at;
  return HasByte(offset) ? offset : -1;
}

long clsICQ7::FlagByte(int n) const {
  if (n < 1 || n > kMemoryCount) return -1;
  const long offset = kFirstFlag + n - 1;
  return HasByte(offset) ? offset : -1;
}

long clsICQ7::ByteAt(long offset) const {
  return HasByte(offset) ? MemImage[static_cast<std::size_t>(offset)] : 0;
}

std::string clsICQ7::RecordHex(int n, long at, long count) const {
  const long first = RecordByte(n, at);
  if (first < 0 || RecordByte(n, at + count - 1) < 0) return {};
  return HexText(std::span(MemImage).subspan(static_cast<std::size_t>(first),
                                             static_cast<std::size_t>(count)));
}

std::string clsICQ7::GetMemBytes(int n) const { return RecordHex(n, 0, kRecordSize); }

bool clsICQ7::IsValidMemory(int n) const {
  const long flag = FlagByte(n);
  return flag >= 0 && ByteAt(flag) != 0xFF;
}

void clsICQ7::SetIsValidMemory(int n, bool valid) {
  const long flag = FlagByte(n);
  if (flag >= 0) MemImage[static_cast<std::size_t>(flag)] = valid ? 0x00 : 0xFF;
}

void clsICQ7::SetBit(long offset, int n, int v) {
  if (offset >= 0) readers::SetBit(MemImage, static_cast<std::size_t>(offset), n, v);
}

// ---- Memory fields -------------------------------------------------------------------------

std::string clsICQ7::GetFreq(int n) const {
  const std::string digits = RecordHex(n, kFreqAt, 3);
  if (digits.empty()) return {};
  // The first digit counts hundreds of MHz, A to F standing for 1000 to 1500.
  return std::to_string(HexDigitValue(digits[0])) + digits.substr(1);
}

void clsICQ7::SetRecordHex(int n, long at, std::string_view digits) {
  const auto bytes = HexBytes(digits);
  const long first = RecordByte(n, at);
  if (!bytes || bytes->empty() || first < 0 ||
      RecordByte(n, at + static_cast<long>(bytes->size()) - 1) < 0) {
    return;
  }
  std::copy(bytes->begin(), bytes->end(), MemImage.begin() + first);
}

void clsICQ7::SetFreq(int n, std::string_view digits) {
  if (digits.size() == 6) SetRecordHex(n, kFreqAt, digits);
}

std::string clsICQ7::GetShift(int n) const {
  const std::string digits = RecordHex(n, kShiftAt, 3);
  return digits.empty() ? std::string() : digits.substr(1);
}

// The first of the five digits goes into the low nibble of the field's first byte; its high
// nibble is not part of the offset and stays.
void clsICQ7::SetShift(int n, std::string_view digits) {
  const long first = RecordByte(n, kShiftAt);
  if (digits.size() != 5 || first < 0 || !HexBytes(digits.substr(1))) return;
  const int high = HexDigitValue(digits[0]);
  if (high < 0) return;
  SetRecordHex(n, kShiftAt + 1, digits.substr(1));
  auto& byte = MemImage[static_cast<std::size_t>(first)];
  byte = SetField(byte, 0, 4, static_cast<unsigned>(high));
}

std::string clsICQ7::GetStep(int n) const {
  const long at = RecordByte(n, kStepByte);
  return at < 0 ? std::string() : CodeText(ICQ7StepList, GetField(ByteAt(at), 0, 4), "");
}

void clsICQ7::SetStep(int n, std::string_view step) {
  const long at = RecordByte(n, kStepByte);
  if (at < 0) return;
  const int code = std::max(CodeIndex(ICQ7StepList, step), 0);
  auto& byte = MemImage[static_cast<std::size_t>(at)];
  byte = SetField(byte, 0, 4, static_cast<unsigned>(code));
}

std::string clsICQ7::GetFlagField(int n, const FlagField& field) const {
  const long flag = FlagByte(n);
  if (flag < 0) return {};
  return CodeText(field.texts, GetField(ByteAt(flag), field.low, 2), "");
}

void clsICQ7::SetFlagField(int n, const FlagField& field, std::string_view word) {
  const long flag = FlagByte(n);
  if (flag < 0) return;
  int code = CodeIndex(field.words, word);
  if (code < 0) {
    if (!field.unknownWritesZero) return;
    code = 0;
  }
  auto& byte = MemImage[static_cast<std::size_t>(flag)];
  byte = SetField(byte, field.low, 2, static_cast<unsigned>(code));
}

std::string clsICQ7::GetMod(int n) const { return GetFlagField(n, kModeField); }
void clsICQ7::SetMod(int n, std::string_view mode) { SetFlagField(n, kModeField, mode); }
std::string clsICQ7::GetSkip(int n) const { return GetFlagField(n, kSkipField); }
void clsICQ7::SetSkip(int n, std::string_view skip) { SetFlagField(n, kSkipField, skip); }
std::string clsICQ7::GetDup(int n) const { return GetFlagField(n, kDupField); }
void clsICQ7::SetDup(int n, std::string_view dup) { SetFlagField(n, kDupField, dup); }
std::string clsICQ7::GetTsql(int n) const { return GetFlagField(n, kToneModeField); }
void clsICQ7::SetTsql(int n, std::string_view mode) { SetFlagField(n, kToneModeField, mode); }

namespace {

// The 12 tone bits from the first three of the four hex digits of record bytes 6-7.
std::string ToneBits(std::string_view digits) {
  std::string bits = Hex2Bin(digits.substr(0, 3));
  if (bits.size() < 12) bits.insert(0, 12 - bits.size(), '0');
  return bits;
}

// Six binary digits as a tone text; indexes past the 50 tones read "Invalid".
std::string SixBitTone(std::string_view bits) {
  const auto index = BinByte("00" + std::string(bits));
  return index ? CodeText(CtcssToneList, *index, "Invalid") : std::string("Invalid");
}

}  // namespace

std::string clsICQ7::DecodeGTone(std::string_view digits) {
  return SixBitTone(ToneBits(digits).substr(6, 6));
}

std::string clsICQ7::DecodeRTone(std::string_view digits) {
  return SixBitTone(ToneBits(digits).substr(0, 6));
}

std::string clsICQ7::GetGTone(int n) const {
  const std::string digits = RecordHex(n, kToneAt, 2);
  return digits.empty() ? std::string() : DecodeGTone(digits);
}

std::string clsICQ7::GetRTone(int n) const {
  const std::string digits = RecordHex(n, kToneAt, 2);
  return digits.empty() ? std::string() : DecodeRTone(digits);
}

// Bytes 6-7 hold the repeater tone index in their top six bits, the tone squelch index in the
// next six and the step code in the last four.
void clsICQ7::SetTone(int n, std::string_view tone, bool repeater) {
  const long at = RecordByte(n, kToneAt);
  if (at < 0 || RecordByte(n, kToneAt + 1) < 0) return;
  const unsigned index = static_cast<unsigned>(std::max(CodeIndex(CtcssToneList, tone), 0));
  auto* bytes = MemImage.data() + at;
  unsigned word = (static_cast<unsigned>(bytes[0]) << 8) | bytes[1];
  const unsigned shift = repeater ? 10 : 4;
  word = (word & ~(0x3Fu << shift)) | (index << shift);
  bytes[0] = static_cast<std::uint8_t>(word >> 8);
  bytes[1] = static_cast<std::uint8_t>(word & 0xFF);
}

void clsICQ7::SetGTone(int n, std::string_view tone) { SetTone(n, tone, false); }
void clsICQ7::SetRTone(int n, std::string_view tone) { SetTone(n, tone, true); }

// ---- Radio-wide settings -------------------------------------------------------------------

std::string clsICQ7::GetEnum(const EnumSetting& setting) const {
  if (!HasByte(setting.offset)) return {};
  const long byte = ByteAt(setting.offset);
  const long code = setting.firstCode < 0 ? static_cast<std::int8_t>(byte) : byte;
  return CodeText(setting.texts, code - setting.firstCode, setting.unknownText);
}

void clsICQ7::SetEnum(const EnumSetting& setting, std::string_view text) {
  if (!HasByte(setting.offset)) return;
  const int index = CodeIndex(setting.texts, text);
  int code = index + setting.firstCode;
  if (index < 0) {
    if (!setting.unknownWritesZero) return;
    code = 0;
  }
  MemImage[static_cast<std::size_t>(setting.offset)] = static_cast<std::uint8_t>(code);
}

long clsICQ7::GetFlagByte(long offset) const { return ByteAt(offset) != 0 ? 1 : 0; }

void clsICQ7::SetNumber(long offset, long value) {
  if (HasByte(offset) && value >= 0 && value <= 255) {
    MemImage[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
  }
}

long clsICQ7::GetChIndMode() const { return GetFlagByte(kChIndMode); }
void clsICQ7::SetChIndMode(long value) { SetNumber(kChIndMode, value); }
long clsICQ7::GetExpSetMode() const { return GetFlagByte(kExpSetMode); }
void clsICQ7::SetExpSetMode(long value) { SetNumber(kExpSetMode, value); }
long clsICQ7::GetBeepTones() const { return GetFlagByte(kBeepTones); }
void clsICQ7::SetBeepTones(long value) { SetNumber(kBeepTones, value); }
long clsICQ7::GetAutoRepeater() const { return GetFlagByte(kAutoRepeater); }
void clsICQ7::SetAutoRepeater(long value) { SetNumber(kAutoRepeater, value); }

long clsICQ7::GetIsRITOn() const { return GetBit(MemImage, kLockRitByte, kRitOnBit); }
void clsICQ7::SetIsRITOn(long value) {
  if (value == 0 || value == 1) SetBit(kLockRitByte, kRitOnBit, static_cast<int>(value));
}
long clsICQ7::GetIsLockOn() const { return GetBit(MemImage, kLockRitByte, kLockOnBit); }
void clsICQ7::SetIsLockOn(long value) {
  if (value == 0 || value == 1) SetBit(kLockRitByte, kLockOnBit, static_cast<int>(value));
}

std::string clsICQ7::GetRIT() const { return GetEnum(kRit); }
void clsICQ7::SetRIT(std::string_view text) { SetEnum(kRit, text); }
std::string clsICQ7::GetLockMode() const { return GetEnum(kLockMode); }
void clsICQ7::SetLockMode(std::string_view text) { SetEnum(kLockMode, text); }
std::string clsICQ7::GetSquelch() const { return GetEnum(kSquelch); }
void clsICQ7::SetSquelch(std::string_view text) { SetEnum(kSquelch, text); }
std::string clsICQ7::GetMonitor() const { return GetEnum(kMonitor); }
void clsICQ7::SetMonitor(std::string_view text) { SetEnum(kMonitor, text); }
std::string clsICQ7::GetLight() const { return GetEnum(kLight); }
void clsICQ7::SetLight(std::string_view text) { SetEnum(kLight, text); }
std::string clsICQ7::GetPriority() const { return GetEnum(kPriority); }
void clsICQ7::SetPriority(std::string_view text) { SetEnum(kPriority, text); }

// Bits 7-6 as a number; the code 11 reads 0 and no value writes it.
long clsICQ7::GetCurrentMode() const {
  const unsigned code = GetField(static_cast<std::uint8_t>(ByteAt(kCurrentModeByte)), 6, 2);
  return code == 3 ? 0 : code;
}
void clsICQ7::SetCurrentMode(long value) {
  if (!HasByte(kCurrentModeByte) || value < 0 || value > 2) return;
  auto& byte = MemImage[kCurrentModeByte];
  byte = SetField(byte, 6, 2, static_cast<unsigned>(value));
}

std::string clsICQ7::GetVFO() const { return GetEnum(kVfo); }
void clsICQ7::SetVFO(std::string_view text) { SetEnum(kVfo, text); }

std::string clsICQ7::GetMemoryCh() const {
  return HasByte(kMemoryCh) ? std::to_string(ByteAt(kMemoryCh)) : std::string();
}
void clsICQ7::SetmemoryCh(long value) { SetNumber(kMemoryCh, value); }

std::string clsICQ7::GetCall() const { return GetEnum(kCall); }
void clsICQ7::SetCall(std::string_view text) { SetEnum(kCall, text); }
std::string clsICQ7::GetMenu() const { return GetEnum(kMenu); }
void clsICQ7::SetMenu(std::string_view text) { SetEnum(kMenu, text); }
long clsICQ7::GetPScan() const { return ByteAt(kPScan); }
void clsICQ7::SetPScan(long value) { SetNumber(kPScan, value); }
std::string clsICQ7::GetBankScan() const { return GetEnum(kBankScan); }
void clsICQ7::SetBankScan(std::string_view text) { SetEnum(kBankScan, text); }
std::string clsICQ7::GetPause() const { return GetEnum(kPause); }
void clsICQ7::SetPause(std::string_view text) { SetEnum(kPause, text); }
std::string clsICQ7::GetResume() const { return GetEnum(kResume); }
void clsICQ7::SetResume(std::string_view text) { SetEnum(kResume, text); }
long clsICQ7::GetDialAccelOn() const { return ByteAt(kDialAccel); }
void clsICQ7::SetDialAccelOn(long value) { SetNumber(kDialAccel, value); }
std::string clsICQ7::GetDialSelect() const { return GetEnum(kDialSelect); }
void clsICQ7::SetDialSelect(std::string_view text) { SetEnum(kDialSelect, text); }
long clsICQ7::GetPowerSaveOn() const { return ByteAt(kPowerSave); }
void clsICQ7::SetPowerSaveOn(long value) { SetNumber(kPowerSave, value); }
std::string clsICQ7::GetAPO() const { return GetEnum(kApo); }
void clsICQ7::SetAPO(std::string_view text) { SetEnum(kApo, text); }

}  // namespace readers
