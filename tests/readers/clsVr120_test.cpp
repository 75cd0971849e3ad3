#include "readers/clsVr120.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ScratchFile.h"

namespace {

using readers::clsVr120;
using Bytes = std::vector<std::uint8_t>;

// A ".tk1" image built from the record layout: 4 bytes per memory, tags from 0xA00.
struct Tk1 {
  Bytes bytes = Bytes(clsVr120::kImageSize, 0);

  Tk1& Memory(int bank, int channel, Bytes record, std::string tag = "") {
    const std::size_t i = static_cast<std::size_t>(bank * 64 + channel);
    std::copy(record.begin(), record.end(), bytes.begin() + 4 * i);
    tag.resize(6, ' ');
    std::copy(tag.begin(), tag.end(), bytes.begin() + 0xA00 + 6 * i);
    return *this;
  }

  clsVr120 Load() const {
    ScratchFile file(".tk1");
    file.Write(bytes);
    clsVr120 radio;
    EXPECT_TRUE(radio.OpenVR120(file.path()).ok);
    return radio;
  }
};

// Bank 0 channel 1's flag byte after `set`, on a record whose flag byte was `from`; the
// frequency digits and the tag must stay.
std::uint8_t FlagAfter(std::uint8_t from, void (*set)(clsVr120&)) {
  clsVr120 radio = Tk1().Memory(0, 1, {0x14, 0x65, 0x20, from}, "KEEP").Load();
  set(radio);
  EXPECT_EQ(radio.GetMemByte(0, 1), clsVr120::lHex(radio.Image()[7]));
  EXPECT_EQ(radio.Image()[4], 0x14);
  EXPECT_EQ(radio.GetMemTag(0, 1), "KEEP");
  return radio.Image()[7];
}

TEST(Vr120Load, ReadsTheImageAndReportsAMissingFile) {
  Tk1 tk1;
  tk1.Memory(3, 7, {0x14, 0x65, 0x20, 0x21}, "RPT");
  tk1.bytes.push_back(0x55);  // past the image
  const clsVr120 radio = tk1.Load();
  EXPECT_EQ(radio.GetMemFreq(3, 7), "146.52025");
  EXPECT_EQ(radio.GetMemTag(3, 7), "RPT");

  ScratchFile shortFile(".tk1");
  shortFile.Write(Bytes(10, 0x11));
  clsVr120 reused = radio;
  ASSERT_TRUE(reused.OpenVR120(shortFile.path()).ok);
  EXPECT_EQ(reused.GetMemFreq(0, 0), "111.11100");
  EXPECT_EQ(reused.GetMemFreq(0, 3), "0.00000");  // zero past the file's end
  EXPECT_EQ(reused.GetMemTag(3, 7), std::string(6, '\0'));

  clsVr120 kept = radio;
  const auto missing = kept.OpenVR120("/nonexistent/kestrane.tk1");
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.error.empty());
  EXPECT_EQ(kept.Image(), radio.Image());
}

TEST(Vr120Freq, DigitsAndSubKHzCodeToText) {
  const std::pair<Bytes, const char*> rows[] = {
      {{0x14, 0x65, 0x20, 0x20}, "146.52025"},  {{0x14, 0x65, 0x20, 0x40}, "146.52050"},
      {{0x14, 0x65, 0x20, 0x80}, "146.52075"},  {{0x14, 0x65, 0x20, 0x00}, "146.52000"},
      {{0x14, 0x65, 0x20, 0xC0}, "146.52000"},  // code 110 is none
      {{0x14, 0x65, 0x20, 0x1F}, "146.52000"},  // mode and unused bits do not count
      {{0x00, 0x05, 0x00, 0x00}, "0.50000"},    {{0xA2, 0x35, 0x00, 0x00}, "1023.50000"},
      {{0xD2, 0x99, 0x95, 0x80}, "1329.99575"}, {{0xFF, 0xFF, 0xFF, 0x21}, ""},
      {{0xFF, 0xFF, 0xFE, 0x00}, "15.FFE00"},  // not BCD: readable, never a crash
  };
  for (const auto& [record, text] : rows) {
    EXPECT_EQ(Tk1().Memory(9, 63, record).Load().GetMemFreq(9, 63), text) << text;
  }
}

