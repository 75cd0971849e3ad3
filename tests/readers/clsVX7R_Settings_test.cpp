#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/clsVX7R.h"

using readers::clsVX7R;

namespace {

using Getter = std::string (clsVX7R::*)() const;
using Setter = void (clsVX7R::*)(std::string_view);

std::uint8_t ByteAt(const clsVX7R& vx7, std::size_t index) { return vx7.Image()[index]; }

void PutByte(clsVX7R& vx7, std::size_t index, std::uint8_t value) {
  vx7.Setvx7byt(static_cast<long>(index), clsVX7R::lHex(value));
}

// One-bit settings. `only` empty: the setter knows both texts and ignores others; otherwise
// it stores the value of `only` for that text and the other value for any other text.
struct FlagRow {
  Getter get;
  Setter set;
  std::size_t byte;
  int bit;
  const char* one;
  const char* zero;
  const char* only;
};

const FlagRow kFlags[] = {
    {&clsVX7R::GetDTMFDialer, &clsVX7R::SetDTMFDialer, 0x695, 0, "ON", "OFF", ""},
    {&clsVX7R::GetSplitTone, &clsVX7R::SetSplitTone, 0x695, 1, "ON", "OFF", ""},
    {&clsVX7R::GetKeyBeep, &clsVX7R::SetKeyBeep, 0x695, 2, "ON", "OFF", ""},
    {&clsVX7R::GetARS, &clsVX7R::SetARS, 0x695, 3, "ON", "OFF", ""},
    {&clsVX7R::GetSpecAnal2, &clsVX7R::SetSpecAnal2, 0x695, 4, "ON", "OFF", ""},
    {&clsVX7R::GetScanLamp, &clsVX7R::SetScanLamp, 0x695, 5, "ON", "OFF", ""},
    {&clsVX7R::GetVFOMode, &clsVX7R::SetVFOMode, 0x695, 7, "Band", "All", "Band"},
    {&clsVX7R::GetTXSave, &clsVX7R::SetTXSave, 0x696, 0, "ON", "OFF", "ON"},
    {&clsVX7R::GetMuteSet, &clsVX7R::SetMuteSet, 0x696, 1, "ON", "OFF", ""},
    {&clsVX7R::GetHyperWrite, &clsVX7R::SetHyperWrite, 0x696, 2, "Enable", "Disable", ""},
    {&clsVX7R::GetEdgeBeep, &clsVX7R::SetEdgeBeep, 0x696, 3, "ON", "OFF", ""},
    {&clsVX7R::GetBCLO, &clsVX7R::SetBCLO, 0x696, 4, "ON", "OFF", "ON"},
    {&clsVX7R::GetBandLink, &clsVX7R::SetBandLink, 0x696, 5, "ON", "OFF", "ON"},
    {&clsVX7R::GetLanguage, &clsVX7R::SetLanguage, 0x696, 6, "Japanese", "English", "Japanese"},
    {&clsVX7R::GetMonTCal, &clsVX7R::SetMonTCal, 0x697, 0, "T-Cal", "Moni", "Moni"},
    {&clsVX7R::GetHomeRev, &clsVX7R::SetHomeRev, 0x697, 1, "Rev", "Home", "Home"},
    {&clsVX7R::GetSpecAnal1, &clsVX7R::SetSpecAnal1, 0x697, 4, "Continuous", "1", ""},
    {&clsVX7R::GetSmartSearch, &clsVX7R::SetSmartSearch, 0x697, 5, "Continuous", "1", ""},
    {&clsVX7R::GetWriteMode, &clsVX7R::SetWriteMode, 0x698, 0, "Next Ch", "Lower Ch", ""},
    {&clsVX7R::GetDCSComp, &clsVX7R::SetDCSComp, 0x698, 2, "Enabled", "Disabled", ""},
    {&clsVX7R::GetTempUnit, &clsVX7R::SetTempUnit, 0x698, 3, "F", "C", "F"},
    {&clsVX7R::GetAltiUnit, &clsVX7R::SetAltiUnit, 0x698, 4, "Ft", "M", ""},
    {&clsVX7R::GetOnTimer, &clsVX7R::SetOnTimer, 0x699, 0, "ON", "OFF", "ON"},
    {&clsVX7R::GetOffTimer, &clsVX7R::SetOffTimer, 0x699, 1, "ON", "OFF", "ON"},
    {&clsVX7R::GetATT, &clsVX7R::SetATT, 0x699, 2, "ON", "OFF", "ON"},
    {&clsVX7R::GetMicMonitor, &clsVX7R::SetMicMonitor, 0x699, 4, "ON", "OFF", "ON"},
    {&clsVX7R::GetWXAlert, &clsVX7R::SetWXAlert, 0x699, 5, "ON", "OFF", "ON"},
    {&clsVX7R::GetMonFChange, &clsVX7R::SetMonFChange, 0x699, 7, "Moni", "Func", "Moni"},
};

TEST(VX7Settings, OneBitSettings) {
  for (const auto& row : kFlags) {
    SCOPED_TRACE(row.one + std::string("/") + row.zero + " at " + std::to_string(row.byte) + "." +
                 std::to_string(row.bit));
    const auto mask = static_cast<std::uint8_t>(1u << row.bit);
    clsVX7R vx7;
    PutByte(vx7, row.byte, mask);
    EXPECT_EQ((vx7.*row.get)(), row.one);
    PutByte(vx7, row.byte, static_cast<std::uint8_t>(~mask));
    EXPECT_EQ((vx7.*row.get)(), row.zero);

    (vx7.*row.set)(row.one);
    EXPECT_EQ(ByteAt(vx7, row.byte), 0xFF);  // the other bits stay
    (vx7.*row.set)(row.zero);
    EXPECT_EQ(ByteAt(vx7, row.byte), static_cast<std::uint8_t>(~mask));

    const std::string only = row.only;
    for (const char* other : {"", "on", "junk"}) {
      PutByte(vx7, row.byte, 0x00);
      (vx7.*row.set)(other);
      const int expected = only.empty() ? 0 : (only == row.one ? 0 : 1);
      EXPECT_EQ(ByteAt(vx7, row.byte), expected ? mask : 0) << other;
      PutByte(vx7, row.byte, mask);
      (vx7.*row.set)(other);
      const int expectedFromOne = only.empty() ? 1 : expected;
      EXPECT_EQ(ByteAt(vx7, row.byte), expectedFromOne ? mask : 0) << other;
    }
  }
}

// One-byte settings: each row's texts in stored-value order.
struct ListRow {
  Getter get;
  Setter set;
  std::size_t byte;
  std::vector<const char*> texts;
};

// clang-format off
const ListRow kLists[] = {
    {&clsVX7R::GetVoxSens, &clsVX7R::SetVoxSens, 0x69A, {"OFF", "High", "Low"}},
    {&clsVX7R::GetVoxDelay, &clsVX7R::SetVoxDelay, 0x69B, {"0.5s", "1s", "2s"}},
    {&clsVX7R::GetEmgSet, &clsVX7R::SetEmgSet, 0x69C,
     {"Beep+Strobe", "Beep", "Strobe 1", "Strobe 2", "Strobe 3", "Strobe 4", "Strobe 5", "Beam"}},
    {&clsVX7R::GetWaveMonitor, &clsVX7R::SetWaveMonitor, 0x6A4, {"All", "RX", "TX"}},
    {&clsVX7R::GetBaroUnit, &clsVX7R::SetBaroUnit, 0x6A5, {"hpa", "mbar", "mmHg", "inch"}},
    {&clsVX7R::GetResume, &clsVX7R::SetResume, 0x6AA, {"3 Sec", "5 Sec", "10 Sec", "Busy", "Hold"}},
    {&clsVX7R::GetRXSave, &clsVX7R::SetRXSave, 0x6AC,
     {"OFF", "200ms", "300ms", "500ms", "1s", "2s"}},
    {&clsVX7R::GetChCounter, &clsVX7R::SetChCounter, 0x6AD,
     {"5 MHz", "10 MHz", "50 MHz", "100 MHz"}},
    {&clsVX7R::GetAPO, &clsVX7R::SetAPO, 0x6E0,
     {"OFF", "30 Min", "1 Hour", "3 Hours", "5 Hours", "8 Hours"}},
    {&clsVX7R::GetTOT, &clsVX7R::SetTOT, 0x6E1, {"OFF", "1 Min", "2.5 Min", "5 Min", "10 Min"}},
    {&clsVX7R::GetSensorDisplay, &clsVX7R::SetSensorDisplay, 0x706,
     {"OFF", "Time", "DC", "Temp", "Wave", "Baro", "Alti", "WX"}},
    {&clsVX7R::GetLockMode, &clsVX7R::SetLockMode, 0x730,
     {"Key", "Dial", "Key+Dial", "PTT", "Key+PTT", "Dial+PTT", "All"}},
};
// clang-format on

TEST(VX7Settings, OneByteListsInStoredOrder) {
  for (const auto& row : kLists) {
    SCOPED_TRACE(row.byte);
    clsVX7R vx7;
    for (std::size_t value = 0; value < row.texts.size(); ++value) {
      PutByte(vx7, row.byte, static_cast<std::uint8_t>(value));
      EXPECT_EQ((vx7.*row.get)(), row.texts[value]);
      PutByte(vx7, row.byte, 0xEE);
      (vx7.*row.set)(row.texts[value]);
      EXPECT_EQ(ByteAt(vx7, row.byte), value);
    }
    for (std::uint8_t beyond : {static_cast<std::uint8_t>(row.texts.size()), std::uint8_t{255}}) {
      PutByte(vx7, row.byte, beyond);
      EXPECT_EQ((vx7.*row.get)(), "");
    }
    PutByte(vx7, row.byte, 1);
    for (const char* unknown : {"", "off", "nonsense"}) (vx7.*row.set)(unknown);
    EXPECT_EQ(ByteAt(vx7, row.byte), 1);
  }
}

TEST(VX7Settings, BellIconSetAndTimers) {
  clsVX7R vx7;
  const char* bell[] = {"OFF", "1", "3", "5", "8", "Continue", ""};
  for (std::uint8_t value = 0; value < 7; ++value) {
    PutByte(vx7, 0x6E2, value);
    EXPECT_EQ(vx7.GetBell(), bell[value]);
  }
  vx7.SetBell("OFF");  // value 0 reads "OFF" but is written "Off"
  EXPECT_EQ(ByteAt(vx7, 0x6E2), 6);
  vx7.SetBell("Off");
  EXPECT_EQ(ByteAt(vx7, 0x6E2), 0);

  for (auto [byte, text] : {std::pair{1, "ON"}, {0, "OFF"}, {2, "OFF"}, {255, "OFF"}}) {
    PutByte(vx7, 0x707, static_cast<std::uint8_t>(byte));
    EXPECT_EQ(vx7.GetIconSet(), text);
  }
  vx7.SetIconSet("ON");
  EXPECT_EQ(ByteAt(vx7, 0x707), 1);
  vx7.SetIconSet("on");
  EXPECT_EQ(ByteAt(vx7, 0x707), 0);

  for (auto [get, set, byte] :
       {std::tuple{&clsVX7R::GetOnTimerHrs, &clsVX7R::SetOnTimerHrs, std::size_t{0x6A0}},
        {&clsVX7R::GetOnTimerMin, &clsVX7R::SetOnTimerMin, std::size_t{0x6A1}},
        {&clsVX7R::GetOffTimerHrs, &clsVX7R::SetOffTimerHrs, std::size_t{0x6A2}},
        {&clsVX7R::GetOffTimerMin, &clsVX7R::SetOffTimerMin, std::size_t{0x6A3}}}) {
    PutByte(vx7, byte, 0x07);
    EXPECT_EQ((vx7.*get)(), "07");
    (vx7.*set)("1A");
    EXPECT_EQ(ByteAt(vx7, byte), 0x1A);
    for (const char* bad : {"", "123", "G", "-1", " 5"}) (vx7.*set)(bad);
    EXPECT_EQ((vx7.*get)(), "1A");
  }
}

TEST(VX7Settings, SignedOffsets) {
  struct Row {
    std::uint8_t high, low;
    const char* text;
  };
  const Row rows[] = {{0xFF, 0xFB, "-5"},    {0x00, 0x0A, "10"},   {0x80, 0x00, "-32768"},
                      {0x7F, 0xFF, "32767"}, {0xFE, 0xD4, "-300"}, {0x00, 0x00, "0"}};
  for (auto [get, set, byte] :
       {std::tuple{&clsVX7R::GetBaroOffset, &clsVX7R::SetBaroOffset, std::size_t{0x6A6}},
        std::tuple{&clsVX7R::GetAltiOffset, &clsVX7R::SetAltiOffset, std::size_t{0x6A8}}}) {
    for (const auto& row : rows) {
      clsVX7R vx7;
      PutByte(vx7, byte, row.high);
      PutByte(vx7, byte + 1, row.low);
      EXPECT_EQ((vx7.*get)(), row.text);
      PutByte(vx7, byte, 0x12);
      PutByte(vx7, byte + 1, 0x34);
      (vx7.*set)(row.text);
      EXPECT_EQ(ByteAt(vx7, byte), row.high) << row.text;
      EXPECT_EQ(ByteAt(vx7, byte + 1), row.low) << row.text;
    }
    clsVX7R vx7;
    for (const char* bad : {"", "x", "32768", "-32769", "1.5", "1e3"}) (vx7.*set)(bad);
    EXPECT_EQ((vx7.*get)(), "0");
  }
}

TEST(VX7Settings, DtmfMemories) {
  clsVX7R vx7;
  const std::size_t first = 0x7C2;
  std::vector<std::uint8_t> record{0x01, 0x02, 0x0E, 0x0F, 0x10};
  record.resize(16, 0xFF);
  for (std::size_t i = 0; i < 16; ++i) PutByte(vx7, first + i, record[i]);
  EXPECT_EQ(vx7.GetDTMFSet(1), "12*#-");

  clsVX7R written;
  written.SetDTMFSet(1, "12*#-");
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(ByteAt(written, first + i), record[i]) << i;

  // A character outside the set leaves its byte; the rest of the record empties.
  PutByte(written, first + 1, 0x33);
  written.SetDTMFSet(1, "1a");
  EXPECT_EQ(ByteAt(written, first), 0x01);
  EXPECT_EQ(ByteAt(written, first + 1), 0x33);
  for (std::size_t i = 2; i < 16; ++i) EXPECT_EQ(ByteAt(written, first + i), 0xFF) << i;
  EXPECT_EQ(written.GetDTMFSet(1), "133");  // an unlisted byte reads as hex

  written.SetDTMFSet(9, "ABCD0123456789*#-EXTRA");  // past 16 characters: ignored
  EXPECT_EQ(written.GetDTMFSet(9), "ABCD0123456789*#");
  EXPECT_EQ(ByteAt(written, first + 16 * 9), 0x00);  // the byte after memory 9

  const auto before = std::vector<std::uint8_t>(written.Image().begin(), written.Image().end());
  written.SetDTMFSet(0, "1");
  written.SetDTMFSet(10, "1");
  EXPECT_EQ(written.GetDTMFSet(0), "");
  EXPECT_EQ(written.GetDTMFSet(10), "");
  EXPECT_EQ(std::vector<std::uint8_t>(written.Image().begin(), written.Image().end()), before);
}

}  // namespace
