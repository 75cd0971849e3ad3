#include <gtest/gtest.h>

#include <functional>

#include "image/clsICR2.h"
#include "image_support.h"

namespace {

using image_test::PokeRecord;
using image_test::Record;
using image_test::RecordOf;

class Channel : public ::testing::Test {
 protected:
  void SetUp() override { image.Init(); }
  clsICR2 image;
};

// Field isolation -------------------------------------------------------------------

struct IsolationCase {
  const char* name;
  std::function<void(clsICR2&, int)> set;
  int byte;           // record byte the setter may change
  std::uint8_t mask;  // bits of that byte it may change (0xFF: whole byte)
  int byteCount;      // bytes from `byte` on that it may change
};

TEST_F(Channel, EachSetterChangesOnlyItsOwnBits) {
  const IsolationCase cases[] = {
      {"SetMode AM", [](clsICR2& i, int c) { i.SetMode(c, "AM"); }, 6, 0xC0, 1},
      {"SetMode WFM", [](clsICR2& i, int c) { i.SetMode(c, "WFM"); }, 6, 0xC0, 1},
      {"SetTone 254.1", [](clsICR2& i, int c) { i.SetTone(c, "254.1"); }, 6, 0x3F, 1},
      {"SetTone unknown", [](clsICR2& i, int c) { i.SetTone(c, "88.4"); }, 6, 0x3F, 1},
      {"SetDup -DUP", [](clsICR2& i, int c) { i.SetDup(c, "-DUP"); }, 3, 0xF0, 1},
      {"SetDup SIMP", [](clsICR2& i, int c) { i.SetDup(c, "SIMP"); }, 3, 0xF0, 1},
      {"SetSkip SKIP", [](clsICR2& i, int c) { i.SetSkip(c, "SKIP"); }, 7, 0xC0, 1},
      {"SetSkip PSKIP", [](clsICR2& i, int c) { i.SetSkip(c, "PSKIP"); }, 7, 0xC0, 1},
      {"SetTsql ON", [](clsICR2& i, int c) { i.SetTsql(c, "ON"); }, 7, 0x30, 1},
      {"SetTsql OFF", [](clsICR2& i, int c) { i.SetTsql(c, "OFF"); }, 7, 0x30, 1},
      {"SetStep 9 KHz", [](clsICR2& i, int c) { i.SetStep(c, "9 KHz"); }, 7, 0x0F, 1},
      {"SetStep 12.5 KHz", [](clsICR2& i, int c) { i.SetStep(c, "12.5 KHz"); }, 7, 0x0F, 1},
      {"SetOffset 12.5", [](clsICR2& i, int c) { i.SetOffset(c, "12.5"); }, 3, 0x0F, 1},
      {"SetFreq 145.5", [](clsICR2& i, int c) { i.SetFreq(c, "145.5"); }, 0, 0xFF, 3},
      {"SetBCBFreq 0.999", [](clsICR2& i, int c) { i.SetBCBFreq(c, "0.999"); }, 0, 0xFF, 3},
  };
  for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
    for (const IsolationCase& c : cases) {
      image_test::FillImage(image, fill);
      const ImageBytes before = image.GetArry();
      c.set(image, 200);
      const ImageBytes after = image.GetArry();
      const int base = 199 * 8;
      for (int a = 0; a < kImageSize; ++a) {
        std::uint8_t allowed = 0;
        if (a == base + c.byte) allowed = c.mask;
        if (c.byte == 3 && c.mask == 0x0F && (a == base + 4 || a == base + 5)) allowed = 0xFF;
        if (a > base + c.byte && a < base + c.byte + c.byteCount) allowed = 0xFF;
        EXPECT_EQ((before[a] ^ after[a]) & ~allowed, 0)
            << c.name << " on 0x" << std::hex << int(fill) << " changed address 0x" << a;
      }
    }
  }
}

// Decode tables ---------------------------------------------------------------------

