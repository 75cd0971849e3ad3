#include "readers/clsICQ7.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ScratchFile.h"
#include "image/CloneFrame.h"

namespace {

using readers::clsICQ7;

constexpr std::size_t kSize = 1984;

const std::string kSampleName = "peer-icq7.q7";

// A ".q7" line: one data frame per 16 bytes, the end frame, CR LF.
std::string StreamOf(const std::vector<std::uint8_t>& image) {
  std::string stream;
  for (std::size_t at = 0; at + 16 <= image.size(); at += 16) {
    stream += CloneDataFrame(static_cast<unsigned>(at),
                             std::span<const std::uint8_t, 16>(image.data() + at, 16));
  }
  return stream + CloneFrame(CloneCommand::EndOfData, "Icom Inc.") + "\r\n";
}

// An image with every memory empty, built from the layout.
struct Q7Image {
  std::vector<std::uint8_t> bytes = [] {
    std::vector<std::uint8_t> b(kSize, 0x00);
    std::fill(b.begin() + 1680, b.begin() + 1880, 0xFF);
    return b;
  }();

  Q7Image& Memory(int n, std::vector<std::uint8_t> record, std::uint8_t flag = 0x00) {
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

std::vector<std::uint8_t> ImageOf(const clsICQ7& radio) {
  return {radio.Image().begin(), radio.Image().end()};
}

// ---- The real file ---------------------------------------------------------------------------

TEST(ICQ7Sample, MemoriesReadAsThePersonProgrammedThem) {
  clsICQ7 radio;
  ASSERT_TRUE(radio.OpenFile(std::string(KESTRANE_SAMPLES_DIR) + "/" + kSampleName).ok);
  ASSERT_EQ(radio.Image().size(), kSize);

  int defined = 0;
  for (int n = 1; n <= 200; ++n) defined += radio.IsValidMemory(n);
  EXPECT_EQ(defined, 20);

  const struct {
    int n;
    const char *freq, *mode, *skip, *step, *dup, *shift, *tsql, *gTone, *rTone;
  } rows[] = {
      {1, "146520", "FM", "OFF", "5 KHz", "SIMP", "05250", "OFF", "110.9", "110.9"},
      {2, "145170", "FM", "OFF", "5 KHz", "-DUP", "00600", "OFF", "123.0", "123.0"},
      // The offset field's first digit (8 here) is not part of the offset.
      {3, "443112", "FM", "OFF", "6.25 KHz", "SIMP", "05000", "OFF", "131.8", "131.8"},
      {13, "147340", "FM", "OFF", "5 KHz", "+DUP", "00600", "TONE", "118.8", "118.8"},
      {195, "118000", "AM", "SKIP", "12.5 KHz", "SIMP", "00000", "OFF", "88.5", "88.5"},
      {200, "1300000", "FM", "SKIP", "20 KHz", "SIMP", "00000", "OFF", "88.5", "88.5"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.n);
    EXPECT_TRUE(radio.IsValidMemory(row.n));
    EXPECT_EQ(radio.GetFreq(row.n), row.freq);
    EXPECT_EQ(radio.GetMod(row.n), row.mode);
    EXPECT_EQ(radio.GetSkip(row.n), row.skip);
    EXPECT_EQ(radio.GetStep(row.n), row.step);
    EXPECT_EQ(radio.GetDup(row.n), row.dup);
    EXPECT_EQ(radio.GetShift(row.n), row.shift);
    EXPECT_EQ(radio.GetTsql(row.n), row.tsql);
    EXPECT_EQ(radio.GetGTone(row.n), row.gTone);
    EXPECT_EQ(radio.GetRTone(row.n), row.rTone);
  }
  EXPECT_FALSE(radio.IsValidMemory(4));
  EXPECT_EQ(radio.GetMemBytes(1), "1465200052503CF0");

  EXPECT_EQ(radio.GetMemoryCh(), "16");
  EXPECT_EQ(radio.GetVFO(), "145 MHz");
  EXPECT_EQ(radio.GetPause(), "10 SEC");
  EXPECT_EQ(radio.GetMenu(), "EXPAND");
}

TEST(ICQ7Sample, SavingTheRealFileGivesItBackByteForByte) {
  const std::string original = ReadSample(kSampleName);
  ASSERT_EQ(original.size(), 5721u);
  clsICQ7 radio;
  ASSERT_TRUE(radio.OpenFile(std::string(KESTRANE_SAMPLES_DIR) + "/" + kSampleName).ok);
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
}

TEST(ICQ7File, FramesAreFoundWhereverTheyStand) {
  Q7Image image;
  image.Memory(1, {0x14, 0x65, 0x20, 0, 0, 0, 0, 0});
  std::string stream = StreamOf(image.bytes);
  const struct {
    const char* what;
    std::string text;
  } rows[] = {
      {"junk between frames",
       [&] {
         std::string s = stream;
         s.insert(46, "junk\xFD");
         s.insert(0, "\xFE\xFE\xEE\xEF\xE2\x12\x34\xFD");  // an echoed request adds nothing
         return s;
       }()},
      {"more lines after the stream", stream + "second line\r\n"},
      {"data past 1984 bytes", stream.substr(0, stream.size() - 17) + stream},
      {"no end frame", stream.substr(0, 124 * 46)},
      {"LF alone", stream.substr(0, stream.size() - 2) + "\n"},
  };
  for (const auto& row : rows) {
    ScratchFile file(".q7");
    file.Write(row.text);
    clsICQ7 radio;
    const auto result = radio.OpenFile(file.path());
    EXPECT_TRUE(result.ok) << row.what << ": " << result.error;
    EXPECT_EQ(ImageOf(radio), image.bytes) << row.what;
  }
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
  const struct {
    const char* what;
    std::string text;
  } rows[] = {
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
  for (const auto& row : rows) {
    ScratchFile file(".q7");
    file.Write(row.text);
    const auto result = radio.OpenFile(file.path());
    EXPECT_FALSE(result.ok) << row.what;
    EXPECT_FALSE(result.error.empty()) << row.what;
    EXPECT_EQ(ImageOf(radio), before) << row.what;

    clsICQ7 fresh;
    EXPECT_FALSE(fresh.OpenFile(file.path()).ok) << row.what;
    EXPECT_FALSE(fresh.IsLoaded());
  }
  const auto missing = radio.OpenFile("/nonexistent/kestrane.q7");
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.error.empty());
  EXPECT_EQ(ImageOf(radio), before);
}

TEST(ICQ7File, SaveWithoutAnImageWritesNothing) {
  ScratchFile file(".q7");
  file.Write("keep me");
  const clsICQ7 radio;
  const auto result = radio.SaveFile(file.path());
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(file.Read(), "keep me");

  const clsICQ7 loaded = Q7Image().Load();
  EXPECT_FALSE(loaded.SaveFile("/nonexistent/folder/x.q7").ok);
}

// ---- Memory fields ---------------------------------------------------------------------------

TEST(ICQ7Memory, FrequencyAndOffset) {
  const struct {
    std::vector<std::uint8_t> bytes;
    const char* text;
  } reads[] = {{{0x14, 0x65, 0x20}, "146520"},  {{0x08, 0x85, 0x00}, "088500"},
               {{0x99, 0x99, 0x99}, "999999"},  {{0xA0, 0x00, 0x00}, "1000000"},
               {{0xC4, 0x00, 0x00}, "1240000"}, {{0xF9, 0x99, 0x95}, "1599995"}};
  for (const auto& row : reads) {
    EXPECT_EQ(Q7Image().Memory(200, row.bytes).Load().GetFreq(200), row.text);
  }

  // Memory 5 holds 11 22 33 10 06 00 AB CD; each row gives its first six bytes afterwards.
  const std::vector<std::uint8_t> kept{0x11, 0x22, 0x33, 0x10, 0x06, 0x00};
  // clang-format off
  const struct {
    bool freq;  // SetFreq, else SetShift
    const char* text;
    std::vector<std::uint8_t> record;
  } writes[] = {
      {true, "C40000", {0xC4, 0x00, 0x00, 0x10, 0x06, 0x00}},
      {true, "14652a", {0x14, 0x65, 0x2A, 0x10, 0x06, 0x00}},
      {true, "", kept}, {true, "14652", kept}, {true, "1240000", kept}, {true, "14.520", kept},
      {false, "00600", kept},  // the first digit's high nibble (1) stays
      {false, "12345", {0x11, 0x22, 0x33, 0x11, 0x23, 0x45}},
      {false, "012345", kept}, {false, "G0600", kept}, {false, "", kept},
  };
  // clang-format on
  for (const auto& row : writes) {
    clsICQ7 radio = Q7Image().Memory(5, {0x11, 0x22, 0x33, 0x10, 0x06, 0x00, 0xAB, 0xCD}).Load();
    if (row.freq) {
      radio.SetFreq(5, row.text);
    } else {
      radio.SetShift(5, row.text);
    }
    const auto image = ImageOf(radio);
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 32, image.begin() + 38), row.record)
        << row.text;
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 38, image.begin() + 41),
              (std::vector<std::uint8_t>{0xAB, 0xCD, 0x00}))
        << row.text;
    EXPECT_EQ(image[31], 0x00) << row.text;
  }
  EXPECT_EQ(Q7Image().Memory(5, kept).Load().GetShift(5), "00600");
}

