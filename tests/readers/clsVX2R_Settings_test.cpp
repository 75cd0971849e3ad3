#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/clsVX2R.h"

using readers::clsVX2R;

namespace {

using Options = std::vector<std::string> (*)();
using Getter = std::string (clsVX2R::*)() const;
using Setter = void (clsVX2R::*)(std::string_view);

int ByteAt(const clsVX2R& vx2, std::size_t index) { return vx2.Image()[index]; }

// Each setting: its option list, getter and setter, where it is stored, its texts in stored
// order and the order the option list offers.
struct Row {
  Options options;
  Getter get;
  Setter set;
  std::size_t byte;
  int low;
  int width;
  std::vector<std::string> stored;
  std::vector<std::string> offered;
};

const std::vector<std::string> kOffOn{"OFF", "ON"};

// clang-format off
const Row kRows[] = {
    {&clsVX2R::GetAPO_Opt, &clsVX2R::GetAPO, &clsVX2R::SetAPO, 328, 0, 8,
     {"OFF", "30 MIN", "1 HOUR", "5 HOURS", "8 HOURS"}, {}},
    {&clsVX2R::GetARBEEP_Opt, &clsVX2R::GetARBEEP, &clsVX2R::SetARBEEP, 326, 0, 8,
     {"OFF", "IN RNG", "ALWAYS"}, {"IN RNG", "ALWAYS", "OFF"}},
    {&clsVX2R::GetARINT_OPT, &clsVX2R::GetARINT, &clsVX2R::SetARINT, 279, 3, 1,
     {"15 SEC", "25 SEC"}, {}},
    {&clsVX2R::GetARS_OPT, &clsVX2R::GetARS, &clsVX2R::SetARS, 277, 3, 1, kOffOn, {}},
    {&clsVX2R::GetATT_Opt, &clsVX2R::GetATT, &clsVX2R::SetATT, 281, 2, 1, kOffOn, {}},
    {&clsVX2R::GetBCLO_OPT, &clsVX2R::GetBCLO, &clsVX2R::SetBCLO, 278, 4, 1, kOffOn, {}},
    {&clsVX2R::GetBEEP_Opt, &clsVX2R::GetBEEP, &clsVX2R::SetBEEP, 277, 2, 1, kOffOn, {}},
    {&clsVX2R::GetBELL_OPT, &clsVX2R::GetBell, &clsVX2R::SetBell, 327, 0, 8,
     {"OFF", "1", "3", "5", "8", "CONT"}, {}},
    {&clsVX2R::GetBUSYLED_OPT, &clsVX2R::GetBUSYLED, &clsVX2R::SetBUSYLED, 278, 7, 1, kOffOn, {}},
    {&clsVX2R::GetCHCNT_OPT, &clsVX2R::GetCHCNT, &clsVX2R::SetCHCNT, 286, 0, 8,
     {"5 MHz", "10 MHz", "50 MHz", "100 MHz"}, {}},
    {&clsVX2R::GetCWIDOFFON_OPT, &clsVX2R::GetCWIDOFFON, &clsVX2R::SETCWIDOFFON, 277, 6, 1,
     kOffOn, {}},
    {&clsVX2R::GetDCSRV_Opt, &clsVX2R::GetDCSRV, &clsVX2R::SetDCSRV, 280, 2, 1,
     {"DISABLE", "ENABLE"}, {}},
    {&clsVX2R::GetDTMF_Opt, &clsVX2R::GetDTMF, &clsVX2R::SetDTMF, 277, 0, 1,
     {"MANUAL", "AUTO"}, {}},
    {&clsVX2R::GetEDGBP_Opt, &clsVX2R::GetEDGBP, &clsVX2R::SetEDGBP, 278, 3, 1, kOffOn, {}},
    {&clsVX2R::GetEMGS_Opt, &clsVX2R::GetEMGS, &clsVX2R::SetEMGS, 336, 0, 8,
     {"BEEP", "STROBE", "BP+STR", "BEAM", "BP+BEM", "CW", "BP+CW"}, {}},
    {&clsVX2R::GetHMRV_Opt, &clsVX2R::GetHMRV, &clsVX2R::SetHMRV, 279, 1, 1, {"HOME", "REV"}, {}},
    {&clsVX2R::GetINTMD_Opt, &clsVX2R::GetINTMD, &clsVX2R::SetINTMD, 281, 7, 1,
     {"WIRES", "LINK"}, {}},
    {&clsVX2R::GetLAMP_Opt, &clsVX2R::GetLAMP, &clsVX2R::SetLAMP, 282, 0, 8,
     {"KEY", "CONT", "OFF"}, {}},
    {&clsVX2R::GetLOCK_Opt, &clsVX2R::GetLOCK, &clsVX2R::SetLOCK, 330, 0, 8,
     {"KEY", "DIAL", "KEY+DIAL", "PTT", "KEY+PTT", "DIAL+PTT", "ALL"}, {}},
    {&clsVX2R::GetMTCL_Opt, &clsVX2R::GetMTCL, &clsVX2R::SetMTCL, 279, 0, 1,
     {"MONI", "T-CALL"}, {}},
    {&clsVX2R::GetMWMD_Opt, &clsVX2R::GetMWMD, &clsVX2R::SetMWND, 280, 0, 1,
     {"LOWER", "NEXT"}, {"NEXT", "LOWER"}},
    {&clsVX2R::GetOPNMSG_Opt, &clsVX2R::GetOPNMSG, &clsVX2R::SetOPNMSG, 287, 0, 8,
     {"OFF", "DC", "MSG"}, {"DC", "MSG", "OFF"}},
    {&clsVX2R::GetRESUME_Opt, &clsVX2R::GetResume, &clsVX2R::SetResume, 285, 0, 8,
     {"3 SEC", "5 SEC", "10 SEC", "BUSY", "HOLD"}, {}},
    {&clsVX2R::GetRFSQL_Opt, &clsVX2R::GetRFSQL, &clsVX2R::SetRFSQL, 276, 0, 8,
     {"OFF", "S1", "S2", "S3", "S4", "S5", "S6", "S8", "S9"},
     {"S1", "S2", "S3", "S4", "S5", "S6", "S8", "S9", "OFF"}},
    {&clsVX2R::GetRXSAVE_Opt, &clsVX2R::GetRXSave, &clsVX2R::SetRXSave, 284, 0, 8,
     {"OFF", "200 MS", "300 MS", "500 MS", "1 S", "2 S"},
     {"200 MS", "300 MS", "500 MS", "1 S", "2 S", "OFF"}},
    {&clsVX2R::GetSSCH_Opt, &clsVX2R::GetSSCH, &clsVX2R::SetSSCH, 279, 5, 1,
     {"SINGLE", "CONT"}, {}},
    {&clsVX2R::GetSCNLMP_Opt, &clsVX2R::GetSCNLMP, &clsVX2R::SetSCNLMP, 277, 5, 1,
     kOffOn, {"ON", "OFF"}},
    {&clsVX2R::GetSPLIT_Opt, &clsVX2R::GetSPLIT, &clsVX2R::SetSPLIT, 277, 1, 1, kOffOn, {}},
    {&clsVX2R::GetTOT_Opt, &clsVX2R::GetTOT, &clsVX2R::SetTOT, 329, 0, 8,
     {"OFF", "1 MIN", "3 MIN", "5 Min", "10 MIN"}, {}},
    {&clsVX2R::GetTXSAVE_Opt, &clsVX2R::GetTXSave, &clsVX2R::SetTXSave, 278, 0, 1, kOffOn, {}},
    {&clsVX2R::GetVFOMD_Opt, &clsVX2R::GetVFOMD, &clsVX2R::SetVFOMD, 277, 7, 1,
     {"ALL", "BAND"}, {"BAND", "ALL"}},
    {&clsVX2R::GetWXALT_Opt, &clsVX2R::GetWXALT, &clsVX2R::SetWXALT, 281, 5, 1, kOffOn, {}},
    {nullptr, &clsVX2R::GetInternetKey, &clsVX2R::SetInternetKey, 281, 6, 1,
     {"My Menu", "Internet"}, {}},
};
// clang-format on

TEST(VX2Settings, EveryListAgainstItsStoredValues) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.stored.back() + " at " + std::to_string(row.byte) + "." +
                 std::to_string(row.low));
    if (row.options) {
      EXPECT_EQ(row.options(), row.offered.empty() ? row.stored : row.offered);
    }
    const unsigned mask = ((1u << row.width) - 1) << row.low;
    for (std::size_t value = 0; value < row.stored.size(); ++value) {
      for (std::uint8_t others : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        clsVX2R vx2;
        const auto before = static_cast<std::uint8_t>((others & ~mask) | (value << row.low));
        vx2.SetByte(static_cast<long>(row.byte), before);
        EXPECT_EQ((vx2.*row.get)(), row.stored[value]);
        vx2.SetByte(static_cast<long>(row.byte), others);
        (vx2.*row.set)(row.stored[value]);
        EXPECT_EQ(ByteAt(vx2, row.byte), before);  // only the setting's bits change
        for (const char* unknown : {"", "nonsense", "on", "S7"}) (vx2.*row.set)(unknown);
        EXPECT_EQ(ByteAt(vx2, row.byte), before);
      }
    }
    if (row.width == 8) {
      clsVX2R vx2;
      vx2.SetByte(static_cast<long>(row.byte), static_cast<int>(row.stored.size()));
      EXPECT_EQ((vx2.*row.get)(), "");
      vx2.SetByte(static_cast<long>(row.byte), 255);
      EXPECT_EQ((vx2.*row.get)(), "");
    }
  }
}

