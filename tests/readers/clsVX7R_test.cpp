#include "readers/clsVX7R.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "ScratchFile.h"

using readers::clsVX7R;
using readers::MainWindowHost;

namespace {

constexpr std::size_t kRecord1 = 4898;
constexpr std::size_t kFlags1 = 4610;

std::string SamplePath(const char* name) { return std::string(KESTRANE_SAMPLES_DIR) + "/" + name; }

struct FakeHost : MainWindowHost {
  std::vector<std::string> calls;
  std::map<std::pair<int, int>, std::string> cells;
  void initgrid() override { calls.push_back("initgrid"); }
  void SetGridVisible(bool visible) override {
    calls.push_back(visible ? "grid shown" : "grid hidden");
  }
  std::string AppTitle() const override { return "IC-R2 Kestrane v1.0.0 (Beta)"; }
  void SetCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
  void SetRdfFilePath(const std::string& path) override { calls.push_back("rdf " + path); }
  void AddToMRU(const std::string& path) override { calls.push_back("mru " + path); }
  std::string GridCellText(int row, int col) const override {
    const auto it = cells.find({row, col});
    return it == cells.end() ? "" : it->second;
  }
};

// Writes bytes from index on through the public byte setter.
void Poke(clsVX7R& vx7, std::size_t index, const std::vector<std::uint8_t>& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    vx7.Setvx7byt(static_cast<long>(index + i), clsVX7R::lHex(bytes[i]));
  }
}

std::vector<std::uint8_t> Bytes(const clsVX7R& vx7, std::size_t index, std::size_t count) {
  const auto image = vx7.Image();
  return {image.begin() + static_cast<long>(index),
          image.begin() + static_cast<long>(index + count)};
}

std::size_t Record(int n) { return kRecord1 + 22 * static_cast<std::size_t>(n - 1); }

TEST(VX7Addressing, FirstSecondAndLastMemory) {
  clsVX7R vx7;
  EXPECT_FALSE(vx7.GetMemIsDefined(1));
  EXPECT_EQ(vx7.GetMemFreq(1), "0.000");

  // Flags: memory 1 the low nibble of 4610, memory 2 the high nibble, memory 450 the high
  // nibble of 4834.
  Poke(vx7, kFlags1, {0x01});
  EXPECT_TRUE(vx7.GetMemIsDefined(1));
  EXPECT_FALSE(vx7.GetMemIsDefined(2));
  Poke(vx7, kFlags1, {0x10});
  EXPECT_FALSE(vx7.GetMemIsDefined(1));
  EXPECT_TRUE(vx7.GetMemIsDefined(2));
  vx7.SetMemIsDefined(450, true);
  EXPECT_EQ(vx7.HByt(4834), "10");
  EXPECT_FALSE(vx7.GetMemIsDefined(449));
  vx7.SetMemIsDefined(449, true);
  EXPECT_EQ(vx7.GetMemByte(450), "11");

  // Records: 22 bytes from 4898; memory 450's last byte is 14797.
  Poke(vx7, Record(1) + 2, {0x14, 0x65, 0x20});
  Poke(vx7, Record(2) + 2, {0x43, 0x90, 0x00});
  EXPECT_EQ(vx7.GetMemFreq(1), "146.520");
  EXPECT_EQ(vx7.GetMemFreq(2), "439.000");
  const std::string block(44, 'A');
  vx7.SetMemoryBlock(450, block);
  EXPECT_EQ(vx7.HByt(14797), "AA");
  EXPECT_EQ(vx7.HByt(14798), "00");
  EXPECT_EQ(vx7.HByt(Record(450) - 1), "00");
  EXPECT_EQ(vx7.Getmemoryblock(450), block);
  EXPECT_EQ(vx7.GetByteBlock("39CD", 2), "AA00");
}