TEST(ICQ7Memory, StepCodes) {
  const struct {
    std::uint8_t byte7;
    const char* text;
  } rows[] = {{0x00, "5 KHz"}, {0x51, "6.25 KHz"}, {0x09, "100 KHz"},
              {0xFA, "AUTO"},  {0x0B, ""},         {0x0F, ""}};
  for (const auto& row : rows) {
    const clsICQ7 radio = Q7Image().Memory(2, {0, 0, 0, 0, 0, 0, 0, row.byte7}).Load();
    EXPECT_EQ(radio.GetStep(2), row.text) << int(row.byte7);
  }
  const struct {
    const char* text;
    std::uint8_t byte7;
  } writes[] = {{"AUTO", 0xDA},  {"12.5 KHz", 0xD3}, {"5 KHz", 0xD0},
                {"bogus", 0xD0}, {"", 0xD0},         {"5 khz", 0xD0}};
  for (const auto& row : writes) {
    clsICQ7 radio = Q7Image().Memory(2, {0, 0, 0, 0, 0, 0, 0x12, 0xDF}).Load();
    radio.SetStep(2, row.text);
    EXPECT_EQ(radio.Image()[15], row.byte7) << row.text;
    EXPECT_EQ(radio.Image()[14], 0x12) << row.text;
  }
}

