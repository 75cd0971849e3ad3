// Radio-wide settings: one image byte (or bit) per set-mode setting, holding
// the position of its text in the setting's code list.
#include "image/clsICR2.h"

namespace {

// Code lists: index = stored value. The option list a dialog shows is the same
// list except for D SEL, whose dialog lists the steps in rising order.
constexpr std::string_view kDselCodes[] = {"100 MHz", "1 MHz", "10 MHz"};
constexpr std::string_view kDselOptions[] = {"1 MHz", "10 MHz", "100 MHz"};
constexpr std::string_view kPrio[] = {"OFF", "ON", "BELL"};
constexpr std::string_view kResume[] = {"0 SEC", "1 SEC", "2 SEC", "3 SEC",
                                        "4 SEC", "5 SEC", "HOLD"};
constexpr std::string_view kPause[] = {"2 SEC",  "4 SEC",  "6 SEC",  "8 SEC",  "10 SEC", "12 SEC",
                                       "14 SEC", "16 SEC", "18 SEC", "20 SEC", "HOLD"};
constexpr std::string_view kBankScan[] = {"BANK", "ALL"};
constexpr std::string_view kOffOn[] = {"OFF", "ON"};
constexpr std::string_view kLight[] = {"OFF", "ON", "AUTO"};
constexpr std::string_view kApoff[] = {"OFF", "30 MIN", "60 MIN", "90 MIN", "120 MIN"};
constexpr std::string_view kMoni[] = {"PUSH", "HOLD"};
constexpr std::string_view kScanEdge[] = {"P0",  "P1",  "P2",  "P3",  "P4",   "P5",  "P6",
                                          "P7",  "P8",  "P9",  "P10", "P11",  "P12", "P13",
                                          "P14", "P15", "P16", "P17", "P18",  "P19", "P20",
                                          "P21", "P22", "P23", "P24", "BAND", "ALL"};
constexpr std::string_view kLock[] = {"NORMAL", "NO SQL", "NO VOL", "ALL"};
constexpr std::string_view kSquelch[] = {"OPEN",    "AUTO",    "LEVEL 1", "LEVEL 2",
                                         "LEVEL 3", "LEVEL 4", "LEVEL 5", "LEVEL 6",
                                         "LEVEL 7", "LEVEL 8", "LEVEL 9"};

struct SettingField {
  int address;
  int low, width;  // the bits that hold the value (a whole byte for all but ATT)
  std::span<const std::string_view> codes;
  std::span<const std::string_view> options;
};

constexpr int kChCopyAddress = 0xE81;  // bit 0 mirrors the CH setting
constexpr int kUserCommentAddress = 0xFA0;
constexpr int kUserCommentLength = 16;

}  // namespace

enum class clsICR2::RadioSetting : std::uint8_t {
  DSel,
  Prio,
  Resume,
  Pause,
  BankScan,
  Expand,
  Ch,
  Beep,
  Light,
  ApOff,
  PSave,
  Moni,
  Speed,
  ScanEdge,
  Lock,
  Squelch,
  Att,
  Count
};

namespace {

const SettingField kSettings[] = {
    {0xE60, 0, 8, kDselCodes, kDselOptions},  // DSEL
    {0xE61, 0, 8, kPrio, kPrio},              // PRIO
    {0xE62, 0, 8, kResume, kResume},          // RESUME
    {0xE63, 0, 8, kPause, kPause},            // PAUSE
    {0xE65, 0, 8, kBankScan, kBankScan},      // BANKSCAN
    {0xE66, 0, 8, kOffOn, kOffOn},            // EXPAND
    {0xE67, 0, 8, kOffOn, kOffOn},            // CH
    {0xE68, 0, 8, kOffOn, kOffOn},            // BEEP
    {0xE69, 0, 8, kLight, kLight},            // LIGHT
    {0xE6A, 0, 8, kApoff, kApoff},            // APOFF
    {0xE6B, 0, 8, kOffOn, kOffOn},            // PSAVE
    {0xE6C, 0, 8, kMoni, kMoni},              // MONI
    {0xE6D, 0, 8, kOffOn, kOffOn},            // SPEED
    {0xE6E, 0, 8, kScanEdge, kScanEdge},      // SCANEDGE
    {0xE6F, 0, 8, kLock, kLock},              // LOCK
    {0xE73, 0, 8, kSquelch, kSquelch},        // squelch
    {0xE80, 6, 1, kOffOn, kOffOn},            // ATT
};

OptionList OptionsOf(int index) {
  const auto& options = kSettings[index].options;
  return OptionList(options.begin(), options.end());
}

int IndexOf(std::span<const std::string_view> list, std::string_view text) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == text) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::string clsICR2::GetSetting(RadioSetting which) const {
  static_assert(std::size(kSettings) == static_cast<std::size_t>(RadioSetting::Count));
  const SettingField& field = kSettings[static_cast<int>(which)];
  const unsigned value = (image_[field.address] >> field.low) & ((1u << field.width) - 1);
  return value < field.codes.size() ? std::string(field.codes[value]) : "";
}

// A text that is not one of the setting's texts (letter case and blanks count)
// leaves the setting as it was.
void clsICR2::SetSetting(RadioSetting which, std::string_view text) {
  const SettingField& field = kSettings[static_cast<int>(which)];
  const int value = IndexOf(field.codes, text);
  if (value < 0) return;
  const unsigned mask = ((1u << field.width) - 1) << field.low;
  std::uint8_t& byte = image_[field.address];
  byte = static_cast<std::uint8_t>((byte & ~mask) |
                                   ((static_cast<unsigned>(value) << field.low) & mask));
}