TEST_F(Channel, EnumeratedFieldsDecodeEveryCode) {
  struct Case {
    int byte;
    std::uint8_t value;
    std::function<std::string(const clsICR2&)> get;
    const char* expected;
  };
  auto mode = [](const clsICR2& i) { return i.GetMode(1); };
  auto dup = [](const clsICR2& i) { return i.GetDup(1); };
  auto tone = [](const clsICR2& i) { return i.GetTone(1); };
  auto skip = [](const clsICR2& i) { return i.GetSkip(1); };
  auto tsql = [](const clsICR2& i) { return i.GetTsql(1); };
  auto step = [](const clsICR2& i) { return i.GetStep(1); };
  const Case cases[] = {
      {6, 0x00, mode, "FM"},      {6, 0x40, mode, "WFM"},      {6, 0x80, mode, "AM"},
      {6, 0xC0, mode, ""},        {3, 0x00, dup, "SIMP"},      {3, 0x10, dup, "SIMP"},
      {3, 0x20, dup, "-DUP"},     {3, 0xF0, dup, "+DUP"},      {6, 0x00, tone, "67.0"},
      {6, 0xC8, tone, "88.5"},    {6, 0x31, tone, "254.1"},    {6, 0x32, tone, "67.0"},
      {6, 0x3F, tone, "67.0"},    {7, 0x00, skip, "OFF"},      {7, 0x40, skip, "PSKIP"},
      {7, 0x80, skip, "SKIP"},    {7, 0xC0, skip, "PSKIP"},    {7, 0x00, tsql, "OFF"},
      {7, 0x10, tsql, "ON"},      {7, 0x20, tsql, "OFF"},      {7, 0x30, tsql, "ON"},
      {7, 0x00, step, "5 KHz"},   {7, 0x01, step, "6.25 KHz"}, {7, 0x03, step, "12.5 KHz"},
      {7, 0x09, step, "100 KHz"}, {7, 0x0A, step, ""},         {7, 0x0C, step, ""},
      {7, 0x0E, step, ""},        {7, 0xFF, step, "9 KHz"},
  };
  for (const Case& c : cases) {
    Record record{0x14, 0x55, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00};
    record[c.byte] = c.value;
    PokeRecord(image, 1, record);
    EXPECT_EQ(c.get(image), c.expected) << "byte " << c.byte << " = 0x" << std::hex << int(c.value);
  }
}

TEST_F(Channel, SettersTakeOnlyExactListTexts) {
  PokeRecord(image, 3, {0x14, 0x55, 0x00, 0xC5, 0x06, 0x00, 0x48, 0x26});
  const Record before = RecordOf(image, 3);
  for (const char* text : {"fm", " FM", "FM ", "", "Fm", "9 khz", "SIMP ", "on", "X"}) {
    image.SetMode(3, text);
    image.SetDup(3, text);
    image.SetSkip(3, text);
    image.SetTsql(3, text);
    image.SetStep(3, text);
    EXPECT_EQ(RecordOf(image, 3), before) << '"' << text << '"';
  }
  // The tone alone falls back to index 0 and keeps the mode bits.
  image.SetTone(3, "88.4");
  EXPECT_EQ(RecordOf(image, 3)[6], 0x40);
  EXPECT_EQ(image.GetTone(3), "67.0");
}

TEST_F(Channel, SettersWriteTheirCodes) {
  PokeRecord(image, 4, {0x14, 0x55, 0x00, 0xC5, 0x06, 0x00, 0xFF, 0xFF});
  image.SetDup(4, "-DUP");
  EXPECT_EQ(RecordOf(image, 4)[3], 0x25) << "bits 7-6 cleared, offset digit kept";
  image.SetDup(4, "+DUP");
  EXPECT_EQ(RecordOf(image, 4)[3], 0x35);
  image.SetDup(4, "SIMP");
  EXPECT_EQ(RecordOf(image, 4)[3], 0x05);
  image.SetTsql(4, "ON");
  EXPECT_EQ(RecordOf(image, 4)[7], 0xDF) << "bit 5 written as 0";
  image.SetStep(4, "9 KHz");
  EXPECT_EQ(RecordOf(image, 4)[7], 0xDF);
  image.SetStep(4, "5 KHz");
  EXPECT_EQ(RecordOf(image, 4)[7], 0xD0);
  image.SetSkip(4, "OFF");
  EXPECT_EQ(RecordOf(image, 4)[7], 0x10);
  image.SetTone(4, "88.5");
  EXPECT_EQ(RecordOf(image, 4)[6], 0xC8);
  image.SetMode(4, "FM");
  EXPECT_EQ(RecordOf(image, 4)[6], 0x08);
}

