#include "readers/ReaderHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ScratchFile.h"

using namespace readers;

namespace {

using Texts = std::pair<const char*, const char*>;
using Bytes = std::vector<std::uint8_t>;

TEST(ReaderHelpers, HexAndBinaryTexts) {
  // value, prefixing form, cutting form
  const std::tuple<std::uint32_t, const char*, const char*> hex[] = {
      {5, "05", "05"}, {256, "100", "00"}, {300, "12C", "2C"}, {0xFFFFFFFFu, "FFFFFFFF", "FF"}};
  for (auto [value, prefixed, cut] : hex) {
    EXPECT_EQ(lHex(value, HexForm::Prefix), prefixed) << value;
    EXPECT_EQ(lHex(value, HexForm::Cut), cut) << value;
  }
  // A character that is not a hex digit repeats the previous one's bits.
  const Texts hex2bin[] = {{"", ""},       {"3a", "00111010"},      {"1G", "00010001"},
                           {"G1", "0001"}, {"a-b", "101010101011"}, {"F0", "11110000"}};
  for (auto [in, out] : hex2bin) EXPECT_EQ(Hex2Bin(in), out) << in;
  // A group that is not four binary digits repeats the previous group's digit.
  const Texts bin2hex[] = {{"", ""},   {"10100101", "A5"},      {"101001", "AA"},
                           {"10", ""}, {"0011x0001111", "33F"}, {"2222", ""}};
  for (auto [in, out] : bin2hex) EXPECT_EQ(Bin2Hex(in), out) << in;

  EXPECT_EQ(Bin2Dec(""), "0");
  EXPECT_EQ(Bin2Dec(std::string(32, '1')), "-1");  // read as a 32-bit number
  EXPECT_EQ(Byte2Bin(0x1FF), "11111111");          // the low byte
  for (std::uint32_t value = 0; value < 256; ++value) {
    ASSERT_EQ(Bin2Dec(Byte2Bin(value)), std::to_string(value));
    ASSERT_EQ(Bin2Hex(Byte2Bin(value)), lHex(value, HexForm::Cut));
    ASSERT_EQ(Hex2Bin(lHex(value, HexForm::Cut)), Byte2Bin(value));
  }

  // lLng stops at the first stranger; Hex2Dec counts it as 0 in its place.
  const std::tuple<const char*, std::int32_t, std::int64_t> numbers[] = {
      {"", 0, 0}, {"ff", 255, 255}, {"FFFFFFFF", -1, 4294967295LL}, {"1Z", 1, 16}};
  for (auto [text, lng, dec] : numbers) {
    EXPECT_EQ(lLng(text), lng) << text;
    EXPECT_EQ(Hex2Dec(text), dec) << text;
  }
}

TEST(ReaderHelpers, BitsAndFields) {
  const std::pair<int, int> bits[] = {{0, 1}, {1, 0}, {5, 1}, {7, 0}, {-1, 0}, {8, 0}};
  for (auto [n, bit] : bits) EXPECT_EQ(GetBit(std::uint8_t{0x25}, n), bit) << n;
  EXPECT_EQ(SetBit(std::uint8_t{0x00}, 7, 1), 0x80);
  EXPECT_EQ(SetBit(std::uint8_t{0xFF}, 0, 0), 0xFE);
  for (auto [n, v] : {std::pair{8, 1}, {-1, 1}, {1, 2}}) {
    EXPECT_EQ(SetBit(std::uint8_t{0x25}, n, v), 0x25);  // nonsense changes nothing
  }

  Bytes image{0x00, 0x25};
  EXPECT_EQ(GetBit(image, 1, 0), 1);
  EXPECT_EQ(GetBit(image, 2, 0), 0);
  EXPECT_TRUE(SetBit(image, 0, 3, 1));
  EXPECT_FALSE(SetBit(image, 2, 3, 1));
  EXPECT_EQ(image, (Bytes{0x08, 0x25}));

  // byte, low bit, width, field
  const std::tuple<std::uint8_t, int, int, unsigned> fields[] = {
      {0xB6, 0, 2, 2},    {0xB6, 6, 2, 2}, {0xB6, 4, 4, 0xB},
      {0xB6, 0, 8, 0xB6}, {0xB6, 7, 2, 0}, {0xB6, 0, 0, 0}};
  for (auto [byte, low, width, field] : fields) {
    EXPECT_EQ(GetField(byte, low, width), field) << low << "/" << width;
  }
  EXPECT_EQ(SetField(0xFF, 2, 3, 0b010), 0b11101011);
  EXPECT_EQ(SetField(0x00, 6, 2, 0b111), 0b11000000);  // extra bits are cut off
  EXPECT_EQ(SetField(0x5A, 7, 2, 3), 0x5A);
}

TEST(ReaderHelpers, FileExistsAndIsEven) {
  ScratchFile file(".vx7");
  file.Write(std::string_view("x"));
  EXPECT_TRUE(FileExists(file.path()));
  EXPECT_FALSE(FileExists(file.path() + ".missing"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(IsEven(-4) && !IsEven(-3));
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
  EXPECT_TRUE(std::is_sorted(DcsCodeList.begin(), DcsCodeList.end()));

  // code, DCS text, 39-tone text
  const std::tuple<long long, const char*, const char*> codes[] = {
      {0, "023", "67.0"},    {12, "071", "100.0"},  {25, "145", "156.7"},
      {26, "152", "162.2"},  {38, "243", "250.3"},  {39, "244", "100.0"},
      {103, "754", "100.0"}, {104, "023", "100.0"}, {-1, "023", "100.0"}};
  for (auto [code, dcs, tone] : codes) {
    EXPECT_EQ(DcsText(code), dcs) << code;
    EXPECT_EQ(Ctcss39Text(code), tone) << code;
  }
  EXPECT_EQ(DcsCode("754"), 103);
  EXPECT_EQ(DcsCode("25"), 0);
  EXPECT_EQ(Ctcss39Code("250.3"), 38);
  EXPECT_EQ(Ctcss39Code("254.1"), 0);  // a 50-list tone the VX-5R lacks
  EXPECT_EQ(CodeIndex(CtcssToneList, "254.1"), 49);
  EXPECT_EQ(CodeIndex(CtcssToneList, "254.10"), -1);
}

TEST(ReaderHelpers, StrictSetterTexts) {
  EXPECT_EQ(HexNumber("1322"), 0x1322u);
  EXPECT_EQ(HexNumber("ff"), 0xFFu);
  for (const char* bad : {"", "12G", " 12", "0x12", "123456789", "-1"}) {
    EXPECT_FALSE(HexNumber(bad).has_value()) << bad;
  }
  EXPECT_EQ(BinByte("10100101"), 0xA5);
  for (const char* bad : {"", "1010010", "101001011", "1010010x"}) {
    EXPECT_FALSE(BinByte(bad).has_value()) << bad;
  }
  EXPECT_EQ(HexBytes("146520"), (Bytes{0x14, 0x65, 0x20}));
  EXPECT_EQ(HexBytes(""), Bytes{});
  EXPECT_FALSE(HexBytes("14652").has_value());
  EXPECT_FALSE(HexBytes("14 520").has_value());
  EXPECT_EQ(HexText(Bytes{0x0A, 0xFF, 0x00}), "0AFF00");

  for (const char* number : {"12", " -5 ", "+2.5", ".5", "5."}) {
    EXPECT_TRUE(IsDecimalText(number)) << number;
  }
  for (const char* other : {"", " ", "-", "1.2.3", "1e3", "&H10", "1 2"}) {
    EXPECT_FALSE(IsDecimalText(other)) << other;
  }
}

TEST(ReaderHelpers, LoadFileBytesExactShortLongEmptyMissing) {
  ScratchFile file;
  Bytes dest(4, 0xEE);
  file.Write(Bytes{1, 2, 3, 4, 5, 6});
  EXPECT_TRUE(LoadFileBytes(file.path(), dest).ok);
  EXPECT_EQ(dest, (Bytes{1, 2, 3, 4}));
  EXPECT_TRUE(LoadFileBytes(file.path(), dest, 3).ok);
  EXPECT_EQ(dest, (Bytes{4, 5, 6, 0}));
  EXPECT_TRUE(LoadFileBytes(file.path(), dest, 6).ok);
  EXPECT_EQ(dest, (Bytes{0, 0, 0, 0}));

  file.Write(Bytes{});
  dest.assign(4, 0xEE);
  EXPECT_TRUE(LoadFileBytes(file.path(), dest).ok);
  EXPECT_EQ(dest, (Bytes{0, 0, 0, 0}));

  // A huge file is read no further than dest reaches.
  file.Write(Bytes{1, 2, 3});
  const std::uintmax_t huge = std::uintmax_t{100} << 30;
  std::filesystem::resize_file(file.path(), huge);  // sparse
  EXPECT_TRUE(LoadFileBytes(file.path(), dest).ok);
  EXPECT_EQ(dest, (Bytes{1, 2, 3, 0}));
  dest.assign(4, 0xEE);
  EXPECT_TRUE(LoadFileBytes(file.path(), dest, huge - 2).ok);
  EXPECT_EQ(dest, (Bytes{0, 0, 0, 0}));

  // Failures keep what was there and say why in the runtime's words.
  dest.assign(4, 0xEE);
  EXPECT_EQ(LoadFileBytes(file.path() + ".missing", dest).error, "Error 53: File not found");
  EXPECT_EQ(LoadFileBytes("", dest).error, "Error 75: Path/File access error");
  EXPECT_EQ(LoadFileBytes(std::filesystem::temp_directory_path().string(), dest).error,
            "Error 75: Path/File access error");
  EXPECT_EQ(dest, Bytes(4, 0xEE));
}

}  // namespace