TEST(Vr120Freq, AddressingOfFirstAndLastMemories) {
  Tk1 tk1;
  tk1.Memory(0, 0, {0x00, 0x50, 0x00, 0x01}, "FIRST")
      .Memory(0, 63, {0x00, 0x60, 0x00, 0x02}, "B0END")
      .Memory(1, 0, {0x00, 0x70, 0x00, 0x03}, "B1")
      .Memory(9, 63, {0xC9, 0x99, 0x95, 0x81}, "LAST")
      .Memory(5, 5, {0x00, 0x00, 0x00, 0x00});
  EXPECT_EQ(tk1.bytes[2556], 0xC9);
  EXPECT_EQ(tk1.bytes[6394], 'L');
  const clsVr120 radio = tk1.Load();
  const struct {
    int bank, channel;
    const char *freq, *mode, *tag;
  } rows[] = {{0, 0, "5.00000", "NFM", "FIRST"},
              {0, 63, "6.00000", "WFM", "B0END"},
              {1, 0, "7.00000", "AM", "B1"},
              {9, 63, "1299.99575", "NFM", "LAST"},
              {5, 5, "0.00000", "", ""}};
  for (const auto& row : rows) {
    EXPECT_EQ(radio.GetMemFreq(row.bank, row.channel) + "/" + radio.GetMode(row.bank, row.channel) +
                  "/" + radio.GetMemTag(row.bank, row.channel),
              std::string(row.freq) + "/" + row.mode + "/" + row.tag);
  }
}

TEST(Vr120Freq, SetMemFreqStoresDigitsAndSubKHzCode) {
  const struct {
    const char* in;
    Bytes stored;     // the three digit bytes and the whole flag byte
    const char* out;  // what the argument holds afterwards
  } rows[] = {
      {"146.52025", {0x14, 0x65, 0x20, 0x3F}, "146.52025"},
      {"146.5201", {0x14, 0x65, 0x20, 0x1F}, "146.5201"},
      {"146.52075 MHz", {0x14, 0x65, 0x20, 0x9F}, "146.52075"},
      {"0146.520", {0x14, 0x65, 0x20, 0x1F}, "146.52"},
      {"1023.5", {0xA2, 0x35, 0x00, 0x1F}, "1023.5"},
      {"1599.995", {0xF9, 0x99, 0x95, 0x1F}, "1599.995"},
      {".5", {0x00, 0x05, 0x00, 0x1F}, "0.5"},
      {"abc", {0x00, 0x00, 0x00, 0x1F}, "0"},
      // Values the record cannot hold leave it alone.
      {"1600", {0x99, 0x99, 0x99, 0xFF}, "1600"},
      {"-5", {0x99, 0x99, 0x99, 0xFF}, "-5"},
      {"99999999999", {0x99, 0x99, 0x99, 0xFF}, "99999999999"},
  };
  for (const auto& row : rows) {
    clsVr120 radio = Tk1().Memory(2, 3, {0x99, 0x99, 0x99, 0xFF}, "TAG").Load();
    std::string freq = row.in;
    radio.SetMemFreq(2, 3, freq);
    const std::size_t at = 4 * (2 * 64 + 3);
    EXPECT_EQ(Bytes(radio.Image().begin() + at, radio.Image().begin() + at + 4), row.stored)
        << row.in;
    EXPECT_EQ(freq, row.out);
    EXPECT_EQ(radio.GetMemTag(2, 3), "TAG");
  }

  // The conversions without a memory touch no memory's sub-kHz code.
  clsVr120 radio = Tk1().Memory(0, 0, {0x14, 0x65, 0x20, 0x21}).Load();
  const auto before = radio.Image();
  std::string freq = "1023.52525";
  EXPECT_EQ(clsVr120::Freq2MemB(freq), "A23525");
  freq = "1600";
  EXPECT_EQ(clsVr120::Freq2MemB(freq), "");
  EXPECT_EQ(radio.Image(), before);
  const std::pair<const char*, const char*> digits[] = {
      {"146520", "146.52000"}, {"A23500", "1023.50000"}, {"FFFFFF", ""},
      {"12345", ""},           {"1465200", ""},          {"xyz123", ""}};
  for (const auto& [in, text] : digits) EXPECT_EQ(clsVr120::Mem2FreqB(in), text) << in;
}