TEST(VX2Settings, ExamplesOfTheSharedByte) {
  clsVX2R vx2;
  vx2.SetByte(328, 3);
  EXPECT_EQ(vx2.GetAPO(), "5 HOURS");
  vx2.SetAPO("5 hours");
  EXPECT_EQ(ByteAt(vx2, 328), 3);
  vx2.SetRFSQL("S8");
  EXPECT_EQ(ByteAt(vx2, 276), 7);
  vx2.SetARS("ON");
  EXPECT_EQ(ByteAt(vx2, 277), 0x08);
  vx2.SetSCNLMP("ON");
  EXPECT_EQ(ByteAt(vx2, 277), 0x28);
  vx2.SetARS("OFF");
  EXPECT_EQ(ByteAt(vx2, 277), 0x20);
}

TEST(VX2Settings, Numbers) {
  EXPECT_EQ(clsVX2R::GetDIMMER_Opt(), (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6",
                                                                "7", "8", "9", "10", "11", "12"}));
  struct Row {
    Getter get;
    Setter set;
    std::size_t byte;
  };
  for (const Row& row : {Row{&clsVX2R::GetDIMMER, &clsVX2R::SetDIMMER, 283},
                         Row{&clsVX2R::GetNFMSquelch, &clsVX2R::SetNFMSquelch, 274},
                         Row{&clsVX2R::GetWFMSquelch, &clsVX2R::SetWFMSquelch, 275}}) {
    clsVX2R vx2;
    struct Value {
      const char* text;
      int stored;
    };
    for (const Value& value : {Value{"7", 7}, Value{"255", 255}, Value{"0", 0}, Value{"2.5", 2},
                               Value{"3.5", 4}, Value{"4.6", 5}, Value{" 12 ", 12}}) {
      (vx2.*row.set)(value.text);
      EXPECT_EQ(ByteAt(vx2, row.byte), value.stored) << value.text;
      EXPECT_EQ((vx2.*row.get)(), std::to_string(value.stored));
    }
    for (const char* bad : {"", "x", "256", "-1", "1e2", "255.6"}) (vx2.*row.set)(bad);
    EXPECT_EQ((vx2.*row.get)(), "12");
  }

  clsVX2R vx2;
  vx2.SetDIMMER(6.5);  // numbers as well as texts
  vx2.SetNFMSquelch(300.0);
  EXPECT_EQ(vx2.GetDIMMER() + "/" + vx2.GetNFMSquelch(), "6/0");
  vx2.SetByte(331, 8);
  EXPECT_EQ(vx2.GetMyMenuNum(), 0);
  vx2.SetMyMenuNum(5);
  EXPECT_EQ(ByteAt(vx2, 331), 13);
  vx2.SetByte(331, 0);
  EXPECT_EQ(vx2.GetMyMenuNum(), -8);
  vx2.SetMyMenuNum(248);
  vx2.SetMyMenuNum(-9);
  EXPECT_EQ(ByteAt(vx2, 331), 0);
  vx2.SetMyMenuNum(247);
  EXPECT_EQ(ByteAt(vx2, 331), 255);

  const auto menu = clsVX2R::GetMyMenu_Opt();
  ASSERT_EQ(menu.size(), 49u);
  EXPECT_EQ(menu.front(), "1 APO");
  EXPECT_EQ(menu[12], "13 DC VLT");
  EXPECT_EQ(menu[47], "48 TR SQL(JAP)");
  EXPECT_EQ(menu[48], "48 WX ALT");
}