TEST(VX7Addressing, OutOfRangeNumbersAreRefusedQuietly) {
  clsVX7R vx7;
  const auto before = Bytes(vx7, 0, clsVX7R::kImageSize);
  for (int n : {0, -1, 451, 100000}) {
    EXPECT_EQ(vx7.GetMemFreq(n), "") << n;
    EXPECT_EQ(vx7.GetMemTag(n), "");
    EXPECT_EQ(vx7.GetMemStep(n), "");
    EXPECT_EQ(vx7.GetMemMode(n), "");
    EXPECT_EQ(vx7.GetMemScanMode(n), "");
    EXPECT_EQ(vx7.GetRptShift(n), "");
    EXPECT_EQ(vx7.GetShift(n), "");
    EXPECT_EQ(vx7.GetSql(n), "");
    EXPECT_EQ(vx7.GetTsql(n), "");
    EXPECT_EQ(vx7.GetDCS(n), "");
    EXPECT_EQ(vx7.GetIcon(n), "");
    EXPECT_EQ(vx7.GetMemIsMasked(n), "");
    EXPECT_EQ(vx7.Getmemoryblock(n), "");
    EXPECT_FALSE(vx7.GetMemIsDefined(n));
    vx7.SetMemFreq(n, "146520");
    vx7.SetShift(n, "000600");
    vx7.SetMemTag(n, "ABC");
    vx7.SetMemStep(n, "10 KHz");
    vx7.SetMemMode(n, "AM");
    vx7.SetIcon(n, 5);
    vx7.SetMemIsDefined(n, true);
    vx7.SetMemIsMasked(n, true);
    vx7.SetMemScanMode(n, "Skip");
    vx7.SetRptShift(n, "DUP");
    vx7.SetSql(n, "TONE");
    vx7.SetTXPwr(n, "MAX");
    vx7.SetHalfDev(n, "HALF");
    vx7.SetCPUShift(n, "ON");
    vx7.SetTsql(n, "100.0");
    vx7.SetDCS(n, "754");
    vx7.SetRawTag(n, "0B0B0B0B0B0B0B0B");
    vx7.SetChrSetByte(n, "11111111");
    vx7.SetMemoryBlock(n, std::string(44, 'F'));
    vx7.ClearMemBlock(n);
    vx7.SetPriority(n);
  }
  for (long index : {-1L, 16211L, 20000L}) {
    EXPECT_EQ(vx7.HByt(index), "");
    vx7.Setvx7byt(index, "FF");
    vx7.SetByt(index, "FF");
  }
  for (const char* address : {"3F53", "FFFF", "12G", "", "-1"}) {
    EXPECT_EQ(vx7.ReadOffsetBin(address), "") << address;
    EXPECT_EQ(vx7.GetBit(address, 0), 0);
    EXPECT_EQ(vx7.GetByteBlock(address, 1), "");
    vx7.WriteOffsetBin(address, "11111111");
    vx7.SetBit(address, 0, 1);
  }
  EXPECT_EQ(vx7.GetByteBlock("3F52", 2), "");  // would run past the end
  EXPECT_EQ(Bytes(vx7, 0, clsVX7R::kImageSize), before);
}

TEST(VX7Bytes, RawAccessorsAndStrictTexts) {
  clsVX7R vx7;
  vx7.Setvx7byt(100, "a5");
  EXPECT_EQ(vx7.HByt(100), "A5");
  EXPECT_EQ(vx7.ReadOffsetBin("64"), "10100101");
  EXPECT_EQ(vx7.GetBit("64", 0), 1);
  EXPECT_EQ(vx7.GetBit("0064", 1), 0);
  vx7.SetBit("64", 1, "1");
  vx7.SetBit("64", 7, 0);
  EXPECT_EQ(vx7.HByt(100), "27");
  vx7.SetBit("64", 7, "x");  // neither "0" nor "1"
  vx7.Setvx7byt(100, "100");
  vx7.Setvx7byt(100, "G");
  vx7.Setvx7byt(100, "");
  vx7.WriteOffsetBin("64", "1111111");
  vx7.WriteOffsetBin("64", "1111111x");
  EXPECT_EQ(vx7.HByt(100), "27");
  vx7.WriteOffsetBin("64", "00001111");
  EXPECT_EQ(vx7.HByt(100), "0F");

  vx7.SetMemoryBlock(3, std::string(42, '1'));  // too short
  vx7.SetMemoryBlock(3, std::string(43, '1') + "G");
  EXPECT_EQ(vx7.Getmemoryblock(3), std::string(44, '0'));
  vx7.SetRawTag(3, "0B0C0A0A0A0A0A0A");
  EXPECT_EQ(vx7.GetRawTag(3), "0B0C0A0A0A0A0A0A");
  EXPECT_EQ(vx7.GetMemTag(3), "AB");
  vx7.SetChrSetByte(3, "00000010");
  EXPECT_EQ(vx7.GetChrSetByte(3), "00000010");
  vx7.ClearMemBlock(3);
  EXPECT_EQ(vx7.Getmemoryblock(3), std::string(44, 'F'));
}

