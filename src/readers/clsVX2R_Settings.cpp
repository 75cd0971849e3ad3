// Radio-wide settings of the VX-2R image: set-mode items (one table row each), the opening
// message, the CW identifier, the DTMF memories and the priority channel.
#include <cmath>

#include "image/Val.h"
#include "readers/clsVX2R.h"

namespace readers {

namespace {

using Row = clsVX2R::Setting;

constexpr std::string_view kOffOn[] = {"OFF", "ON"};
constexpr std::string_view kOnOff[] = {"ON", "OFF"};

constexpr std::string_view kAPO[] = {"OFF", "30 MIN", "1 HOUR", "5 HOURS", "8 HOURS"};
constexpr std::string_view kARBEEP[] = {"OFF", "IN RNG", "ALWAYS"};
constexpr std::string_view kARBEEPOffered[] = {"IN RNG", "ALWAYS", "OFF"};
constexpr std::string_view kARINT[] = {"15 SEC", "25 SEC"};
constexpr std::string_view kBELL[] = {"OFF", "1", "3", "5", "8", "CONT"};
constexpr std::string_view kCHCNT[] = {"5 MHz", "10 MHz", "50 MHz", "100 MHz"};
constexpr std::string_view kDCSRV[] = {"DISABLE", "ENABLE"};
constexpr std::string_view kDIMMER[] = {"0", "1", "2", "3",  "4",  "5", "6",
                                        "7", "8", "9", "10", "11", "12"};
constexpr std::string_view kDTMF[] = {"MANUAL", "AUTO"};
constexpr std::string_view kEMGS[] = {"BEEP", "STROBE", "BP+STR", "BEAM", "BP+BEM", "CW", "BP+CW"};
constexpr std::string_view kHMRV[] = {"HOME", "REV"};
constexpr std::string_view kINTMD[] = {"WIRES", "LINK"};
constexpr std::string_view kLAMP[] = {"KEY", "CONT", "OFF"};
constexpr std::string_view kLOCK[] = {"KEY",     "DIAL",     "KEY+DIAL", "PTT",
                                      "KEY+PTT", "DIAL+PTT", "ALL"};
constexpr std::string_view kMTCL[] = {"MONI", "T-CALL"};
constexpr std::string_view kMWMD[] = {"LOWER", "NEXT"};
constexpr std::string_view kMWMDOffered[] = {"NEXT", "LOWER"};
constexpr std::string_view kOPNMSG[] = {"OFF", "DC", "MSG"};
constexpr std::string_view kOPNMSGOffered[] = {"DC", "MSG", "OFF"};
constexpr std::string_view kRESUME[] = {"3 SEC", "5 SEC", "10 SEC", "BUSY", "HOLD"};
// There is no S7: value 7 is "S8".
constexpr std::string_view kRFSQL[] = {"OFF", "S1", "S2", "S3", "S4", "S5", "S6", "S8", "S9"};
constexpr std::string_view kRFSQLOffered[] = {"S1", "S2", "S3", "S4", "S5",
                                              "S6", "S8", "S9", "OFF"};
constexpr std::string_view kRXSAVE[] = {"OFF", "200 MS", "300 MS", "500 MS", "1 S", "2 S"};
constexpr std::string_view kRXSAVEOffered[] = {"200 MS", "300 MS", "500 MS", "1 S", "2 S", "OFF"};
constexpr std::string_view kSSCH[] = {"SINGLE", "CONT"};
constexpr std::string_view kTOT[] = {"OFF", "1 MIN", "3 MIN", "5 Min", "10 MIN"};
constexpr std::string_view kVFOMD[] = {"ALL", "BAND"};
constexpr std::string_view kVFOMDOffered[] = {"BAND", "ALL"};
constexpr std::string_view kInternetKey[] = {"My Menu", "Internet"};

constexpr std::string_view kMyMenu[] = {
    "1 APO",     "2 AR BEP",  "3 AR INT",  "4 ARS",     "5 ATT",     "6 BCLO",         "7 BEEP",
    "8 BELL",    "9 BSYLED",  "10 CH CNT", "11 CK SFT", "12 CW ID",  "13 DC VLT",      "14 DCS CD",
    "15 DCS RV", "16 DIMMER", "17 DTMF",   "18 DTMF S", "19 EDG BP", "20 EMG S",       "21 HLFDEV",
    "22 HM/RV",  "23 INT MD", "24 LAMP",   "25 LOCK",   "26 M/T-CL", "27 MW MD",       "28 NAME",
    "29 NM SET", "30 OPNMSG", "31 RESUME", "32 RF SQL", "33 RPT",    "34 RX MD",       "35 RXSAVE",
    "36 S SCH",  "37 SCNLMP", "38 SHIFT",  "39 SKIP",   "40 SPLIT",  "41 SQL",         "42 SQL TYP",
    "43 STEP",   "44 TN FRQ", "45 TOT",    "46 TXSAVE", "47 VFO MD", "48 TR SQL(JAP)", "48 WX ALT"};

// Settings: image byte, lowest bit, width; texts in stored order; the offered order.
constexpr Row kAPOSetting{{328, 0, 8}, kAPO, {}};
constexpr Row kARBEEPSetting{{326, 0, 8}, kARBEEP, kARBEEPOffered};
constexpr Row kARINTSetting{{279, 3, 1}, kARINT, {}};
constexpr Row kARSSetting{{277, 3, 1}, kOffOn, {}};
constexpr Row kATTSetting{{281, 2, 1}, kOffOn, {}};
constexpr Row kBCLOSetting{{278, 4, 1}, kOffOn, {}};
constexpr Row kBEEPSetting{{277, 2, 1}, kOffOn, {}};
constexpr Row kBELLSetting{{327, 0, 8}, kBELL, {}};
constexpr Row kBUSYLEDSetting{{278, 7, 1}, kOffOn, {}};
constexpr Row kCHCNTSetting{{286, 0, 8}, kCHCNT, {}};
constexpr Row kCWIDOFFONSetting{{277, 6, 1}, kOffOn, {}};
constexpr Row kDCSRVSetting{{280, 2, 1}, kDCSRV, {}};
constexpr Row kDTMFSetting{{277, 0, 1}, kDTMF, {}};
constexpr Row kEDGBPSetting{{278, 3, 1}, kOffOn, {}};
constexpr Row kEMGSSetting{{336, 0, 8}, kEMGS, {}};
constexpr Row kHMRVSetting{{279, 1, 1}, kHMRV, {}};
constexpr Row kINTMDSetting{{281, 7, 1}, kINTMD, {}};
constexpr Row kLAMPSetting{{282, 0, 8}, kLAMP, {}};
constexpr Row kLOCKSetting{{330, 0, 8}, kLOCK, {}};
constexpr Row kMTCLSetting{{279, 0, 1}, kMTCL, {}};
constexpr Row kMWMDSetting{{280, 0, 1}, kMWMD, kMWMDOffered};
constexpr Row kOPNMSGSetting{{287, 0, 8}, kOPNMSG, kOPNMSGOffered};
constexpr Row kRESUMESetting{{285, 0, 8}, kRESUME, {}};
constexpr Row kRFSQLSetting{{276, 0, 8}, kRFSQL, kRFSQLOffered};
constexpr Row kRXSAVESetting{{284, 0, 8}, kRXSAVE, kRXSAVEOffered};
constexpr Row kSSCHSetting{{279, 5, 1}, kSSCH, {}};
constexpr Row kSCNLMPSetting{{277, 5, 1}, kOffOn, kOnOff};
constexpr Row kSPLITSetting{{277, 1, 1}, kOffOn, {}};
constexpr Row kTOTSetting{{329, 0, 8}, kTOT, {}};
constexpr Row kTXSAVESetting{{278, 0, 1}, kOffOn, {}};
constexpr Row kVFOMDSetting{{277, 7, 1}, kVFOMD, kVFOMDOffered};
constexpr Row kWXALTSetting{{281, 5, 1}, kOffOn, {}};
constexpr Row kInternetKeySetting{{281, 6, 1}, kInternetKey, {}};

// Whole-byte numbers.
constexpr std::size_t kNFMSquelch = 274;
constexpr std::size_t kWFMSquelch = 275;
constexpr std::size_t kDimmer = 283;
constexpr std::size_t kMyMenu_ = 331;
constexpr int kMyMenuBias = 8;

// Text fields: codes 0..41 of the tag alphabet, 255 an empty position.
constexpr std::size_t kOpeningMessage = 288;
constexpr std::size_t kOpeningMessageSize = 6;
constexpr std::size_t kCwId = 294;
constexpr std::size_t kCwIdSize = 16;
constexpr std::uint8_t kEmptyPosition = 255;
constexpr std::uint8_t kSpaceCode = 36;

// DTMF positions: 0..15 hex digits, 16 "-", 255 empty.
constexpr std::uint8_t kDtmfDash = 16;
constexpr std::uint8_t kDtmfEmpty = 255;

constexpr unsigned kNoPriority = 0xFFFF;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Engines

std::string clsVX2R::SettingText(const Setting& setting) const {
  const auto& f = setting.field;
  return CodeText(setting.values, GetField(image_[f.offset], f.low, f.width), "");
}

void clsVX2R::SetSetting(const Setting& setting, std::string_view text) {
  const int code = CodeIndex(setting.values, text);
  if (code < 0) return;
  const auto& f = setting.field;
  image_[f.offset] = SetField(image_[f.offset], f.low, f.width, static_cast<unsigned>(code));
}

std::vector<std::string> clsVX2R::Options(const Setting& setting) {
  const auto list = setting.offered.empty() ? setting.values : setting.offered;
  return {list.begin(), list.end()};
}

// Codes without a character show as "?"; empty positions add nothing; spaces stay.
std::string clsVX2R::PositionsText(std::size_t first, std::size_t count) const {
  std::string text;
  for (std::size_t i = first; i < first + count; ++i) {
    if (image_[i] == kEmptyPosition) continue;
    text += image_[i] < VX2TagAlphabet.size() ? VX2TagAlphabet[image_[i]] : '?';
  }
  return text;
}

// Characters outside the alphabet are written as spaces; the positions after the text are
// emptied; a text longer than the field is cut at its end.
void clsVX2R::SetPositions(std::size_t first, std::size_t count, std::string_view text) {
  for (std::size_t i = 0; i < count; ++i) {
    std::uint8_t code = kEmptyPosition;
    if (i < text.size()) {
      const std::size_t at = VX2TagAlphabet.find(text[i]);
      code = at == std::string_view::npos ? kSpaceCode : static_cast<std::uint8_t>(at);
    }
    image_[first + i] = code;
  }
}

// A number or numeric text rounded to the nearest whole number (halves to even); a text that
// is not a number or a value outside 0..255 leaves the byte as it was.
void clsVX2R::SetByteNumber(std::size_t index, std::string_view value) {
  if (IsDecimalText(value)) SetByteNumber(index, Val(value));
}

void clsVX2R::SetByteNumber(std::size_t index, double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= 0 && rounded <= 255)) return;  // NaN fails too
  image_[index] = static_cast<std::uint8_t>(rounded);
}

