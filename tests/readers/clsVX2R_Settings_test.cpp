#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FieldCheck.h"
#include "readers/clsVX2R.h"
#include "support/Samples.h"

using readers::clsVX2R;

namespace {

using Options = std::vector<std::string> (*)();
using Getter = std::string (clsVX2R::*)() const;
using Setter = void (clsVX2R::*)(std::string_view);

int ByteAt(const clsVX2R& vx2, std::size_t index) { return vx2.Image()[index]; }

// Each setting: its option list, getter and setter, where it is stored, and one stored value
// with the text it stands for.
struct Row {
  Options options;
  Getter get;
  Setter set;
  std::size_t byte;
  int low, width;
  int code;
  const char* text;
};

// clang-format off
const Row kRows[] = {
    {&clsVX2R::GetAPO_Opt, &clsVX2R::GetAPO, &clsVX2R::SetAPO, 328, 0, 8, 3, "5 HOURS"},
    {&clsVX2R::GetARBEEP_Opt, &clsVX2R::GetARBEEP, &clsVX2R::SetARBEEP, 326, 0, 8, 0, "OFF"},
    {&clsVX2R::GetARINT_OPT, &clsVX2R::GetARINT, &clsVX2R::SetARINT, 279, 3, 1, 1, "25 SEC"},
    {&clsVX2R::GetARS_OPT, &clsVX2R::GetARS, &clsVX2R::SetARS, 277, 3, 1, 1, "ON"},
    {&clsVX2R::GetATT_Opt, &clsVX2R::GetATT, &clsVX2R::SetATT, 281, 2, 1, 1, "ON"},
    {&clsVX2R::GetBCLO_OPT, &clsVX2R::GetBCLO, &clsVX2R::SetBCLO, 278, 4, 1, 1, "ON"},
    {&clsVX2R::GetBEEP_Opt, &clsVX2R::GetBEEP, &clsVX2R::SetBEEP, 277, 2, 1, 1, "ON"},
    {&clsVX2R::GetBELL_OPT, &clsVX2R::GetBell, &clsVX2R::SetBell, 327, 0, 8, 5, "CONT"},
    {&clsVX2R::GetBUSYLED_OPT, &clsVX2R::GetBUSYLED, &clsVX2R::SetBUSYLED, 278, 7, 1, 1, "ON"},
    {&clsVX2R::GetCHCNT_OPT, &clsVX2R::GetCHCNT, &clsVX2R::SetCHCNT, 286, 0, 8, 3, "100 MHz"},
    {&clsVX2R::GetCWIDOFFON_OPT, &clsVX2R::GetCWIDOFFON, &clsVX2R::SETCWIDOFFON, 277, 6, 1, 1,
     "ON"},
    {&clsVX2R::GetDCSRV_Opt, &clsVX2R::GetDCSRV, &clsVX2R::SetDCSRV, 280, 2, 1, 1, "ENABLE"},
    {&clsVX2R::GetDTMF_Opt, &clsVX2R::GetDTMF, &clsVX2R::SetDTMF, 277, 0, 1, 1, "AUTO"},
    {&clsVX2R::GetEDGBP_Opt, &clsVX2R::GetEDGBP, &clsVX2R::SetEDGBP, 278, 3, 1, 1, "ON"},
    {&clsVX2R::GetEMGS_Opt, &clsVX2R::GetEMGS, &clsVX2R::SetEMGS, 336, 0, 8, 6, "BP+CW"},
    {&clsVX2R::GetHMRV_Opt, &clsVX2R::GetHMRV, &clsVX2R::SetHMRV, 279, 1, 1, 1, "REV"},
    {&clsVX2R::GetINTMD_Opt, &clsVX2R::GetINTMD, &clsVX2R::SetINTMD, 281, 7, 1, 1, "LINK"},
    {&clsVX2R::GetLAMP_Opt, &clsVX2R::GetLAMP, &clsVX2R::SetLAMP, 282, 0, 8, 1, "CONT"},
    {&clsVX2R::GetLOCK_Opt, &clsVX2R::GetLOCK, &clsVX2R::SetLOCK, 330, 0, 8, 5, "DIAL+PTT"},
    {&clsVX2R::GetMTCL_Opt, &clsVX2R::GetMTCL, &clsVX2R::SetMTCL, 279, 0, 1, 1, "T-CALL"},
    {&clsVX2R::GetMWMD_Opt, &clsVX2R::GetMWMD, &clsVX2R::SetMWND, 280, 0, 1, 1, "NEXT"},
    {&clsVX2R::GetOPNMSG_Opt, &clsVX2R::GetOPNMSG, &clsVX2R::SetOPNMSG, 287, 0, 8, 1, "DC"},
    {&clsVX2R::GetRESUME_Opt, &clsVX2R::GetResume, &clsVX2R::SetResume, 285, 0, 8, 3, "BUSY"},
    {&clsVX2R::GetRFSQL_Opt, &clsVX2R::GetRFSQL, &clsVX2R::SetRFSQL, 276, 0, 8, 7, "S8"},
    {&clsVX2R::GetRXSAVE_Opt, &clsVX2R::GetRXSave, &clsVX2R::SetRXSave, 284, 0, 8, 4, "1 S"},
    {&clsVX2R::GetSSCH_Opt, &clsVX2R::GetSSCH, &clsVX2R::SetSSCH, 279, 5, 1, 1, "CONT"},
    {&clsVX2R::GetSCNLMP_Opt, &clsVX2R::GetSCNLMP, &clsVX2R::SetSCNLMP, 277, 5, 1, 1, "ON"},
    {&clsVX2R::GetSPLIT_Opt, &clsVX2R::GetSPLIT, &clsVX2R::SetSPLIT, 277, 1, 1, 1, "ON"},
    {&clsVX2R::GetTOT_Opt, &clsVX2R::GetTOT, &clsVX2R::SetTOT, 329, 0, 8, 3, "5 Min"},
    {&clsVX2R::GetTXSAVE_Opt, &clsVX2R::GetTXSave, &clsVX2R::SetTXSave, 278, 0, 1, 1, "ON"},
    {&clsVX2R::GetVFOMD_Opt, &clsVX2R::GetVFOMD, &clsVX2R::SetVFOMD, 277, 7, 1, 1, "BAND"},
    {&clsVX2R::GetWXALT_Opt, &clsVX2R::GetWXALT, &clsVX2R::SetWXALT, 281, 5, 1, 1, "ON"},
    {nullptr, &clsVX2R::GetInternetKey, &clsVX2R::SetInternetKey, 281, 6, 1, 1, "Internet"},
};
// clang-format on

// Every stored value reads back through its setter in the setting's own bits; the option list
// offers exactly the texts read.
TEST(VX2Settings, EveryStoredValueReadsBackThroughItsSetter) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.text);
    clsVX2R vx2;
    const auto at = static_cast<long>(row.byte);
    const FieldAccess access{
        [&](std::uint8_t b) { vx2.SetByte(at, b); }, [&] { return vx2.Image()[row.byte]; },
        [&] { return (vx2.*row.get)(); }, [&](std::string_view t) { (vx2.*row.set)(t); }};
    const auto mask = static_cast<std::uint8_t>(((1u << row.width) - 1) << row.low);
    access.poke(static_cast<std::uint8_t>(row.code << row.low));
    EXPECT_EQ(access.get(), row.text);
    std::vector<std::string> texts = ExpectFieldRoundTrip(access, mask);
    for (unsigned value = 0; value < texts.size(); ++value) {
      access.poke(static_cast<std::uint8_t>(value << row.low));
      EXPECT_EQ(access.get(), texts[value]) << "a gap or a repeat in the list";
    }
    if (row.options) {
      std::vector<std::string> offered = row.options();
      std::sort(offered.begin(), offered.end());
      std::sort(texts.begin(), texts.end());
      EXPECT_EQ(offered, texts);
    }
  }
  // Some lists offer their texts in another order than they are stored.
  EXPECT_EQ(clsVX2R::GetRFSQL_Opt().front() + clsVX2R::GetRFSQL_Opt().back(), "S1OFF");
  EXPECT_EQ(clsVX2R::GetARBEEP_Opt(), (std::vector<std::string>{"IN RNG", "ALWAYS", "OFF"}));
  EXPECT_EQ(clsVX2R::GetSCNLMP_Opt(), (std::vector<std::string>{"ON", "OFF"}));
}