TEST(ChannelOptions, ListsInOrder) {
  EXPECT_EQ(clsICR2::GetMode_Opt(), (OptionList{"FM", "WFM", "AM"}));
  EXPECT_EQ(clsICR2::GetDUP_Opt(), (OptionList{"SIMP", "-DUP", "+DUP"}));
  EXPECT_EQ(clsICR2::GetSkip_Opt(), (OptionList{"OFF", "PSKIP", "SKIP"}));
  EXPECT_EQ(clsICR2::GetTSQL_Opt(), (OptionList{"OFF", "ON"}));
  EXPECT_EQ(clsICR2::GetStep_Opt(),
            (OptionList{"5 KHz", "6.25 KHz", "10 KHz", "12.5 KHz", "15 KHz", "20 KHz", "25 KHz",
                        "30 KHz", "50 KHz", "100 KHz"}));
  const OptionList tones = clsICR2::GetTone_Opt();
  ASSERT_EQ(tones.size(), 50u);
  EXPECT_EQ(tones.front(), "67.0");
  EXPECT_EQ(tones[8], "88.5");
  EXPECT_EQ(tones.back(), "254.1");
}

// Frequency -------------------------------------------------------------------------

TEST_F(Channel, FrequencyEncodingAndClamps) {
  struct Case {
    const char* text;
    std::uint8_t b0, b1, b2;
    const char* readBack;
  };
  const Case cases[] = {
      {"145.5", 0x14, 0x55, 0x00, "145.500"},     {"145.500", 0x14, 0x55, 0x00, "145.500"},
      {"0.5", 0x00, 0x05, 0x00, "0.500"},         {"0.1", 0x00, 0x04, 0x95, "0.495"},
      {"0.3", 0x00, 0x04, 0x95, "0.495"},         {"0.495", 0x00, 0x04, 0x95, "0.495"},
      {"1299.995", 0xC9, 0x99, 0x95, "1299.995"}, {"1000", 0xA0, 0x00, 0x00, "1000.000"},
      {"999.999", 0x99, 0x99, 0x99, "999.999"},   {"1599.995", 0xF9, 0x99, 0x95, "1599.995"},
      {"1599.996", 0xF9, 0x99, 0x95, "1599.995"}, {"1600", 0xF9, 0x99, 0x95, "1599.995"},
      {"99999", 0xF9, 0x99, 0x95, "1599.995"},    {"146.52125", 0x14, 0x65, 0x21, "146.521"},
      {"145.1234", 0x14, 0x51, 0x23, "145.123"},  {"00145.5", 0x14, 0x55, 0x00, "145.500"},
      {"-145.5", 0x00, 0x04, 0x95, "0.495"},      {" 28.3 MHz", 0x02, 0x83, 0x00, "28.300"},
      {"1100.25", 0xB0, 0x02, 0x50, "1100.250"},  {"abc", 0x00, 0x04, 0x95, "0.495"},
  };
  for (const Case& c : cases) {
    PokeRecord(image, 9, {0xFF, 0xFF, 0xFF, 0x12, 0x34, 0x56, 0x78, 0x9A});
    image.SetFreq(9, c.text);
    EXPECT_EQ(RecordOf(image, 9), (Record{c.b0, c.b1, c.b2, 0x12, 0x34, 0x56, 0x78, 0x9A}))
        << c.text;
    EXPECT_EQ(image.GetFreq(9), c.readBack) << c.text;
  }
}