// ---------------------------------------------------------------------------------------------
// Accessors, in the class's order

std::vector<std::string> clsVX2R::GetAPO_Opt() { return Options(kAPOSetting); }
std::string clsVX2R::GetAPO() const { return SettingText(kAPOSetting); }
void clsVX2R::SetAPO(std::string_view text) { SetSetting(kAPOSetting, text); }
std::vector<std::string> clsVX2R::GetARBEEP_Opt() { return Options(kARBEEPSetting); }
std::string clsVX2R::GetARBEEP() const { return SettingText(kARBEEPSetting); }
void clsVX2R::SetARBEEP(std::string_view text) { SetSetting(kARBEEPSetting, text); }
std::vector<std::string> clsVX2R::GetARINT_OPT() { return Options(kARINTSetting); }
std::string clsVX2R::GetARINT() const { return SettingText(kARINTSetting); }
void clsVX2R::SetARINT(std::string_view text) { SetSetting(kARINTSetting, text); }
std::vector<std::string> clsVX2R::GetARS_OPT() { return Options(kARSSetting); }
std::string clsVX2R::GetARS() const { return SettingText(kARSSetting); }
void clsVX2R::SetARS(std::string_view text) { SetSetting(kARSSetting, text); }
std::vector<std::string> clsVX2R::GetATT_Opt() { return Options(kATTSetting); }
std::string clsVX2R::GetATT() const { return SettingText(kATTSetting); }
void clsVX2R::SetATT(std::string_view text) { SetSetting(kATTSetting, text); }
std::vector<std::string> clsVX2R::GetBCLO_OPT() { return Options(kBCLOSetting); }
std::string clsVX2R::GetBCLO() const { return SettingText(kBCLOSetting); }
void clsVX2R::SetBCLO(std::string_view text) { SetSetting(kBCLOSetting, text); }
std::vector<std::string> clsVX2R::GetBEEP_Opt() { return Options(kBEEPSetting); }
std::string clsVX2R::GetBEEP() const { return SettingText(kBEEPSetting); }
void clsVX2R::SetBEEP(std::string_view text) { SetSetting(kBEEPSetting, text); }
std::vector<std::string> clsVX2R::GetBELL_OPT() { return Options(kBELLSetting); }
std::string clsVX2R::GetBell() const { return SettingText(kBELLSetting); }
void clsVX2R::SetBell(std::string_view text) { SetSetting(kBELLSetting, text); }
std::vector<std::string> clsVX2R::GetBUSYLED_OPT() { return Options(kBUSYLEDSetting); }
std::string clsVX2R::GetBUSYLED() const { return SettingText(kBUSYLEDSetting); }
void clsVX2R::SetBUSYLED(std::string_view text) { SetSetting(kBUSYLEDSetting, text); }
std::vector<std::string> clsVX2R::GetCHCNT_OPT() { return Options(kCHCNTSetting); }
std::string clsVX2R::GetCHCNT() const { return SettingText(kCHCNTSetting); }
void clsVX2R::SetCHCNT(std::string_view text) { SetSetting(kCHCNTSetting, text); }
std::vector<std::string> clsVX2R::GetCWIDOFFON_OPT() { return Options(kCWIDOFFONSetting); }
std::string clsVX2R::GetCWIDOFFON() const { return SettingText(kCWIDOFFONSetting); }
void clsVX2R::SETCWIDOFFON(std::string_view text) { SetSetting(kCWIDOFFONSetting, text); }
std::string clsVX2R::GetCWID() const { return PositionsText(kCwId, kCwIdSize); }
void clsVX2R::SetCWID(std::string_view text) { SetPositions(kCwId, kCwIdSize, text); }
std::vector<std::string> clsVX2R::GetDCSRV_Opt() { return Options(kDCSRVSetting); }
std::string clsVX2R::GetDCSRV() const { return SettingText(kDCSRVSetting); }
void clsVX2R::SetDCSRV(std::string_view text) { SetSetting(kDCSRVSetting, text); }
std::vector<std::string> clsVX2R::GetDIMMER_Opt() {
  return {std::begin(kDIMMER), std::end(kDIMMER)};
}
std::string clsVX2R::GetDIMMER() const { return std::to_string(image_[kDimmer]); }
void clsVX2R::SetDIMMER(std::string_view value) { SetByteNumber(kDimmer, value); }
void clsVX2R::SetDIMMER(double value) { SetByteNumber(kDimmer, value); }
std::vector<std::string> clsVX2R::GetDTMF_Opt() { return Options(kDTMFSetting); }
std::string clsVX2R::GetDTMF() const { return SettingText(kDTMFSetting); }
void clsVX2R::SetDTMF(std::string_view text) { SetSetting(kDTMFSetting, text); }