TEST(VX2Settings, Numbers) {
  EXPECT_EQ(clsVX2R::GetDIMMER_Opt().size(), 13u);
  EXPECT_EQ(clsVX2R::GetDIMMER_Opt().back(), "12");
  struct Row {
    Getter get;
    Setter set;
    std::size_t byte;
  };
  for (const Row& row : {Row{&clsVX2R::GetDIMMER, &clsVX2R::SetDIMMER, 283},
                         Row{&clsVX2R::GetNFMSquelch, &clsVX2R::SetNFMSquelch, 274},
                         Row{&clsVX2R::GetWFMSquelch, &clsVX2R::SetWFMSquelch, 275}}) {
    clsVX2R vx2;
    const std::pair<const char*, int> values[] = {{"7", 7},   {"255", 255}, {"0", 0},    {"2.5", 2},
                                                  {"3.5", 4}, {"4.6", 5},   {" 12 ", 12}};
    for (const auto& [text, stored] : values) {
      (vx2.*row.set)(text);
      EXPECT_EQ(ByteAt(vx2, row.byte), stored) << text;
      EXPECT_EQ((vx2.*row.get)(), std::to_string(stored));
    }
    for (const char* bad : {"", "x", "256", "-1", "1e2", "255.6"}) (vx2.*row.set)(bad);
    EXPECT_EQ((vx2.*row.get)(), "12");
  }

  clsVX2R vx2;
  vx2.SetDIMMER(6.5);  // numbers as well as texts
  vx2.SetNFMSquelch(300.0);
  EXPECT_EQ(vx2.GetDIMMER() + "/" + vx2.GetNFMSquelch(), "6/0");
  // My Menu: the byte less 8, as a signed number.
  const std::pair<int, int> menu[] = {{8, 0}, {13, 5}, {0, -8}, {255, 247}};
  for (const auto& [byte, number] : menu) {
    vx2.SetByte(331, byte);
    EXPECT_EQ(vx2.GetMyMenuNum(), number);
    vx2.SetByte(331, 77);
    vx2.SetMyMenuNum(number);
    EXPECT_EQ(ByteAt(vx2, 331), byte);
  }
  vx2.SetMyMenuNum(248);
  vx2.SetMyMenuNum(-9);
  EXPECT_EQ(ByteAt(vx2, 331), 255);
  const auto menuTexts = clsVX2R::GetMyMenu_Opt();
  ASSERT_EQ(menuTexts.size(), 49u);
  EXPECT_EQ(menuTexts[12], "13 DC VLT");
  EXPECT_EQ(menuTexts[47] + "/" + menuTexts[48], "48 TR SQL(JAP)/48 WX ALT");
}