TEST_F(Channel, FrequencyTextOfStoredDigits) {
  struct Case {
    Record record;
    const char* text;
  };
  const Case cases[] = {
      {{0x00, 0x00, 0x00}, "0.000"},    {{0xA0, 0x00, 0x00}, "1000.000"},
      {{0xF9, 0x99, 0x95}, "1599.995"}, {{0x07, 0xFF, 0xFF}, "7.FFF"},
      {{0xFF, 0xFF, 0xFF}, "15.FFF"},   {{0x01, 0x23, 0x45}, "12.345"},
      {{0x1A, 0x55, 0x00}, "1.500"},  // a hex digit among the MHz ends the number
  };
  for (const Case& c : cases) {
    PokeRecord(image, 450, c.record);
    EXPECT_EQ(image.GetFreq(450), c.text);
  }
}

// 9 kHz broadcast band ------------------------------------------------------------------

TEST_F(Channel, EveryBroadcastChannelRoundTrips) {
  for (int k = 0; k < 126; ++k) {
    const int khz = 495 + 9 * k;
    char text[16];
    std::snprintf(text, sizeof text, "%d.%03d", khz / 1000, khz % 1000);
    image.SetBCBFreq(5, text);
    const Record record = RecordOf(image, 5);
    EXPECT_EQ(record[0], k) << text;
    EXPECT_EQ(record[1], 0xFF);
    EXPECT_EQ(record[2], 0xFF);
    EXPECT_EQ(image.GetBCBFreq(5), text);
  }
}

TEST_F(Channel, BroadcastSnapAndLimits) {
  struct Case {
    const char* text;
    int k;
    const char* readBack;
  };
  const Case cases[] = {
      {"0.560", 7, "0.558"},   {"0.567", 8, "0.567"},     {"1.521", 114, "1.521"},
      {"1.0169", 57, "1.008"}, {"0.5669999", 7, "0.558"}, {"1.620", 125, "1.620"},
      {"0.400", 0, "0.495"},   {"1.700", 125, "1.620"},
  };
  for (const Case& c : cases) {
    image.SetBCBFreq(6, c.text);
    EXPECT_EQ(RecordOf(image, 6)[0], c.k) << c.text;
    EXPECT_EQ(image.GetBCBFreq(6), c.readBack) << c.text;
  }
  PokeRecord(image, 6, {0xFF, 0xFF, 0xFF});
  EXPECT_EQ(image.GetBCBFreq(6), "2.790");
}

TEST(BroadcastBand, LimitsAreExclusive) {
  EXPECT_FALSE(clsICR2::IsBCBFreq("0.494"));
  EXPECT_TRUE(clsICR2::IsBCBFreq("0.4941"));
  EXPECT_TRUE(clsICR2::IsBCBFreq("1.6209"));
  EXPECT_FALSE(clsICR2::IsBCBFreq("1.621"));
  EXPECT_FALSE(clsICR2::IsBCBFreq("abc"));
  EXPECT_TRUE(clsICR2::IsBCBFreq(1.0));
  EXPECT_FALSE(clsICR2::IsBCBFreq(2.790));
}

// Validity ------------------------------------------------------------------------------

