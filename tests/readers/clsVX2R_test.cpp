#include "readers/clsVX2R.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ScratchFile.h"

using readers::clsVX2R;

namespace {

using Getter = std::string (clsVX2R::*)(int) const;
using Setter = void (clsVX2R::*)(int, std::string_view);

constexpr std::size_t kRecord1 = 6082;
constexpr std::size_t kFlags1 = 5474;

std::size_t Record(int n) { return kRecord1 + 18 * static_cast<std::size_t>(n - 1); }

void Poke(clsVX2R& vx2, std::size_t index, const std::vector<std::uint8_t>& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i)
    vx2.SetByte(static_cast<long>(index + i), bytes[i]);
}

std::vector<std::uint8_t> Bytes(const clsVX2R& vx2, std::size_t index, std::size_t count) {
  const auto image = vx2.Image();
  return {image.begin() + static_cast<long>(index),
          image.begin() + static_cast<long>(index + count)};
}

std::vector<std::uint8_t> All(const clsVX2R& vx2) { return Bytes(vx2, 0, clsVX2R::kImageSize); }

TEST(VX2Addressing, FirstSecondAndLastMemory) {
  clsVX2R vx2;
  vx2.SetIsValidMemory(1, true);
  EXPECT_EQ(vx2.HByt(kFlags1), "2");
  vx2.SetIsValidMemory(2, true);
  EXPECT_EQ(vx2.HByt(kFlags1), "34");
  EXPECT_TRUE(vx2.IsValidMemory(1));
  EXPECT_TRUE(vx2.IsValidMemory(2));
  EXPECT_FALSE(vx2.IsValidMemory(3));
  vx2.SetIsValidMemory(1000, true);
  EXPECT_EQ(vx2.HByt(5973), "32");
  EXPECT_FALSE(vx2.IsValidMemory(999));

  Poke(vx2, Record(1) + 2, {0x14, 0x65, 0x20});
  Poke(vx2, Record(2) + 2, {0x43, 0x90, 0x00});
  EXPECT_EQ(vx2.Freq(1), "146.520");
  EXPECT_EQ(vx2.Freq(2), "439.000");
  vx2.SetFreq(1000, "1.23");
  EXPECT_EQ(Bytes(vx2, 24064 + 2, 3), (std::vector<std::uint8_t>{0x00, 0x12, 0x30}));
  vx2.ClearMem(1000);
  Poke(vx2, 24064, std::vector<std::uint8_t>(18, 0x11));
  EXPECT_EQ(vx2.GetMemBytes(1000), [] {
    std::string text;
    for (int i = 0; i < 18; ++i) text += "11 ";
    return text;
  }());
  vx2.ClearMem(1000);
  EXPECT_EQ(Bytes(vx2, 24064, 18), std::vector<std::uint8_t>(18, 0));
  EXPECT_EQ(vx2.HByt(5973), "32");  // clearing keeps the flags
}

TEST(VX2Addressing, OutOfRangeNumbersAreRefusedQuietly) {
  clsVX2R vx2;
  const auto before = All(vx2);
  const Getter getters[] = {
      &clsVX2R::Freq,     &clsVX2R::tag,  &clsVX2R::Mode,     &clsVX2R::Skip,
      &clsVX2R::Step,     &clsVX2R::RPT,  &clsVX2R::Shift,    &clsVX2R::SQLType,
      &clsVX2R::Tone,     &clsVX2R::DCS,  &clsVX2R::TXPower,  &clsVX2R::Dev,
      &clsVX2R::ClkShift, &clsVX2R::Name, &clsVX2R::IsMasked, &clsVX2R::GetMemBytes};
  const std::pair<Setter, const char*> setters[] = {
      {&clsVX2R::SetFreq, "146.52"}, {&clsVX2R::SetTag, "ABC"},     {&clsVX2R::SetMode, "AM"},
      {&clsVX2R::SetSkip, "SKIP"},   {&clsVX2R::SetStep, "25 KHz"}, {&clsVX2R::SetIsMasked, "YES"},
      {&clsVX2R::SetRPT, "DUP"},     {&clsVX2R::SetShift, "0.6"},   {&clsVX2R::SetSQLType, "TONE"},
      {&clsVX2R::SetTone, "100.0"},  {&clsVX2R::SetDCS, "754"},     {&clsVX2R::SetTXPower, "HIGH"},
      {&clsVX2R::SetDev, "HALF"},    {&clsVX2R::SetClkShift, "ON"}, {&clsVX2R::SetName, "ALPHA"}};
  for (int n : {0, -1, 1001, 1217, 100000}) {
    for (Getter get : getters) EXPECT_EQ((vx2.*get)(n), "") << n;
    EXPECT_FALSE(vx2.IsValidMemory(n));
    for (auto [set, text] : setters) (vx2.*set)(n, text);
    vx2.SetIsValidMemory(n, true);
    vx2.ClearMem(n);
  }
  for (auto [bank, slot] : {std::pair{-1, 0}, {20, 0}, {0, -1}, {0, 100}}) {
    EXPECT_EQ(vx2.GetBankMem(bank, slot), 0);
    vx2.SetBankMem(bank, slot, 5);
  }
  vx2.SetBankNumberMems(-1, 5);
  vx2.SetBankNumberMems(20, 5);
  vx2.SetBankMem(0, 0, 1001);
  vx2.SetBankMem(0, 0, -1);
  vx2.SetBankNumberMems(0, 101);
  for (long index : {-1L, 32595L}) {
    EXPECT_EQ(vx2.HByt(index), "");
    vx2.SetByte(index, 1);
  }
  vx2.SetByte(0, 256);
  vx2.SetByte(0, -1);
  vx2.Sbyt(std::vector<std::uint8_t>(clsVX2R::kImageSize + 1, 7));
  EXPECT_EQ(All(vx2), before);
}

