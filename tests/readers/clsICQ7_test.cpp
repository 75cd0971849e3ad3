#include "readers/clsICQ7.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "FieldCheck.h"
#include "ScratchFile.h"
#include "image/CloneFrame.h"
#include "support/Samples.h"

namespace {

using readers::clsICQ7;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kSize = 1984;
constexpr const char* kSample = "peer-icq7.q7";

// A ".q7" line: one data frame per 16 bytes, the end frame, CR LF.
std::string StreamOf(const Bytes& image) {
  std::string stream;
  for (std::size_t at = 0; at + 16 <= image.size(); at += 16) {
    stream += CloneDataFrame(static_cast<unsigned>(at),
                             std::span<const std::uint8_t, 16>(image.data() + at, 16));
  }
  return stream + CloneFrame(CloneCommand::EndOfData, "Icom Inc.") + "\r\n";
}

// An image with every memory empty, built from the layout.
struct Q7Image {
  Bytes bytes = [] {
    Bytes b(kSize, 0x00);
    std::fill(b.begin() + 1680, b.begin() + 1880, 0xFF);
    return b;
  }();

  Q7Image& Memory(int n, Bytes record, std::uint8_t flag = 0x00) {
    std::copy(record.begin(), record.end(), bytes.begin() + (n - 1) * 8);
    bytes[static_cast<std::size_t>(1680 + n - 1)] = flag;
    return *this;
  }
  Q7Image& Byte(std::size_t offset, std::uint8_t value) {
    bytes[offset] = value;
    return *this;
  }
  clsICQ7 Load() const {
    ScratchFile file(".q7");
    file.Write(StreamOf(bytes));
    clsICQ7 radio;
    EXPECT_TRUE(radio.OpenFile(file.path()).ok);
    return radio;
  }
};

Bytes ImageOf(const clsICQ7& radio) { return {radio.Image().begin(), radio.Image().end()}; }

// ---- The real file ---------------------------------------------------------------------------

TEST(ICQ7Sample, MemoriesReadAsThePersonProgrammedThem) {
  KESTRANE_NEEDS_SAMPLE(kSample);
  clsICQ7 radio;
  ASSERT_TRUE(radio.OpenFile(samples::Path(kSample)).ok);
  ASSERT_EQ(radio.Image().size(), kSize);
  int defined = 0;
  for (int n = 1; n <= 200; ++n) defined += radio.IsValidMemory(n);
  EXPECT_EQ(defined, 20);
  EXPECT_FALSE(radio.IsValidMemory(4));

  // number, then frequency, mode, skip, step, duplex, offset, tone mode, tone, repeater tone
  const std::vector<std::vector<std::string>> rows = {
      {"1", "146520", "FM", "OFF", "5 KHz", "SIMP", "05250", "OFF", "110.9", "110.9"},
      // Duplex codes: 00 and 01 are simplex (memories 1 and 101 are both the calling channel),
      // 10 minus, 11 plus.
      {"2", "145170", "FM", "OFF", "5 KHz", "SIMP", "00600", "OFF", "123.0", "123.0"},
      // The offset field's first digit (8 here) is not part of the offset.
      {"3", "443112", "FM", "OFF", "6.25 KHz", "SIMP", "05000", "OFF", "131.8", "131.8"},
      {"13", "147340", "FM", "OFF", "5 KHz", "-DUP", "00600", "TONE", "118.8", "118.8"},
      {"14", "147340", "FM", "OFF", "5 KHz", "+DUP", "00600", "OFF", "118.8", "118.8"},
      {"101", "146520", "FM", "OFF", "5 KHz", "SIMP", "00600", "OFF", "123.0", "123.0"},
      {"195", "118000", "AM", "SKIP", "12.5 KHz", "SIMP", "00000", "OFF", "88.5", "88.5"},
      {"200", "1300000", "FM", "SKIP", "20 KHz", "SIMP", "00000", "OFF", "88.5", "88.5"},
  };
  for (const auto& row : rows) {
    const int n = std::stoi(row[0]);
    EXPECT_TRUE(radio.IsValidMemory(n));
    EXPECT_EQ((std::vector<std::string>{row[0], radio.GetFreq(n), radio.GetMod(n), radio.GetSkip(n),
                                        radio.GetStep(n), radio.GetDup(n), radio.GetShift(n),
                                        radio.GetTsql(n), radio.GetGTone(n), radio.GetRTone(n)}),
              row);
  }
  EXPECT_EQ(radio.GetMemBytes(1), "1465200052503CF0");
  EXPECT_EQ(
      radio.GetMemoryCh() + "/" + radio.GetVFO() + "/" + radio.GetPause() + "/" + radio.GetMenu(),
      "16/145 MHz/10 SEC/EXPAND");

  // Saving it gives the file back byte for byte.
  const std::string original = samples::Read(kSample);
  ASSERT_EQ(original.size(), 5721u);
  ScratchFile saved(".q7");
  ASSERT_TRUE(radio.SaveFile(saved.path()).ok);
  EXPECT_EQ(saved.Read(), original);
}

// ---- Loading and saving ----------------------------------------------------------------------

TEST(ICQ7File, SaveThenOpenGivesTheSame1984Bytes) {
  std::mt19937 random(7);
  Q7Image image;
  for (auto& b : image.bytes) b = static_cast<std::uint8_t>(random());
  const clsICQ7 radio = image.Load();
  ASSERT_EQ(ImageOf(radio), image.bytes);

  ScratchFile file(".q7");
  ASSERT_TRUE(radio.SaveFile(file.path()).ok);
  const std::string written = file.Read();
  EXPECT_EQ(written.size(), 124u * 46 + 15 + 2);
  EXPECT_EQ(written.substr(0, 11),
            "\xFE\xFE\xEE\xEF\xE4"
            "000010");
  EXPECT_EQ(written.substr(written.size() - 17), "\xFE\xFE\xEE\xEF\xE5Icom Inc.\xFD\r\n");
  clsICQ7 reread;
  ASSERT_TRUE(reread.OpenFile(file.path()).ok);
  EXPECT_EQ(ImageOf(reread), image.bytes);

  // Without an image nothing is written.
  file.Write("keep me");
  const auto result = clsICQ7().SaveFile(file.path());
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(file.Read(), "keep me");
  EXPECT_FALSE(radio.SaveFile("/nonexistent/folder/x.q7").ok);
}

TEST(ICQ7File, FramesAreFoundWhereverTheyStand) {
  Q7Image image;
  image.Memory(1, {0x14, 0x65, 0x20, 0, 0, 0, 0, 0});
  const std::string stream = StreamOf(image.bytes);
  std::string junk = stream;
  junk.insert(46, "junk\xFD");
  junk.insert(0, "\xFE\xFE\xEE\xEF\xE2\x12\x34\xFD");  // an echoed request adds nothing
  const std::pair<const char*, std::string> rows[] = {
      {"junk between frames", junk},
      {"more lines after the stream", stream + "second line\r\n"},
      {"data past 1984 bytes", stream.substr(0, stream.size() - 17) + stream},
      {"no end frame", stream.substr(0, 124 * 46)},
      {"LF alone", stream.substr(0, stream.size() - 2) + "\n"},
  };
  for (const auto& [what, text] : rows) {
    ScratchFile file(".q7");
    file.Write(text);
    clsICQ7 radio;
    const auto result = radio.OpenFile(file.path());
    EXPECT_TRUE(result.ok) << what << ": " << result.error;
    EXPECT_EQ(ImageOf(radio), image.bytes) << what;
  }
  // A huge file is read only as far as a stream can reach.
  ScratchFile file(".q7");
  file.Write(stream);
  std::filesystem::resize_file(file.path(), std::uintmax_t{100} << 30);  // sparse
  clsICQ7 radio;
  EXPECT_TRUE(radio.OpenFile(file.path()).ok);
  EXPECT_EQ(ImageOf(radio), image.bytes);
}

TEST(ICQ7File, BrokenStreamsAreReportedAndKeepTheImage) {
  const std::string good = StreamOf(Q7Image().Memory(7, {0x44, 0, 0, 0, 0, 0, 0, 0}).bytes);
  std::string notHex = good;
  notHex[46 + 20] = 'G';
  std::string tooShort = good;
  tooShort.insert(46 * 3, "\xFE\xFE\xEE\xEF\xE4\xFD");
  std::string oneDigit = good;
  oneDigit.insert(46 * 3,
                  "\xFE\xFE\xEE\xEF\xE4"
                  "0\xFD");
  const std::pair<const char*, std::string> rows[] = {
      {"empty file", ""},
      {"one byte", "\xFE"},
      {"no FD at all", good.substr(0, 45)},
      {"cut inside the last frame", good.substr(0, 124 * 46 - 10)},
      {"one frame", good.substr(0, 46)},
      {"123 frames", good.substr(0, 123 * 46)},
      {"data not hex", notHex},
      {"FD right after the header", tooShort},
      {"FD after one character", oneDigit},
      {"text without frames", "Hello, world\r\n"},
      {"lone preamble at the end", good.substr(0, 124 * 46) + "\xFE\xFE"},
  };
  clsICQ7 radio = Q7Image().Memory(1, {0x14, 0x65, 0x20, 0, 0, 0, 0, 0}).Load();
  const auto before = ImageOf(radio);
  for (const auto& [what, text] : rows) {
    ScratchFile file(".q7");
    file.Write(text);
    const auto result = radio.OpenFile(file.path());
    EXPECT_FALSE(result.ok) << what;
    EXPECT_FALSE(result.error.empty()) << what;
    EXPECT_EQ(ImageOf(radio), before) << what;
    clsICQ7 fresh;
    EXPECT_FALSE(fresh.OpenFile(file.path()).ok) << what;
    EXPECT_FALSE(fresh.IsLoaded());
  }
  const auto missing = radio.OpenFile("/nonexistent/kestrane.q7");
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.error.empty());
  EXPECT_EQ(ImageOf(radio), before);
}