TEST(VX2Settings, OpeningMessageAndCwIdentifier) {
  clsVX2R vx2;
  vx2.SetByte(310, 28);
  vx2.SetCWID("AB 1");
  const std::vector<int> codes{10, 11, 36, 1};
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(ByteAt(vx2, 294 + i), i < codes.size() ? codes[i] : 255) << i;
  }
  EXPECT_EQ(ByteAt(vx2, 310), 28);  // the byte after the identifier is not touched
  EXPECT_EQ(vx2.GetCWID(), "AB 1");

  vx2.SetCWID("0123456789ABCDEFGHIJ");  // cut at the field's end
  EXPECT_EQ(vx2.GetCWID(), "0123456789ABCDEF");
  EXPECT_EQ(ByteAt(vx2, 310), 28);

  vx2.SetByte(294, 1);
  vx2.SetByte(295, 42);
  vx2.SetByte(296, 255);
  vx2.SetByte(297, 36);
  EXPECT_EQ(vx2.GetCWID().substr(0, 4), "1? 4");  // no character: "?"; 255: nothing

  vx2.SetByte(294, 77);
  vx2.SetOPENMSG_MESSAGE("hi");
  EXPECT_EQ(ByteAt(vx2, 288), 36);
  EXPECT_EQ(ByteAt(vx2, 289), 36);
  for (std::size_t i = 290; i <= 293; ++i) EXPECT_EQ(ByteAt(vx2, i), 255);
  EXPECT_EQ(vx2.GetOPENMSG_MESSAGE(), "  ");
  vx2.SetOPENMSG_MESSAGE("[+-/]ZEXTRA");
  EXPECT_EQ(vx2.GetOPENMSG_MESSAGE(), "[+-/]Z");
  EXPECT_EQ(ByteAt(vx2, 294), 77);
}