TEST(VX2Fields, FrequencyTexts) {
  struct Read {
    std::vector<std::uint8_t> bytes;
    const char* text;
  };
  const Read reads[] = {
      {{0x14, 0x50, 0x12}, "145.0125"}, {{0x14, 0x65, 0x20}, "146.520"},
      {{0x00, 0x06, 0x00}, "0.600"},    {{0x44, 0x61, 0x37}, "446.1375"},
      {{0x44, 0x61, 0x62}, "446.1625"}, {{0x44, 0x61, 0x87}, "446.1875"},
      {{0x44, 0x61, 0x25}, "446.125"},  {{0x01, 0x40, 0x00}, "14.000"},
      {{0x00, 0x00, 0x00}, "0.000"},    {{0xFF, 0xFF, 0xFF}, "0.FFF"},
      {{0x1A, 0x20, 0x00}, "1.000"},
  };
  for (const auto& row : reads) {
    clsVX2R vx2;
    Poke(vx2, Record(3) + 2, row.bytes);
    Poke(vx2, Record(3) + 12, row.bytes);
    EXPECT_EQ(vx2.Freq(3), row.text);
    EXPECT_EQ(vx2.Shift(3), row.text);
  }

  struct Write {
    const char* text;
    std::vector<std::uint8_t> bytes;
  };
  const Write writes[] = {
      {"146.52", {0x14, 0x65, 0x20}}, {"145.0125", {0x14, 0x50, 0x12}}, {"146", {0x14, 0x60, 0x00}},
      {"5", {0x00, 0x50, 0x00}},      {"1200.5", {0x20, 0x05, 0x00}},   {".6", {0x00, 0x06, 0x00}},
      {"146.", {0x14, 0x60, 0x00}},
  };
  for (const auto& row : writes) {
    clsVX2R vx2;
    vx2.SetFreq(3, row.text);
    vx2.SetShift(3, row.text);
    EXPECT_EQ(Bytes(vx2, Record(3) + 2, 3), row.bytes) << row.text;
    EXPECT_EQ(Bytes(vx2, Record(3) + 12, 3), row.bytes) << row.text;
  }
  clsVX2R vx2;
  vx2.SetFreq(3, "145.0125");
  EXPECT_EQ(vx2.Freq(3), "145.0125");
  for (const char* bad : {"", ".", "1.2.3", "146,52", "abc", " 146.52", "-5"}) {
    vx2.SetFreq(3, bad);
    vx2.SetShift(3, bad);
  }
  EXPECT_EQ(vx2.Freq(3), "145.0125");
  EXPECT_EQ(vx2.Shift(3), "0.000");
}

