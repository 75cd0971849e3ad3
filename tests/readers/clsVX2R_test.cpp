#include "readers/clsVX2R.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FieldCheck.h"
#include "ScratchFile.h"
#include "support/Samples.h"

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

// Enumerated fields of the record, read and written through the field round trip.
// clang-format off
const RecordField<clsVX2R> kFields[] = {
    {0, 0x20, &clsVX2R::Dev, &clsVX2R::SetDev, -1, {}, {{0x20, "HALF"}}},
    {0, 0x10, &clsVX2R::ClkShift, &clsVX2R::SetClkShift, -1, {}, {{0x10, "ON"}}},
    {1, 0xC0, &clsVX2R::Mode, &clsVX2R::SetMode, -1, {"???"}, {{0x40, "AM"}, {0xC0, "???"}}},
    {1, 0x30, &clsVX2R::RPT, &clsVX2R::SetRPT, -1, {}, {{0x10, "-RPT"}, {0x30, "DUP"}}},
    {1, 0x0F, &clsVX2R::Step, &clsVX2R::SetStep, -1, {}, {{0x08, "9 KHz"}, {0x0C, "5 KHz"}}},
    {5, 0xC0, &clsVX2R::TXPower, &clsVX2R::SetTXPower, -1, {}, {{0x40, ""}, {0xC0, "HIGH"}}},
    {5, 0x07, &clsVX2R::SQLType, &clsVX2R::SetSQLType, -1, {}, {{0x04, "RV TN"}, {0x05, ""}}},
    {15, 0xFF, &clsVX2R::Tone, &clsVX2R::SetTone, 0, {}, {{49, "254.1"}, {50, "100.0"}}},
    {16, 0xFF, &clsVX2R::DCS, &clsVX2R::SetDCS, 0, {}, {{103, "754"}, {200, "023"}}},
};
// clang-format on

TEST(VX2Fields, EnumeratedFieldsRoundTripInTheirOwnBits) {
  ExpectRecordFields(kFields, 4, Record(4), [](clsVX2R& r, std::size_t at, std::uint8_t b) {
    r.SetByte(static_cast<long>(at), b);
  });
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
  vx2.SetName(8, "ALPHA");  // bit 7 of the tag's first byte
  EXPECT_EQ(vx2.Name(8), "ALPHA");
  EXPECT_EQ(vx2.tag(8), "A1-/");
  EXPECT_EQ(Bytes(vx2, Record(8) + 6, 1)[0], 0x8A);
  vx2.SetName(8, "alpha");  // any other text: FREQ
  EXPECT_EQ(Bytes(vx2, Record(8) + 6, 1)[0], 0x0A);

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
  EXPECT_EQ(vx2.HByt(0) + vx2.HByt(2) + vx2.HByt(10), "57128");
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
  KESTRANE_NEEDS_SAMPLE("peer-vx2.vx2");
  clsVX2R vx2;
  ASSERT_TRUE(vx2.OpenFile(samples::Path("peer-vx2.vx2")).ok);
  EXPECT_TRUE(vx2.IsDataLoaded());
  EXPECT_FALSE(vx2.IsDataChanged());
  int inUse = 0;
  for (int n = 1; n <= 1000; ++n) inUse += vx2.IsValidMemory(n);
  EXPECT_EQ(inUse, 1);

  // Memory 1: 00 00 14 40 00 C0 FF FF FF FF FF FF 00 06 00 0C 00 0D, flags nibble 0011.
  EXPECT_TRUE(vx2.IsValidMemory(1));
  const Getter fields[] = {&clsVX2R::Freq,     &clsVX2R::Mode,    &clsVX2R::Step, &clsVX2R::RPT,
                           &clsVX2R::Shift,    &clsVX2R::SQLType, &clsVX2R::Tone, &clsVX2R::DCS,
                           &clsVX2R::TXPower,  &clsVX2R::tag,     &clsVX2R::Name, &clsVX2R::Skip,
                           &clsVX2R::IsMasked, &clsVX2R::Dev};
  std::string texts;
  for (Getter get : fields) texts += (vx2.*get)(1) + "|";
  EXPECT_EQ(texts, "144.000|NFM|5 KHz|SIMP|0.600|OFF|100.0|023|HIGH||FREQ|OFF|NO|NORM|");
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
