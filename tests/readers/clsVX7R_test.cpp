#include "readers/clsVX7R.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "FieldCheck.h"
#include "ScratchFile.h"
#include "support/Samples.h"

using readers::clsVX7R;
using readers::MainWindowHost;

namespace {

using Bytes = std::vector<std::uint8_t>;
using R = clsVX7R;  // short, for the tables
using Getter = std::string (clsVX7R::*)(int) const;
using Setter = void (clsVX7R::*)(int, std::string_view);

struct FakeHost : MainWindowHost {
  std::vector<std::string> calls;
  std::map<std::pair<int, int>, std::string> cells;
  void initgrid() override { calls.push_back("initgrid"); }
  void SetGridVisible(bool shown) override { calls.push_back(shown ? "shown" : "hidden"); }
  std::string AppTitle() const override { return "IC-R2 Kestrane v1.0.0 (Beta)"; }
  void SetCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
  void SetRdfFilePath(const std::string& path) override { calls.push_back("rdf " + path); }
  void AddToMRU(const std::string& path) override { calls.push_back("mru " + path); }
  std::string GridCellText(int row, int col) const override {
    const auto it = cells.find({row, col});
    return it == cells.end() ? "" : it->second;
  }
};

std::size_t Record(int n) { return 4898 + 22 * static_cast<std::size_t>(n - 1); }
constexpr std::size_t kFlags1 = 4610;

// Writes bytes from index on through the public byte setter.
void Poke(clsVX7R& vx7, std::size_t index, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    vx7.Setvx7byt(static_cast<long>(index + i), clsVX7R::lHex(bytes[i]));
  }
}

Bytes Peek(const clsVX7R& vx7, std::size_t index, std::size_t count = 1) {
  const auto image = vx7.Image().subspan(index, count);
  return {image.begin(), image.end()};
}

TEST(VX7Addressing, FirstSecondAndLastMemory) {
  clsVX7R vx7;
  EXPECT_FALSE(vx7.GetMemIsDefined(1));
  EXPECT_EQ(vx7.GetMemFreq(1), "0.000");
  // Memory 1 is the low nibble of 4610, memory 2 the high nibble, memory 450 the high nibble
  // of 4834.
  Poke(vx7, kFlags1, {0x01});
  EXPECT_TRUE(vx7.GetMemIsDefined(1));
  EXPECT_FALSE(vx7.GetMemIsDefined(2));
  Poke(vx7, kFlags1, {0x10});
  EXPECT_FALSE(vx7.GetMemIsDefined(1));
  EXPECT_TRUE(vx7.GetMemIsDefined(2));
  vx7.SetMemIsDefined(450, true);
  EXPECT_EQ(vx7.HByt(4834), "10");
  vx7.SetMemIsDefined(449, true);
  EXPECT_EQ(vx7.GetMemByte(450), "11");

  // Records of 22 bytes from 4898; memory 450's last byte is 14797.
  Poke(vx7, Record(1) + 2, {0x14, 0x65, 0x20});
  Poke(vx7, Record(2) + 2, {0x43, 0x90, 0x00});
  EXPECT_EQ(vx7.GetMemFreq(1), "146.520");
  EXPECT_EQ(vx7.GetMemFreq(2), "439.000");
  vx7.SetMemoryBlock(450, std::string(44, 'A'));
  EXPECT_EQ(vx7.Getmemoryblock(450), std::string(44, 'A'));
  EXPECT_EQ(vx7.GetByteBlock("39CC", 3), "AAAA00");
  EXPECT_EQ(vx7.HByt(Record(450) - 1), "00");
}