TEST(VX2Fields, EnumeratedCodesIncludingOutOfRange) {
  struct Row {
    std::size_t offset;
    std::uint8_t byte;
    std::string (clsVX2R::*getter)(int) const;
    const char* text;
  };
  const Row rows[] = {
      {0, 0x20, &clsVX2R::Dev, "HALF"},      {0, 0xDF, &clsVX2R::Dev, "NORM"},
      {0, 0x10, &clsVX2R::ClkShift, "ON"},   {0, 0xEF, &clsVX2R::ClkShift, "OFF"},
      {1, 0x00, &clsVX2R::Mode, "NFM"},      {1, 0x40, &clsVX2R::Mode, "AM"},
      {1, 0x80, &clsVX2R::Mode, "WFM"},      {1, 0xC0, &clsVX2R::Mode, "???"},
      {1, 0x00, &clsVX2R::RPT, "SIMP"},      {1, 0x10, &clsVX2R::RPT, "-RPT"},
      {1, 0x20, &clsVX2R::RPT, "+RPT"},      {1, 0x30, &clsVX2R::RPT, "DUP"},
      {1, 0x02, &clsVX2R::Step, "12.5 KHz"}, {1, 0x08, &clsVX2R::Step, "9 KHz"},
      {1, 0x0C, &clsVX2R::Step, "5 KHz"},    {1, 0x0F, &clsVX2R::Step, "5 KHz"},
      {5, 0x00, &clsVX2R::TXPower, "LOW"},   {5, 0x40, &clsVX2R::TXPower, ""},
      {5, 0x80, &clsVX2R::TXPower, ""},      {5, 0xC0, &clsVX2R::TXPower, "HIGH"},
      {5, 0x02, &clsVX2R::SQLType, "T SQL"}, {5, 0x04, &clsVX2R::SQLType, "RV TN"},
      {5, 0x05, &clsVX2R::SQLType, ""},      {5, 0xFF, &clsVX2R::SQLType, ""},
      {6, 0x8A, &clsVX2R::Name, "ALPHA"},    {6, 0x0A, &clsVX2R::Name, "FREQ"},
      {6, 0xFF, &clsVX2R::Name, "FREQ"},     {15, 12, &clsVX2R::Tone, "100.0"},
      {15, 49, &clsVX2R::Tone, "254.1"},     {15, 50, &clsVX2R::Tone, "100.0"},
      {15, 255, &clsVX2R::Tone, "100.0"},    {16, 0, &clsVX2R::DCS, "023"},
      {16, 103, &clsVX2R::DCS, "754"},       {16, 200, &clsVX2R::DCS, "023"},
  };
  for (const auto& row : rows) {
    clsVX2R vx2;
    Poke(vx2, Record(4) + row.offset, {row.byte});
    EXPECT_EQ((vx2.*row.getter)(4), row.text) << row.offset << " " << int{row.byte};
  }
}

TEST(VX2Fields, SettersKeepTheOtherBits) {
  struct Row {
    std::size_t offset;
    std::uint8_t before;
    void (clsVX2R::*setter)(int, std::string_view);
    const char* text;
    std::uint8_t after;
  };
  const Row rows[] = {
      {0, 0x00, &clsVX2R::SetDev, "HALF", 0x20},     {0, 0xFF, &clsVX2R::SetDev, "NORM", 0xDF},
      {0, 0x20, &clsVX2R::SetDev, "", 0x20},         {0, 0x00, &clsVX2R::SetClkShift, "ON", 0x10},
      {0, 0x10, &clsVX2R::SetClkShift, "on", 0x10},  {1, 0x3F, &clsVX2R::SetMode, "AM", 0x7F},
      {1, 0x3F, &clsVX2R::SetMode, "WFM", 0xBF},     {1, 0xFF, &clsVX2R::SetMode, "NFM", 0x3F},
      {1, 0x7F, &clsVX2R::SetMode, "???", 0x7F},     {1, 0x7F, &clsVX2R::SetMode, "FM", 0x7F},
      {1, 0xCF, &clsVX2R::SetRPT, "+RPT", 0xEF},     {1, 0xCF, &clsVX2R::SetRPT, "+DUP", 0xCF},
      {5, 0x3F, &clsVX2R::SetTXPower, "HIGH", 0xFF}, {5, 0xFF, &clsVX2R::SetTXPower, "LOW", 0x3F},
      {5, 0x7F, &clsVX2R::SetTXPower, "", 0x7F},     {5, 0xF8, &clsVX2R::SetSQLType, "RV TN", 0xFC},
      {5, 0xFF, &clsVX2R::SetSQLType, "OFF", 0xF8},  {5, 0xFF, &clsVX2R::SetSQLType, "TSQL", 0xFF},
      {6, 0x0A, &clsVX2R::SetName, "ALPHA", 0x8A},   {6, 0x8A, &clsVX2R::SetName, "alpha", 0x0A},
      {15, 9, &clsVX2R::SetTone, "254.1", 49},       {15, 9, &clsVX2R::SetTone, "x", 0},
      {16, 9, &clsVX2R::SetDCS, "754", 103},         {16, 9, &clsVX2R::SetDCS, "", 0},
  };
  for (const auto& row : rows) {
    clsVX2R vx2;
    Poke(vx2, Record(4) + row.offset, {row.before});
    (vx2.*row.setter)(4, row.text);
    EXPECT_EQ(Bytes(vx2, Record(4) + row.offset, 1)[0], row.after) << row.text;
  }
}