// The flag byte: bits 1-0 mode, bit 2 preferential, bits 7-5 the sub-kHz code.
TEST(Vr120Flags, ModePrefAndSubKHz) {
  const struct {
    std::uint8_t flag;
    const char *mode, *pref, *subKHz;
  } reads[] = {{0x00, "", "Off", ""},     {0x01, "NFM", "Off", ""}, {0x06, "WFM", "On", ""},
               {0x3B, "AM", "Off", "25"}, {0x44, "", "On", "50"},   {0x80, "", "Off", "75"},
               {0xE0, "", "Off", ""}};
  for (const auto& row : reads) {
    const clsVr120 radio = Tk1().Memory(4, 4, {0x14, 0x65, 0x20, row.flag}).Load();
    EXPECT_EQ(radio.GetMode(4, 4) + "/" + radio.GetPref(4, 4) + "/" + radio.GetRXStp(4, 4),
              std::string(row.mode) + "/" + row.pref + "/" + row.subKHz)
        << int(row.flag);
  }

  const struct {
    void (*set)(clsVr120&);
    std::uint8_t from, to;
  } writes[] = {
      {[](clsVr120& r) { r.SetMode(0, 1, "NFM"); }, 0xFF, 0xFD},
      {[](clsVr120& r) { r.SetMode(0, 1, "WFM"); }, 0x00, 0x02},
      {[](clsVr120& r) { r.SetMode(0, 1, "AM"); }, 0xF0, 0xF3},
      {[](clsVr120& r) { r.SetMode(0, 1, "nfm"); }, 0xF2, 0xF2},
      {[](clsVr120& r) { r.SetMode(0, 1, ""); }, 0xF2, 0xF2},  // "" is the text of code 0
      {[](clsVr120& r) { r.SetPref(0, 1, "On"); }, 0x00, 0x04},
      {[](clsVr120& r) { r.SetPref(0, 1, "Off"); }, 0xFF, 0xFB},
      {[](clsVr120& r) { r.SetPref(0, 1, "ON"); }, 0x00, 0x00},
      {[](clsVr120& r) { r.SetRxStp(0, 1, "25"); }, 0x1F, 0x3F},
      {[](clsVr120& r) { r.SetRxStp(0, 1, "75"); }, 0x00, 0x80},
      {[](clsVr120& r) { r.SetRxStp(0, 1, "10"); }, 0xFF, 0x1F},
      {[](clsVr120& r) { r.SetMemByte(0, 1, 0xA5); }, 0x00, 0xA5},
      {[](clsVr120& r) { r.SetMemByte(0, 1, 256); }, 0x12, 0x12},
      {[](clsVr120& r) { r.SetMemByte(0, 1, -1); }, 0x12, 0x12},
  };
  for (const auto& row : writes) EXPECT_EQ(FlagAfter(row.from, row.set), row.to) << int(row.from);
}

TEST(Vr120Memory, TagsAndClearMem) {
  clsVr120 radio = Tk1()
                       .Memory(0, 0, {}, "AB    ")
                       .Memory(0, 1, {}, "      ")
                       .Memory(0, 2, {}, " A B  ")
                       .Memory(0, 3, {}, "\xE9t\xE9")
                       .Memory(6, 6, {0x14, 0x65, 0x20, 0x21}, "GONE")
                       .Load();
  EXPECT_EQ(radio.GetMemTag(0, 0) + "|" + radio.GetMemTag(0, 1) + "|" + radio.GetMemTag(0, 2) +
                "|" + radio.GetMemTag(0, 3),
            "AB|| A B|\xE9t\xE9");
  std::string text = "CQ";
  radio.SetMemTag(1, 0, text);
  EXPECT_EQ(text, "CQ    ");
  EXPECT_EQ(radio.GetMemTag(1, 0), "CQ");
  text = "LONGTAG1";
  radio.SetMemTag(1, 1, text);
  EXPECT_EQ(text, "LONGTAG1");
  EXPECT_EQ(radio.GetMemTag(1, 1), "LONGTA");
  EXPECT_EQ(radio.GetMemTag(1, 2), std::string(6, '\0'));  // the neighbour is untouched

  EXPECT_FALSE(radio.IsMemoryValid(6, 6));
  radio.ClearMem(6, 6);
  EXPECT_EQ(radio.GetMemFreq(6, 6) + radio.GetMemTag(6, 6) + radio.GetRXStp(6, 6), "");
  EXPECT_EQ(radio.GetMode(6, 6) + "/" + radio.GetPref(6, 6), "AM/On");
  EXPECT_EQ(radio.GetMemFreq(6, 7), "0.00000");
  EXPECT_FALSE(radio.IsMemoryValid(6, 6));
}