TEST(VX7Addressing, OutOfRangeNumbersAreRefusedQuietly) {
  clsVX7R vx7;
  const Bytes before = Peek(vx7, 0, clsVX7R::kImageSize);
  const Getter getters[] = {
      &R::GetMemFreq,  &R::GetMemTag,      &R::GetMemStep, &R::GetMemMode,     &R::GetMemScanMode,
      &R::GetRptShift, &R::GetShift,       &R::GetSql,     &R::GetTsql,        &R::GetDCS,
      &R::GetIcon,     &R::GetMemIsMasked, &R::GetTXPwr,   &R::Getmemoryblock, &R::GetRawTag};
  // clang-format off
  const std::pair<Setter, const char*> setters[] = {
      {&R::SetMemFreq, "146520"}, {&R::SetShift, "000600"}, {&R::SetMemTag, "ABC"},
      {&R::SetMemStep, "10 KHz"}, {&R::SetMemMode, "AM"}, {&R::SetRptShift, "DUP"},
      {&R::SetMemScanMode, "Skip"}, {&R::SetSql, "TONE"}, {&R::SetTXPwr, "MAX"},
      {&R::SetHalfDev, "HALF"}, {&R::SetCPUShift, "ON"}, {&R::SetTsql, "100.0"},
      {&R::SetDCS, "754"}, {&R::SetRawTag, "0B0B0B0B0B0B0B0B"},
      {&R::SetChrSetByte, "11111111"}, {&R::SetMemoryBlock, ""}};
  // clang-format on
  for (int n : {0, -1, 451, 100000}) {
    for (Getter get : getters) EXPECT_EQ((vx7.*get)(n), "") << n;
    EXPECT_FALSE(vx7.GetMemIsDefined(n));
    for (auto [set, text] : setters) (vx7.*set)(n, text);
    vx7.SetIcon(n, 5);
    vx7.SetMemIsDefined(n, true);
    vx7.SetMemIsMasked(n, true);
    vx7.ClearMemBlock(n);
    vx7.SetPriority(n);
  }
  for (long index : {-1L, 16211L}) {
    EXPECT_EQ(vx7.HByt(index), "");
    vx7.Setvx7byt(index, "FF");
  }
  for (const char* address : {"3F53", "FFFF", "12G", "", "-1"}) {
    EXPECT_EQ(vx7.ReadOffsetBin(address), "") << address;
    EXPECT_EQ(vx7.GetBit(address, 0), 0);
    EXPECT_EQ(vx7.GetByteBlock(address, 1), "");
    vx7.WriteOffsetBin(address, "11111111");
    vx7.SetBit(address, 0, 1);
  }
  EXPECT_EQ(vx7.GetByteBlock("3F52", 2), "");  // would run past the end
  EXPECT_EQ(Peek(vx7, 0, clsVX7R::kImageSize), before);
}

TEST(VX7Bytes, RawAccessorsTakeOnlyWellFormedTexts) {
  clsVX7R vx7;
  vx7.Setvx7byt(100, "a5");
  EXPECT_EQ(vx7.ReadOffsetBin("64"), "10100101");
  EXPECT_EQ(vx7.GetBit("0064", 0), 1);
  vx7.SetBit("64", 1, "1");
  vx7.SetBit("64", 7, 0);
  EXPECT_EQ(vx7.HByt(100), "27");
  vx7.SetBit("64", 6, "x");
  for (const char* bad : {"100", "G", ""}) vx7.SetByt(100, bad);
  for (const char* bad : {"1111111", "1111111x"}) vx7.WriteOffsetBin("64", bad);
  EXPECT_EQ(vx7.HByt(100), "27");
  vx7.WriteOffsetBin("64", "00001111");
  EXPECT_EQ(vx7.HByt(100), "0F");

  vx7.SetMemoryBlock(3, std::string(42, '1'));
  vx7.SetMemoryBlock(3, std::string(43, '1') + "G");
  vx7.SetRawTag(3, "0B0C0A0A0A0A0A");
  EXPECT_EQ(vx7.Getmemoryblock(3), std::string(44, '0'));
  vx7.SetRawTag(3, "0B0C0A0A0A0A0A0A");
  EXPECT_EQ(vx7.GetMemTag(3), "AB");
  vx7.ClearMemBlock(3);
  EXPECT_EQ(vx7.Getmemoryblock(3), std::string(44, 'F'));
}