TEST(VX2Fields, StepSetsTheHalfStepPair) {
  struct Row {
    const char* text;
    std::uint8_t byte0, byte1;
  };
  const Row rows[] = {{"25 KHz", 0xF5, 0xA5}, {"12.5 KHz", 0xF5, 0xA2}, {"100 KHz", 0xF5, 0xA7},
                      {"5 KHz", 0xF0, 0xA0},  {"9 KHz", 0xF0, 0xA8},    {"20 KHz", 0xF0, 0xA4},
                      {"25 kHz", 0xF0, 0xAF}};
  for (const auto& row : rows) {
    clsVX2R vx2;
    Poke(vx2, Record(4), {0xF0, 0xAF});
    vx2.SetStep(4, row.text);
    EXPECT_EQ(Bytes(vx2, Record(4), 2), (std::vector<std::uint8_t>{row.byte0, row.byte1}))
        << row.text;
  }
}

TEST(VX2Flags, ScanModeInUseAndMask) {
  struct Row {
    std::uint8_t nibble;
    const char* skip;
    bool inUse;
    const char* masked;
  };
  const Row rows[] = {{0x0, "OFF", false, "YES"},  {0x1, "OFF", false, "NO"},
                      {0x2, "OFF", true, "YES"},   {0x4, "SKIP", false, "YES"},
                      {0x8, "ONLY", false, "YES"}, {0xF, "", true, "NO"}};
  for (const auto& row : rows) {
    clsVX2R vx2;
    Poke(vx2, kFlags1 + 1, {row.nibble});                                  // memory 3
    Poke(vx2, kFlags1 + 2, {static_cast<std::uint8_t>(row.nibble << 4)});  // memory 6
    for (int n : {3, 6}) {
      EXPECT_EQ(vx2.Skip(n), row.skip) << n;
      EXPECT_EQ(vx2.IsValidMemory(n), row.inUse) << n;
      EXPECT_EQ(vx2.IsMasked(n), row.masked) << n;
    }
  }
  clsVX2R vx2;
  Poke(vx2, kFlags1 + 1, {0xF0});
  vx2.SetSkip(3, "ONLY");
  EXPECT_EQ(vx2.HByt(kFlags1 + 1), "248");
  vx2.SetSkip(3, "Skip");
  vx2.SetSkip(3, "");
  EXPECT_EQ(vx2.HByt(kFlags1 + 1), "248");
  vx2.SetIsMasked(3, "NO");
  EXPECT_EQ(vx2.HByt(kFlags1 + 1), "249");
  vx2.SetIsMasked(3, "YES");
  EXPECT_EQ(vx2.HByt(kFlags1 + 1), "248");
  vx2.SetIsMasked(3, "");
  EXPECT_EQ(vx2.HByt(kFlags1 + 1), "249");
}

TEST(VX2Tags, BothWays) {
  struct Row {
    std::vector<std::uint8_t> bytes;
    const char* text;
  };
  const Row rows[] = {
      {{0x0A, 0x0B, 0x7F, 0x7F, 0x7F, 0x7F}, "AB"},
      {{0x0A, 0x24, 0x0B, 0x24, 0x24, 0x24}, "A B"},
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
      {{0x8A, 0x8B, 0x7F, 0x0C, 0x24, 0x24}, "ABC"},  // bit 7 is ignored, 0x7F adds nothing
      {{0x24, 0x25, 0x26, 0x27, 0x28, 0x29}, " +-/[]"},
      {{0x00, 0x09, 0x23, 0x2A, 0x7E, 0x24}, "09Z??"},  // codes without a character show "?"
  };
  for (const auto& row : rows) {
    clsVX2R vx2;
    Poke(vx2, Record(8) + 6, row.bytes);
    EXPECT_EQ(vx2.tag(8), row.text);
  }
  clsVX2R vx2;
  Poke(vx2, Record(8) + 6, std::vector<std::uint8_t>(6, 0xFF));
  EXPECT_EQ(vx2.Name(8), "FREQ");

  vx2.SetTag(8, "A1-/");
  EXPECT_EQ(Bytes(vx2, Record(8) + 6, 6),
            (std::vector<std::uint8_t>{0x0A, 0x01, 0x26, 0x27, 0x24, 0x24}));
  EXPECT_EQ(vx2.tag(8), "A1-/");
  EXPECT_EQ(vx2.Name(8), "FREQ");
  vx2.SetName(8, "ALPHA");
  EXPECT_EQ(vx2.Name(8), "ALPHA");
  EXPECT_EQ(vx2.tag(8), "A1-/");

  vx2.SetTag(8, "abc~DEFGH");  // characters the radio lacks become spaces; six at most
  EXPECT_EQ(vx2.tag(8), "    DE");
  EXPECT_EQ(Bytes(vx2, Record(8) + 12, 1)[0], 0);  // the byte after the tag
}

