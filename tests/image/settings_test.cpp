#include <gtest/gtest.h>

#include <functional>

#include "image/clsICR2.h"
#include "image_support.h"

namespace {

using image_test::PokeByte;

struct Setting {
  const char* name;
  int address;
  std::function<OptionList()> options;
  std::function<std::string(const clsICR2&)> get;
  std::function<void(clsICR2&, std::string_view)> set;
};

#define SETTING(name, address, Opt, Get, Set)                                               \
  Setting {                                                                                 \
    name, address, [] { return clsICR2::Opt(); }, [](const clsICR2& i) { return i.Get(); }, \
        [](clsICR2& i, std::string_view t) { i.Set(t); }                                    \
  }

const Setting kByteSettings[] = {
    SETTING("PRIO", 0xE61, GetPRIO_Opt, GetPRIO, SetPRIO),
    SETTING("RESUME", 0xE62, GetRESUME_Opt, GetResume, SetResume),
    SETTING("PAUSE", 0xE63, GetPAUSE_Opt, GetPause, SetPause),
    SETTING("BANKSCAN", 0xE65, GetBANKSCAN_Opt, GetBankScan, SetBankScan),
    SETTING("EXPAND", 0xE66, GetEXPAND_Opt, GetEXPAND, SetEXPAND),
    SETTING("CH", 0xE67, GetCH_Opt, GetCH, SetCH),
    SETTING("BEEP", 0xE68, GetBEEP_Opt, GetBEEP, SetBEEP),
    SETTING("LIGHT", 0xE69, GetLIGHT_Opt, GetLight, SetLight),
    SETTING("APOFF", 0xE6A, GetAPOFF_Opt, GetAPOFF, SetAPOFF),
    SETTING("PSAVE", 0xE6B, GetPSAVE_Opt, GetPSAVE, SetPSAVE),
    SETTING("MONI", 0xE6C, GetMONI_Opt, GetMONI, SetMONI),
    SETTING("SPEED", 0xE6D, GetSPEED_Opt, GetSPEED, SetSPEED),
    SETTING("SCANEDGE", 0xE6E, GetSCANEDGE_Opt, GetSCANEDGE, SetSCANEDGE),
    SETTING("LOCK", 0xE6F, GetLOCK_Opt, GetLOCK, SetLOCK),
    SETTING("squelch", 0xE73, GetSquelch_Opt, GetSquelch, SetSquelch),
};

// Every byte but the setting's own (and 0xE81 for CH) must stay as it was.
void ExpectOnlyChanged(const ImageBytes& before, const ImageBytes& after, int address,
                       const char* name) {
  for (int a = 0; a < kImageSize; ++a) {
    if (a == address || (address == 0xE67 && a == 0xE81)) continue;
    EXPECT_EQ(before[a], after[a]) << name << " changed 0x" << std::hex << a;
  }
}

TEST(Settings, StoredValueIsThePositionInTheList) {
  clsICR2 image;
  for (const Setting& s : kByteSettings) {
    const OptionList options = s.options();
    for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xEE}}) {
      image_test::FillImage(image, fill);
      for (std::size_t i = 0; i < options.size(); ++i) {
        const ImageBytes before = image.GetArry();
        s.set(image, options[i]);
        EXPECT_EQ(image.GetArry()[s.address], i) << s.name << ' ' << options[i];
        EXPECT_EQ(s.get(image), options[i]) << s.name;
        ExpectOnlyChanged(before, image.GetArry(), s.address, s.name);
      }
      PokeByte(image, s.address, static_cast<std::uint8_t>(options.size()));
      EXPECT_EQ(s.get(image), "") << s.name << " value past the list";
      PokeByte(image, s.address, 0xFF);
      EXPECT_EQ(s.get(image), "") << s.name;
      const ImageBytes before = image.GetArry();
      for (const char* text : {"", "on", " ON", "OFF ", "Hold", "nonsense"}) s.set(image, text);
      EXPECT_EQ(image.GetArry(), before) << s.name << " took an unknown text";
    }
  }
}