std::string clsVX2R::GetDTMFS(int n) const {
  if (n < 1 || n > kDtmfCount) return "";
  const std::size_t first = kDtmfBase + kDtmfSize * static_cast<std::size_t>(n - 1);
  std::string text;
  for (std::size_t i = first; i < first + kDtmfSize; ++i) {
    const std::uint8_t byte = image_[i];
    if (byte == kDtmfEmpty) continue;
    if (byte == kDtmfDash) {
      text += '-';
    } else {
      text += byte < 16 ? lHex(byte, HexForm::Cut).substr(1) : lHex(byte, HexForm::Cut);
    }
  }
  return text;
}

// A character that is neither "-" nor a hex digit leaves its position as it was.
void clsVX2R::SetDTMFS(int n, std::string_view text) {
  if (n < 1 || n > kDtmfCount) return;
  const std::size_t first = kDtmfBase + kDtmfSize * static_cast<std::size_t>(n - 1);
  for (std::size_t i = 0; i < kDtmfSize; ++i) {
    if (i >= text.size()) {
      image_[first + i] = kDtmfEmpty;
    } else if (text[i] == '-') {
      image_[first + i] = kDtmfDash;
    } else if (const auto digit = HexNumber(text.substr(i, 1))) {
      image_[first + i] = static_cast<std::uint8_t>(*digit);
    }
  }
}