TEST(VX7Fields, FrequencyAndOffsetTexts) {
  struct Row {
    std::vector<std::uint8_t> bytes;
    const char* text;
  };
  const Row rows[] = {
      {{0x14, 0x65, 0x20}, "146.520"}, {{0x05, 0x00, 0x00}, "50.000"},
      {{0x04, 0x46, 0x00}, "44.600"},  {{0x00, 0x00, 0x00}, "0.000"},
      {{0xFF, 0xFF, 0xFF}, "0.FFF"},   {{0x1A, 0x23, 0x45}, "1.345"},
      {{0x0A, 0x00, 0x00}, "0.000"},   {{0x12, 0x34, 0x5F}, "123.45F"},
      {{0x00, 0x10, 0x00}, "1.000"},   {{0x12, 0x00, 0x00}, "120.000"},
  };
  for (const auto& row : rows) {
    clsVX7R vx7;
    Poke(vx7, Record(7) + 2, row.bytes);
    Poke(vx7, Record(7) + 15, row.bytes);
    EXPECT_EQ(vx7.GetMemFreq(7), row.text);
    EXPECT_EQ(vx7.GetShift(7), row.text);
  }

  clsVX7R vx7;
  vx7.SetMemFreq(7, "146520");
  vx7.SetShift(7, "000600");
  EXPECT_EQ(Bytes(vx7, Record(7) + 2, 3), (std::vector<std::uint8_t>{0x14, 0x65, 0x20}));
  EXPECT_EQ(vx7.GetShift(7), "0.600");
  for (const char* bad : {"", "14652", "1465200", "146.52", "14652G"}) {
    vx7.SetMemFreq(7, bad);
    vx7.SetShift(7, bad);
  }
  EXPECT_EQ(vx7.GetMemFreq(7), "146.520");
  EXPECT_EQ(vx7.GetShift(7), "0.600");
}

TEST(VX7Tags, DecodeAndEncodeCharacters) {
  struct Row {
    const char* code;
    const char* character;
  };
  const Row rows[] = {
      {"00", "0"},    {"09", "9"},    {"0A", " "},    {"0B", "A"},    {"24", "Z"},  {"25", "a"},
      {"3E", "z"},    {"3F", "."},    {"40", ","},    {"44", "\""},   {"4E", "-"},  {"4F", "/"},
      {"50", "="},    {"55", "["},    {"56", "\xA9"}, {"57", "]"},    {"5A", "\\"}, {"5D", "}"},
      {"5E", "\xA9"}, {"FF", "\xA9"}, {"0b", "A"},    {"G1", "\xA9"}, {"", "\xA9"}, {"100", "\xA9"},
  };
  for (const auto& row : rows) EXPECT_EQ(clsVX7R::DecodeChar(row.code), row.character) << row.code;

  // Every code with a character encodes back to itself, except that the space is 0x0A.
  for (unsigned code = 0; code < 256; ++code) {
    const std::string hex = clsVX7R::lHex(code);
    const std::string character = clsVX7R::DecodeChar(hex);
    if (character == "\xA9") continue;
    EXPECT_EQ(clsVX7R::EncodeChar(character), hex) << hex;
  }
  for (const char* other : {"~", "\xA9", "", " ", "`", "\t"}) {
    EXPECT_EQ(clsVX7R::EncodeChar(other), "0A") << other;
  }
  EXPECT_EQ(clsVX7R::EncodeChar("Abc"), "0B");
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
  Poke(vx7, Record(5) + 6, std::vector<std::uint8_t>(8, 0x0A));
  EXPECT_EQ(vx7.GetMemTag(5), "");

  vx7.SetChrSetByte(5, "11111111");
  vx7.SetMemTag(5, "ab.c");
  EXPECT_EQ(Bytes(vx7, Record(5) + 6, 8),
            (std::vector<std::uint8_t>{0x25, 0x26, 0x3F, 0x27, 0x0A, 0x0A, 0x0A, 0x0A}));
  EXPECT_EQ(vx7.GetChrSetByte(5), "00000000");
  EXPECT_EQ(vx7.GetMemTag(5), "ab.c");

  vx7.SetMemTag(5, "ABCDEFGHIJ");
  EXPECT_EQ(vx7.GetMemTag(5), "ABCDEFGH");
  EXPECT_EQ(vx7.HByt(static_cast<long>(Record(5) + 14)), "00");  // the byte after the tag
  vx7.SetMemTag(5, "x~y");
  EXPECT_EQ(vx7.GetMemTag(5), "x y");
}