TEST(VX7Fields, FrequencyAndOffsetTexts) {
  const std::pair<Bytes, const char*> reads[] = {
      {{0x14, 0x65, 0x20}, "146.520"}, {{0x05, 0x00, 0x00}, "50.000"},
      {{0x04, 0x46, 0x00}, "44.600"},  {{0x00, 0x00, 0x00}, "0.000"},
      {{0xFF, 0xFF, 0xFF}, "0.FFF"},   {{0x1A, 0x23, 0x45}, "1.345"},
      {{0x0A, 0x00, 0x00}, "0.000"},   {{0x12, 0x34, 0x5F}, "123.45F"}};
  for (const auto& [bytes, text] : reads) {
    clsVX7R vx7;
    Poke(vx7, Record(7) + 2, bytes);
    Poke(vx7, Record(7) + 15, bytes);
    EXPECT_EQ(vx7.GetMemFreq(7), text);
    EXPECT_EQ(vx7.GetShift(7), text);
  }
  clsVX7R vx7;
  vx7.SetMemFreq(7, "146520");
  vx7.SetShift(7, "000600");
  EXPECT_EQ(Peek(vx7, Record(7) + 2, 3), (Bytes{0x14, 0x65, 0x20}));
  for (const char* bad : {"", "14652", "1465200", "146.52", "14652G"}) {
    vx7.SetMemFreq(7, bad);
    vx7.SetShift(7, bad);
  }
  EXPECT_EQ(vx7.GetMemFreq(7), "146.520");
  EXPECT_EQ(vx7.GetShift(7), "0.600");
}

TEST(VX7Tags, CharacterCodesBothWays) {
  const std::pair<const char*, const char*> codes[] = {
      {"00", "0"}, {"0A", " "}, {"0B", "A"},    {"24", "Z"},    {"25", "a"}, {"3E", "z"},
      {"3F", "."}, {"5D", "}"}, {"56", "\xA9"}, {"5E", "\xA9"}, {"0b", "A"}, {"G1", "\xA9"}};
  for (auto [code, character] : codes) EXPECT_EQ(clsVX7R::DecodeChar(code), character) << code;
  // Every code with a character encodes back to itself; the space is 0x0A.
  for (std::uint32_t code = 0; code < 256; ++code) {
    const std::string character = clsVX7R::DecodeChar(clsVX7R::lHex(code));
    if (character == "\xA9") continue;
    EXPECT_EQ(clsVX7R::EncodeChar(character), clsVX7R::lHex(code));
  }
  for (const char* other : {"~", "\xA9", "", "`", "\t"}) {
    EXPECT_EQ(clsVX7R::EncodeChar(other), "0A") << other;
  }
}

TEST(VX7Tags, MemoryTagBothWays) {
  clsVX7R vx7;
  Poke(vx7, Record(5) + 6, {0x0B, 0x0C, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A});
  EXPECT_EQ(vx7.GetMemTag(5), "AB");
  vx7.SetChrSetByte(5, "00000010");
  EXPECT_EQ(vx7.GetMemTag(5), "A\xA9");
  Poke(vx7, Record(5) + 6, {0x0A, 0x0B, 0x0A, 0x56, 0x0A, 0x0A, 0x0A, 0x0A});
  vx7.SetChrSetByte(5, "00000000");
  EXPECT_EQ(vx7.GetMemTag(5), " A \xA9");  // leading and inner spaces stay

  vx7.SetChrSetByte(5, "11111111");
  vx7.SetMemTag(5, "ab.c");
  EXPECT_EQ(Peek(vx7, Record(5) + 6, 8), (Bytes{0x25, 0x26, 0x3F, 0x27, 0x0A, 0x0A, 0x0A, 0x0A}));
  EXPECT_EQ(vx7.GetChrSetByte(5), "00000000");
  vx7.SetMemTag(5, "ABCDEFGHIJ");
  EXPECT_EQ(vx7.GetMemTag(5), "ABCDEFGH");
  EXPECT_EQ(Peek(vx7, Record(5) + 14), Bytes{0});  // the byte after the tag
}

// Enumerated fields of the record, read and written through the field round trip.
// clang-format off
const RecordField<clsVX7R> kFields[] = {
    {0, 0x20, &R::GetHalfDev, &R::SetHalfDev, -1, {}, {{0x20, "HALF"}, {0xDF, "NORM"}}},
    {0, 0x10, &R::GetCPUShift, &R::SetCPUShift, 0, {}, {{0x10, "ON"}}},
    {1, 0x30, &R::GetRptShift, &R::SetRptShift, -1, {}, {{0x10, "-RPT"}, {0x3F, "DUP"}}},
    {1, 0x0F, &R::GetMemStep, &R::SetMemStep, -1, {},
     {{0x08, "9 KHz"}, {0x09, ""}, {0xF2, "12.5 KHz"}}},
    {5, 0xFC, &R::GetIcon, &R::SetIcon, -1, {}, {{0x00, "1"}, {0xFF, "64"}}},
    {5, 0x03, &R::GetMemMode, &R::SetMemMode, 0, {"???"},
     {{0x02, "WFM"}, {0xFC, "NFM"}, {0x03, "???"}}},
    {18, 0xFF, &R::GetTsql, &R::SetTsql, 0, {}, {{49, "254.1"}, {50, "100.0"}}},
    {19, 0xFF, &R::GetDCS, &R::SetDCS, 0, {}, {{103, "754"}, {104, "023"}}},
    {20, 0xFF, &R::GetSql, &R::SetSql, -1, {}, {{6, "DC TONE"}, {7, ""}}},
};
// clang-format on