TEST(ICQ7Memory, FlagFieldsRead) {
  const struct {
    std::uint8_t flag;
    bool valid;
    const char *mode, *skip, *dup, *tsql;
  } rows[] = {
      {0xFF, false, "FM", "OFF", "SIMP", "OFF"}, {0x00, true, "FM", "OFF", "SIMP", "OFF"},
      {0x01, true, "WFM", "OFF", "SIMP", "OFF"}, {0x06, true, "AM", "PSKIP", "SIMP", "OFF"},
      {0x0B, true, "FM", "SKIP", "SIMP", "OFF"}, {0x1C, true, "FM", "OFF", "-DUP", "OFF"},
      {0x20, true, "FM", "OFF", "+DUP", "OFF"},  {0x70, true, "FM", "OFF", "SIMP", "OFF"},
      {0x80, true, "FM", "OFF", "SIMP", "TONE"}, {0xC0, true, "FM", "OFF", "SIMP", "OFF"},
  };

  for (const auto& row : rows) {
    const clsICQ7 radio = Q7Image().Memory(100, {}, row.flag).Load();
    SCOPED_TRACE(int(row.flag));
    EXPECT_EQ(radio.IsValidMemory(100), row.valid);
    EXPECT_EQ(radio.GetMod(100), row.mode);
    EXPECT_EQ(radio.GetSkip(100), row.skip);
    EXPECT_EQ(radio.GetDup(100), row.dup);
    EXPECT_EQ(radio.GetTsql(100), row.tsql);
  }
}