// ---- Memory fields ---------------------------------------------------------------------------

TEST(ICQ7Memory, FrequencyAndOffset) {
  const std::pair<Bytes, const char*> reads[] = {{{0x14, 0x65, 0x20}, "146520"},
                                                 {{0x08, 0x85, 0x00}, "088500"},
                                                 {{0x99, 0x99, 0x99}, "999999"},
                                                 {{0xA0, 0x00, 0x00}, "1000000"},
                                                 {{0xF9, 0x99, 0x95}, "1599995"}};
  for (const auto& [bytes, text] : reads) {
    EXPECT_EQ(Q7Image().Memory(200, bytes).Load().GetFreq(200), text);
  }

  // Memory 5 holds 11 22 33 10 06 00 AB CD; each row gives its first six bytes afterwards.
  const Bytes kept{0x11, 0x22, 0x33, 0x10, 0x06, 0x00};
  const struct {
    char field;  // 'F' SetFreq, 'S' SetShift
    const char* text;
    Bytes record;
  } writes[] = {
      {'F', "C40000", {0xC4, 0x00, 0x00, 0x10, 0x06, 0x00}},
      {'F', "14652a", {0x14, 0x65, 0x2A, 0x10, 0x06, 0x00}},
      {'S', "12345", {0x11, 0x22, 0x33, 0x11, 0x23, 0x45}},
      {'S', "00600", kept},  // the first digit's high nibble (1) stays
      {'F', "", kept},
      {'F', "14652", kept},
      {'F', "1240000", kept},
      {'F', "14.520", kept},
      {'S', "012345", kept},
      {'S', "G0600", kept},
  };
  for (const auto& row : writes) {
    clsICQ7 radio = Q7Image().Memory(5, {0x11, 0x22, 0x33, 0x10, 0x06, 0x00, 0xAB, 0xCD}).Load();
    if (row.field == 'F') {
      radio.SetFreq(5, row.text);
    } else {
      radio.SetShift(5, row.text);
    }
    const auto image = ImageOf(radio);
    EXPECT_EQ(Bytes(image.begin() + 31, image.begin() + 41),
              (Bytes{0x00, row.record[0], row.record[1], row.record[2], row.record[3],
                     row.record[4], row.record[5], 0xAB, 0xCD, 0x00}))
        << row.text;
  }
  EXPECT_EQ(Q7Image().Memory(5, kept).Load().GetShift(5), "00600");
}