TEST(VX7Fields, EnumeratedCodesIncludingOutOfRange) {
  struct Row {
    std::size_t offset;
    std::uint8_t byte;
    std::string (clsVX7R::*getter)(int) const;
    const char* text;
  };
  const Row rows[] = {
      {1, 0x00, &clsVX7R::GetMemStep, "5 KHz"},
      {1, 0x02, &clsVX7R::GetMemStep, "12.5 KHz"},
      {1, 0x07, &clsVX7R::GetMemStep, "100 KHz"},
      {1, 0x08, &clsVX7R::GetMemStep, "9 KHz"},
      {1, 0x09, &clsVX7R::GetMemStep, ""},
      {1, 0xFF, &clsVX7R::GetMemStep, ""},
      {1, 0xF0, &clsVX7R::GetMemStep, "5 KHz"},
      {1, 0x00, &clsVX7R::GetRptShift, "SIMP"},
      {1, 0x10, &clsVX7R::GetRptShift, "-RPT"},
      {1, 0x20, &clsVX7R::GetRptShift, "+RPT"},
      {1, 0x3F, &clsVX7R::GetRptShift, "DUP"},
      {1, 0x00, &clsVX7R::GetTXPwr, "LOW"},
      {1, 0x40, &clsVX7R::GetTXPwr, "LOW"},
      {1, 0x80, &clsVX7R::GetTXPwr, "HIGH"},
      {1, 0xC0, &clsVX7R::GetTXPwr, "HIGH"},
      {5, 0x00, &clsVX7R::GetMemMode, "NFM"},
      {5, 0x01, &clsVX7R::GetMemMode, "AM"},
      {5, 0x02, &clsVX7R::GetMemMode, "WFM"},
      {5, 0x03, &clsVX7R::GetMemMode, "???"},
      {5, 0xFC, &clsVX7R::GetMemMode, "NFM"},
      {5, 0x00, &clsVX7R::GetIcon, "1"},
      {5, 0x30, &clsVX7R::GetIcon, "13"},
      {5, 0xFF, &clsVX7R::GetIcon, "64"},
      {0, 0x20, &clsVX7R::GetHalfDev, "HALF"},
      {0, 0xDF, &clsVX7R::GetHalfDev, "NORM"},
      {0, 0x10, &clsVX7R::GetCPUShift, "ON"},
      {0, 0xEF, &clsVX7R::GetCPUShift, "OFF"},
      {18, 0, &clsVX7R::GetTsql, "67.0"},
      {18, 12, &clsVX7R::GetTsql, "100.0"},
      {18, 49, &clsVX7R::GetTsql, "254.1"},
      {18, 50, &clsVX7R::GetTsql, "100.0"},
      {18, 255, &clsVX7R::GetTsql, "100.0"},
      {19, 0, &clsVX7R::GetDCS, "023"},
      {19, 103, &clsVX7R::GetDCS, "754"},
      {19, 104, &clsVX7R::GetDCS, "023"},
      {19, 255, &clsVX7R::GetDCS, "023"},
      {20, 0, &clsVX7R::GetSql, "OFF"},
      {20, 2, &clsVX7R::GetSql, "TSQL"},
      {20, 4, &clsVX7R::GetSql, "D CODE"},
      {20, 6, &clsVX7R::GetSql, "DC TONE"},
      {20, 7, &clsVX7R::GetSql, ""},
      {20, 255, &clsVX7R::GetSql, ""},
  };
  for (const auto& row : rows) {
    clsVX7R vx7;
    Poke(vx7, Record(9) + row.offset, {row.byte});
    EXPECT_EQ((vx7.*row.getter)(9), row.text) << row.offset << " " << int{row.byte};
  }
}