TEST(ICQ7Memory, FlagFieldsWriteOnlyTheirOwnBits) {
  using Set = void (clsICQ7::*)(int, std::string_view);
  const struct {
    Set set;
    const char* word;
    std::uint8_t from, to;
  } rows[] = {
      {&clsICQ7::SetMod, "FM", 0xFF, 0xFC},     {&clsICQ7::SetMod, "WFM", 0x00, 0x01},
      {&clsICQ7::SetMod, "AM", 0x00, 0x02},     {&clsICQ7::SetMod, "AUTO", 0x00, 0x03},
      {&clsICQ7::SetMod, "", 0x55, 0x55},       {&clsICQ7::SetMod, "fm", 0x55, 0x55},
      {&clsICQ7::SetSkip, "PSKIP", 0x00, 0x04}, {&clsICQ7::SetSkip, "SKIP", 0xFF, 0xFB},
      {&clsICQ7::SetSkip, "OFF", 0xFF, 0xF3},   {&clsICQ7::SetSkip, "bogus", 0xFF, 0xF3},
      {&clsICQ7::SetDup, "MINUS", 0x00, 0x10},  {&clsICQ7::SetDup, "PLUS", 0xFF, 0xEF},
      {&clsICQ7::SetDup, "OFF", 0xFF, 0xCF},    {&clsICQ7::SetDup, "-DUP", 0x10, 0x00},
      {&clsICQ7::SetTsql, "TONE", 0x00, 0x80},  {&clsICQ7::SetTsql, "P BEEP", 0xFF, 0x7F},
      {&clsICQ7::SetTsql, "TSQL", 0x00, 0xC0},  {&clsICQ7::SetTsql, "OFF", 0xFF, 0x3F},
      {&clsICQ7::SetTsql, "", 0x80, 0x80},      {&clsICQ7::SetTsql, "TSQL ", 0x80, 0x80},
  };
  for (const auto& row : rows) {
    clsICQ7 radio = Q7Image().Memory(50, {}, row.from).Load();
    (radio.*row.set)(50, row.word);
    EXPECT_EQ(radio.Image()[1680 + 49], row.to) << row.word;
    EXPECT_EQ(radio.Image()[1680 + 48], 0xFF) << row.word;
    EXPECT_EQ(radio.Image()[1680 + 50], 0xFF) << row.word;
  }
  // Words the getters give back differently.
  clsICQ7 radio = Q7Image().Memory(1, {}).Load();
  radio.SetMod(1, "AUTO");
  radio.SetTsql(1, "P BEEP");
  EXPECT_EQ(radio.GetMod(1), "FM");
  EXPECT_EQ(radio.GetTsql(1), "OFF");
}

TEST(ICQ7Memory, ValidityAndRecordBytes) {
  clsICQ7 radio =
      Q7Image().Memory(3, {0x14, 0x65, 0x20, 0x10, 0x06, 0x00, 0x20, 0x8A}, 0x9B).Load();
  EXPECT_EQ(radio.GetMemBytes(3), "146520100600208A");
  EXPECT_EQ(clsICQ7::GetMemOffset(1), 0);
  EXPECT_EQ(clsICQ7::GetMemOffset(200), 1592);
  radio.SetIsValidMemory(3, false);
  EXPECT_FALSE(radio.IsValidMemory(3));
  EXPECT_EQ(radio.Image()[1682], 0xFF);
  radio.SetIsValidMemory(3, true);
  EXPECT_TRUE(radio.IsValidMemory(3));
  EXPECT_EQ(radio.Image()[1682], 0x00);
  EXPECT_EQ(radio.GetMemBytes(3), "146520100600208A");  // the record stays

  radio.SetBit(1983, 7, 1);
  EXPECT_EQ(radio.Image()[1983], 0x80);
  radio.SetBit(1983, 8, 1);
  radio.SetBit(1983, -1, 1);
  radio.SetBit(1984, 0, 1);
  radio.SetBit(-1, 0, 1);
  EXPECT_EQ(radio.Image()[1983], 0x80);
  EXPECT_EQ(radio.Image().size(), kSize);
}