TEST(ICQ7Memory, StepCodes) {
  const std::pair<std::uint8_t, const char*> reads[] = {
      {0x00, "5 KHz"}, {0x51, "6.25 KHz"}, {0x09, "100 KHz"}, {0xFA, "AUTO"}, {0x0B, ""}};
  for (const auto& [byte7, text] : reads) {
    EXPECT_EQ(Q7Image().Memory(2, {0, 0, 0, 0, 0, 0, 0, byte7}).Load().GetStep(2), text);
  }
  const std::pair<const char*, std::uint8_t> writes[] = {
      {"AUTO", 0xDA}, {"12.5 KHz", 0xD3}, {"bogus", 0xD0}, {"5 khz", 0xD0}};
  for (const auto& [text, byte7] : writes) {
    clsICQ7 radio = Q7Image().Memory(2, {0, 0, 0, 0, 0, 0, 0x12, 0xDF}).Load();
    radio.SetStep(2, text);
    EXPECT_EQ(radio.Image()[15], byte7) << text;
    EXPECT_EQ(radio.Image()[14], 0x12) << text;
  }
}

// The flag byte: mode bits 1-0, skip 3-2, duplex 5-4, tone mode 7-6; 0xFF is an empty memory.
TEST(ICQ7Memory, FlagFields) {
  const struct {
    std::uint8_t flag;
    bool valid;
    const char *mode, *skip, *dup, *tsql;
  } reads[] = {
      {0xFF, false, "FM", "OFF", "+DUP", "OFF"},  {0x01, true, "WFM", "OFF", "SIMP", "OFF"},
      {0x06, true, "AM", "PSKIP", "SIMP", "OFF"}, {0x0B, true, "FM", "SKIP", "SIMP", "OFF"},
      {0x1C, true, "FM", "OFF", "SIMP", "OFF"},   {0x20, true, "FM", "OFF", "-DUP", "OFF"},
      {0x70, true, "FM", "OFF", "+DUP", "OFF"},   {0x80, true, "FM", "OFF", "SIMP", "TONE"},
      {0xC0, true, "FM", "OFF", "SIMP", "OFF"},
  };
  for (const auto& row : reads) {
    const clsICQ7 radio = Q7Image().Memory(100, {}, row.flag).Load();
    EXPECT_EQ((std::vector<std::string>{std::to_string(radio.IsValidMemory(100)), radio.GetMod(100),
                                        radio.GetSkip(100), radio.GetDup(100), radio.GetTsql(100)}),
              (std::vector<std::string>{std::to_string(row.valid), row.mode, row.skip, row.dup,
                                        row.tsql}))
        << int(row.flag);
  }

  // The setters take the radio's words, not the getters' texts.
  using Set = void (clsICQ7::*)(int, std::string_view);
  const struct {
    Set set;
    const char* word;
    std::uint8_t from, to;
  } writes[] = {
      {&clsICQ7::SetMod, "FM", 0xFF, 0xFC},     {&clsICQ7::SetMod, "AM", 0x00, 0x02},
      {&clsICQ7::SetMod, "AUTO", 0x00, 0x03},   {&clsICQ7::SetMod, "fm", 0x55, 0x55},
      {&clsICQ7::SetSkip, "PSKIP", 0x00, 0x04}, {&clsICQ7::SetSkip, "SKIP", 0xFF, 0xFB},
      {&clsICQ7::SetSkip, "bogus", 0xFF, 0xF3}, {&clsICQ7::SetDup, "MINUS", 0x00, 0x20},
      {&clsICQ7::SetDup, "MINUS", 0xFF, 0xEF},  {&clsICQ7::SetDup, "PLUS", 0x00, 0x30},
      {&clsICQ7::SetDup, "OFF", 0xFF, 0xCF},    {&clsICQ7::SetDup, "-DUP", 0x20, 0x00},
      {&clsICQ7::SetTsql, "TONE", 0x00, 0x80},  {&clsICQ7::SetTsql, "P BEEP", 0xFF, 0x7F},
      {&clsICQ7::SetTsql, "TSQL", 0x00, 0xC0},  {&clsICQ7::SetTsql, "OFF", 0xFF, 0x3F},
      {&clsICQ7::SetTsql, "TSQL ", 0x80, 0x80},
  };
  for (const auto& row : writes) {
    clsICQ7 radio = Q7Image().Memory(50, {}, row.from).Load();
    (radio.*row.set)(50, row.word);
    EXPECT_EQ(Bytes(radio.Image().begin() + 1728, radio.Image().begin() + 1731),
              (Bytes{0xFF, row.to, 0xFF}))
        << row.word;
  }
}