TEST(VX7Fields, SettersKeepTheOtherBits) {
  struct Row {
    std::size_t offset;
    std::uint8_t before;
    void (clsVX7R::*setter)(int, std::string_view);
    const char* text;
    std::uint8_t after;
  };
  const Row rows[] = {
      {1, 0xF0, &clsVX7R::SetMemStep, "12.5 KHz", 0xF2},
      {1, 0xF2, &clsVX7R::SetMemStep, "9 KHz", 0xF8},
      {1, 0xF2, &clsVX7R::SetMemStep, "9 kHz", 0xF2},  // unknown: unchanged
      {1, 0xF2, &clsVX7R::SetMemStep, "", 0xF2},
      {5, 0xFF, &clsVX7R::SetMemMode, "NFM", 0xFC},
      {5, 0xFC, &clsVX7R::SetMemMode, "AM", 0xFD},
      {5, 0xFC, &clsVX7R::SetMemMode, "WFM", 0xFE},
      {5, 0xFF, &clsVX7R::SetMemMode, "???", 0xFC},  // any other text writes NFM
      {5, 0xFF, &clsVX7R::SetMemMode, "FM", 0xFC},
      {1, 0xCF, &clsVX7R::SetRptShift, "-RPT", 0xDF},
      {1, 0xCF, &clsVX7R::SetRptShift, "+RPT", 0xEF},
      {1, 0x00, &clsVX7R::SetRptShift, "DUP", 0x30},
      {1, 0x30, &clsVX7R::SetRptShift, "SIMP", 0x00},
      {1, 0x30, &clsVX7R::SetRptShift, "+DUP", 0x30},
      {1, 0x3F, &clsVX7R::SetTXPwr, "L1", 0x3F},
      {1, 0x3F, &clsVX7R::SetTXPwr, "L2", 0x7F},
      {1, 0x3F, &clsVX7R::SetTXPwr, "L3", 0xBF},
      {1, 0x3F, &clsVX7R::SetTXPwr, "MAX", 0xFF},
      {1, 0x3F, &clsVX7R::SetTXPwr, "HIGH", 0x3F},
      {0, 0x00, &clsVX7R::SetHalfDev, "HALF", 0x20},
      {0, 0xFF, &clsVX7R::SetHalfDev, "NORM", 0xDF},
      {0, 0x20, &clsVX7R::SetHalfDev, "half", 0x20},
      {0, 0x00, &clsVX7R::SetCPUShift, "ON", 0x10},
      {0, 0xFF, &clsVX7R::SetCPUShift, "OFF", 0xEF},
      {0, 0xFF, &clsVX7R::SetCPUShift, "on", 0xEF},  // any other text is OFF
      {5, 0x02, &clsVX7R::SetIcon, "64", 0xFE},
      {5, 0x02, &clsVX7R::SetIcon, "1", 0x02},
      {5, 0x02, &clsVX7R::SetIcon, "N/A", 0x32},
      {5, 0x02, &clsVX7R::SetIcon, "65", 0x02},
      {5, 0x02, &clsVX7R::SetIcon, "0", 0x02},
      {5, 0x02, &clsVX7R::SetIcon, "2.5", 0x02},
      {5, 0x02, &clsVX7R::SetIcon, "x", 0x02},
      {20, 9, &clsVX7R::SetSql, "DC TONE", 6},
      {20, 9, &clsVX7R::SetSql, "OFF", 0},
      {20, 9, &clsVX7R::SetSql, "T SQL", 9},
      {18, 9, &clsVX7R::SetTsql, "100.0", 12},
      {18, 9, &clsVX7R::SetTsql, "254.1", 49},
      {18, 9, &clsVX7R::SetTsql, "100", 0},
      {19, 9, &clsVX7R::SetDCS, "754", 103},
      {19, 9, &clsVX7R::SetDCS, "23", 0},
  };
  for (const auto& row : rows) {
    clsVX7R vx7;
    Poke(vx7, Record(11) + row.offset, {row.before});
    (vx7.*row.setter)(11, row.text);
    EXPECT_EQ(Bytes(vx7, Record(11) + row.offset, 1)[0], row.after) << row.text;
  }

  clsVX7R vx7;
  vx7.SetTsql(11, "nonsense");
  EXPECT_EQ(vx7.GetTsql(11), "67.0");
  vx7.SetIcon(11, 64);
  EXPECT_EQ(vx7.GetIcon(11), "64");
  vx7.SetIcon(11, 0);
  EXPECT_EQ(vx7.GetIcon(11), "64");
}