TEST(ICQ7Memory, ToneFields) {
  const struct {
    std::uint8_t b6, b7;
    const char *gTone, *rTone;
  } rows[] = {
      {0x20, 0x80, "88.5", "88.5"},    {0x20, 0x8F, "88.5", "88.5"},
      {0x00, 0x00, "67.0", "67.0"},    {0xC7, 0x10, "254.1", "254.1"},
      {0x03, 0x20, "Invalid", "67.0"}, {0x03, 0xF0, "Invalid", "67.0"},
      {0xC8, 0x00, "67.0", "Invalid"}, {0xFF, 0xFF, "Invalid", "Invalid"},
      {0x00, 0xC0, "100.0", "67.0"},   {0x03, 0x00, "250.3", "67.0"},
  };
  for (const auto& row : rows) {
    const clsICQ7 radio = Q7Image().Memory(8, {0, 0, 0, 0, 0, 0, row.b6, row.b7}).Load();
    SCOPED_TRACE(testing::Message() << int(row.b6) << " " << int(row.b7));
    EXPECT_EQ(radio.GetGTone(8), row.gTone);
    EXPECT_EQ(radio.GetRTone(8), row.rTone);
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
    EXPECT_EQ(radio.GetStep(8), "AUTO");
  }
}

// ---- Bounds ----------------------------------------------------------------------------------

TEST(ICQ7Bounds, NoImageAndOutOfRangeMemoriesReadEmptyAndWriteNothing) {
  clsICQ7 unloaded;
  clsICQ7 loaded = Q7Image().Memory(1, {0x14, 0x65, 0x20, 0, 0, 0, 0x20, 0x80}).Load();
  const struct {
    clsICQ7* radio;
    int n;
  } rows[] = {{&unloaded, 1}, {&unloaded, 200},   {&loaded, 0},      {&loaded, 201},
              {&loaded, -1},  {&loaded, INT_MAX}, {&loaded, INT_MIN}};
  for (const auto& row : rows) {
    clsICQ7& radio = *row.radio;
    const int n = row.n;
    SCOPED_TRACE(n);
    const auto before = ImageOf(radio);
    EXPECT_FALSE(radio.IsValidMemory(n));
    for (const std::string& text :
         {radio.GetFreq(n), radio.GetMod(n), radio.GetStep(n), radio.GetSkip(n), radio.GetDup(n),
          radio.GetShift(n), radio.GetTsql(n), radio.GetGTone(n), radio.GetRTone(n),
          radio.GetMemBytes(n)}) {
      EXPECT_EQ(text, "");
    }
    radio.SetFreq(n, "146520");
    radio.SetShift(n, "00600");
    radio.SetMod(n, "AM");
    radio.SetStep(n, "AUTO");
    radio.SetSkip(n, "SKIP");
    radio.SetDup(n, "PLUS");
    radio.SetTsql(n, "TONE");
    radio.SetGTone(n, "88.5");
    radio.SetRTone(n, "88.5");
    radio.SetIsValidMemory(n, true);
    EXPECT_EQ(ImageOf(radio), before);
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
  const std::string sample = ReadSample(kSampleName);
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
      radio.GetFreq(n);
      radio.GetMod(n);
      radio.GetSkip(n);
      radio.GetStep(n);
      radio.GetDup(n);
      radio.GetShift(n);
      radio.GetTsql(n);
      radio.GetGTone(n);
    }
    radio.GetMenu();
    radio.GetRIT();
  }
}

// ---- Radio-wide settings ---------------------------------------------------------------------

struct EnumRow {
  const char* name;
  std::size_t offset;
  std::string (clsICQ7::*get)() const;
  void (clsICQ7::*set)(std::string_view);
  std::vector<std::pair<int, const char*>> codes;  // stored byte and its text
  const char* unknownRead;                         // what an unlisted byte reads
  bool unknownWritesZero;                          // else an unlisted text changes nothing
};