TEST(ICQ7Memory, ValidityRecordBytesAndBits) {
  clsICQ7 radio =
      Q7Image().Memory(3, {0x14, 0x65, 0x20, 0x10, 0x06, 0x00, 0x20, 0x8A}, 0x9B).Load();
  EXPECT_EQ(clsICQ7::GetMemOffset(200), 1592);
  radio.SetIsValidMemory(3, false);
  EXPECT_FALSE(radio.IsValidMemory(3));
  EXPECT_EQ(radio.Image()[1682], 0xFF);
  radio.SetIsValidMemory(3, true);
  EXPECT_TRUE(radio.IsValidMemory(3));
  EXPECT_EQ(radio.Image()[1682], 0x00);
  EXPECT_EQ(radio.GetMemBytes(3), "146520100600208A");  // the record stays

  radio.SetBit(1983, 7, 1);
  for (auto [at, bit] : {std::pair{1983, 8}, {1983, -1}, {1984, 0}, {-1, 0}}) {
    radio.SetBit(at, bit, 1);
  }
  EXPECT_EQ(radio.Image()[1983], 0x80);
  EXPECT_EQ(radio.Image().size(), kSize);
}

TEST(ICQ7Memory, ToneFields) {
  const struct {
    std::uint8_t b6, b7;
    const char *gTone, *rTone;
  } reads[] = {
      {0x20, 0x80, "88.5", "88.5"},       {0x20, 0x8F, "88.5", "88.5"},
      {0x00, 0x00, "67.0", "67.0"},       {0xC7, 0x10, "254.1", "254.1"},
      {0x03, 0x20, "Invalid", "67.0"},    {0xC8, 0x00, "67.0", "Invalid"},
      {0xFF, 0xFF, "Invalid", "Invalid"}, {0x03, 0x00, "250.3", "67.0"},
  };
  for (const auto& row : reads) {
    const clsICQ7 radio = Q7Image().Memory(8, {0, 0, 0, 0, 0, 0, row.b6, row.b7}).Load();
    EXPECT_EQ(radio.GetGTone(8) + "/" + radio.GetRTone(8), std::string(row.gTone) + "/" + row.rTone)
        << int(row.b6) << " " << int(row.b7);
  }

  const struct {
    bool repeater;
    const char* tone;
    std::uint8_t b6, b7;  // from 0x55 0x5A
  } writes[] = {
      {false, "88.5", 0x54, 0x8A},  {false, "", 0x54, 0x0A},    {false, "254.1", 0x57, 0x1A},
      {false, "88.50", 0x54, 0x0A}, {true, "88.5", 0x21, 0x5A}, {true, "254.1", 0xC5, 0x5A},
      {true, "bogus", 0x01, 0x5A},
  };
  for (const auto& row : writes) {
    clsICQ7 radio = Q7Image().Memory(8, {0, 0, 0, 0, 0, 0, 0x55, 0x5A}).Load();
    if (row.repeater) {
      radio.SetRTone(8, row.tone);
    } else {
      radio.SetGTone(8, row.tone);
    }
    EXPECT_EQ(radio.Image()[62], row.b6) << row.tone;
    EXPECT_EQ(radio.Image()[63], row.b7) << row.tone;
  }
}