TEST(VX2Settings, DtmfMemories) {
  clsVX2R vx2;
  const std::vector<int> record{0x01, 0x02, 0x10, 0x0F};
  for (std::size_t i = 0; i < 16; ++i) {
    vx2.SetByte(static_cast<long>(402 + i), i < record.size() ? record[i] : 0xFF);
  }
  EXPECT_EQ(vx2.GetDTMFS(1), "12-F");
  clsVX2R written;
  written.SetDTMFS(1, "12-F");
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(ByteAt(written, 402 + i), ByteAt(vx2, 402 + i));
  written.SetDTMFS(1, "ab");
  EXPECT_EQ(written.GetDTMFS(1), "AB");
  written.SetDTMFS(16, "0123456789ABCDEF-");
  EXPECT_EQ(written.GetDTMFS(16), "0123456789ABCDEF");
  EXPECT_EQ(ByteAt(written, 402 + 256), 0);  // the byte after memory 16

  written.SetByte(402 + 16, 0x11);
  written.SetByte(402 + 17, 0xFE);
  written.SetByte(402 + 18, 0x05);
  EXPECT_EQ(written.GetDTMFS(2).substr(0, 5), "11FE5");
  written.SetDTMFS(2, "*9");  // "*" is no DTMF digit here: its byte stays
  EXPECT_EQ(ByteAt(written, 402 + 16), 0x11);
  EXPECT_EQ(ByteAt(written, 402 + 17), 9);

  const auto before = std::vector<std::uint8_t>(written.Image().begin(), written.Image().end());
  written.SetDTMFS(0, "1");
  written.SetDTMFS(17, "1");
  EXPECT_EQ(written.GetDTMFS(0), "");
  EXPECT_EQ(written.GetDTMFS(17), "");
  EXPECT_EQ(std::vector<std::uint8_t>(written.Image().begin(), written.Image().end()), before);
}