std::vector<std::string> clsVX2R::GetEDGBP_Opt() { return Options(kEDGBPSetting); }
std::string clsVX2R::GetEDGBP() const { return SettingText(kEDGBPSetting); }
void clsVX2R::SetEDGBP(std::string_view text) { SetSetting(kEDGBPSetting, text); }
std::vector<std::string> clsVX2R::GetEMGS_Opt() { return Options(kEMGSSetting); }
std::string clsVX2R::GetEMGS() const { return SettingText(kEMGSSetting); }
void clsVX2R::SetEMGS(std::string_view text) { SetSetting(kEMGSSetting, text); }
std::vector<std::string> clsVX2R::GetHMRV_Opt() { return Options(kHMRVSetting); }
std::string clsVX2R::GetHMRV() const { return SettingText(kHMRVSetting); }
void clsVX2R::SetHMRV(std::string_view text) { SetSetting(kHMRVSetting, text); }
std::vector<std::string> clsVX2R::GetINTMD_Opt() { return Options(kINTMDSetting); }
std::string clsVX2R::GetINTMD() const { return SettingText(kINTMDSetting); }
void clsVX2R::SetINTMD(std::string_view text) { SetSetting(kINTMDSetting, text); }
std::vector<std::string> clsVX2R::GetLAMP_Opt() { return Options(kLAMPSetting); }
std::string clsVX2R::GetLAMP() const { return SettingText(kLAMPSetting); }
void clsVX2R::SetLAMP(std::string_view text) { SetSetting(kLAMPSetting, text); }
std::vector<std::string> clsVX2R::GetLOCK_Opt() { return Options(kLOCKSetting); }
std::string clsVX2R::GetLOCK() const { return SettingText(kLOCKSetting); }
void clsVX2R::SetLOCK(std::string_view text) { SetSetting(kLOCKSetting, text); }
std::vector<std::string> clsVX2R::GetMTCL_Opt() { return Options(kMTCLSetting); }
std::string clsVX2R::GetMTCL() const { return SettingText(kMTCLSetting); }
void clsVX2R::SetMTCL(std::string_view text) { SetSetting(kMTCLSetting, text); }
std::vector<std::string> clsVX2R::GetMWMD_Opt() { return Options(kMWMDSetting); }
std::string clsVX2R::GetMWMD() const { return SettingText(kMWMDSetting); }
void clsVX2R::SetMWND(std::string_view text) { SetSetting(kMWMDSetting, text); }
std::vector<std::string> clsVX2R::GetOPNMSG_Opt() { return Options(kOPNMSGSetting); }
std::string clsVX2R::GetOPNMSG() const { return SettingText(kOPNMSGSetting); }
void clsVX2R::SetOPNMSG(std::string_view text) { SetSetting(kOPNMSGSetting, text); }
std::string clsVX2R::GetOPENMSG_MESSAGE() const {
  return PositionsText(kOpeningMessage, kOpeningMessageSize);
}
void clsVX2R::SetOPENMSG_MESSAGE(std::string_view text) {
  SetPositions(kOpeningMessage, kOpeningMessageSize, text);
}
std::vector<std::string> clsVX2R::GetRESUME_Opt() { return Options(kRESUMESetting); }
std::string clsVX2R::GetResume() const { return SettingText(kRESUMESetting); }
void clsVX2R::SetResume(std::string_view text) { SetSetting(kRESUMESetting, text); }
std::vector<std::string> clsVX2R::GetRFSQL_Opt() { return Options(kRFSQLSetting); }
std::string clsVX2R::GetRFSQL() const { return SettingText(kRFSQLSetting); }
void clsVX2R::SetRFSQL(std::string_view text) { SetSetting(kRFSQLSetting, text); }
std::vector<std::string> clsVX2R::GetRXSAVE_Opt() { return Options(kRXSAVESetting); }
std::string clsVX2R::GetRXSave() const { return SettingText(kRXSAVESetting); }
void clsVX2R::SetRXSave(std::string_view text) { SetSetting(kRXSAVESetting, text); }
std::vector<std::string> clsVX2R::GetSSCH_Opt() { return Options(kSSCHSetting); }
std::string clsVX2R::GetSSCH() const { return SettingText(kSSCHSetting); }
void clsVX2R::SetSSCH(std::string_view text) { SetSetting(kSSCHSetting, text); }
std::vector<std::string> clsVX2R::GetSCNLMP_Opt() { return Options(kSCNLMPSetting); }
std::string clsVX2R::GetSCNLMP() const { return SettingText(kSCNLMPSetting); }
void clsVX2R::SetSCNLMP(std::string_view text) { SetSetting(kSCNLMPSetting, text); }
std::vector<std::string> clsVX2R::GetSPLIT_Opt() { return Options(kSPLITSetting); }
std::string clsVX2R::GetSPLIT() const { return SettingText(kSPLITSetting); }
void clsVX2R::SetSPLIT(std::string_view text) { SetSetting(kSPLITSetting, text); }
std::vector<std::string> clsVX2R::GetTOT_Opt() { return Options(kTOTSetting); }
std::string clsVX2R::GetTOT() const { return SettingText(kTOTSetting); }
void clsVX2R::SetTOT(std::string_view text) { SetSetting(kTOTSetting, text); }
std::vector<std::string> clsVX2R::GetTXSAVE_Opt() { return Options(kTXSAVESetting); }
std::string clsVX2R::GetTXSave() const { return SettingText(kTXSAVESetting); }
void clsVX2R::SetTXSave(std::string_view text) { SetSetting(kTXSAVESetting, text); }
std::vector<std::string> clsVX2R::GetVFOMD_Opt() { return Options(kVFOMDSetting); }
std::string clsVX2R::GetVFOMD() const { return SettingText(kVFOMDSetting); }
void clsVX2R::SetVFOMD(std::string_view text) { SetSetting(kVFOMDSetting, text); }
std::vector<std::string> clsVX2R::GetWXALT_Opt() { return Options(kWXALTSetting); }
std::string clsVX2R::GetWXALT() const { return SettingText(kWXALTSetting); }
void clsVX2R::SetWXALT(std::string_view text) { SetSetting(kWXALTSetting, text); }
std::string clsVX2R::GetNFMSquelch() const { return std::to_string(image_[kNFMSquelch]); }
void clsVX2R::SetNFMSquelch(std::string_view value) { SetByteNumber(kNFMSquelch, value); }
void clsVX2R::SetNFMSquelch(double value) { SetByteNumber(kNFMSquelch, value); }
std::string clsVX2R::GetWFMSquelch() const { return std::to_string(image_[kWFMSquelch]); }
void clsVX2R::SetWFMSquelch(std::string_view value) { SetByteNumber(kWFMSquelch, value); }
void clsVX2R::SetWFMSquelch(double value) { SetByteNumber(kWFMSquelch, value); }
std::vector<std::string> clsVX2R::GetMyMenu_Opt() {
  return {std::begin(kMyMenu), std::end(kMyMenu)};
}
int clsVX2R::GetMyMenuNum() const { return image_[kMyMenu_] - kMyMenuBias; }

