// Radio-wide settings of the VX-7R image: one-bit switches, one-byte option lists, timer and
// sensor-offset numbers, and the DTMF memories. Each accessor is a row of the tables below.
#include <algorithm>
#include <cmath>

#include "image/Val.h"
#include "readers/clsVX7R.h"

namespace readers {

namespace {

using FlagRow = clsVX7R::FlagSetting;
using ListRow = clsVX7R::ListSetting;

// One-bit settings: byte, bit, text of 1, text of 0, and the one text an "only" setter knows.
constexpr FlagRow kDTMFDialer{0x695, 0, "ON", "OFF", ""};
constexpr FlagRow kSplitTone{0x695, 1, "ON", "OFF", ""};
constexpr FlagRow kKeyBeep{0x695, 2, "ON", "OFF", ""};
constexpr FlagRow kARS{0x695, 3, "ON", "OFF", ""};
constexpr FlagRow kSpecAnal2{0x695, 4, "ON", "OFF", ""};
constexpr FlagRow kScanLamp{0x695, 5, "ON", "OFF", ""};
constexpr FlagRow kVFOMode{0x695, 7, "Band", "All", "Band"};
constexpr FlagRow kTXSave{0x696, 0, "ON", "OFF", "ON"};
constexpr FlagRow kMuteSet{0x696, 1, "ON", "OFF", ""};
constexpr FlagRow kHyperWrite{0x696, 2, "Enable", "Disable", ""};
constexpr FlagRow kEdgeBeep{0x696, 3, "ON", "OFF", ""};
constexpr FlagRow kBCLO{0x696, 4, "ON", "OFF", "ON"};
constexpr FlagRow kBandLink{0x696, 5, "ON", "OFF", "ON"};
constexpr FlagRow kLanguage{0x696, 6, "Japanese", "English", "Japanese"};
constexpr FlagRow kMonTCal{0x697, 0, "T-Cal", "Moni", "Moni"};
constexpr FlagRow kHomeRev{0x697, 1, "Rev", "Home", "Home"};
constexpr FlagRow kSpecAnal1{0x697, 4, "Continuous", "1", ""};
constexpr FlagRow kSmartSearch{0x697, 5, "Continuous", "1", ""};
constexpr FlagRow kWriteMode{0x698, 0, "Next Ch", "Lower Ch", ""};
constexpr FlagRow kDCSComp{0x698, 2, "Enabled", "Disabled", ""};
constexpr FlagRow kTempUnit{0x698, 3, "F", "C", "F"};
constexpr FlagRow kAltiUnit{0x698, 4, "Ft", "M", ""};
constexpr FlagRow kOnTimer{0x699, 0, "ON", "OFF", "ON"};
constexpr FlagRow kOffTimer{0x699, 1, "ON", "OFF", "ON"};
constexpr FlagRow kATT{0x699, 2, "ON", "OFF", "ON"};
constexpr FlagRow kMicMonitor{0x699, 4, "ON", "OFF", "ON"};
constexpr FlagRow kWXAlert{0x699, 5, "ON", "OFF", "ON"};
constexpr FlagRow kMonFChange{0x699, 7, "Moni", "Func", "Moni"};

// One-byte settings: the stored value is the position of the text.
constexpr std::string_view kVoxSens[] = {"OFF", "High", "Low"};
constexpr std::string_view kVoxDelay[] = {"0.5s", "1s", "2s"};
constexpr std::string_view kEmgSet[] = {"Beep+Strobe", "Beep",     "Strobe 1", "Strobe 2",
                                        "Strobe 3",    "Strobe 4", "Strobe 5", "Beam"};
constexpr std::string_view kWaveMonitor[] = {"All", "RX", "TX"};
constexpr std::string_view kBaroUnit[] = {"hpa", "mbar", "mmHg", "inch"};
constexpr std::string_view kResume[] = {"3 Sec", "5 Sec", "10 Sec", "Busy", "Hold"};
constexpr std::string_view kRXSave[] = {"OFF", "200ms", "300ms", "500ms", "1s", "2s"};
constexpr std::string_view kChCounter[] = {"5 MHz", "10 MHz", "50 MHz", "100 MHz"};
constexpr std::string_view kAPO[] = {"OFF", "30 Min", "1 Hour", "3 Hours", "5 Hours", "8 Hours"};
constexpr std::string_view kTOT[] = {"OFF", "1 Min", "2.5 Min", "5 Min", "10 Min"};
// Value 0 reads "OFF" but is written as "Off".
constexpr std::string_view kBellRead[] = {"OFF", "1", "3", "5", "8", "Continue"};
constexpr std::string_view kBellWrite[] = {"Off", "1", "3", "5", "8", "Continue"};
constexpr std::string_view kSensorDisplay[] = {"OFF",  "Time", "DC",   "Temp",
                                               "Wave", "Baro", "Alti", "WX"};
constexpr std::string_view kLockMode[] = {"Key",     "Dial",     "Key+Dial", "PTT",
                                          "Key+PTT", "Dial+PTT", "All"};

constexpr ListRow kVoxSensSetting{0x69A, kVoxSens, kVoxSens};
constexpr ListRow kVoxDelaySetting{0x69B, kVoxDelay, kVoxDelay};
constexpr ListRow kEmgSetSetting{0x69C, kEmgSet, kEmgSet};
constexpr ListRow kWaveMonitorSetting{0x6A4, kWaveMonitor, kWaveMonitor};
constexpr ListRow kBaroUnitSetting{0x6A5, kBaroUnit, kBaroUnit};
constexpr ListRow kResumeSetting{0x6AA, kResume, kResume};
constexpr ListRow kRXSaveSetting{0x6AC, kRXSave, kRXSave};
constexpr ListRow kChCounterSetting{0x6AD, kChCounter, kChCounter};
constexpr ListRow kAPOSetting{0x6E0, kAPO, kAPO};
constexpr ListRow kTOTSetting{0x6E1, kTOT, kTOT};
constexpr ListRow kBellSetting{0x6E2, kBellRead, kBellWrite};
constexpr ListRow kSensorDisplaySetting{0x706, kSensorDisplay, kSensorDisplay};
constexpr ListRow kLockModeSetting{0x730, kLockMode, kLockMode};
constexpr std::size_t kIconSet = 0x707;

// Numbers: timers as two hex digits, sensor offsets as signed 16-bit words, high byte first.
constexpr std::size_t kOnTimerHrs = 0x6A0;
constexpr std::size_t kOnTimerMin = 0x6A1;
constexpr std::size_t kOffTimerHrs = 0x6A2;
constexpr std::size_t kOffTimerMin = 0x6A3;
constexpr std::size_t kBaroOffset = 0x6A6;
constexpr std::size_t kAltiOffset = 0x6A8;

// DTMF memory characters by stored byte; 0xFF is an empty position.
constexpr std::string_view kDtmfChars = "0123456789ABCD*#-";
constexpr std::uint8_t kDtmfEmpty = 0xFF;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Engines

std::string clsVX7R::Flag(const FlagSetting& setting) const {
  return std::string(readers::GetBit(image_[setting.byte], setting.bit) ? setting.one
                                                                        : setting.zero);
}

void clsVX7R::SetFlag(const FlagSetting& setting, std::string_view text) {
  int value;
  if (setting.only.empty()) {
    if (text == setting.one) {
      value = 1;
    } else if (text == setting.zero) {
      value = 0;
    } else {
      return;
    }
  } else {
    const int onlyValue = setting.only == setting.one ? 1 : 0;
    value = text == setting.only ? onlyValue : 1 - onlyValue;
  }
  image_[setting.byte] = readers::SetBit(image_[setting.byte], setting.bit, value);
}

std::string clsVX7R::List(const ListSetting& setting) const {
  return CodeText(setting.read, image_[setting.byte], "");
}

void clsVX7R::SetList(const ListSetting& setting, std::string_view text) {
  const int code = CodeIndex(setting.write, text);
  if (code >= 0) image_[setting.byte] = static_cast<std::uint8_t>(code);
}

std::string clsVX7R::TimerText(std::size_t byte) const { return lHex(image_[byte]); }

// One or two hex digits; anything else leaves the byte as it was.
void clsVX7R::SetTimer(std::size_t byte, std::string_view text) {
  const auto value = HexNumber(text);
  if (value && text.size() <= 2) image_[byte] = static_cast<std::uint8_t>(*value);
}

std::string clsVX7R::OffsetText(std::size_t byte) const {
  const auto word = static_cast<std::uint16_t>(image_[byte] * 256 + image_[byte + 1]);
  return std::to_string(static_cast<std::int16_t>(word));
}

// A whole number from -32768 to 32767; anything else leaves the bytes as they were.
void clsVX7R::SetOffset(std::size_t byte, std::string_view text) {
  if (!IsDecimalText(text)) return;
  const double value = Val(text);
  if (value != std::trunc(value) || value < -32768 || value > 32767) return;
  const auto word = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
  image_[byte] = static_cast<std::uint8_t>(word >> 8);
  image_[byte + 1] = static_cast<std::uint8_t>(word & 0xFF);
}

// ---------------------------------------------------------------------------------------------
// Accessors, in the class's order

std::string clsVX7R::GetARS() const { return Flag(kARS); }
void clsVX7R::SetARS(std::string_view text) { SetFlag(kARS, text); }
std::string clsVX7R::GetMuteSet() const { return Flag(kMuteSet); }
void clsVX7R::SetMuteSet(std::string_view text) { SetFlag(kMuteSet, text); }
std::string clsVX7R::GetKeyBeep() const { return Flag(kKeyBeep); }
void clsVX7R::SetKeyBeep(std::string_view text) { SetFlag(kKeyBeep, text); }
std::string clsVX7R::GetLockMode() const { return List(kLockModeSetting); }
void clsVX7R::SetLockMode(std::string_view text) { SetList(kLockModeSetting, text); }
std::string clsVX7R::GetWriteMode() const { return Flag(kWriteMode); }
void clsVX7R::SetWriteMode(std::string_view text) { SetFlag(kWriteMode, text); }
std::string clsVX7R::GetHyperWrite() const { return Flag(kHyperWrite); }
void clsVX7R::SetHyperWrite(std::string_view text) { SetFlag(kHyperWrite, text); }
std::string clsVX7R::GetDCSComp() const { return Flag(kDCSComp); }
void clsVX7R::SetDCSComp(std::string_view text) { SetFlag(kDCSComp, text); }
std::string clsVX7R::GetBell() const { return List(kBellSetting); }
void clsVX7R::SetBell(std::string_view text) { SetList(kBellSetting, text); }
std::string clsVX7R::GetSplitTone() const { return Flag(kSplitTone); }
void clsVX7R::SetSplitTone(std::string_view text) { SetFlag(kSplitTone, text); }
std::string clsVX7R::GetDTMFDialer() const { return Flag(kDTMFDialer); }
void clsVX7R::SetDTMFDialer(std::string_view text) { SetFlag(kDTMFDialer, text); }

std::string clsVX7R::GetDTMFSet(int n) const {
  if (n < 1 || n > kDtmfCount) return "";
  const std::size_t base = kDtmfBase + kDtmfSize * static_cast<std::size_t>(n - 1);
  std::string text;
  for (std::size_t i = 0; i < kDtmfSize; ++i) {
    const std::uint8_t byte = image_[base + i];
    if (byte == kDtmfEmpty) continue;
    if (byte < kDtmfChars.size()) {
      text += kDtmfChars[byte];
    } else {
      text += readers::lHex(byte, HexForm::Prefix);
    }
  }
  return text;
}

// Characters outside the DTMF set leave their position as it was; a blank (also the padding
// past the end of the text) empties it.
void clsVX7R::SetDTMFSet(int n, std::string_view text) {
  if (n < 1 || n > kDtmfCount) return;
  const std::size_t base = kDtmfBase + kDtmfSize * static_cast<std::size_t>(n - 1);
  for (std::size_t i = 0; i < kDtmfSize; ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (c == ' ') {
      image_[base + i] = kDtmfEmpty;
      continue;
    }
    const std::size_t code = kDtmfChars.find(c);
    if (code != std::string_view::npos) image_[base + i] = static_cast<std::uint8_t>(code);
  }
}

std::string clsVX7R::GetChCounter() const { return List(kChCounterSetting); }
void clsVX7R::SetChCounter(std::string_view text) { SetList(kChCounterSetting, text); }
std::string clsVX7R::GetEdgeBeep() const { return Flag(kEdgeBeep); }
void clsVX7R::SetEdgeBeep(std::string_view text) { SetFlag(kEdgeBeep, text); }
std::string clsVX7R::GetResume() const { return List(kResumeSetting); }
void clsVX7R::SetResume(std::string_view text) { SetList(kResumeSetting, text); }
std::string clsVX7R::GetScanLamp() const { return Flag(kScanLamp); }
void clsVX7R::SetScanLamp(std::string_view text) { SetFlag(kScanLamp, text); }
std::string clsVX7R::GetSmartSearch() const { return Flag(kSmartSearch); }
void clsVX7R::SetSmartSearch(std::string_view text) { SetFlag(kSmartSearch, text); }
std::string clsVX7R::GetSpecAnal1() const { return Flag(kSpecAnal1); }
void clsVX7R::SetSpecAnal1(std::string_view text) { SetFlag(kSpecAnal1, text); }
std::string clsVX7R::GetSpecAnal2() const { return Flag(kSpecAnal2); }
void clsVX7R::SetSpecAnal2(std::string_view text) { SetFlag(kSpecAnal2, text); }
std::string clsVX7R::GetSensorDisplay() const { return List(kSensorDisplaySetting); }
void clsVX7R::SetSensorDisplay(std::string_view text) { SetList(kSensorDisplaySetting, text); }
std::string clsVX7R::GetWaveMonitor() const { return List(kWaveMonitorSetting); }
void clsVX7R::SetWaveMonitor(std::string_view text) { SetList(kWaveMonitorSetting, text); }
std::string clsVX7R::GetTempUnit() const { return Flag(kTempUnit); }
void clsVX7R::SetTempUnit(std::string_view text) { SetFlag(kTempUnit, text); }
std::string clsVX7R::GetBaroUnit() const { return List(kBaroUnitSetting); }
void clsVX7R::SetBaroUnit(std::string_view text) { SetList(kBaroUnitSetting, text); }
std::string clsVX7R::GetBaroOffset() const { return OffsetText(kBaroOffset); }
void clsVX7R::SetBaroOffset(std::string_view text) { SetOffset(kBaroOffset, text); }
std::string clsVX7R::GetAltiUnit() const { return Flag(kAltiUnit); }
void clsVX7R::SetAltiUnit(std::string_view text) { SetFlag(kAltiUnit, text); }
std::string clsVX7R::GetAltiOffset() const { return OffsetText(kAltiOffset); }
void clsVX7R::SetAltiOffset(std::string_view text) { SetOffset(kAltiOffset, text); }
std::string clsVX7R::GetAPO() const { return List(kAPOSetting); }
void clsVX7R::SetAPO(std::string_view text) { SetList(kAPOSetting, text); }
std::string clsVX7R::GetRXSave() const { return List(kRXSaveSetting); }
void clsVX7R::SetRXSave(std::string_view text) { SetList(kRXSaveSetting, text); }
std::string clsVX7R::GetTXSave() const { return Flag(kTXSave); }
void clsVX7R::SetTXSave(std::string_view text) { SetFlag(kTXSave, text); }
std::string clsVX7R::GetTOT() const { return List(kTOTSetting); }
void clsVX7R::SetTOT(std::string_view text) { SetList(kTOTSetting, text); }
std::string clsVX7R::GetOnTimer() const { return Flag(kOnTimer); }
void clsVX7R::SetOnTimer(std::string_view text) { SetFlag(kOnTimer, text); }
std::string clsVX7R::GetOnTimerHrs() const { return TimerText(kOnTimerHrs); }
void clsVX7R::SetOnTimerHrs(std::string_view text) { SetTimer(kOnTimerHrs, text); }
std::string clsVX7R::GetOnTimerMin() const { return TimerText(kOnTimerMin); }
void clsVX7R::SetOnTimerMin(std::string_view text) { SetTimer(kOnTimerMin, text); }
std::string clsVX7R::GetOffTimerHrs() const { return TimerText(kOffTimerHrs); }
void clsVX7R::SetOffTimerHrs(std::string_view text) { SetTimer(kOffTimerHrs, text); }
std::string clsVX7R::GetOffTimerMin() const { return TimerText(kOffTimerMin); }
void clsVX7R::SetOffTimerMin(std::string_view text) { SetTimer(kOffTimerMin, text); }
std::string clsVX7R::GetOffTimer() const { return Flag(kOffTimer); }
void clsVX7R::SetOffTimer(std::string_view text) { SetFlag(kOffTimer, text); }
std::string clsVX7R::GetBCLO() const { return Flag(kBCLO); }
void clsVX7R::SetBCLO(std::string_view text) { SetFlag(kBCLO, text); }
std::string clsVX7R::GetHomeRev() const { return Flag(kHomeRev); }
void clsVX7R::SetHomeRev(std::string_view text) { SetFlag(kHomeRev, text); }
std::string clsVX7R::GetMonTCal() const { return Flag(kMonTCal); }
void clsVX7R::SetMonTCal(std::string_view text) { SetFlag(kMonTCal, text); }
std::string clsVX7R::GetMonFChange() const { return Flag(kMonFChange); }
void clsVX7R::SetMonFChange(std::string_view text) { SetFlag(kMonFChange, text); }
std::string clsVX7R::GetEmgSet() const { return List(kEmgSetSetting); }
void clsVX7R::SetEmgSet(std::string_view text) { SetList(kEmgSetSetting, text); }
std::string clsVX7R::GetVoxSens() const { return List(kVoxSensSetting); }
void clsVX7R::SetVoxSens(std::string_view text) { SetList(kVoxSensSetting, text); }
std::string clsVX7R::GetVoxDelay() const { return List(kVoxDelaySetting); }
void clsVX7R::SetVoxDelay(std::string_view text) { SetList(kVoxDelaySetting, text); }
std::string clsVX7R::GetBandLink() const { return Flag(kBandLink); }
void clsVX7R::SetBandLink(std::string_view text) { SetFlag(kBandLink, text); }
std::string clsVX7R::GetVFOMode() const { return Flag(kVFOMode); }
void clsVX7R::SetVFOMode(std::string_view text) { SetFlag(kVFOMode, text); }
std::string clsVX7R::GetIconSet() const { return image_[kIconSet] == 1 ? "ON" : "OFF"; }
void clsVX7R::SetIconSet(std::string_view text) { image_[kIconSet] = text == "ON" ? 1 : 0; }
std::string clsVX7R::GetLanguage() const { return Flag(kLanguage); }
void clsVX7R::SetLanguage(std::string_view text) { SetFlag(kLanguage, text); }
std::string clsVX7R::GetATT() const { return Flag(kATT); }
void clsVX7R::SetATT(std::string_view text) { SetFlag(kATT, text); }
std::string clsVX7R::GetMicMonitor() const { return Flag(kMicMonitor); }
void clsVX7R::SetMicMonitor(std::string_view text) { SetFlag(kMicMonitor, text); }
std::string clsVX7R::GetWXAlert() const { return Flag(kWXAlert); }
void clsVX7R::SetWXAlert(std::string_view text) { SetFlag(kWXAlert, text); }

}  // namespace readers