TEST(VX2Banks, WordsAndBanksUsed) {
  clsVX2R vx2;
  vx2.SetBankMem(0, 0, 1);
  EXPECT_EQ(Bytes(vx2, 1474, 2), (std::vector<std::uint8_t>{0x00, 0x00}));
  EXPECT_EQ(vx2.GetBankMem(0, 0), 1);
  vx2.SetBankMem(19, 99, 1000);
  EXPECT_EQ(Bytes(vx2, 1474 + 200 * 19 + 198, 2), (std::vector<std::uint8_t>{0x03, 0xE7}));
  EXPECT_EQ(vx2.GetBankMem(19, 99), 1000);
  vx2.SetBankMem(3, 4, 0);
  EXPECT_EQ(vx2.GetBankMem(3, 4), 65536);
  vx2.SetBankNumberMems(0, 0);
  EXPECT_EQ(Bytes(vx2, 362, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
  vx2.SetBankNumberMems(19, 100);
  EXPECT_EQ(Bytes(vx2, 362 + 38, 2), (std::vector<std::uint8_t>{0x00, 0x63}));

  vx2.SetBanksUsed(false);
  EXPECT_EQ(vx2.HByt(90), "255");
  EXPECT_EQ(vx2.HByt(218), "255");
  EXPECT_EQ(vx2.HByt(145), "255");
  EXPECT_EQ(vx2.HByt(273), "255");
  vx2.SetBanksUsed(true);
  EXPECT_EQ(vx2.HByt(90), "0");
  EXPECT_EQ(vx2.HByt(145), "0");
  EXPECT_EQ(vx2.HByt(273), "0");
}

TEST(VX2Image, ChangeSumAndRawBytes) {
  EXPECT_EQ(clsVX2R::CalcChecksum(std::vector<std::uint8_t>{}), 0);
  EXPECT_EQ(clsVX2R::CalcChecksum(std::vector<std::uint8_t>{200, 100, 77}), 44);

  clsVX2R vx2;
  EXPECT_FALSE(vx2.IsDataLoaded());
  EXPECT_FALSE(vx2.IsDataChanged());
  vx2.SetByte(32594, 9);  // the last byte is left out of the sum
  EXPECT_FALSE(vx2.IsDataChanged());
  vx2.SetByte(0, 1);
  EXPECT_TRUE(vx2.IsDataChanged());
  EXPECT_TRUE(vx2.IsDataLoaded());
  vx2.SetChecksum();
  EXPECT_FALSE(vx2.IsDataChanged());
  vx2.SetByte(10, 128);
  vx2.SetByte(11, 128);  // a change of 256 goes unnoticed
  EXPECT_FALSE(vx2.IsDataChanged());

  vx2.Sbyt(std::vector<std::uint8_t>{5, 6, 7});
  EXPECT_EQ(vx2.HByt(0), "5");
  EXPECT_EQ(vx2.HByt(2), "7");
  EXPECT_EQ(vx2.HByt(10), "128");
  EXPECT_TRUE(clsVX2R::IsEven(4));
  EXPECT_FALSE(clsVX2R::IsEven(5));
}

TEST(VX2Load, ExactShortEmptyMissingAndSave) {
  ScratchFile file(".vx2");
  std::vector<std::uint8_t> bytes(clsVX2R::kImageSize);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 13 + 5);
  file.Write(bytes);
  clsVX2R vx2;
  ASSERT_TRUE(vx2.OpenFile(file.path()).ok);
  EXPECT_EQ(All(vx2), bytes);
  EXPECT_FALSE(vx2.IsDataChanged());

  ScratchFile saved(".vx2");
  saved.Write(std::vector<std::uint8_t>(40000, 0xAB));  // a longer file is replaced whole
  vx2.SetByte(100, 1);
  EXPECT_TRUE(vx2.IsDataChanged());
  ASSERT_TRUE(vx2.SaveFile(saved.path()).ok);
  EXPECT_FALSE(vx2.IsDataChanged());
  bytes[100] = 1;
  const std::string written = saved.Read();
  EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()), bytes);
  EXPECT_FALSE(vx2.SaveFile(file.path() + ".nodir/x.vx2").ok);

  file.Write(std::vector<std::uint8_t>{1, 2, 3});
  ASSERT_TRUE(vx2.OpenFile(file.path()).ok);
  EXPECT_EQ(Bytes(vx2, 0, 4), (std::vector<std::uint8_t>{1, 2, 3, 0}));
  for (int n = 1; n <= 1000; ++n) ASSERT_FALSE(vx2.IsValidMemory(n)) << n;

  file.Write(std::vector<std::uint8_t>{});
  ASSERT_TRUE(vx2.OpenFile(file.path()).ok);
  EXPECT_FALSE(vx2.IsDataLoaded());

  vx2.SetByte(0, 65);
  const auto missing = vx2.OpenFile(file.path() + ".missing");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.error, "Error 53: File not found");
  EXPECT_EQ(vx2.HByt(0), "65");
  EXPECT_TRUE(vx2.IsDataChanged());  // the failed load recorded no new sum
}

