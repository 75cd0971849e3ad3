#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FieldCheck.h"
#include "readers/clsVX7R.h"

using readers::clsVX7R;

namespace {

using Getter = std::string (clsVX7R::*)() const;
using Setter = void (clsVX7R::*)(std::string_view);
using R = clsVX7R;  // short, for the tables

std::uint8_t ByteAt(const clsVX7R& vx7, std::size_t index) { return vx7.Image()[index]; }

void PutByte(clsVX7R& vx7, std::size_t index, std::uint8_t value) {
  vx7.Setvx7byt(static_cast<long>(index), clsVX7R::lHex(value));
}

// One-bit settings: the texts of 1 and of 0. Some setters know one text only and store the
// other value for any other text.
struct FlagRow {
  Getter get;
  Setter set;
  std::size_t byte;
  int bit;
  const char* one;
  const char* zero;
  int unknownValue;  // stored for a text that is neither; -1: nothing changes
};

const FlagRow kFlags[] = {
    {&R::GetDTMFDialer, &R::SetDTMFDialer, 0x695, 0, "ON", "OFF", -1},
    {&R::GetSplitTone, &R::SetSplitTone, 0x695, 1, "ON", "OFF", -1},
    {&R::GetKeyBeep, &R::SetKeyBeep, 0x695, 2, "ON", "OFF", -1},
    {&R::GetARS, &R::SetARS, 0x695, 3, "ON", "OFF", -1},
    {&R::GetSpecAnal2, &R::SetSpecAnal2, 0x695, 4, "ON", "OFF", -1},
    {&R::GetScanLamp, &R::SetScanLamp, 0x695, 5, "ON", "OFF", -1},
    {&R::GetVFOMode, &R::SetVFOMode, 0x695, 7, "Band", "All", 0},
    {&R::GetTXSave, &R::SetTXSave, 0x696, 0, "ON", "OFF", 0},
    {&R::GetMuteSet, &R::SetMuteSet, 0x696, 1, "ON", "OFF", -1},
    {&R::GetHyperWrite, &R::SetHyperWrite, 0x696, 2, "Enable", "Disable", -1},
    {&R::GetEdgeBeep, &R::SetEdgeBeep, 0x696, 3, "ON", "OFF", -1},
    {&R::GetBCLO, &R::SetBCLO, 0x696, 4, "ON", "OFF", 0},
    {&R::GetBandLink, &R::SetBandLink, 0x696, 5, "ON", "OFF", 0},
    {&R::GetLanguage, &R::SetLanguage, 0x696, 6, "Japanese", "English", 0},
    {&R::GetMonTCal, &R::SetMonTCal, 0x697, 0, "T-Cal", "Moni", 1},
    {&R::GetHomeRev, &R::SetHomeRev, 0x697, 1, "Rev", "Home", 1},
    {&R::GetSpecAnal1, &R::SetSpecAnal1, 0x697, 4, "Continuous", "1", -1},
    {&R::GetSmartSearch, &R::SetSmartSearch, 0x697, 5, "Continuous", "1", -1},
    {&R::GetWriteMode, &R::SetWriteMode, 0x698, 0, "Next Ch", "Lower Ch", -1},
    {&R::GetDCSComp, &R::SetDCSComp, 0x698, 2, "Enabled", "Disabled", -1},
    {&R::GetTempUnit, &R::SetTempUnit, 0x698, 3, "F", "C", 0},
    {&R::GetAltiUnit, &R::SetAltiUnit, 0x698, 4, "Ft", "M", -1},
    {&R::GetOnTimer, &R::SetOnTimer, 0x699, 0, "ON", "OFF", 0},
    {&R::GetOffTimer, &R::SetOffTimer, 0x699, 1, "ON", "OFF", 0},
    {&R::GetATT, &R::SetATT, 0x699, 2, "ON", "OFF", 0},
    {&R::GetMicMonitor, &R::SetMicMonitor, 0x699, 4, "ON", "OFF", 0},
    {&R::GetWXAlert, &R::SetWXAlert, 0x699, 5, "ON", "OFF", 0},
    {&R::GetMonFChange, &R::SetMonFChange, 0x699, 7, "Moni", "Func", 0},
};

FieldAccess Access(clsVX7R& vx7, std::size_t byte, Getter get, Setter set) {
  return {[&vx7, byte](std::uint8_t b) { PutByte(vx7, byte, b); },
          [&vx7, byte] { return ByteAt(vx7, byte); }, [&vx7, get] { return (vx7.*get)(); },
          [&vx7, set](std::string_view t) { (vx7.*set)(t); }};
}

TEST(VX7Settings, OneBitSettings) {
  for (const auto& row : kFlags) {
    SCOPED_TRACE(row.one);
    clsVX7R vx7;
    const FieldAccess access = Access(vx7, row.byte, row.get, row.set);
    access.poke(static_cast<std::uint8_t>(1u << row.bit));
    EXPECT_EQ(access.get(), row.one);
    access.poke(static_cast<std::uint8_t>(~(1u << row.bit)));
    EXPECT_EQ(access.get(), row.zero);
    ExpectFieldRoundTrip(access, static_cast<std::uint8_t>(1u << row.bit), row.unknownValue);
  }
}

// One-byte settings: the stored value is the position of the text in its list. Each row holds
// one value and its text; the loop finds the others through the getter.
struct ListRow {
  Getter get;
  Setter set;
  std::size_t byte;
  std::size_t size;
  std::uint8_t value;
  const char* text;
};

// clang-format off
const ListRow kLists[] = {
    {&R::GetVoxSens, &R::SetVoxSens, 0x69A, 3, 2, "Low"},
    {&R::GetVoxDelay, &R::SetVoxDelay, 0x69B, 3, 0, "0.5s"},
    {&R::GetEmgSet, &R::SetEmgSet, 0x69C, 8, 7, "Beam"},
    {&R::GetWaveMonitor, &R::SetWaveMonitor, 0x6A4, 3, 1, "RX"},
    {&R::GetBaroUnit, &R::SetBaroUnit, 0x6A5, 4, 2, "mmHg"},
    {&R::GetResume, &R::SetResume, 0x6AA, 5, 3, "Busy"},
    {&R::GetRXSave, &R::SetRXSave, 0x6AC, 6, 5, "2s"},
    {&R::GetChCounter, &R::SetChCounter, 0x6AD, 4, 1, "10 MHz"},
    {&R::GetAPO, &R::SetAPO, 0x6E0, 6, 3, "3 Hours"},
    {&R::GetTOT, &R::SetTOT, 0x6E1, 5, 2, "2.5 Min"},
    {&R::GetSensorDisplay, &R::SetSensorDisplay, 0x706, 8, 7, "WX"},
    {&R::GetLockMode, &R::SetLockMode, 0x730, 7, 6, "All"},
};
// clang-format on

TEST(VX7Settings, OneByteListsReadBackThroughTheirSetters) {
  for (const auto& row : kLists) {
    SCOPED_TRACE(row.text);
    clsVX7R vx7;
    const FieldAccess access = Access(vx7, row.byte, row.get, row.set);
    access.poke(row.value);
    EXPECT_EQ(access.get(), row.text);
    EXPECT_EQ(ExpectFieldRoundTrip(access, 0xFF).size(), row.size);
    access.poke(static_cast<std::uint8_t>(row.size));
    EXPECT_EQ(access.get(), "");
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
       {std::tuple{&R::GetOnTimerHrs, &R::SetOnTimerHrs, std::size_t{0x6A0}},
        {&R::GetOnTimerMin, &R::SetOnTimerMin, std::size_t{0x6A1}},
        {&R::GetOffTimerHrs, &R::SetOffTimerHrs, std::size_t{0x6A2}},
        {&R::GetOffTimerMin, &R::SetOffTimerMin, std::size_t{0x6A3}}}) {
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
       {std::tuple{&R::GetBaroOffset, &R::SetBaroOffset, std::size_t{0x6A6}},
        std::tuple{&R::GetAltiOffset, &R::SetAltiOffset, std::size_t{0x6A8}}}) {
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