TEST(VX7Fields, EnumeratedFieldsRoundTripInTheirOwnBits) {
  ExpectRecordFields(kFields, 11, Record(11),
                     [](clsVX7R& r, std::size_t at, std::uint8_t b) { Poke(r, at, {b}); });

  // Power reads LOW or HIGH by bit 7 but is written as one of four levels.
  const std::tuple<std::uint8_t, const char*, std::uint8_t> power[] = {
      {0x3F, "L2", 0x7F}, {0x3F, "MAX", 0xFF}, {0xFF, "L1", 0x3F}, {0x3F, "HIGH", 0x3F}};
  for (auto [before, text, after] : power) {
    clsVX7R vx7;
    Poke(vx7, Record(11) + 1, {before});
    vx7.SetTXPwr(11, text);
    EXPECT_EQ(Peek(vx7, Record(11) + 1), Bytes{after}) << text;
  }
  const std::pair<std::uint8_t, const char*> levels[] = {{0x40, "LOW"}, {0x80, "HIGH"}};
  for (auto [byte, text] : levels) {
    clsVX7R vx7;
    Poke(vx7, Record(11) + 1, {byte});
    EXPECT_EQ(vx7.GetTXPwr(11), text);
  }
  clsVX7R vx7;
  Poke(vx7, Record(11) + 5, {0x02});
  vx7.SetIcon(11, "N/A");  // the icon of "no icon"
  EXPECT_EQ(Peek(vx7, Record(11) + 5), Bytes{0x32});
}

TEST(VX7Flags, ScanModeMaskAndPriority) {
  // nibble, scan mode, masked
  const std::tuple<std::uint8_t, const char*, const char*> rows[] = {
      {0x0, "OFF", "YES"},  {0x2, "OFF", "NO"},  {0x4, "SKIP", "YES"},
      {0x8, "ONLY", "YES"}, {0xC, "OFF", "YES"}, {0xE, "OFF", "NO"}};
  for (auto [nibble, scan, masked] : rows) {
    clsVX7R vx7;
    Poke(vx7, kFlags1 + 1, {nibble});                                  // memory 3
    Poke(vx7, kFlags1 + 2, {static_cast<std::uint8_t>(nibble << 4)});  // memory 6
    for (int n : {3, 6}) {
      EXPECT_EQ(vx7.GetMemScanMode(n), scan);
      EXPECT_EQ(vx7.GetMemIsMasked(n), masked);
    }
  }
  clsVX7R vx7;
  Poke(vx7, kFlags1 + 1, {0xF0});  // memory 4 all set, memory 3 clear
  const std::pair<const char*, const char*> scans[] = {
      {"Skip", "F4"}, {"Pref", "F8"}, {"SKIP", "F0"}};  // the getter's words set neither bit
  for (auto [mode, byte] : scans) {
    vx7.SetMemScanMode(3, mode);
    EXPECT_EQ(vx7.HByt(kFlags1 + 1), byte) << mode;
  }
  vx7.SetMemIsMasked(4, true);
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "D0");
  vx7.SetMemIsMasked(4, "maybe");
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "D0");
  vx7.SetMemIsMasked(4, "N/A");
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "F0");
  vx7.ClearMemBlock(4);
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "00");

  vx7.SetPriority(300);
  EXPECT_EQ(vx7.GetByteBlock("05C4", 2) + vx7.GetByteBlock("0644", 2), "012B012B");
  EXPECT_EQ(vx7.GetPriority(), 300);
  vx7.SetPriority(1);
  EXPECT_EQ(vx7.GetByteBlock("05C4", 2) + vx7.GetByteBlock("0644", 2), "00000000");
  EXPECT_EQ(vx7.GetPriority(), 1);
}