// A number whose stored value would not fit a byte leaves it as it was.
void clsVX2R::SetMyMenuNum(int number) {
  if (number < -kMyMenuBias || number > 255 - kMyMenuBias) return;
  image_[kMyMenu_] = static_cast<std::uint8_t>(number + kMyMenuBias);
}

std::string clsVX2R::GetInternetKey() const { return SettingText(kInternetKeySetting); }
void clsVX2R::SetInternetKey(std::string_view text) { SetSetting(kInternetKeySetting, text); }

// Copy A's word is the one read. Words past the radio's memories (8000 to FFFE) name no
// channel and read "0", as does FF FF.
std::string clsVX2R::GetPriority() const {
  const unsigned word = Word(kSettingsCopyA + kPriority);
  if (word >= 0x8000) return "0";
  return std::to_string(word + 1);
}

// Written to both copies, then both check bytes are renewed. A number that is not a memory
// (or 0) changes nothing.
void clsVX2R::SetPriority(int n) {
  if (n < 0 || n > kMemoryCount) return;
  const int word = n == 0 ? static_cast<int>(kNoPriority) : n - 1;
  WriteWord(kSettingsCopyA + kPriority, word);
  WriteWord(kSettingsCopyB + kPriority, word);
  CalcSettingsChecksums();
}

}  // namespace readers