TEST_F(Channel, Validity) {
  struct Case {
    Record record;
    bool valid;
    const char* name;
  };
  const Case cases[] = {
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, false, "empty record"},
      {{0, 0, 0, 0, 0, 0, 0, 0}, false, "zero record"},
      {{0x14, 0x55, 0x00, 0, 0, 0, 0, 0}, true, "145.500"},
      {{0x00, 0xFF, 0xFF, 0, 0, 0, 0, 0x0F}, true, "k = 0, 9 KHz"},
      {{0x0A, 0xFF, 0xFF, 0, 0, 0, 0, 0x0F}, true, "k = 10, 9 KHz"},
      {{0x0F, 0xFF, 0xFF, 0, 0, 0, 0, 0x0F}, true, "k = 15, 9 KHz"},
      {{0x7D, 0xFF, 0xFF, 0, 0, 0, 0, 0x0F}, true, "k = 125, 9 KHz"},
      {{0x7E, 0xFF, 0xFF, 0, 0, 0, 0, 0x0F}, false, "k = 126, 9 KHz"},
      {{0x0A, 0xFF, 0xFF, 0, 0, 0, 0, 0x00}, false, "k = 10, 5 KHz"},
      {{0x0A, 0xFF, 0xFF, 0, 0, 0, 0, 0x0C}, false, "k = 10, step without text"},
      {{0x00, 0xFF, 0xFF, 0, 0, 0, 0, 0x00}, false, "k = 0, 5 KHz"},
  };
  for (const Case& c : cases) {
    PokeRecord(image, 12, c.record);
    EXPECT_EQ(image.IsValidMemory(12), c.valid) << c.name;
  }
  image.ClearMemory(12);
  EXPECT_EQ(RecordOf(image, 12), (Record{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

// Offset --------------------------------------------------------------------------------

TEST_F(Channel, OffsetEncodingAndClamp) {
  struct Case {
    const char* text;
    std::uint8_t b3, b4, b5;
    const char* readBack;
  };
  const Case cases[] = {
      {"0.6", 0x30, 0x06, 0x00, "0.600"},       {"0.600", 0x30, 0x06, 0x00, "0.600"},
      {"0.6000", 0x30, 0x06, 0x00, "0.600"},    {"5", 0x30, 0x50, 0x00, "5.000"},
      {"5.000", 0x30, 0x50, 0x00, "5.000"},     {"12.5", 0x31, 0x25, 0x00, "12.500"},
      {"0.000", 0x30, 0x00, 0x00, "0.000"},     {"100", 0x3A, 0x00, 0x00, "100.000"},
      {"159.995", 0x3F, 0x99, 0x95, "159.995"}, {"159.999", 0x3F, 0x99, 0x99, "159.999"},
      {"160", 0x3F, 0x99, 0x95, "159.995"},     {"999.5", 0x3F, 0x99, 0x95, "159.995"},
      {"-5", 0x30, 0x00, 0x00, "0.000"},        {"0.00625", 0x30, 0x00, 0x06, "0.006"},
  };
  for (const Case& c : cases) {
    PokeRecord(image, 30, {0x14, 0x55, 0x00, 0x3F, 0xFF, 0xFF, 0x00, 0x00});
    image.SetOffset(30, c.text);
    const Record record = RecordOf(image, 30);
    EXPECT_EQ(record[3], c.b3) << c.text;
    EXPECT_EQ(record[4], c.b4) << c.text;
    EXPECT_EQ(record[5], c.b5) << c.text;
    EXPECT_EQ(image.GetOffset(30), c.readBack) << c.text;
  }
}

// Bounds --------------------------------------------------------------------------------

TEST_F(Channel, ChannelNumbersOutsideTheRangeAreRefused) {
  image_test::FillImage(image, 0xA5);
  const ImageBytes before = image.GetArry();
  for (int ch : {0, -1, 451, 460, 100000}) {
    image.SetFreq(ch, "145.5");
    image.SetBCBFreq(ch, "1.0");
    image.SetOffset(ch, "5");
    image.SetMode(ch, "FM");
    image.SetDup(ch, "-DUP");
    image.SetTone(ch, "88.5");
    image.SetSkip(ch, "SKIP");
    image.SetTsql(ch, "ON");
    image.SetStep(ch, "9 KHz");
    image.ClearMemory(ch);
    EXPECT_EQ(image.GetArry(), before) << ch;
    EXPECT_FALSE(image.IsValidMemory(ch));
    for (const std::string& text : {image.GetFreq(ch), image.GetBCBFreq(ch), image.GetOffset(ch),
                                    image.GetMode(ch), image.GetDup(ch), image.GetTone(ch),
                                    image.GetSkip(ch), image.GetTsql(ch), image.GetStep(ch)}) {
      EXPECT_EQ(text, "") << ch;
    }
  }
  image.SetFreq(450, "145.5");
  EXPECT_EQ(image.GetArry()[449 * 8], 0x14) << "channel 450 is the last record";
  EXPECT_EQ(image.GetArry()[450 * 8], 0xA5);
}

}  // namespace