TEST(VX7GridFillers, FromGridRows) {
  const std::pair<const char*, std::uint8_t> bands[] = {
      {"58999", 0x00},  {"59000", 0x05},  {"136999", 0x05}, {"137000", 0x00}, {"174000", 0x05},
      {"222000", 0x00}, {"224999", 0x00}, {"225000", 0x05}, {"FM", 0x00}};
  for (auto [cell, flags] : bands) {
    clsVX7R vx7;
    FakeHost host;
    host.cells[{12, 2}] = cell;
    Poke(vx7, Record(12), Bytes(22, 0x77));
    vx7.SetOther(12, host);
    EXPECT_EQ(Peek(vx7, Record(12), 22),
              (Bytes{flags, 0xC0, 0x77, 0x77, 0x77, 0x30, 0x77, 0x77, 0x77, 0x77, 0x77,
                     0x77,  0x77, 0x77, 0x00, 0x55, 0x55, 0x55, 0x0C, 0x00, 0x00, 0x00}))
        << cell;
  }
  // step text, byte from SetSplinterRX, byte from SetSplinterRXB
  const std::tuple<const char*, std::uint8_t, std::uint8_t> steps[] = {{"5 KHz", 0x00, 0x40},
                                                                       {"9 KHz", 0x00, 0x40},
                                                                       {"12.5 KHz", 0x05, 0x45},
                                                                       {"100 KHz", 0x05, 0x45},
                                                                       {"SIMP", 0x77, 0x77}};
  for (auto [cell, rx, rxb] : steps) {
    clsVX7R vx7;
    FakeHost host;
    host.cells[{12, 5}] = cell;
    Poke(vx7, Record(12), {0x77});
    vx7.SetSplinterRX(12, host);
    EXPECT_EQ(Peek(vx7, Record(12)), Bytes{rx}) << cell;
    Poke(vx7, Record(12), {0x77});
    vx7.SetSplinterRXB(12, host);
    EXPECT_EQ(Peek(vx7, Record(12)), Bytes{rxb}) << cell;
  }
}

TEST(VX7Load, PlainImageExactShortEmptyMissing) {
  ScratchFile file(".vx7");
  Bytes bytes(clsVX7R::kImageSize);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
  file.Write(bytes);
  clsVX7R vx7;
  EXPECT_TRUE(vx7.OpenVX7(file.path()).ok);
  EXPECT_EQ(Peek(vx7, 0, clsVX7R::kImageSize), bytes);

  // A short file loads what it has; the rest reads 0, so nothing spurious is defined.
  file.Write(Bytes{0x11, 0x22, 0x33});
  EXPECT_TRUE(vx7.OpenVX7(file.path()).ok);
  EXPECT_EQ(vx7.GetByteBlock("0", 4), "11223300");
  for (int n = 1; n <= 450; ++n) ASSERT_FALSE(vx7.GetMemIsDefined(n)) << n;
  file.Write(Bytes{});
  EXPECT_TRUE(vx7.OpenVX7(file.path()).ok);
  EXPECT_EQ(vx7.HByt(0), "00");

  vx7.Setvx7byt(0, "42");
  EXPECT_EQ(vx7.OpenVX7(file.path() + ".missing").error, "Error 53: File not found");
  EXPECT_EQ(vx7.HByt(0), "42");  // a failed load keeps the image
}

TEST(VX7Load, RdfFile) {
  ScratchFile file(".rdf");
  Bytes bytes(424 + clsVX7R::kImageSize, 0x33);
  bytes[424] = 0x0A;
  bytes[424 + 14797] = 0x99;  // memory 450's last byte: the whole image is taken
  file.Write(bytes);
  clsVX7R vx7;
  FakeHost host;
  EXPECT_TRUE(vx7.OpenVX7RDF(file.path(), host).ok);
  const std::vector<std::string> reset{"hidden", "initgrid",
                                       "caption IC-R2 Kestrane v1.0.0 (Beta) - " + file.path(),
                                       "rdf " + file.path(), "mru " + file.path()};
  EXPECT_EQ(host.calls, reset);
  EXPECT_EQ(vx7.GetByteBlock("0", 2) + vx7.HByt(14797) + vx7.HByt(16208), "0A3399C9");

  // Not a VX-7R image: the grid was reset all the same and the bytes stay as read.
  bytes[424] = 0x0B;
  file.Write(bytes);
  clsVX7R other;
  FakeHost otherHost;
  EXPECT_EQ(other.OpenVX7RDF(file.path(), otherHost).error,
            "Error: Cannot open file. May not be a VX2 RDF file.");
  EXPECT_EQ(otherHost.calls.size(), reset.size());
  EXPECT_EQ(other.HByt(0) + other.HByt(16208), "0B33");

  file.Write(Bytes(424, 0x0A));  // a header and nothing after it
  clsVX7R empty;
  FakeHost emptyHost;
  EXPECT_FALSE(empty.OpenVX7RDF(file.path(), emptyHost).ok);

  clsVX7R missing;
  FakeHost missingHost;
  EXPECT_EQ(missing.OpenVX7RDF(file.path() + ".missing", missingHost).error,
            "Error 53: File not found");
  EXPECT_EQ(missingHost.calls.back(), "shown");
}

