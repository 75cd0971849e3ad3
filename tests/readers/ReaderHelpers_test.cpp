#include "readers/ReaderHelpers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace readers;

namespace {

TEST(ReaderHelpers, LHexBothForms) {
  struct Row {
    std::uint32_t value;
    const char* prefixed;
    const char* cut;
  };
  const Row rows[] = {
      {0, "00", "00"},    {5, "05", "05"},     {10, "0A", "0A"},
      {16, "10", "10"},   {255, "FF", "FF"},   {256, "100", "00"},
      {300, "12C", "2C"}, {4095, "FFF", "FF"}, {0xFFFFFFFFu, "FFFFFFFF", "FF"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(lHex(row.value, HexForm::Prefix), row.prefixed) << row.value;
    EXPECT_EQ(lHex(row.value, HexForm::Cut), row.cut) << row.value;
  }
}

TEST(ReaderHelpers, Hex2BinRepeatsPreviousDigitForStrangers) {
  struct Row {
    const char* hex;
    const char* bin;
  };
  const Row rows[] = {
      {"", ""},
      {"3a", "00111010"},
      {"3A", "00111010"},
      {"1G", "00010001"},  // G repeats the 1
      {"G1", "0001"},      // nothing to repeat at the start
      {"F0", "11110000"},
      {"a-b", "101010101011"},  // the hyphen repeats the a
      {"0123456789ABCDEF", "0000000100100011010001010110011110001001101010111100110111101111"},
  };
  for (const auto& row : rows) EXPECT_EQ(Hex2Bin(row.hex), row.bin) << row.hex;
}

TEST(ReaderHelpers, Bin2HexGroupsOfFour) {
  struct Row {
    const char* bin;
    const char* hex;
  };
  const Row rows[] = {
      {"", ""},
      {"10100101", "A5"},
      {"00000000", "00"},
      {"11111111", "FF"},
      {"101001", "AA"},         // short last group repeats the A
      {"10", ""},               // a short first group has nothing to repeat
      {"0011x0001111", "33F"},  // the bad middle group repeats the 3
      {"2222", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(Bin2Hex(row.bin), row.hex) << row.bin;
}

TEST(ReaderHelpers, Bin2DecAndByte2Bin) {
  EXPECT_EQ(Bin2Dec("00000101"), "5");
  EXPECT_EQ(Bin2Dec("11111111"), "255");
  EXPECT_EQ(Bin2Dec("00000000"), "0");
  EXPECT_EQ(Bin2Dec(""), "0");
  EXPECT_EQ(Bin2Dec(std::string(32, '1')), "-1");  // read as a 32-bit number

  EXPECT_EQ(Byte2Bin(0x25), "00100101");
  EXPECT_EQ(Byte2Bin(0), "00000000");
  EXPECT_EQ(Byte2Bin(0x1FF), "11111111");  // the cutting form keeps the low byte

  for (int value = 0; value < 256; ++value) {
    EXPECT_EQ(Bin2Dec(Byte2Bin(static_cast<std::uint32_t>(value))), std::to_string(value));
  }
}

TEST(ReaderHelpers, HexTextToNumber) {
  struct Row {
    const char* hex;
    std::int32_t lng;
    std::int64_t dec;
  };
  const Row rows[] = {
      {"", 0, 0},
      {"0", 0, 0},
      {"ff", 255, 255},
      {"1A2", 418, 418},
      {"7FFFFFFF", 2147483647, 2147483647},
      {"FFFFFFFF", -1, 4294967295LL},
      {"1Z", 1, 16},  // lLng stops at Z; Hex2Dec counts it as 0 in the last place
  };
  for (const auto& row : rows) {
    EXPECT_EQ(lLng(row.hex), row.lng) << row.hex;
    EXPECT_EQ(Hex2Dec(row.hex), row.dec) << row.hex;
  }
}

TEST(ReaderHelpers, GetBitAndSetBitOnBytes) {
  struct Row {
    int n;
    int expected;
  };
  const Row rows[] = {{0, 1}, {1, 0}, {2, 1}, {5, 1}, {7, 0}, {-1, 0}, {8, 0}};
  for (const auto& row : rows) EXPECT_EQ(GetBit(std::uint8_t{0x25}, row.n), row.expected) << row.n;

  EXPECT_EQ(SetBit(std::uint8_t{0x00}, 7, 1), 0x80);
  EXPECT_EQ(SetBit(std::uint8_t{0xFF}, 0, 0), 0xFE);
  EXPECT_EQ(SetBit(std::uint8_t{0x25}, 5, 1), 0x25);
  EXPECT_EQ(SetBit(std::uint8_t{0x25}, 5, 0), 0x05);
  // Nonsense leaves the byte as it was.
  EXPECT_EQ(SetBit(std::uint8_t{0x25}, 8, 1), 0x25);
  EXPECT_EQ(SetBit(std::uint8_t{0x25}, -1, 1), 0x25);
  EXPECT_EQ(SetBit(std::uint8_t{0x25}, 1, 2), 0x25);
}

TEST(ReaderHelpers, BitsOnImageStayInside) {
  std::vector<std::uint8_t> image{0x00, 0x25};
  EXPECT_EQ(GetBit(image, 1, 0), 1);
  EXPECT_EQ(GetBit(image, 2, 0), 0);
  EXPECT_TRUE(SetBit(image, 0, 3, 1));
  EXPECT_EQ(image[0], 0x08);
  EXPECT_FALSE(SetBit(image, 2, 3, 1));
  EXPECT_EQ(image, (std::vector<std::uint8_t>{0x08, 0x25}));
}

TEST(ReaderHelpers, BitFields) {
  struct Row {
    std::uint8_t byte;
    int low, width;
    unsigned read;
  };
  const Row rows[] = {
      {0b10110110, 0, 2, 0b10}, {0b10110110, 6, 2, 0b10}, {0b10110110, 4, 4, 0b1011},
      {0b10110110, 0, 8, 0xB6}, {0b10110110, 7, 2, 0},    {0b10110110, 0, 0, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(GetField(row.byte, row.low, row.width), row.read) << row.low << "/" << row.width;
  }
  EXPECT_EQ(SetField(0xFF, 2, 3, 0b010), 0b11101011);
  EXPECT_EQ(SetField(0x00, 6, 2, 0b111), 0b11000000);  // extra bits are cut off
  EXPECT_EQ(SetField(0x5A, 7, 2, 3), 0x5A);
}

TEST(ReaderHelpers, FileExistsAndIsEven) {
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(FileExists(std::filesystem::temp_directory_path().string()));
  EXPECT_TRUE(FileExists(std::string(KESTRANE_SAMPLES_DIR) + "/peer-vx7.vx7"));
  EXPECT_FALSE(FileExists(std::string(KESTRANE_SAMPLES_DIR) + "/no-such-file.vx7"));

  EXPECT_TRUE(IsEven(0));
  EXPECT_TRUE(IsEven(-4));
  EXPECT_FALSE(IsEven(7));
  EXPECT_FALSE(IsEven(-3));
}

TEST(ReaderHelpers, CodeTables) {
  // The 39-tone list is the 50-tone list without the eleven tones the VX-5R lacks.
  const std::vector<std::string_view> dropped{"159.8", "165.5", "171.3", "177.3", "183.5", "189.9",
                                              "196.6", "199.5", "206.5", "229.1", "254.1"};
  std::vector<std::string_view> kept;
  for (auto tone : CtcssToneList) {
    if (std::find(dropped.begin(), dropped.end(), tone) == dropped.end()) kept.push_back(tone);
  }
  EXPECT_EQ(kept, std::vector<std::string_view>(CtcssToneList39.begin(), CtcssToneList39.end()));
  for (std::size_t i = 1; i < CtcssToneList.size(); ++i) {
    EXPECT_LT(std::stod(std::string(CtcssToneList[i - 1])),
              std::stod(std::string(CtcssToneList[i])));
  }
  for (std::size_t i = 1; i < DcsCodeList.size(); ++i) {
    EXPECT_LT(DcsCodeList[i - 1], DcsCodeList[i]);
  }

  struct TextRow {
    long long code;
    const char* dcs;
    const char* tone39;
  };
  const TextRow rows[] = {
      {0, "023", "67.0"},    {12, "071", "100.0"}, {25, "145", "156.7"},  {26, "152", "162.2"},
      {38, "243", "250.3"},  {39, "244", "100.0"}, {103, "754", "100.0"}, {104, "023", "100.0"},
      {255, "023", "100.0"}, {-1, "023", "100.0"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(DcsText(row.code), row.dcs) << row.code;
    EXPECT_EQ(Ctcss39Text(row.code), row.tone39) << row.code;
  }

  EXPECT_EQ(DcsCode("754"), 103);
  EXPECT_EQ(DcsCode("025"), 1);
  EXPECT_EQ(DcsCode("25"), 0);
  EXPECT_EQ(DcsCode(""), 0);
  EXPECT_EQ(Ctcss39Code("250.3"), 38);
  EXPECT_EQ(Ctcss39Code("254.1"), 0);  // a 50-list tone the VX-5R lacks
  EXPECT_EQ(CodeIndex(CtcssToneList, "254.1"), 49);
  EXPECT_EQ(CodeIndex(CtcssToneList, "254.10"), -1);
}

TEST(ReaderHelpers, StrictSetterTexts) {
  EXPECT_EQ(HexNumber("1322"), 0x1322u);
  EXPECT_EQ(HexNumber("ff"), 0xFFu);
  EXPECT_EQ(HexNumber("FFFFFFFF"), 0xFFFFFFFFu);
  for (const char* bad : {"", "12G", " 12", "0x12", "123456789", "-1"}) {
    EXPECT_FALSE(HexNumber(bad).has_value()) << bad;
  }

  EXPECT_EQ(BinByte("10100101"), 0xA5);
  EXPECT_EQ(BinByte("00000000"), 0x00);
  for (const char* bad : {"", "1010010", "101001011", "1010010x", "2222222"}) {
    EXPECT_FALSE(BinByte(bad).has_value()) << bad;
  }

  EXPECT_EQ(HexBytes("146520"), (std::vector<std::uint8_t>{0x14, 0x65, 0x20}));
  EXPECT_EQ(HexBytes(""), std::vector<std::uint8_t>{});
  EXPECT_FALSE(HexBytes("14652").has_value());
  EXPECT_FALSE(HexBytes("14 520").has_value());
  EXPECT_EQ(HexText(std::vector<std::uint8_t>{0x0A, 0xFF, 0x00}), "0AFF00");

  struct Row {
    const char* text;
    bool decimal;
  };
  const Row rows[] = {{"12", true},     {" -5 ", true}, {"+2.5", true},  {".5", true},
                      {"5.", true},     {"", false},    {" ", false},    {"-", false},
                      {"1.2.3", false}, {"1e3", false}, {"&H10", false}, {"1 2", false}};
  for (const auto& row : rows) EXPECT_EQ(IsDecimalText(row.text), row.decimal) << row.text;
}

class LoadFileBytesTest : public ::testing::Test {
 protected:
  std::string path_ =
      (std::filesystem::temp_directory_path() /
       ("kestrane_reader_helpers_" +
        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".bin"))
          .string();
  void Write(const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  void TearDown() override { std::remove(path_.c_str()); }
};

TEST_F(LoadFileBytesTest, ExactShortLongEmptyMissing) {
  std::vector<std::uint8_t> dest(4, 0xEE);

  Write({1, 2, 3, 4, 5, 6});
  EXPECT_TRUE(LoadFileBytes(path_, dest).ok);
  EXPECT_EQ(dest, (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_TRUE(LoadFileBytes(path_, dest, 3).ok);
  EXPECT_EQ(dest, (std::vector<std::uint8_t>{4, 5, 6, 0}));
  EXPECT_TRUE(LoadFileBytes(path_, dest, 6).ok);
  EXPECT_EQ(dest, (std::vector<std::uint8_t>{0, 0, 0, 0}));

  Write({});
  dest.assign(4, 0xEE);
  EXPECT_TRUE(LoadFileBytes(path_, dest).ok);
  EXPECT_EQ(dest, (std::vector<std::uint8_t>{0, 0, 0, 0}));

  std::remove(path_.c_str());
  dest.assign(4, 0xEE);
  const auto missing = LoadFileBytes(path_, dest);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.error, "Error 53: File not found");
  EXPECT_EQ(dest, (std::vector<std::uint8_t>(4, 0xEE)));  // a failed load keeps what was there

  EXPECT_EQ(LoadFileBytes("", dest).error, "Error 75: Path/File access error");
  EXPECT_EQ(LoadFileBytes(std::filesystem::temp_directory_path().string(), dest).error,
            "Error 75: Path/File access error");
  EXPECT_EQ(dest, (std::vector<std::uint8_t>(4, 0xEE)));
}

}  // namespace
