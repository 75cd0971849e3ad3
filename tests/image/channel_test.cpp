#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <map>

#include "image/clsICR2.h"
#include "image_support.h"

namespace {

using image_test::FillImage;
using image_test::PokeRecord;
using image_test::Record;
using image_test::RecordOf;

class Channel : public ::testing::Test {
 protected:
  void SetUp() override { image.Init(); }
  clsICR2 image;
};

// Fails for every bit outside `allowed` (per byte of channel ch's record) that changed.
void ExpectOnly(const ImageBytes& before, const ImageBytes& after, int ch, const Record& allowed,
                const std::string& what) {
  const int base = (ch - 1) * 8;
  for (int a = 0; a < kImageSize; ++a) {
    const std::uint8_t mask = a >= base && a < base + 8 ? allowed[a - base] : 0;
    EXPECT_EQ((before[a] ^ after[a]) & ~mask, 0) << what << " changed address 0x" << std::hex << a;
  }
}

// Enumerated fields -------------------------------------------------------------------

struct EnumField {
  const char* name;
  int byte;
  std::uint8_t mask;  // bits the setter writes
  OptionList options;
  std::string (clsICR2::*get)(int) const;
  void (clsICR2::*set)(int, std::string_view);
  std::vector<std::pair<std::uint8_t, const char*>> codes;  // stored bits and their text
  bool unknownWritesZero;  // else a text not in the list changes nothing
};

// clang-format off
const EnumField kEnumFields[] = {
    {"mode", 6, 0xC0, clsICR2::GetMode_Opt(), &clsICR2::GetMode, &clsICR2::SetMode,
     {{0x40, "WFM"}, {0x80, "AM"}, {0xC0, ""}}, false},
    {"duplex", 3, 0xF0, clsICR2::GetDUP_Opt(), &clsICR2::GetDup, &clsICR2::SetDup,
     {{0x10, "SIMP"}, {0x20, "-DUP"}, {0x30, "+DUP"}, {0xC0, "SIMP"}}, false},
    {"tone", 6, 0x3F, clsICR2::GetTone_Opt(), &clsICR2::GetTone, &clsICR2::SetTone,
     {{0x08, "88.5"}, {0x31, "254.1"}, {0x32, "67.0"}, {0x3F, "67.0"}}, true},
    {"skip", 7, 0xC0, clsICR2::GetSkip_Opt(), &clsICR2::GetSkip, &clsICR2::SetSkip,
     {{0x40, "PSKIP"}, {0x80, "SKIP"}, {0xC0, "PSKIP"}}, false},
    {"tsql", 7, 0x30, clsICR2::GetTSQL_Opt(), &clsICR2::GetTsql, &clsICR2::SetTsql,
     {{0x10, "ON"}, {0x20, "OFF"}, {0x30, "ON"}}, false},
    {"step", 7, 0x0F, clsICR2::GetStep_Opt(), &clsICR2::GetStep, &clsICR2::SetStep,
     {{0x01, "6.25 KHz"}, {0x09, "100 KHz"}, {0x0A, ""}, {0x0E, ""}, {0x0F, "9 KHz"}}, false},
};
// clang-format on

// The codes decode as listed. Every text some code reads as is written back as the
// first code that reads so, changing only the field's own bits, on records of 0x00 and
// of 0xFF. The options offered are those texts in code order ("9 KHz" is set by the
// band, never offered).
TEST_F(Channel, EnumeratedFieldsDecodeAndWriteInTheirOwnBits) {
  for (const EnumField& f : kEnumFields) {
    for (const auto& [bits, text] : f.codes) {
      Record record{0x14, 0x55, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00};
      record[f.byte] = bits;
      PokeRecord(image, 1, record);
      EXPECT_EQ((image.*f.get)(1), text) << f.name << " 0x" << std::hex << int(bits);
    }
    const int low = std::countr_zero(unsigned{f.mask});
    std::map<std::string, std::uint8_t> firstCode;
    OptionList inCodeOrder;
    for (int code = 0; code <= f.mask >> low; ++code) {
      Record record{};
      record[f.byte] = static_cast<std::uint8_t>(code << low);
      PokeRecord(image, 1, record);
      const std::string text = (image.*f.get)(1);
      if (text.empty() || firstCode.count(text)) continue;
      firstCode[text] = record[f.byte];
      if (text != "9 KHz") inCodeOrder.push_back(text);
    }
    EXPECT_EQ(f.options, inCodeOrder) << f.name;
    for (const auto& [text, bits] : firstCode) {
      for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        FillImage(image, fill);
        const ImageBytes before = image.GetArry();
        (image.*f.set)(200, text);
        EXPECT_EQ(RecordOf(image, 200)[f.byte], (fill & ~f.mask) | bits) << f.name << ' ' << text;
        EXPECT_EQ((image.*f.get)(200), text) << f.name;
        Record allowed{};
        allowed[f.byte] = f.mask;
        ExpectOnly(before, image.GetArry(), 200, allowed, std::string(f.name) + ' ' + text);
      }
    }
    // Only exact list texts are taken.
    const Record kept{0x14, 0x55, 0x00, 0xC5, 0x06, 0x00, 0x48, 0x26};
    for (const char* text : {"fm", " FM", "FM ", "", "9 khz", "SIMP ", "on", "88.4"}) {
      PokeRecord(image, 3, kept);
      (image.*f.set)(3, text);
      Record expected = kept;
      if (f.unknownWritesZero) expected[f.byte] &= ~f.mask;
      EXPECT_EQ(RecordOf(image, 3), expected) << f.name << " \"" << text << '"';
    }
  }
}