// ---- Bounds ----------------------------------------------------------------------------------

TEST(ICQ7Bounds, NoImageAndOutOfRangeMemoriesReadEmptyAndWriteNothing) {
  clsICQ7 unloaded;
  clsICQ7 loaded = Q7Image().Memory(1, {0x14, 0x65, 0x20, 0, 0, 0, 0x20, 0x80}).Load();
  const std::pair<clsICQ7*, int> rows[] = {{&unloaded, 1}, {&unloaded, 200},   {&loaded, 0},
                                           {&loaded, 201}, {&loaded, INT_MAX}, {&loaded, INT_MIN}};
  for (const auto& [radio, n] : rows) {
    SCOPED_TRACE(n);
    const auto before = ImageOf(*radio);
    EXPECT_FALSE(radio->IsValidMemory(n));
    EXPECT_EQ(radio->GetFreq(n) + radio->GetMod(n) + radio->GetStep(n) + radio->GetSkip(n) +
                  radio->GetDup(n) + radio->GetShift(n) + radio->GetTsql(n) + radio->GetGTone(n) +
                  radio->GetRTone(n) + radio->GetMemBytes(n),
              "");
    radio->SetFreq(n, "146520");
    radio->SetShift(n, "00600");
    radio->SetMod(n, "AM");
    radio->SetStep(n, "AUTO");
    radio->SetSkip(n, "SKIP");
    radio->SetDup(n, "PLUS");
    radio->SetTsql(n, "TONE");
    radio->SetGTone(n, "88.5");
    radio->SetRTone(n, "88.5");
    radio->SetIsValidMemory(n, true);
    EXPECT_EQ(ImageOf(*radio), before);
  }

  // Settings with a fallback text still read "" without an image.
  EXPECT_EQ(unloaded.GetVFO() + unloaded.GetPause() + unloaded.GetMemoryCh(), "");
  EXPECT_EQ(unloaded.GetChIndMode() + unloaded.GetPScan() + unloaded.GetIsLockOn(), 0);
  unloaded.SetPause("bogus");
  unloaded.SetmemoryCh(5);
  unloaded.SetIsLockOn(1);
  unloaded.SetCurrentMode(2);
  unloaded.SetBit(0, 0, 1);
  EXPECT_TRUE(unloaded.Image().empty());
}