TEST(Settings, ListSizesAndLastTexts) {
  struct Case {
    OptionList list;
    std::size_t size;
    const char* first;
    const char* last;
  };
  const Case cases[] = {
      {clsICR2::GetPRIO_Opt(), 3, "OFF", "BELL"},
      {clsICR2::GetRESUME_Opt(), 7, "0 SEC", "HOLD"},
      {clsICR2::GetPAUSE_Opt(), 11, "2 SEC", "HOLD"},
      {clsICR2::GetBANKSCAN_Opt(), 2, "BANK", "ALL"},
      {clsICR2::GetLIGHT_Opt(), 3, "OFF", "AUTO"},
      {clsICR2::GetAPOFF_Opt(), 5, "OFF", "120 MIN"},
      {clsICR2::GetMONI_Opt(), 2, "PUSH", "HOLD"},
      {clsICR2::GetSCANEDGE_Opt(), 27, "P0", "ALL"},
      {clsICR2::GetLOCK_Opt(), 4, "NORMAL", "ALL"},
      {clsICR2::GetSquelch_Opt(), 11, "OPEN", "LEVEL 9"},
      {clsICR2::GetATT_Opt(), 2, "OFF", "ON"},
      {clsICR2::GetDSEL_Opt(), 3, "1 MHz", "100 MHz"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.list.size(), c.size) << c.first;
    EXPECT_EQ(c.list.front(), c.first);
    EXPECT_EQ(c.list.back(), c.last);
  }
  EXPECT_EQ(clsICR2::GetSCANEDGE_Opt()[24], "P24");
  EXPECT_EQ(clsICR2::GetSCANEDGE_Opt()[25], "BAND");
  EXPECT_EQ(clsICR2::GetSquelch_Opt()[2], "LEVEL 1");
}

TEST(Settings, DselStoresItsOwnOrder) {
  clsICR2 image;
  image.Init();
  const char* expected[] = {"100 MHz", "1 MHz", "10 MHz", ""};
  for (int value = 0; value < 4; ++value) {
    PokeByte(image, 0xE60, static_cast<std::uint8_t>(value));
    EXPECT_EQ(image.GetDSEL(), expected[value]) << value;
  }
  image.SetDSEL("100 MHz");
  EXPECT_EQ(image.GetArry()[0xE60], 0);
  image.SetDSEL("1 MHz");
  EXPECT_EQ(image.GetArry()[0xE60], 1);
  image.SetDSEL("10 MHz");
  EXPECT_EQ(image.GetArry()[0xE60], 2);
  image.SetDSEL("100 mhz");
  EXPECT_EQ(image.GetArry()[0xE60], 2);
}

TEST(Settings, ChCopiesItsValueToBit0Of0xE81) {
  clsICR2 image;
  image.Init();
  PokeByte(image, 0xE81, 0xF0);
  image.SetCH("ON");
  EXPECT_EQ(image.GetArry()[0xE67], 1);
  EXPECT_EQ(image.GetArry()[0xE81], 0xF1);
  image.SetCH("OFF");
  EXPECT_EQ(image.GetArry()[0xE67], 0);
  EXPECT_EQ(image.GetArry()[0xE81], 0xF0);
  image.SetCH("on");
  EXPECT_EQ(image.GetArry()[0xE81], 0xF0);
  PokeByte(image, 0xE81, 0x01);
  PokeByte(image, 0xE67, 0);
  EXPECT_EQ(image.GetCH(), "OFF") << "GetCH reads 0xE67 alone";
  PokeByte(image, 0xE67, 2);
  EXPECT_EQ(image.GetCH(), "");
}

TEST(Settings, AttIsBit6Of0xE80) {
  clsICR2 image;
  image.Init();
  image.SetATT("ON");
  EXPECT_EQ(image.GetArry()[0xE80], 0x40);
  PokeByte(image, 0xE80, 0xBF);
  EXPECT_EQ(image.GetATT(), "OFF");
  image.SetATT("ON");
  EXPECT_EQ(image.GetArry()[0xE80], 0xFF);
  image.SetATT("OFF");
  EXPECT_EQ(image.GetArry()[0xE80], 0xBF);
  PokeByte(image, 0xE80, 0x40);
  EXPECT_EQ(image.GetATT(), "ON");
}

TEST(UserComment, PaddedTo16AndTrimmedOnRead) {
  clsICR2 image;
  image.Init();
  image.SetUserComments("abc");
  const ImageBytes bytes = image.GetArry();
  EXPECT_EQ(std::string(bytes.begin() + 0xFA0, bytes.begin() + 0xFB0), "abc             ");
  EXPECT_EQ(image.GetUserComments(), "abc");
  EXPECT_EQ(bytes[0xFB0], 0) << "nothing past the 16 bytes";
  EXPECT_EQ(bytes[0xF9F], 0);

  image.SetUserComments("12345678901234567890");
  EXPECT_EQ(image.GetUserComments(), "1234567890123456");
  image.SetUserComments("  a b \xE9");
  EXPECT_EQ(image.GetUserComments(), "  a b \xE9");
  image.SetUserComments("");
  EXPECT_EQ(image.GetUserComments(), "");

  for (int a = 0xFA0; a < 0xFB0; ++a) PokeByte(image, a, 0x00);
  EXPECT_EQ(image.GetUserComments(), std::string(16, '\0'));
  PokeByte(image, 0xFA5, 'x');
  for (int a = 0xFA6; a < 0xFB0; ++a) PokeByte(image, a, ' ');
  EXPECT_EQ(image.GetUserComments(), std::string(5, '\0') + "x");
}

}  // namespace