TEST_F(Channel, FrequencyAndOffsetSettersKeepToTheirBytes) {
  const std::pair<std::function<void(clsICR2&)>, Record> cases[] = {
      {[](clsICR2& i) { i.SetFreq(200, "145.5"); }, {0xFF, 0xFF, 0xFF}},
      {[](clsICR2& i) { i.SetBCBFreq(200, "0.999"); }, {0xFF, 0xFF, 0xFF}},
      {[](clsICR2& i) { i.SetOffset(200, "12.5"); }, {0, 0, 0, 0x0F, 0xFF, 0xFF}},
  };
  for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
    for (const auto& [set, allowed] : cases) {
      FillImage(image, fill);
      const ImageBytes before = image.GetArry();
      set(image);
      ExpectOnly(before, image.GetArry(), 200, allowed, "fill " + std::to_string(fill));
    }
  }
}

// Frequency and offset: whole kHz of the text's value, clamped to what the digits hold.
TEST_F(Channel, DigitFieldsEncodeAndClamp) {
  struct Case {
    char field;  // 'F': SetFreq into bytes 0-2, 'O': SetOffset into bytes 3-5
    const char* text;
    const char* digits;  // the three bytes in hex
    const char* readBack;
  };
  const Case cases[] = {
      {'F', "145.5", "145500", "145.500"},     {'F', "0.495", "000495", "0.495"},
      {'F', "0.1", "000495", "0.495"},         {'F', "999.999", "999999", "999.999"},
      {'F', "1000", "A00000", "1000.000"},     {'F', "1100.25", "B00250", "1100.250"},
      {'F', "1599.995", "F99995", "1599.995"}, {'F', "1599.996", "F99995", "1599.995"},
      {'F', "99999", "F99995", "1599.995"},    {'F', "146.52125", "146521", "146.521"},
      {'F', "00145.5", "145500", "145.500"},   {'F', "-145.5", "000495", "0.495"},
      {'F', " 28.3 MHz", "028300", "28.300"},  {'F', "abc", "000495", "0.495"},
      {'O', "0.6", "300600", "0.600"},         {'O', "12.5", "312500", "12.500"},
      {'O', "100", "3A0000", "100.000"},       {'O', "159.995", "3F9995", "159.995"},
      {'O', "159.999", "3F9999", "159.999"},   {'O', "160", "3F9995", "159.995"},
      {'O', "999.5", "3F9995", "159.995"},     {'O', "-5", "300000", "0.000"},
      {'O', "0.00625", "300006", "0.006"},
  };
  const Record kept{0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0xFF, 0x78, 0x9A};
  for (const Case& c : cases) {
    PokeRecord(image, 9, kept);
    Record expected = kept;
    for (int i = 0; i < 3; ++i) {
      expected[(c.field == 'O' ? 3 : 0) + i] =
          static_cast<std::uint8_t>(std::stoi(std::string(c.digits + 2 * i, 2), nullptr, 16));
    }
    if (c.field == 'O') {
      image.SetOffset(9, c.text);
    } else {
      image.SetFreq(9, c.text);
    }
    EXPECT_EQ(RecordOf(image, 9), expected) << c.text;
    EXPECT_EQ(c.field == 'O' ? image.GetOffset(9) : image.GetFreq(9), c.readBack) << c.text;
  }
  const std::pair<Record, const char*> stored[] = {
      {{0xA0, 0x00, 0x00}, "1000.000"},
      {{0xF9, 0x99, 0x95}, "1599.995"},
      {{0x07, 0xFF, 0xFF}, "7.FFF"},
      {{0xFF, 0xFF, 0xFF}, "15.FFF"},
      {{0x1A, 0x55, 0x00}, "1.500"}};  // a hex digit among the MHz ends the number
  for (const auto& [record, text] : stored) {
    PokeRecord(image, 450, record);
    EXPECT_EQ(image.GetFreq(450), text);
  }
}