// Random and cut streams: the loader either refuses them or holds exactly 1984 bytes, and every
// getter answers without touching memory outside the image.
TEST(ICQ7Bounds, RandomAndTruncatedStreams) {
  KESTRANE_NEEDS_SAMPLE(kSample);
  const std::string sample = samples::Read(kSample);
  ASSERT_FALSE(sample.empty());
  std::mt19937 random(2024);
  ScratchFile file(".q7");
  for (int round = 0; round < 400; ++round) {
    std::string text;
    switch (round % 4) {
      case 0:
        text = sample.substr(0, random() % (sample.size() + 1));
        break;
      case 1:
        text = sample;
        for (int i = 0; i < 1 + round % 7; ++i) {
          static constexpr char kNasty[] = {'\xFE', '\xFD', '\r', ',', 'G', '0', '\0'};
          text[random() % text.size()] = kNasty[random() % sizeof kNasty];
        }
        break;
      case 2:
        text.resize(random() % 6000);
        for (auto& c : text) c = static_cast<char>(random());
        break;
      default:
        text = sample.substr(random() % sample.size());
        break;
    }
    file.Write(text);
    clsICQ7 radio;
    const auto result = radio.OpenFile(file.path());
    EXPECT_EQ(radio.Image().size(), result.ok ? kSize : 0u);
    for (int n = -1; n <= 201; ++n) {
      radio.IsValidMemory(n);
      (void)(radio.GetFreq(n) + radio.GetMod(n) + radio.GetSkip(n) + radio.GetStep(n) +
             radio.GetDup(n) + radio.GetShift(n) + radio.GetTsql(n) + radio.GetGTone(n));
    }
    radio.GetMenu();
    radio.GetRIT();
  }
}