TEST(VX7Flags, ScanModeAndMask) {
  struct Row {
    std::uint8_t nibble;
    const char* scan;
    const char* masked;
  };
  const Row rows[] = {{0x0, "OFF", "YES"},  {0x2, "OFF", "NO"},  {0x4, "SKIP", "YES"},
                      {0x8, "ONLY", "YES"}, {0xC, "OFF", "YES"}, {0xE, "OFF", "NO"}};
  for (const auto& row : rows) {
    clsVX7R vx7;
    Poke(vx7, kFlags1 + 1, {row.nibble});                                  // memory 3, low nibble
    Poke(vx7, kFlags1 + 2, {static_cast<std::uint8_t>(row.nibble << 4)});  // memory 6
    EXPECT_EQ(vx7.GetMemScanMode(3), row.scan);
    EXPECT_EQ(vx7.GetMemScanMode(6), row.scan);
    EXPECT_EQ(vx7.GetMemIsMasked(3), row.masked);
    EXPECT_EQ(vx7.GetMemIsMasked(6), row.masked);
  }

  clsVX7R vx7;
  Poke(vx7, kFlags1 + 1, {0xF0});  // memory 4's nibble all set, memory 3's clear
  vx7.SetMemScanMode(3, "Skip");
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "F4");
  EXPECT_EQ(vx7.GetMemScanMode(3), "SKIP");
  vx7.SetMemScanMode(3, "Pref");
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "F8");
  vx7.SetMemScanMode(3, "SKIP");  // the getter's word is not a setter word
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "F0");
  vx7.SetMemIsMasked(4, true);
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "D0");
  vx7.SetMemIsMasked(4, "N/A");
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "F0");
  vx7.SetMemIsMasked(4, true);
  vx7.SetMemIsMasked(4, "maybe");
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "D0");
  vx7.SetMemIsDefined(4, false);
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "C0");

  Poke(vx7, kFlags1 + 1, {0xFF});
  Poke(vx7, Record(4), std::vector<std::uint8_t>(22, 0x12));
  vx7.ClearMemBlock(4);
  EXPECT_EQ(vx7.HByt(kFlags1 + 1), "0F");
  EXPECT_EQ(vx7.Getmemoryblock(4), std::string(44, 'F'));
  EXPECT_EQ(vx7.Getmemoryblock(5), std::string(44, '0'));
}

TEST(VX7Priority, BothCopies) {
  clsVX7R vx7;
  EXPECT_EQ(vx7.GetPriority(), 1);
  vx7.SetPriority(300);
  EXPECT_EQ(vx7.GetByteBlock("05C4", 2), "012B");
  EXPECT_EQ(vx7.GetByteBlock("0644", 2), "012B");
  EXPECT_EQ(vx7.GetPriority(), 300);
  vx7.SetPriority(1);
  EXPECT_EQ(vx7.GetByteBlock("05C4", 2), "0000");
  EXPECT_EQ(vx7.GetByteBlock("0644", 2), "0000");
  EXPECT_EQ(vx7.GetPriority(), 1);
  vx7.Setvx7byt(0x5C4, "FF");
  vx7.Setvx7byt(0x5C5, "FF");
  EXPECT_EQ(vx7.GetPriority(), 65536);
}

TEST(VX7GridFillers, FromGridRows) {
  struct Band {
    const char* cell;
    std::uint8_t flags;
  };
  const Band bands[] = {{"58999", 0x00},  {"59000", 0x05},  {"136999", 0x05}, {"137000", 0x00},
                        {"173999", 0x00}, {"174000", 0x05}, {"222000", 0x00}, {"224999", 0x00},
                        {"225000", 0x05}, {"FM", 0x00},     {"", 0x00}};
  for (const auto& band : bands) {
    clsVX7R vx7;
    FakeHost host;
    host.cells[{12, 2}] = band.cell;
    Poke(vx7, Record(12), std::vector<std::uint8_t>(22, 0x77));
    vx7.SetOther(12, host);
    EXPECT_EQ(vx7.Getmemoryblock(12),
              readers::HexText(std::vector<std::uint8_t>{
                  band.flags, 0xC0, 0x77, 0x77, 0x77, 0x30, 0x77, 0x77, 0x77, 0x77, 0x77,
                  0x77,       0x77, 0x77, 0x00, 0x55, 0x55, 0x55, 0x0C, 0x00, 0x00, 0x00}))
        << band.cell;
  }

  struct Step {
    const char* cell;
    std::uint8_t rx;
    std::uint8_t rxb;
  };
  const Step steps[] = {{"5 KHz", 0x00, 0x40},    {"9 KHz", 0x00, 0x40},   {"20 KHz", 0x00, 0x40},
                        {"12.5 KHz", 0x05, 0x45}, {"100 KHz", 0x05, 0x45}, {"SIMP", 0x77, 0x77},
                        {"", 0x77, 0x77}};
  for (const auto& step : steps) {
    clsVX7R vx7;
    FakeHost host;
    host.cells[{12, 5}] = step.cell;
    Poke(vx7, Record(12), {0x77});
    vx7.SetSplinterRX(12, host);
    EXPECT_EQ(vx7.HByt(static_cast<long>(Record(12))), clsVX7R::lHex(step.rx)) << step.cell;
    Poke(vx7, Record(12), {0x77});
    vx7.SetSplinterRXB(12, host);
    EXPECT_EQ(vx7.HByt(static_cast<long>(Record(12))), clsVX7R::lHex(step.rxb)) << step.cell;
  }
}