TEST(Vr120Memory, OutOfRangeBanksChannelsAndIndicesAreRefused) {
  clsVr120 radio = Tk1().Load();
  const auto before = radio.Image();
  const std::pair<int, int> rows[] = {{-1, 0},     {10, 0}, {0, -1}, {0, 64}, {INT_MAX, INT_MAX},
                                      {INT_MIN, 5}};
  for (const auto& [bank, channel] : rows) {
    SCOPED_TRACE(testing::Message() << bank << "/" << channel);
    EXPECT_EQ(radio.GetMemFreq(bank, channel) + radio.GetMemTag(bank, channel) +
                  radio.GetMemByte(bank, channel) + radio.GetMode(bank, channel) +
                  radio.GetPref(bank, channel) + radio.GetRXStp(bank, channel),
              "");
    std::string freq = "146.52025", tag = "X";
    radio.SetMemFreq(bank, channel, freq);
    radio.SetMemTag(bank, channel, tag);
    radio.SetMemByte(bank, channel, 1);
    radio.SetMode(bank, channel, "AM");
    radio.SetPref(bank, channel, "On");
    radio.SetRxStp(bank, channel, "25");
    radio.ClearMem(bank, channel);
    EXPECT_EQ(radio.Image(), before);
  }
  for (long index : {-1L, 7392L, LONG_MAX}) {
    EXPECT_EQ(radio.GetBit(index, 0), 0);
    radio.SetBit(index, 0, 1);
  }
  EXPECT_EQ(radio.Image(), before);
  radio.SetBit(7391, 7, 1);
  EXPECT_EQ(radio.GetBit(7391, 7), 1);
  EXPECT_EQ(radio.Image()[7391], 0x80);
}

// Random files of every size: what the import reads answers for every memory.
TEST(Vr120Memory, RandomAndTruncatedFiles) {
  std::mt19937 random(120);
  ScratchFile file(".tk1");
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 9000, '\0');
    for (auto& c : bytes) c = static_cast<char>(round % 3 ? random() : 0xFF);
    file.Write(bytes);
    clsVr120 radio;
    ASSERT_TRUE(radio.OpenVR120(file.path()).ok);
    for (int bank = -1; bank <= 10; ++bank) {
      for (int channel = -1; channel <= 64; ++channel) {
        const std::string freq = radio.GetMemFreq(bank, channel);
        if (freq.empty()) continue;
        EXPECT_EQ(freq.size() - freq.find('.'), 6u) << freq;
        radio.GetMode(bank, channel);
        EXPECT_LE(radio.GetMemTag(bank, channel).size(), 6u);
      }
    }
  }
}

TEST(Vr120Text, Mem2Row) {
  const struct {
    const char* in;
    int row;
    const char* out;
  } rows[] = {{"012", 13, "012"}, {"5", 6, "005"},     {"", 1, "000"},    {"063", 64, "063"},
              {"100", 65, "100"}, {"963", 640, "963"}, {"064", 0, "064"}, {"-5", 0, "0-5"},
              {"1a2", 0, "1a2"},  {"1234", 99, "1234"}};
  for (const auto& row : rows) {
    std::string text = row.in;
    EXPECT_EQ(clsVr120::Mem2Row(text), row.row) << row.in;
    EXPECT_EQ(text, row.out);
  }
}

TEST(Vr120Text, FormatFreqAndCheckBlocked) {
  const struct {
    const char* in;
    const char* normalised;  // what the argument holds afterwards
    const char* result;
  } rows[] = {
      {"1400", "1299.00000", "1299.00000"},
      {"1300.5", "1299.50000", "1299.50000"},
      {".5", "0.50000", "0.50000"},
      {"000.125", "0.12500", "0.12500"},
      {"146.52012", "146.52000", "146.52000"},
      {"146.52025", "146.52025", "146.52025"},
      {"146.5207599", "146.52075", "146.52075"},
      {"146.52", "146.52000", "146.52000"},
      {"0146.5", "0146.50000", "0146.50000"},
      {"384.0", "384.00000", "385.00000"},
      {"339", "339.00000", "340.00000"},
  };
  for (const auto& row : rows) {
    std::string freq = row.in;
    EXPECT_EQ(clsVr120::FormatFreq(freq), row.result) << row.in;
    EXPECT_EQ(freq, row.normalised) << row.in;
  }

  // A frequency strictly inside a gap moves to the gap's upper edge.
  const std::pair<const char*, const char*> blocked[] = {{"338.999", "338.999"},
                                                         {"338.9991", "340.00000"},
                                                         {"340.0", "340.0"},
                                                         {"383.383", "383.383"},
                                                         {"383.384", "385.00000"},
                                                         {"541.9995", "549.00000"},
                                                         {"893.99999", "894.00000"},
                                                         {"894", "894"},
                                                         {"", ""},
                                                         {"abc", "abc"}};
  for (const auto& [in, out] : blocked) EXPECT_EQ(clsVr120::CheckBlocked(in), out) << in;
}

}  // namespace