// ---- Radio-wide settings ---------------------------------------------------------------------

struct EnumRow {
  std::size_t offset;
  std::string (clsICQ7::*get)() const;
  void (clsICQ7::*set)(std::string_view);
  int count;                // texts in the list
  int code;                 // a stored byte ...
  const char* text;         // ... and its text
  const char* unknownRead;  // what a byte past the list reads
  bool unknownWritesZero;   // else a text not in the list changes nothing
};

// clang-format off
const EnumRow kEnums[] = {
    {1895, &clsICQ7::GetRIT, &clsICQ7::SetRIT, 15, 249, "-7", "", true},
    {1920, &clsICQ7::GetLockMode, &clsICQ7::SetLockMode, 4, 1, "No Sql", "", false},
    {1896, &clsICQ7::GetSquelch, &clsICQ7::SetSquelch, 11, 10, "L9", "", true},
    {1917, &clsICQ7::GetMonitor, &clsICQ7::SetMonitor, 2, 1, "Hold", "", false},
    {1914, &clsICQ7::GetLight, &clsICQ7::SetLight, 3, 2, "Auto", "", false},
    {1906, &clsICQ7::GetPriority, &clsICQ7::SetPriority, 3, 2, "Bell", "", false},
    {1892, &clsICQ7::GetVFO, &clsICQ7::SetVFO, 8, 7, "1295 MHz", "51 MHz", false},
    {1893, &clsICQ7::GetCall, &clsICQ7::SetCall, 2, 1, "Call 2", "", false},
    {1927, &clsICQ7::GetMenu, &clsICQ7::SetMenu, 25, 5, "AUTO RPTR", "", false},
    {1910, &clsICQ7::GetBankScan, &clsICQ7::SetBankScan, 3, 2, "BANK 1", "", false},
    {1908, &clsICQ7::GetPause, &clsICQ7::SetPause, 10, 9, "20 SEC", "2 SEC", true},
    {1907, &clsICQ7::GetResume, &clsICQ7::SetResume, 6, 5, "5 SEC", "", false},
    {1904, &clsICQ7::GetDialSelect, &clsICQ7::SetDialSelect, 3, 2, "10 MHz", "", false},
    {1915, &clsICQ7::GetAPO, &clsICQ7::SetAPO, 5, 4, "120 MIN", "", false},
};
// clang-format on

// Every byte reads back through the setter (bytes past the list read as unknownRead).
TEST(ICQ7Settings, EnumeratedSettingsReadBackThroughTheirSetters) {
  for (const EnumRow& row : kEnums) {
    SCOPED_TRACE(row.text);
    clsICQ7 radio = Q7Image().Load();
    const auto at = static_cast<long>(row.offset);
    const FieldAccess access{[&](std::uint8_t b) {
                               for (int bit = 0; bit < 8; ++bit)
                                 radio.SetBit(at, bit, b >> bit & 1);
                             },
                             [&] { return radio.Image()[row.offset]; },
                             [&] { return (radio.*row.get)(); },
                             [&](std::string_view t) { (radio.*row.set)(t); }};
    access.poke(static_cast<std::uint8_t>(row.code));
    EXPECT_EQ(access.get(), row.text);
    access.poke(200);
    EXPECT_EQ(access.get(), row.unknownRead);
    EXPECT_EQ(ExpectFieldRoundTrip(access, 0xFF, row.unknownWritesZero ? 0 : -1).size(),
              static_cast<std::size_t>(row.count));
    access.poke(0x63);
    (radio.*row.set)(std::string(row.text) + " ");  // spaces count
    EXPECT_EQ(access.peek(), row.unknownWritesZero ? 0 : 0x63);
  }
  clsICQ7 radio = Q7Image().Byte(1920, 2).Byte(1896, 5).Load();
  radio.SetLockMode("NORMAL");
  radio.SetSquelch("L10");
  EXPECT_EQ(radio.GetLockMode() + "/" + radio.GetSquelch(), "No Vol/Open");
}