// 9 kHz broadcast band ------------------------------------------------------------------

TEST_F(Channel, EveryBroadcastChannelRoundTrips) {
  for (int k = 0; k < 126; ++k) {
    const int khz = 495 + 9 * k;
    char text[16];
    std::snprintf(text, sizeof text, "%d.%03d", khz / 1000, khz % 1000);
    image.SetBCBFreq(5, text);
    EXPECT_EQ(RecordOf(image, 5), (Record{static_cast<std::uint8_t>(k), 0xFF, 0xFF})) << text;
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

  // The band's limits are exclusive.
  const std::pair<const char*, bool> band[] = {
      {"0.494", false}, {"0.4941", true}, {"1.6209", true}, {"1.621", false}, {"abc", false}};
  for (const auto& [text, in] : band) EXPECT_EQ(clsICR2::IsBCBFreq(text), in) << text;
  EXPECT_TRUE(clsICR2::IsBCBFreq(1.0));
  EXPECT_FALSE(clsICR2::IsBCBFreq(2.790));
}

// Validity and bounds ------------------------------------------------------------------------

TEST_F(Channel, Validity) {
  const std::pair<Record, bool> cases[] = {
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, false},  // the empty record
      {{0, 0, 0, 0, 0, 0, 0, 0}, false},
      {{0x14, 0x55, 0x00, 0, 0, 0, 0, 0}, true},
      {{0x00, 0xFF, 0xFF, 0, 0, 0, 0, 0x0F}, true},   // k = 0, 9 KHz
      {{0x7D, 0xFF, 0xFF, 0, 0, 0, 0, 0x0F}, true},   // k = 125
      {{0x7E, 0xFF, 0xFF, 0, 0, 0, 0, 0x0F}, false},  // k = 126
      {{0x0A, 0xFF, 0xFF, 0, 0, 0, 0, 0x00}, false},  // broadcast form, 5 KHz
      {{0x0A, 0xFF, 0xFF, 0, 0, 0, 0, 0x0C}, false},  // step without text
  };
  for (const auto& [record, valid] : cases) {
    PokeRecord(image, 12, record);
    EXPECT_EQ(image.IsValidMemory(12), valid) << int(record[0]) << ' ' << int(record[7]);
  }
  image.ClearMemory(12);
  EXPECT_EQ(RecordOf(image, 12), (Record{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(Channel, ChannelNumbersOutsideTheRangeAreRefused) {
  FillImage(image, 0xA5);
  const ImageBytes before = image.GetArry();
  for (int ch : {0, -1, 451, 460, 100000}) {
    image.SetFreq(ch, "145.5");
    image.SetBCBFreq(ch, "1.0");
    image.SetOffset(ch, "5");
    for (const EnumField& f : kEnumFields) (image.*f.set)(ch, f.options.back());
    image.ClearMemory(ch);
    EXPECT_EQ(image.GetArry(), before) << ch;
    EXPECT_FALSE(image.IsValidMemory(ch));
    EXPECT_EQ(image.GetFreq(ch) + image.GetBCBFreq(ch) + image.GetOffset(ch), "") << ch;
    for (const EnumField& f : kEnumFields) EXPECT_EQ((image.*f.get)(ch), "") << f.name << ch;
  }
  image.SetFreq(450, "145.5");
  EXPECT_EQ(image.GetArry()[449 * 8], 0x14) << "channel 450 is the last record";
  EXPECT_EQ(image.GetArry()[450 * 8], 0xA5);
}

}  // namespace