// ---- Loaders

TEST(VX7Load, PlainImageExactShortEmptyMissing) {
  ScratchFile file(".vx7");
  std::vector<std::uint8_t> bytes(clsVX7R::kImageSize);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
  file.Write(bytes);
  clsVX7R vx7;
  EXPECT_TRUE(vx7.OpenVX7(file.path()).ok);
  EXPECT_EQ(Bytes(vx7, 0, clsVX7R::kImageSize), bytes);

  // A short file loads what it has; the rest reads 0, so nothing spurious is defined.
  file.Write(std::vector<std::uint8_t>{0x11, 0x22, 0x33});
  const auto shortLoad = vx7.OpenVX7(file.path());
  EXPECT_TRUE(shortLoad.ok);
  EXPECT_EQ(shortLoad.error, "");
  EXPECT_EQ(vx7.GetByteBlock("0", 4), "11223300");
  for (int n = 1; n <= 450; ++n) ASSERT_FALSE(vx7.GetMemIsDefined(n)) << n;

  file.Write(std::vector<std::uint8_t>{});
  EXPECT_TRUE(vx7.OpenVX7(file.path()).ok);
  EXPECT_EQ(vx7.GetByteBlock("0", 4), "00000000");

  vx7.Setvx7byt(0, "42");
  const auto missing = vx7.OpenVX7(file.path() + ".missing");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.error, "Error 53: File not found");
  EXPECT_EQ(vx7.HByt(0), "42");  // a failed load keeps the image
}

TEST(VX7Load, RdfFile) {
  ScratchFile file(".rdf");
  std::vector<std::uint8_t> bytes(424 + clsVX7R::kImageSize, 0x33);
  bytes[424] = 0x0A;
  bytes[424 + 14797] = 0x99;  // memory 450's last byte: the whole image is taken
  file.Write(bytes);

  clsVX7R vx7;
  FakeHost host;
  const auto result = vx7.OpenVX7RDF(file.path(), host);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"grid hidden", "initgrid",
                                      "caption IC-R2 Kestrane v1.0.0 (Beta) - " + file.path(),
                                      "rdf " + file.path(), "mru " + file.path()}));
  EXPECT_EQ(vx7.HByt(0), "0A");
  EXPECT_EQ(vx7.HByt(1), "33");
  EXPECT_EQ(vx7.HByt(14797), "99");
  EXPECT_EQ(vx7.HByt(16208), "C9");

  // Not a VX-7R image: the grid was reset all the same and the bytes stay as read.
  bytes[424] = 0x0B;
  file.Write(bytes);
  clsVX7R other;
  FakeHost otherHost;
  const auto wrong = other.OpenVX7RDF(file.path(), otherHost);
  EXPECT_FALSE(wrong.ok);
  EXPECT_EQ(wrong.error, "Error: Cannot open file. May not be a VX2 RDF file.");
  EXPECT_EQ(otherHost.calls.size(), 5u);
  EXPECT_EQ(other.HByt(0), "0B");
  EXPECT_EQ(other.HByt(16208), "33");

  // Short: only the header and a few bytes.
  file.Write(std::vector<std::uint8_t>(424, 0x0A));
  clsVX7R empty;
  FakeHost emptyHost;
  EXPECT_FALSE(empty.OpenVX7RDF(file.path(), emptyHost).ok);
  EXPECT_EQ(empty.HByt(0), "00");

  clsVX7R missing;
  FakeHost missingHost;
  const auto gone = missing.OpenVX7RDF(file.path() + ".missing", missingHost);
  EXPECT_FALSE(gone.ok);
  EXPECT_EQ(gone.error, "Error 53: File not found");
  EXPECT_EQ(missingHost.calls.back(), "grid shown");
}

// ---- The real image