OptionList clsICR2::GetDSEL_Opt() { return OptionsOf(static_cast<int>(RadioSetting::DSel)); }
std::string clsICR2::GetDSEL() const { return GetSetting(RadioSetting::DSel); }
void clsICR2::SetDSEL(std::string_view text) { SetSetting(RadioSetting::DSel, text); }

OptionList clsICR2::GetPRIO_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Prio)); }
std::string clsICR2::GetPRIO() const { return GetSetting(RadioSetting::Prio); }
void clsICR2::SetPRIO(std::string_view text) { SetSetting(RadioSetting::Prio, text); }

OptionList clsICR2::GetRESUME_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Resume)); }
std::string clsICR2::GetResume() const { return GetSetting(RadioSetting::Resume); }
void clsICR2::SetResume(std::string_view text) { SetSetting(RadioSetting::Resume, text); }

OptionList clsICR2::GetPAUSE_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Pause)); }
std::string clsICR2::GetPause() const { return GetSetting(RadioSetting::Pause); }
void clsICR2::SetPause(std::string_view text) { SetSetting(RadioSetting::Pause, text); }

OptionList clsICR2::GetBANKSCAN_Opt() {
  return OptionsOf(static_cast<int>(RadioSetting::BankScan));
}
std::string clsICR2::GetBankScan() const { return GetSetting(RadioSetting::BankScan); }
void clsICR2::SetBankScan(std::string_view text) { SetSetting(RadioSetting::BankScan, text); }

OptionList clsICR2::GetEXPAND_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Expand)); }
std::string clsICR2::GetEXPAND() const { return GetSetting(RadioSetting::Expand); }
void clsICR2::SetEXPAND(std::string_view text) { SetSetting(RadioSetting::Expand, text); }

OptionList clsICR2::GetCH_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Ch)); }
std::string clsICR2::GetCH() const { return GetSetting(RadioSetting::Ch); }
// The radio keeps a copy of the CH switch in bit 0 of 0xE81.
void clsICR2::SetCH(std::string_view text) {
  SetSetting(RadioSetting::Ch, text);
  const int value = IndexOf(kOffOn, text);
  if (value >= 0) SetBit(kChCopyAddress, 0, value);
}

OptionList clsICR2::GetBEEP_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Beep)); }
std::string clsICR2::GetBEEP() const { return GetSetting(RadioSetting::Beep); }
void clsICR2::SetBEEP(std::string_view text) { SetSetting(RadioSetting::Beep, text); }

OptionList clsICR2::GetLIGHT_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Light)); }
std::string clsICR2::GetLight() const { return GetSetting(RadioSetting::Light); }
void clsICR2::SetLight(std::string_view text) { SetSetting(RadioSetting::Light, text); }

OptionList clsICR2::GetAPOFF_Opt() { return OptionsOf(static_cast<int>(RadioSetting::ApOff)); }
std::string clsICR2::GetAPOFF() const { return GetSetting(RadioSetting::ApOff); }
void clsICR2::SetAPOFF(std::string_view text) { SetSetting(RadioSetting::ApOff, text); }

OptionList clsICR2::GetPSAVE_Opt() { return OptionsOf(static_cast<int>(RadioSetting::PSave)); }
std::string clsICR2::GetPSAVE() const { return GetSetting(RadioSetting::PSave); }
void clsICR2::SetPSAVE(std::string_view text) { SetSetting(RadioSetting::PSave, text); }

OptionList clsICR2::GetMONI_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Moni)); }
std::string clsICR2::GetMONI() const { return GetSetting(RadioSetting::Moni); }
void clsICR2::SetMONI(std::string_view text) { SetSetting(RadioSetting::Moni, text); }

OptionList clsICR2::GetSPEED_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Speed)); }
std::string clsICR2::GetSPEED() const { return GetSetting(RadioSetting::Speed); }
void clsICR2::SetSPEED(std::string_view text) { SetSetting(RadioSetting::Speed, text); }

OptionList clsICR2::GetSCANEDGE_Opt() {
  return OptionsOf(static_cast<int>(RadioSetting::ScanEdge));
}
std::string clsICR2::GetSCANEDGE() const { return GetSetting(RadioSetting::ScanEdge); }
void clsICR2::SetSCANEDGE(std::string_view text) { SetSetting(RadioSetting::ScanEdge, text); }

OptionList clsICR2::GetLOCK_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Lock)); }
std::string clsICR2::GetLOCK() const { return GetSetting(RadioSetting::Lock); }
void clsICR2::SetLOCK(std::string_view text) { SetSetting(RadioSetting::Lock, text); }

OptionList clsICR2::GetSquelch_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Squelch)); }
std::string clsICR2::GetSquelch() const { return GetSetting(RadioSetting::Squelch); }
void clsICR2::SetSquelch(std::string_view text) { SetSetting(RadioSetting::Squelch, text); }

OptionList clsICR2::GetATT_Opt() { return OptionsOf(static_cast<int>(RadioSetting::Att)); }
std::string clsICR2::GetATT() const { return GetSetting(RadioSetting::Att); }
void clsICR2::SetATT(std::string_view text) { SetSetting(RadioSetting::Att, text); }

// User comment: 16 single-byte characters, padded with blanks.

std::string clsICR2::GetUserComments() const {
  const std::string text(image_.begin() + kUserCommentAddress,
                         image_.begin() + kUserCommentAddress + kUserCommentLength);
  return TrimTrailingSpaces(text);
}

void clsICR2::SetUserComments(std::string_view text) {
  for (int i = 0; i < kUserCommentLength; ++i) {
    image_[kUserCommentAddress + i] =
        static_cast<std::uint8_t>(static_cast<std::size_t>(i) < text.size() ? text[i] : ' ');
  }
}
