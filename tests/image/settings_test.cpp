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

TEST(Settings, StoredValueIsThePositionInTheList) {
  clsICR2 image;
  for (const Setting& s : kByteSettings) {
    const OptionList options = s.options();
    for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xEE}}) {
      image_test::FillImage(image, fill);
      for (std::size_t i = 0; i < options.size(); ++i) {
        ImageBytes expected = image.GetArry();
        s.set(image, options[i]);
        expected[s.address] = static_cast<std::uint8_t>(i);
        if (s.address == 0xE67) expected[0xE81] = (expected[0xE81] & 0xFE) | (i & 1);
        EXPECT_EQ(image.GetArry(), expected) << s.name << ' ' << options[i];
        EXPECT_EQ(s.get(image), options[i]) << s.name;
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

TEST(Settings, ListsOfSeveralSizes) {
  EXPECT_EQ(clsICR2::GetSCANEDGE_Opt().size(), 27u);
  EXPECT_EQ(clsICR2::GetSCANEDGE_Opt()[24], "P24");
  EXPECT_EQ(clsICR2::GetSCANEDGE_Opt()[25], "BAND");
  EXPECT_EQ(clsICR2::GetPAUSE_Opt().size(), 11u);
  EXPECT_EQ(clsICR2::GetPAUSE_Opt().back(), "HOLD");
  EXPECT_EQ(clsICR2::GetSquelch_Opt()[2], "LEVEL 1");
  EXPECT_EQ(clsICR2::GetSquelch_Opt().back(), "LEVEL 9");
  EXPECT_EQ(clsICR2::GetATT_Opt(), (OptionList{"OFF", "ON"}));
}

TEST(Settings, DselOffersRisingStepsButStoresItsOwnOrder) {
  clsICR2 image;
  image.Init();
  EXPECT_EQ(clsICR2::GetDSEL_Opt(), (OptionList{"1 MHz", "10 MHz", "100 MHz"}));
  const char* stored[] = {"100 MHz", "1 MHz", "10 MHz", ""};
  for (int value = 0; value < 4; ++value) {
    PokeByte(image, 0xE60, static_cast<std::uint8_t>(value));
    EXPECT_EQ(image.GetDSEL(), stored[value]) << value;
    if (value == 3) break;
    PokeByte(image, 0xE60, 0xEE);
    image.SetDSEL(stored[value]);
    EXPECT_EQ(image.GetArry()[0xE60], value);
  }
  image.SetDSEL("100 mhz");
  EXPECT_EQ(image.GetArry()[0xE60], 3) << "an unknown text changes nothing";
}

TEST(Settings, ChCopiesItsValueToBit0Of0xE81AndAttIsBit6Of0xE80) {
  clsICR2 image;
  image.Init();
  PokeByte(image, 0xE81, 0xF0);
  image.SetCH("ON");
  EXPECT_EQ(image.GetArry()[0xE81], 0xF1);
  image.SetCH("OFF");
  EXPECT_EQ(image.GetArry()[0xE81], 0xF0);
  PokeByte(image, 0xE81, 0x01);
  PokeByte(image, 0xE67, 0);
  EXPECT_EQ(image.GetCH(), "OFF") << "GetCH reads 0xE67 alone";

  struct Case {
    std::uint8_t before;
    const char* text;  // "" only reads
    std::uint8_t after;
    const char* read;
  };
  const Case att[] = {{0x00, "ON", 0x40, "ON"}, {0xBF, "", 0xBF, "OFF"},
                      {0xBF, "ON", 0xFF, "ON"}, {0xFF, "OFF", 0xBF, "OFF"},
                      {0x40, "", 0x40, "ON"},   {0x40, "on", 0x40, "ON"}};
  for (const Case& c : att) {
    PokeByte(image, 0xE80, c.before);
    image.SetATT(c.text);
    EXPECT_EQ(image.GetArry()[0xE80], c.after) << c.text;
    EXPECT_EQ(image.GetATT(), c.read) << c.text;
  }
}

TEST(UserComment, PaddedTo16AndTrimmedOnRead) {
  clsICR2 image;
  image.Init();
  image.SetUserComments("abc");
  const ImageBytes bytes = image.GetArry();
  EXPECT_EQ(std::string(bytes.begin() + 0xF9F, bytes.begin() + 0xFB1),
            std::string("\0abc             \0", 18));

  const std::pair<const char*, const char*> cases[] = {
      {"12345678901234567890", "1234567890123456"}, {"  a b \xE9", "  a b \xE9"}, {"", ""}};
  for (const auto& [text, read] : cases) {
    image.SetUserComments(text);
    EXPECT_EQ(image.GetUserComments(), read);
  }
  for (int a = 0xFA0; a < 0xFB0; ++a) PokeByte(image, a, 0x00);
  EXPECT_EQ(image.GetUserComments(), std::string(16, '\0'));
  PokeByte(image, 0xFA5, 'x');
  for (int a = 0xFA6; a < 0xFB0; ++a) PokeByte(image, a, ' ');
  EXPECT_EQ(image.GetUserComments(), std::string(5, '\0') + "x");
}

}  // namespace