TEST(ICQ7Settings, EnumeratedSettingsReadAndWriteTheirCodes) {
  // clang-format off
  const std::vector<EnumRow> rows = {
      {"RIT", 1895, &clsICQ7::GetRIT, &clsICQ7::SetRIT,
       {{249, "-7"}, {255, "-1"}, {0, "0"}, {1, "+1"}, {7, "+7"}}, "", true},
      {"LockMode", 1920, &clsICQ7::GetLockMode, &clsICQ7::SetLockMode,
       {{0, "Normal"}, {1, "No Sql"}, {3, "All"}}, "", false},
      {"Squelch", 1896, &clsICQ7::GetSquelch, &clsICQ7::SetSquelch,
       {{0, "Open"}, {1, "Auto"}, {2, "L1"}, {10, "L9"}}, "", true},
      {"Monitor", 1917, &clsICQ7::GetMonitor, &clsICQ7::SetMonitor,
       {{0, "Push"}, {1, "Hold"}}, "", false},
      {"Light", 1914, &clsICQ7::GetLight, &clsICQ7::SetLight, {{0, "Off"}, {2, "Auto"}}, "", false},
      {"Priority", 1906, &clsICQ7::GetPriority, &clsICQ7::SetPriority,
       {{0, "Off"}, {2, "Bell"}}, "", false},
      {"VFO", 1892, &clsICQ7::GetVFO, &clsICQ7::SetVFO,
       {{0, "51 MHz"}, {7, "1295 MHz"}}, "51 MHz", false},
      {"Call", 1893, &clsICQ7::GetCall, &clsICQ7::SetCall,
       {{0, "Call 1"}, {1, "Call 2"}}, "", false},
      {"Menu", 1927, &clsICQ7::GetMenu, &clsICQ7::SetMenu,
       {{0, "STEP"}, {5, "AUTO RPTR"}, {14, "BNK SC"}, {24, "EXPAND"}}, "", false},
      {"BankScan", 1910, &clsICQ7::GetBankScan, &clsICQ7::SetBankScan,
       {{0, "OFF"}, {2, "BANK 1"}}, "", false},
      {"Pause", 1908, &clsICQ7::GetPause, &clsICQ7::SetPause,
       {{0, "2 SEC"}, {9, "20 SEC"}}, "2 SEC", true},
      {"Resume", 1907, &clsICQ7::GetResume, &clsICQ7::SetResume,
       {{0, "0 SEC"}, {5, "5 SEC"}}, "", false},
      {"DialSelect", 1904, &clsICQ7::GetDialSelect, &clsICQ7::SetDialSelect,
       {{0, "0.1 MHz"}, {2, "10 MHz"}}, "", false},
      {"APO", 1915, &clsICQ7::GetAPO, &clsICQ7::SetAPO, {{0, "OFF"}, {4, "120 MIN"}}, "", false},
  };
  // clang-format on

  for (const EnumRow& row : rows) {
    SCOPED_TRACE(row.name);
    for (const auto& [code, text] : row.codes) {
      EXPECT_EQ((Q7Image().Byte(row.offset, static_cast<std::uint8_t>(code)).Load().*row.get)(),
                text);
      clsICQ7 radio = Q7Image().Byte(row.offset, 0x63).Load();
      (radio.*row.set)(text);
      EXPECT_EQ(radio.Image()[row.offset], code) << text;
      EXPECT_EQ(radio.Image()[row.offset - 1], 0) << text;
      EXPECT_EQ(radio.Image()[row.offset + 1], 0) << text;
    }
    // A byte past the list, and texts that are not in it (case and spaces count).
    for (int unknown : {100, 200}) {
      EXPECT_EQ((Q7Image().Byte(row.offset, static_cast<std::uint8_t>(unknown)).Load().*row.get)(),
                row.unknownRead);
    }
    for (const std::string& text : {std::string(row.codes.back().second) + " ", std::string("x")}) {
      clsICQ7 radio = Q7Image().Byte(row.offset, 0x63).Load();
      (radio.*row.set)(text);
      EXPECT_EQ(radio.Image()[row.offset], row.unknownWritesZero ? 0 : 0x63) << text;
    }
  }
  clsICQ7 radio = Q7Image().Byte(1920, 2).Byte(1896, 5).Load();
  radio.SetLockMode("NORMAL");
  radio.SetSquelch("L10");
  EXPECT_EQ(radio.GetLockMode(), "No Vol");
  EXPECT_EQ(radio.GetSquelch(), "Open");
  radio.SetRIT("+8");
}