TEST(VX7Sample, MemoriesDecodedByHand) {
  KESTRANE_NEEDS_SAMPLE("peer-vx7.vx7");
  clsVX7R vx7;
  ASSERT_TRUE(vx7.OpenVX7(samples::Path("peer-vx7.vx7")).ok);
  int defined = 0;
  for (int n = 1; n <= 450; ++n) defined += vx7.GetMemIsDefined(n);
  EXPECT_EQ(defined, 118);
  EXPECT_FALSE(vx7.GetMemIsDefined(24));

  // memory, the nine fields the import reads, then power
  // 1:   00 C0 14 40 00 30 0A.. 00 00 06 00 0C 00 00 00
  // 25:  05 20 44 30 00 30 12 4E 1E 0B 0D 01 0A 0A 00 00 50 00 08 00 03 00
  // 236: 05 00 46 79 25 30 0C 16 1F 0A 1D 1E 0B 1C 00 00 06 00 08 00 00 00
  const std::vector<std::vector<std::string>> rows = {
      {"1", "144.000", "NFM", "OFF", "5 KHz", "SIMP", "0.600", "OFF", "100.0", "", "HIGH"},
      {"25", "443.000", "NFM", "OFF", "5 KHz", "+RPT", "5.000", "DCS", "88.5", "H-TAC1", "LOW"},
      {"236", "467.925", "NFM", "OFF", "5 KHz", "SIMP", "0.600", "OFF", "88.5", "BLU STAR", "LOW"}};
  for (const auto& row : rows) {
    const int n = std::stoi(row[0]);
    EXPECT_TRUE(vx7.GetMemIsDefined(n));
    EXPECT_EQ((std::vector<std::string>{row[0], vx7.GetMemFreq(n), vx7.GetMemMode(n),
                                        vx7.GetMemScanMode(n), vx7.GetMemStep(n),
                                        vx7.GetRptShift(n), vx7.GetShift(n), vx7.GetSql(n),
                                        vx7.GetTsql(n), vx7.GetMemTag(n), vx7.GetTXPwr(n)}),
              row);
  }
}

TEST(VX7Sweep, RandomAndTruncatedImages) {
  ScratchFile file(".vx7");
  std::mt19937 random(7);
  for (int round = 0; round < 12; ++round) {
    Bytes bytes(round % 3 == 0 ? clsVX7R::kImageSize : random() % 20000);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    file.Write(bytes);
    clsVX7R vx7;
    FakeHost host;
    if (round % 2) {
      ASSERT_TRUE(vx7.OpenVX7(file.path()).ok);
    } else {
      vx7.OpenVX7RDF(file.path(), host);  // random bytes may fail the check; read them anyway
    }
    for (int n = -1; n <= 452; ++n) {
      if (!vx7.GetMemIsDefined(n)) continue;
      EXPECT_NE(vx7.GetMemFreq(n).find('.'), std::string::npos);
      EXPECT_NE(
          std::find(clsVX7R::VXModeList.begin(), clsVX7R::VXModeList.end(), vx7.GetMemMode(n)),
          clsVX7R::VXModeList.end());
      EXPECT_NE(vx7.GetMemScanMode(n), "");
      EXPECT_NE(vx7.GetShift(n).find('.'), std::string::npos);
      EXPECT_NE(vx7.GetTsql(n), "");
      EXPECT_LE(vx7.GetMemTag(n).size(), 8u);
      vx7.GetMemStep(n);
      vx7.GetRptShift(n);
      vx7.GetSql(n);
    }
  }
}

}  // namespace