TEST(VX2Settings, PriorityAndCheckBytes) {
  clsVX2R vx2;
  vx2.SetPriority(1);
  for (std::size_t at : {104, 105, 232, 233}) EXPECT_EQ(ByteAt(vx2, at), 0) << at;
  EXPECT_EQ(vx2.GetPriority(), "1");
  vx2.SetPriority(1000);
  EXPECT_EQ(ByteAt(vx2, 104), 0x03);
  EXPECT_EQ(ByteAt(vx2, 233), 0xE7);
  EXPECT_EQ(vx2.GetPriority(), "1000");

  // Each copy's check byte is the low byte of the sum of its own 127 bytes: 2 x 255 = 510.
  vx2.SetPriority(0);
  for (std::size_t at : {104, 105, 232, 233}) EXPECT_EQ(ByteAt(vx2, at), 255) << at;
  EXPECT_EQ(vx2.GetPriority(), "0");
  EXPECT_EQ(ByteAt(vx2, 273), 254);
  EXPECT_EQ(ByteAt(vx2, 145), 254);

  vx2.SetPriority(-1);
  vx2.SetPriority(1001);
  EXPECT_EQ(vx2.GetPriority(), "0");
  vx2.SetByte(104, 0x80);
  vx2.SetByte(105, 0x00);
  EXPECT_EQ(vx2.GetPriority(), "0");  // past the radio's memories
  vx2.SetByte(104, 0x7F);
  vx2.SetByte(105, 0xFF);
  EXPECT_EQ(vx2.GetPriority(), "32768");
  vx2.SetByte(232, 0x00);  // copy B is not read
  EXPECT_EQ(vx2.GetPriority(), "32768");
}

TEST(VX2Settings, SampleImage) {
  clsVX2R vx2;
  ASSERT_TRUE(vx2.OpenFile(std::string(KESTRANE_SAMPLES_DIR) + "/peer-vx2.vx2").ok);
  // 277 = AC, 287 = 01, 326 = 01, 331 = 15 (hex).
  EXPECT_EQ(vx2.GetVFOMD() + vx2.GetSCNLMP() + vx2.GetARS() + vx2.GetBEEP(), "BANDONONON");
  EXPECT_EQ(vx2.GetOPNMSG(), "DC");
  EXPECT_EQ(vx2.GetARBEEP(), "IN RNG");
  EXPECT_EQ(vx2.GetMyMenuNum(), 13);
  EXPECT_EQ(vx2.GetPriority(), "1");

  // The radio's own check bytes are each copy's own sum (140 and 140 here, where a total
  // carried over both copies would give 24); renewing them changes nothing.
  EXPECT_EQ(ByteAt(vx2, 145), 140);
  EXPECT_EQ(ByteAt(vx2, 273), 140);
  const std::vector<std::uint8_t> before(vx2.Image().begin(), vx2.Image().end());
  vx2.SetBanksUsed(false);  // already 255 in both copies
  EXPECT_EQ(std::vector<std::uint8_t>(vx2.Image().begin(), vx2.Image().end()), before);
}

}  // namespace