TEST(ICQ7Settings, NumbersAndFlags) {
  using Get = long (clsICQ7::*)() const;
  using Set = void (clsICQ7::*)(long);
  const struct {
    const char* name;
    std::size_t offset;
    Get get;
    Set set;
    bool zeroOrOne;  // the getter answers 1 for any byte but 0
  } rows[] = {
      {"ChIndMode", 1912, &clsICQ7::GetChIndMode, &clsICQ7::SetChIndMode, true},
      {"ExpSetMode", 1911, &clsICQ7::GetExpSetMode, &clsICQ7::SetExpSetMode, true},
      {"BeepTones", 1913, &clsICQ7::GetBeepTones, &clsICQ7::SetBeepTones, true},
      {"AutoRepeater", 1905, &clsICQ7::GetAutoRepeater, &clsICQ7::SetAutoRepeater, true},
      {"PScan", 1909, &clsICQ7::GetPScan, &clsICQ7::SetPScan, false},
      {"DialAccelOn", 1918, &clsICQ7::GetDialAccelOn, &clsICQ7::SetDialAccelOn, false},
      {"PowerSaveOn", 1916, &clsICQ7::GetPowerSaveOn, &clsICQ7::SetPowerSaveOn, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    clsICQ7 radio = Q7Image().Load();
    EXPECT_EQ((radio.*row.get)(), 0);
    (radio.*row.set)(5);
    EXPECT_EQ(radio.Image()[row.offset], 5);
    EXPECT_EQ((radio.*row.get)(), row.zeroOrOne ? 1 : 5);
    (radio.*row.set)(255);
    EXPECT_EQ(radio.Image()[row.offset], 255);
    (radio.*row.set)(256);
    (radio.*row.set)(-1);
    EXPECT_EQ(radio.Image()[row.offset], 255);
    EXPECT_EQ(radio.Image()[row.offset - 1], 0);
    EXPECT_EQ(radio.Image()[row.offset + 1], 0);
  }

  clsICQ7 radio = Q7Image().Byte(1890, 200).Load();
  EXPECT_EQ(radio.GetMemoryCh(), "200");
  radio.SetmemoryCh(7);
  radio.SetmemoryCh(300);
  EXPECT_EQ(radio.GetMemoryCh(), "7");
}

TEST(ICQ7Settings, RitLockAndCurrentModeBits) {
  clsICQ7 radio = Q7Image().Byte(1897, 0x15).Byte(1891, 0x15).Load();
  EXPECT_EQ(radio.GetIsLockOn(), 0);
  EXPECT_EQ(radio.GetIsRITOn(), 0);
  radio.SetIsLockOn(1);
  EXPECT_EQ(radio.Image()[1897], 0x95);
  radio.SetIsRITOn(1);
  EXPECT_EQ(radio.Image()[1897], 0xD5);
  EXPECT_EQ(radio.GetIsLockOn(), 1);
  EXPECT_EQ(radio.GetIsRITOn(), 1);
  radio.SetIsLockOn(2);
  radio.SetIsRITOn(-1);
  EXPECT_EQ(radio.Image()[1897], 0xD5);
  radio.SetIsLockOn(0);
  EXPECT_EQ(radio.Image()[1897], 0x55);

  const struct {
    std::uint8_t byte;
    long mode;
  } reads[] = {{0x15, 0}, {0x55, 1}, {0x95, 2}, {0xD5, 0}};
  for (const auto& row : reads) {
    EXPECT_EQ(Q7Image().Byte(1891, row.byte).Load().GetCurrentMode(), row.mode) << int(row.byte);
  }
  radio = Q7Image().Byte(1891, 0xD5).Load();
  radio.SetCurrentMode(3);
  radio.SetCurrentMode(-1);
  EXPECT_EQ(radio.Image()[1891], 0xD5);
  radio.SetCurrentMode(2);
  EXPECT_EQ(radio.Image()[1891], 0x95);
  radio.SetCurrentMode(1);
  EXPECT_EQ(radio.Image()[1891], 0x55);
  radio.SetCurrentMode(0);
  EXPECT_EQ(radio.Image()[1891], 0x15);
}

}  // namespace