TEST(VX2Settings, OpeningMessageAndCwIdentifier) {
  clsVX2R vx2;
  vx2.SetByte(310, 28);
  vx2.SetCWID("AB 1");
  const std::vector<int> codes{10, 11, 36, 1};
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(ByteAt(vx2, 294 + i), i < codes.size() ? codes[i] : 255) << i;
  }
  EXPECT_EQ(vx2.GetCWID(), "AB 1");
  vx2.SetCWID("0123456789ABCDEFGHIJ");  // cut at the field's end
  EXPECT_EQ(vx2.GetCWID(), "0123456789ABCDEF");
  EXPECT_EQ(ByteAt(vx2, 310), 28);  // the byte after the identifier is not touched

  const std::vector<int> odd{1, 42, 255, 36};
  for (std::size_t i = 0; i < odd.size(); ++i) vx2.SetByte(static_cast<long>(294 + i), odd[i]);
  EXPECT_EQ(vx2.GetCWID().substr(0, 4), "1? 4");  // no character: "?"; 255: nothing

  vx2.SetByte(294, 77);
  vx2.SetOPENMSG_MESSAGE("hi");
  EXPECT_EQ(std::vector<std::uint8_t>(vx2.Image().begin() + 288, vx2.Image().begin() + 295),
            (std::vector<std::uint8_t>{36, 36, 255, 255, 255, 255, 77}));
  EXPECT_EQ(vx2.GetOPENMSG_MESSAGE(), "  ");
  vx2.SetOPENMSG_MESSAGE("[+-/]ZEXTRA");
  EXPECT_EQ(vx2.GetOPENMSG_MESSAGE(), "[+-/]Z");
  EXPECT_EQ(ByteAt(vx2, 294), 77);
}

TEST(VX2Settings, DtmfMemories) {
  clsVX2R written;
  written.SetDTMFS(1, "12-F");
  const std::vector<int> record{0x01, 0x02, 0x10, 0x0F};
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(ByteAt(written, 402 + i), i < record.size() ? record[i] : 0xFF) << i;
  }
  EXPECT_EQ(written.GetDTMFS(1), "12-F");
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
  EXPECT_EQ(written.GetDTMFS(0) + written.GetDTMFS(17), "");
  EXPECT_EQ(std::vector<std::uint8_t>(written.Image().begin(), written.Image().end()), before);
}

TEST(VX2Settings, PriorityAndCheckBytes) {
  clsVX2R vx2;
  vx2.SetPriority(1000);
  EXPECT_EQ(ByteAt(vx2, 104) * 256 + ByteAt(vx2, 105), 999);
  EXPECT_EQ(ByteAt(vx2, 232) * 256 + ByteAt(vx2, 233), 999);
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
  vx2.SetByte(232, 0x00);  // copy B is not read
  EXPECT_EQ(vx2.GetPriority(), "32768");
}

TEST(VX2Settings, SampleImage) {
  KESTRANE_NEEDS_SAMPLE("peer-vx2.vx2");
  clsVX2R vx2;
  ASSERT_TRUE(vx2.OpenFile(samples::Path("peer-vx2.vx2")).ok);
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