TEST(VX7Sample, MemoriesDecodedByHand) {
  clsVX7R vx7;
  ASSERT_TRUE(vx7.OpenVX7(SamplePath("peer-vx7.vx7")).ok);
  int defined = 0;
  for (int n = 1; n <= 450; ++n) defined += vx7.GetMemIsDefined(n);
  EXPECT_EQ(defined, 118);
  EXPECT_TRUE(vx7.GetMemIsDefined(25));
  EXPECT_FALSE(vx7.GetMemIsDefined(24));

  // Memory 1: 00 C0 14 40 00 30 0A.. 00 00 06 00 0C 00 00 00.
  EXPECT_EQ(vx7.GetMemFreq(1), "144.000");
  EXPECT_EQ(vx7.GetMemMode(1), "NFM");
  EXPECT_EQ(vx7.GetMemStep(1), "5 KHz");
  EXPECT_EQ(vx7.GetRptShift(1), "SIMP");
  EXPECT_EQ(vx7.GetShift(1), "0.600");
  EXPECT_EQ(vx7.GetTXPwr(1), "HIGH");
  EXPECT_EQ(vx7.GetSql(1), "OFF");
  EXPECT_EQ(vx7.GetTsql(1), "100.0");
  EXPECT_EQ(vx7.GetMemTag(1), "");
  EXPECT_EQ(vx7.GetMemScanMode(1), "OFF");
  EXPECT_EQ(vx7.GetMemIsMasked(1), "NO");

  // Memory 25: 05 20 44 30 00 30 12 4E 1E 0B 0D 01 0A 0A 00 00 50 00 08 00 03 00.
  EXPECT_EQ(vx7.GetMemFreq(25), "443.000");
  EXPECT_EQ(vx7.GetRptShift(25), "+RPT");
  EXPECT_EQ(vx7.GetTXPwr(25), "LOW");
  EXPECT_EQ(vx7.GetShift(25), "5.000");
  EXPECT_EQ(vx7.GetTsql(25), "88.5");
  EXPECT_EQ(vx7.GetSql(25), "DCS");
  EXPECT_EQ(vx7.GetMemTag(25), "H-TAC1");
  EXPECT_EQ(vx7.GetIcon(25), "13");

  // Memory 236: tag 0C 16 1F 0A 1D 1E 0B 1C, frequency 46 79 25.
  EXPECT_EQ(vx7.GetMemTag(236), "BLU STAR");
  EXPECT_EQ(vx7.GetMemFreq(236), "467.925");

  EXPECT_EQ(vx7.GetPriority(), 1);
  EXPECT_EQ(vx7.GetDTMFSet(1), "");
  EXPECT_EQ(vx7.GetDTMFSet(9), "");
}

// ---- Every getter the import uses, on random and truncated images

TEST(VX7Sweep, RandomAndTruncatedImages) {
  ScratchFile file(".vx7");
  std::mt19937 random(7);
  for (int round = 0; round < 12; ++round) {
    const std::size_t size = round % 3 == 0 ? clsVX7R::kImageSize : random() % 20000;
    std::vector<std::uint8_t> bytes(size);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    file.Write(bytes);
    clsVX7R vx7;
    FakeHost host;
    if (round % 2) {
      ASSERT_TRUE(vx7.OpenVX7(file.path()).ok);
    } else {
      // Random bytes: the ".rdf" check may fail; the image is read all the same.
      vx7.OpenVX7RDF(file.path(), host);
    }
    for (int n = -1; n <= 452; ++n) {
      if (!vx7.GetMemIsDefined(n)) continue;
      const std::string texts[] = {vx7.GetMemFreq(n), vx7.GetMemMode(n),  vx7.GetMemScanMode(n),
                                   vx7.GetMemStep(n), vx7.GetRptShift(n), vx7.GetShift(n),
                                   vx7.GetSql(n),     vx7.GetTsql(n),     vx7.GetMemTag(n)};
      EXPECT_NE(texts[0].find('.'), std::string::npos);
      EXPECT_NE(std::find(clsVX7R::VXModeList.begin(), clsVX7R::VXModeList.end(), texts[1]),
                clsVX7R::VXModeList.end());
      EXPECT_TRUE(texts[2] == "OFF" || texts[2] == "SKIP" || texts[2] == "ONLY");
      EXPECT_NE(texts[5].find('.'), std::string::npos);
      EXPECT_NE(texts[7], "");
      EXPECT_LE(texts[8].size(), 8u);
    }
  }
}

}  // namespace