TEST(ICQ7Settings, NumbersAndFlags) {
  using Get = long (clsICQ7::*)() const;
  using Set = void (clsICQ7::*)(long);
  const struct {
    std::size_t offset;
    Get get;
    Set set;
    bool zeroOrOne;  // the getter answers 1 for any byte but 0
  } rows[] = {
      {1912, &clsICQ7::GetChIndMode, &clsICQ7::SetChIndMode, true},
      {1911, &clsICQ7::GetExpSetMode, &clsICQ7::SetExpSetMode, true},
      {1913, &clsICQ7::GetBeepTones, &clsICQ7::SetBeepTones, true},
      {1905, &clsICQ7::GetAutoRepeater, &clsICQ7::SetAutoRepeater, true},
      {1909, &clsICQ7::GetPScan, &clsICQ7::SetPScan, false},
      {1918, &clsICQ7::GetDialAccelOn, &clsICQ7::SetDialAccelOn, false},
      {1916, &clsICQ7::GetPowerSaveOn, &clsICQ7::SetPowerSaveOn, false},
  };
  for (const auto& row : rows) {
    clsICQ7 radio = Q7Image().Load();
    EXPECT_EQ((radio.*row.get)(), 0);
    (radio.*row.set)(5);
    EXPECT_EQ((radio.*row.get)(), row.zeroOrOne ? 1 : 5) << row.offset;
    (radio.*row.set)(255);
    (radio.*row.set)(256);
    (radio.*row.set)(-1);
    EXPECT_EQ(Bytes(radio.Image().begin() + static_cast<long>(row.offset) - 1,
                    radio.Image().begin() + static_cast<long>(row.offset) + 2),
              (Bytes{0, 255, 0}))
        << row.offset;
  }
  clsICQ7 radio = Q7Image().Byte(1890, 200).Load();
  EXPECT_EQ(radio.GetMemoryCh(), "200");
  radio.SetmemoryCh(7);
  radio.SetmemoryCh(300);
  EXPECT_EQ(radio.GetMemoryCh(), "7");
}

TEST(ICQ7Settings, RitLockAndCurrentModeBits) {
  clsICQ7 radio = Q7Image().Byte(1897, 0x15).Load();
  EXPECT_EQ(radio.GetIsLockOn() + radio.GetIsRITOn(), 0);
  radio.SetIsLockOn(2);
  radio.SetIsRITOn(-1);
  EXPECT_EQ(radio.Image()[1897], 0x15);
  radio.SetIsLockOn(1);
  EXPECT_EQ(radio.Image()[1897], 0x95);
  radio.SetIsRITOn(1);
  EXPECT_EQ(radio.Image()[1897], 0xD5);
  EXPECT_EQ(radio.GetIsLockOn() + radio.GetIsRITOn(), 2);
  radio.SetIsLockOn(0);
  EXPECT_EQ(radio.Image()[1897], 0x55);

  // The current mode is bits 7-6 of 1891; 3 reads as 0 and is never written.
  radio = Q7Image().Byte(1891, 0xD5).Load();
  radio.SetCurrentMode(3);
  radio.SetCurrentMode(-1);
  EXPECT_EQ(radio.Image()[1891], 0xD5);
  const std::pair<std::uint8_t, long> modes[] = {{0x95, 2}, {0x55, 1}, {0x15, 0}, {0xD5, 0}};
  for (const auto& [byte, mode] : modes) {
    EXPECT_EQ(Q7Image().Byte(1891, byte).Load().GetCurrentMode(), mode) << int(byte);
    if (byte == 0xD5) continue;
    radio.SetCurrentMode(mode);
    EXPECT_EQ(radio.Image()[1891], byte) << mode;
  }
}

}  // namespace