TEST(VX2Sample, TheOneMemoryInUse) {
  clsVX2R vx2;
  ASSERT_TRUE(vx2.OpenFile(std::string(KESTRANE_SAMPLES_DIR) + "/peer-vx2.vx2").ok);
  EXPECT_TRUE(vx2.IsDataLoaded());
  EXPECT_FALSE(vx2.IsDataChanged());
  int inUse = 0;
  for (int n = 1; n <= 1000; ++n) inUse += vx2.IsValidMemory(n);
  EXPECT_EQ(inUse, 1);

  // Memory 1: 00 00 14 40 00 C0 FF FF FF FF FF FF 00 06 00 0C 00 0D, flags nibble 0011.
  EXPECT_TRUE(vx2.IsValidMemory(1));
  EXPECT_EQ(vx2.Freq(1), "144.000");
  EXPECT_EQ(vx2.Mode(1), "NFM");
  EXPECT_EQ(vx2.Step(1), "5 KHz");
  EXPECT_EQ(vx2.RPT(1), "SIMP");
  EXPECT_EQ(vx2.Shift(1), "0.600");
  EXPECT_EQ(vx2.SQLType(1), "OFF");
  EXPECT_EQ(vx2.Tone(1), "100.0");
  EXPECT_EQ(vx2.DCS(1), "023");
  EXPECT_EQ(vx2.TXPower(1), "HIGH");
  EXPECT_EQ(vx2.tag(1), "");
  EXPECT_EQ(vx2.Name(1), "FREQ");
  EXPECT_EQ(vx2.Skip(1), "OFF");
  EXPECT_EQ(vx2.IsMasked(1), "NO");
  EXPECT_EQ(vx2.Dev(1), "NORM");
  EXPECT_EQ(vx2.GetBankMem(0, 0), 65536);
}

TEST(VX2Sweep, RandomAndTruncatedImages) {
  ScratchFile file(".vx2");
  std::mt19937 random(2);
  for (int round = 0; round < 8; ++round) {
    const std::size_t size = round % 2 == 0 ? clsVX2R::kImageSize : random() % 40000;
    std::vector<std::uint8_t> bytes(size);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    file.Write(bytes);
    clsVX2R vx2;
    ASSERT_TRUE(vx2.OpenFile(file.path()).ok);
    for (int n = -1; n <= 1002; ++n) {
      if (!vx2.IsValidMemory(n)) continue;
      EXPECT_NE(vx2.Freq(n).find('.'), std::string::npos);
      EXPECT_NE(vx2.Mode(n), "");
      EXPECT_NE(vx2.Step(n), "");
      EXPECT_NE(vx2.RPT(n), "");
      EXPECT_NE(vx2.Shift(n).find('.'), std::string::npos);
      EXPECT_NE(vx2.Tone(n), "");
      EXPECT_LE(vx2.tag(n).size(), 6u);
      vx2.Skip(n);
      vx2.SQLType(n);
    }
  }
}

}  // namespace
