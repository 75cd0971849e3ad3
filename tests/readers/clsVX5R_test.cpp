#include "readers/clsVX5R.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ScratchFile.h"
#include "support/Samples.h"

namespace {

using readers::clsVX5R;

// A file image with one memory's record and flag byte set.
struct Memory {
  int n;
  std::uint8_t flag;
  std::vector<std::uint8_t> record;  // the first bytes of the 22-byte record
};

std::vector<std::uint8_t> EveBytes(const std::vector<Memory>& memories,
                                   std::size_t size = clsVX5R::kFileBytes) {
  std::vector<std::uint8_t> bytes(size, 0);
  for (const Memory& m : memories) {
    bytes[clsVX5R::kFirstFlag + m.n - 1] = m.flag;
    std::copy(m.record.begin(), m.record.end(), bytes.begin() + clsVX5R::MemOffset(m.n));
  }
  return bytes;
}

clsVX5R LoadedWith(const std::vector<Memory>& memories) {
  ScratchFile file(".eve");
  file.Write(EveBytes(memories));
  clsVX5R radio;
  EXPECT_TRUE(radio.OpenVX5File(file.path()).ok);
  return radio;
}

// Memory 1 with one record byte set.
clsVX5R WithRecordByte(std::size_t offset, std::uint8_t value) {
  std::vector<std::uint8_t> record(22, 0);
  record[offset] = value;
  return LoadedWith({{1, 0x01, record}});
}

TEST(VX5RLoad, EveReadsOnly8124BytesAndFillsTheTailWithOnes) {
  clsVX5R radio;
  EXPECT_EQ(std::count(radio.Image().begin(), radio.Image().end(), 0), 8266);

  std::vector<std::uint8_t> bytes(9000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  ScratchFile file(".eve");
  file.Write(bytes);
  ASSERT_TRUE(radio.OpenVX5File(file.path()).ok);
  EXPECT_TRUE(std::equal(radio.Image().begin(), radio.Image().begin() + 8124, bytes.begin()));
  EXPECT_EQ(std::count(radio.Image().begin() + 8124, radio.Image().end(), 1), 142);

  // A short file: the unread part of 0..8123 is zero, so only flags inside the file count.
  file.Write(std::vector<std::uint8_t>(300, 0xFF));
  ASSERT_TRUE(radio.OpenVX5File(file.path()).ok);
  EXPECT_EQ(radio.GetVX5HexByte(299) + radio.GetVX5HexByte(300) + radio.GetVX5HexByte(8124),
            "FF0001");
  int defined = 0;
  for (int n = 1; n <= 220; ++n) defined += radio.GetVX5IsMemDefined(n);
  EXPECT_EQ(defined, 2);  // flag bytes 298 and 299
}

TEST(VX5RLoad, MissingFileIsReportedAndImportsNothing) {
  for (const char* path : {"/nonexistent/kestrane.eve", ""}) {
    clsVX5R radio;
    const auto result = radio.OpenVX5File(path);
    EXPECT_FALSE(result.ok) << path;
    EXPECT_FALSE(result.error.empty());
    for (int n = 1; n <= 220; ++n) ASSERT_FALSE(radio.GetVX5IsMemDefined(n)) << n;
    EXPECT_EQ(radio.GetVX5HexByte(8200), "00");  // no 1-fill on failure
    EXPECT_FALSE(radio.OpenVX5RDFFile(path).ok);
  }
  // A failed load keeps what an earlier load brought.
  clsVX5R radio = LoadedWith({{5, 0x01, {0, 0, 0x14, 0x65, 0x20}}});
  EXPECT_FALSE(radio.OpenVX5File("/nonexistent/kestrane.eve").ok);
  EXPECT_EQ(radio.GetVX5Freq(5), "146520");
}

TEST(VX5RLoad, RdfSkipsTheHeaderAndLeavesTheTail) {
  std::vector<std::uint8_t> bytes(3060, 0xAA);
  const std::vector<std::uint8_t> image = EveBytes({{1, 0x01, {0, 0, 0x44, 0x29, 0x00}}});
  bytes.insert(bytes.end(), image.begin(), image.end());
  bytes.push_back(0x77);  // past the image: not read
  ScratchFile file(".rdf");
  file.Write(bytes);

  clsVX5R fresh;
  ASSERT_TRUE(fresh.OpenVX5RDFFile(file.path()).ok);
  EXPECT_EQ(fresh.GetVX5Freq(1), "442900");
  EXPECT_TRUE(fresh.GetVX5IsMemDefined(1));
  EXPECT_EQ(fresh.GetVX5HexByte(0), "00");
  EXPECT_EQ(fresh.GetVX5HexByte(8124), "00");  // no pre-fill

  // After an ".eve" load the tail holds 1, and an ".rdf" load keeps it.
  ScratchFile eve(".eve");
  eve.Write(EveBytes({}));
  clsVX5R reused;
  ASSERT_TRUE(reused.OpenVX5File(eve.path()).ok);
  ASSERT_TRUE(reused.OpenVX5RDFFile(file.path()).ok);
  EXPECT_EQ(reused.GetVX5HexByte(8124), "01");
  EXPECT_EQ(reused.GetVX5HexByte(8265), "01");

  // A file no longer than its header loads as an empty image.
  file.Write(std::vector<std::uint8_t>(3060, 0xFF));
  ASSERT_TRUE(reused.OpenVX5RDFFile(file.path()).ok);
  EXPECT_FALSE(reused.GetVX5IsMemDefined(1));
  EXPECT_EQ(reused.GetVX5Freq(1), "000000");
}

TEST(VX5RFields, RecordAddressing) {
  EXPECT_EQ(clsVX5R::MemOffset(1), 618);
  EXPECT_EQ(clsVX5R::MemOffset(220), 5436);
  const clsVX5R radio = LoadedWith(
      {{1, 0x01, {0, 0, 0x14, 0x65, 0x20}},
       {2, 0x01, {0, 0, 0x00, 0x50, 0x00}},
       {220,
        0x01,
        {0, 0, 0x12, 0x96, 0x00, 0, 'E', 0x00, 0xE9, ' ', ' ', ' ', ' ', 'Z', 0, 6, 0}}});
  EXPECT_EQ(radio.GetVX5Freq(1), "146520");
  EXPECT_EQ(radio.GetVX5Freq(2), "005000");
  EXPECT_EQ(radio.GetVX5Freq(3), "000000");
  EXPECT_EQ(radio.GetVX5Freq(220), "129600");
  EXPECT_EQ(radio.GetVX5TXFreq(220), "000600");
  EXPECT_EQ(radio.GetVX5Label(220), std::string("E\0\xE9    Z", 8));  // every byte kept
  EXPECT_TRUE(radio.GetVX5IsMemDefined(220));
  EXPECT_FALSE(radio.GetVX5IsMemDefined(219));
}

TEST(VX5RFields, StepByteReadAsDecimalDigits) {
  const struct {
    std::uint8_t byte;
    const char* text;
  } rows[] = {{0x00, "5 KHz"},  {0x07, "100 KHz"}, {0x08, "9 KHz"}, {0x09, ""},
              {0x1A, "10 KHz"}, {0x12, ""},        {0xFF, "5 KHz"}};
  for (const auto& row : rows) {
    EXPECT_EQ(WithRecordByte(1, row.byte).GetVX5Step(1), row.text) << int(row.byte);
  }
}

TEST(VX5RFields, BitFieldsOfModeShiftPowerSquelchAndDeviation) {
  // record byte, its value, then mode, shift, power, squelch type and deviation
  const std::tuple<std::size_t, std::uint8_t, const char*> rows[] = {
      {5, 0xFD, "AM SIMP LOW OFF NORM"},     {5, 0x02, "WFM SIMP LOW OFF NORM"},
      {5, 0x03, "SSB SIMP LOW OFF NORM"},    {17, 0x01, "NFM -RPT LOW OFF NORM"},
      {17, 0x06, "NFM +RPT LOW OFF NORM"},   {17, 0x0B, "NFM DUP HIGH OFF NORM"},
      {17, 0x0C, "NFM SIMP HIGH OFF NORM"},  {17, 0x10, "NFM SIMP LOW TONE NORM"},
      {17, 0x20, "NFM SIMP LOW T SQL NORM"}, {17, 0xF0, "NFM SIMP LOW DCS NORM"},
      {0, 0x20, "NFM SIMP LOW OFF HALF"},
  };
  for (const auto& [offset, byte, texts] : rows) {
    const clsVX5R radio = WithRecordByte(offset, byte);
    EXPECT_EQ(radio.GetVX5Mode(1) + " " + radio.GetVX5Shift(1) + " " + radio.GetVX5TXPwr(1) + " " +
                  radio.GetVX5SqType(1) + " " + radio.GetVX5Dev(1),
              texts)
        << "+" << offset << " = " << int(byte);
  }
}

TEST(VX5RFields, ToneAndDcsCodes) {
  const struct {
    std::uint8_t byte;
    const char* tone;
    const char* dcs;
  } rows[] = {{0, "67.0", "023"},    {12, "100.0", "071"},  {13, "103.5", "072"},
              {26, "162.2", "152"},  {38, "250.3", "243"},  {39, "100.0", "244"},
              {103, "100.0", "754"}, {104, "100.0", "023"}, {255, "100.0", "023"}};
  for (const auto& row : rows) {
    EXPECT_EQ(WithRecordByte(18, row.byte).GetVX5TSQL(1), row.tone) << int(row.byte);
    EXPECT_EQ(WithRecordByte(19, row.byte).GetVX5DCS(1), row.dcs) << int(row.byte);
  }
}

TEST(VX5RFields, ToneSetterStoresListIndexOrZero) {
  const struct {
    const char* text;
    int stored;
  } rows[] = {{"100.0", 12}, {"67.0", 0}, {"250.3", 38}, {"67", 0},
              {"254.1", 0},  {"", 0},     {"100.0 ", 0}};
  for (const auto& row : rows) {
    clsVX5R radio = WithRecordByte(18, 0x55);
    radio.SetVX5TSql(1, row.text);
    EXPECT_EQ(radio.Image()[clsVX5R::MemOffset(1) + 18], row.stored) << row.text;
    EXPECT_EQ(radio.Image()[clsVX5R::MemOffset(1) + 17], 0);  // neighbours untouched
    EXPECT_EQ(radio.Image()[clsVX5R::MemOffset(1) + 19], 0);
  }
}

TEST(VX5RFields, FlagBits) {
  const struct {
    std::uint8_t flag;
    bool defined;
    const char* masked;
    bool skip;
    bool favourite;
  } rows[] = {{0x05, true, "YES", true, false},
              {0x0A, false, "NO", false, true},
              {0x03, true, "NO", false, false},
              {0xF0, false, "YES", false, false},
              {0xFF, true, "NO", true, true}};
  for (const auto& row : rows) {
    const clsVX5R radio = LoadedWith({{7, row.flag, {}}});
    SCOPED_TRACE(int(row.flag));
    EXPECT_EQ(radio.GetVX5IsMemDefined(7), row.defined);
    EXPECT_EQ(radio.GetVX5IsMemMasked(7), row.masked);
    EXPECT_EQ(radio.GetVX5MemSkip(7), row.skip);
    EXPECT_EQ(radio.GetVX5MemFav(7), row.favourite);
    EXPECT_FALSE(radio.GetVX5IsMemDefined(6));
    EXPECT_FALSE(radio.GetVX5IsMemDefined(8));
  }
}

TEST(VX5RBounds, OutOfRangeMemoriesAndAddressesAreRefused) {
  clsVX5R radio = LoadedWith({});
  for (int n : {0, -1, 221, INT_MAX, INT_MIN}) {
    SCOPED_TRACE(n);
    for (const std::string& text :
         {radio.GetVX5Freq(n), radio.GetVX5TXFreq(n), radio.GetVX5Label(n), radio.GetVX5Step(n),
          radio.GetVX5Mode(n), radio.GetVX5Shift(n), radio.GetVX5TXPwr(n), radio.GetVX5SqType(n),
          radio.GetVX5Dev(n), radio.GetVX5TSQL(n), radio.GetVX5DCS(n),
          radio.GetVX5IsMemMasked(n)}) {
      EXPECT_EQ(text, "");
    }
    EXPECT_FALSE(radio.GetVX5IsMemDefined(n));
    EXPECT_FALSE(radio.GetVX5MemSkip(n));
    EXPECT_FALSE(radio.GetVX5MemFav(n));
    const auto before = radio.Image();
    radio.SetVX5TSql(n, "100.0");
    EXPECT_EQ(radio.Image(), before);
  }
  EXPECT_EQ(radio.GetVX5HexByte(-1), "");
  EXPECT_EQ(radio.GetVX5HexByte(8266), "");
  EXPECT_EQ(radio.GetVX5HexByte(8265), "01");
  EXPECT_EQ(radio.GetVX5HexByteH("2049"), "01");  // 8265
  EXPECT_EQ(radio.GetVX5HexByteH("204a"), "");
  EXPECT_EQ(radio.GetVX5HexByteH("xyz"), "");
  EXPECT_EQ(radio.GetVX5HexByteH(""), "");
  EXPECT_EQ(radio.GetVX5HexByteH("FFFFFFFFF"), "");
  EXPECT_EQ(radio.GetVX5Bit(-5, 0), 0);
  EXPECT_EQ(radio.GetVX5Bit(8266, 0), 0);
  EXPECT_EQ(radio.GetVX5Bit(8265, 0), 1);
  EXPECT_EQ(radio.GetVX5Bit(8265, 1), 0);
}

// Random files of every size: each getter the import uses answers for every memory without
// reading outside the image.
TEST(VX5RBounds, RandomAndTruncatedFiles) {
  KESTRANE_NEEDS_SAMPLE("peer-vx5.eve");
  const std::string sample = samples::Read("peer-vx5.eve");
  ASSERT_FALSE(sample.empty());
  std::mt19937 random(5);
  ScratchFile file(".eve");
  for (int round = 0; round < 200; ++round) {
    std::string bytes = round % 2 ? sample.substr(0, random() % sample.size()) : std::string();
    if (round % 2 == 0) {
      bytes.resize(random() % 12000);
      for (auto& c : bytes) c = static_cast<char>(random());
    }
    file.Write(bytes);
    clsVX5R radio;
    ASSERT_TRUE(round % 4 < 2 ? radio.OpenVX5File(file.path()).ok
                              : radio.OpenVX5RDFFile(file.path()).ok);
    for (int n = 0; n <= 221; ++n) {
      if (!radio.GetVX5IsMemDefined(n)) continue;
      EXPECT_EQ(radio.GetVX5Freq(n).size(), 6u);
      EXPECT_EQ(radio.GetVX5Label(n).size(), 8u);
      radio.GetVX5Mode(n);
      radio.GetVX5MemSkip(n);
      radio.GetVX5Step(n);
      radio.GetVX5Shift(n);
      radio.GetVX5TXFreq(n);
      radio.GetVX5SqType(n);
      EXPECT_FALSE(radio.GetVX5TSQL(n).empty());
    }
  }
}

// The real image is one byte shorter than the reader reads.
TEST(VX5RSample, RealImageReadsAsThePersonProgrammedIt) {
  KESTRANE_NEEDS_SAMPLE("peer-vx5.eve");
  clsVX5R radio;
  ASSERT_TRUE(radio.OpenVX5File(samples::Path("peer-vx5.eve")).ok);
  EXPECT_EQ(radio.GetVX5HexByte(8123), "00");
  EXPECT_EQ(radio.GetVX5HexByte(8124), "01");

  int defined = 0;
  for (int n = 1; n <= 220; ++n) defined += radio.GetVX5IsMemDefined(n);
  EXPECT_EQ(defined, 77);
  EXPECT_FALSE(radio.GetVX5IsMemDefined(14));
  EXPECT_TRUE(radio.GetVX5IsMemDefined(215));

  // 1: a 2 m repeater; 100: a 70 cm repeater; 187: an airport tower, skipped in scanning.
  // Byte +5 of memory 1 is 0x32, whose two low bits read "WFM".
  const struct {
    int n;
    const char *freq, *tx, *label, *mode, *shift, *sqlType, *tone, *step;
    bool skip;
  } rows[] = {
      {1, "145390", "000600", "KJ6VU/r ", "WFM", "-RPT", "TONE", "100.0", "5 KHz", false},
      {100, "442900", "005000", "WR6ABD/r", "NFM", "+RPT", "TONE", "162.2", "25 KHz", false},
      {187, "118600", "000000", "PAO TWR ", "AM", "SIMP", "OFF", "100.0", "25 KHz", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.n);
    EXPECT_EQ(radio.GetVX5Freq(row.n), row.freq);
    EXPECT_EQ(radio.GetVX5TXFreq(row.n), row.tx);
    EXPECT_EQ(radio.GetVX5Label(row.n), row.label);
    EXPECT_EQ(radio.GetVX5Mode(row.n), row.mode);
    EXPECT_EQ(radio.GetVX5Shift(row.n), row.shift);
    EXPECT_EQ(radio.GetVX5SqType(row.n), row.sqlType);
    EXPECT_EQ(radio.GetVX5TSQL(row.n), row.tone);
    EXPECT_EQ(radio.GetVX5Step(row.n), row.step);
    EXPECT_EQ(radio.GetVX5MemSkip(row.n), row.skip);
  }
  EXPECT_EQ(radio.GetVX5TXPwr(1), "HIGH");
  EXPECT_EQ(radio.GetVX5Dev(15), "HALF");
  EXPECT_EQ(radio.GetVX5Dev(1), "NORM");
}

}  // namespace
