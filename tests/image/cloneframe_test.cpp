#include "image/CloneFrame.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

namespace {

using Block = std::array<std::uint8_t, kCloneBlockSize>;

TEST(CloneChecksum, TwosComplementOfTheByteSum) {
  const std::string zeros(32, '0');
  EXPECT_EQ(CloneChecksum("000010" + zeros), "F0");
  EXPECT_EQ(CloneChecksum(""), "00");
  EXPECT_EQ(CloneChecksum("01"), "FF");
  EXPECT_EQ(CloneChecksum("FF01"), "00");  // 256 wraps to 0
  EXPECT_EQ(CloneChecksum("0aG1"), "F6");  // lower case counts, "G1" adds nothing
  EXPECT_EQ(CloneChecksum("101"), "F0");   // a lone last digit adds nothing
}

TEST(HexRecord, AddressCountDataChecksum) {
  Block data{};
  std::iota(data.begin(), data.end(), std::uint8_t{0xF0});
  const std::string record = HexRecord(0x0FB0, data);
  ASSERT_EQ(record.size(), kHexRecordLength);
  EXPECT_EQ(record.substr(0, 38), "0FB010F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF");
  EXPECT_EQ(record.substr(38), CloneChecksum(record.substr(0, 38)));
  EXPECT_EQ(HexRecord(0, Block{}), "000010" + std::string(32, '0') + "F0");
}

TEST(CloneFrame, EnvelopeAroundTheBody) {
  const std::string frame = CloneDataFrame(0x10, Block{});
  ASSERT_EQ(frame.size(), kCloneDataFrameLength);
  EXPECT_EQ(frame.substr(0, 5), "\xFE\xFE\xEE\xEF\xE4");
  EXPECT_EQ(frame.back(), '\xFD');
  EXPECT_EQ(frame.substr(5, 40), HexRecord(0x10, Block{}));
  EXPECT_EQ(CloneFrame(CloneCommand::EndOfData, "Icom Inc."),
            std::string("\xFE\xFE\xEE\xEF\xE5Icom Inc.\xFD"));
}

std::string Stream(int blocks, std::uint8_t fill) {
  std::string s;
  Block data;
  data.fill(fill);
  for (int k = 0; k < blocks; ++k) s += CloneDataFrame(16 * k, data);
  return s;
}

TEST(DecodeCloneStream, FlagsWhatIsWrongButKeepsSequentialPlacement) {
  struct Case {
    const char* name;
    std::string stream;
    std::size_t maxBytes, bytes;
    bool bad, notHex, overflow, truncated;
  };
  std::string wrongAddress = Stream(2, 1);
  wrongAddress.replace(46 + 5, 4, "0000");  // second block claims address 0
  std::string wrongSum = Stream(1, 1);
  wrongSum[5 + 38] = wrongSum[5 + 38] == '0' ? '1' : '0';
  std::string notHex = Stream(1, 1);
  notHex[5 + 6] = 'X';
  const std::string full = Stream(2, 1);
  const std::string clean = std::string("\xFE\xFE\xEE\xEF\xE2\x21\x27\x00\x00\xFD", 10) + "noise" +
                            full + CloneFrame(CloneCommand::EndOfData, "Icom Inc.");
  const Case cases[] = {
      {"echo, noise and end frame skipped", clean, 4032, 32, false, false, false, false},
      {"wrong address", wrongAddress, 4032, 32, true, false, false, false},
      {"wrong checksum", wrongSum, 4032, 16, true, false, false, false},
      {"not hex", notHex, 4032, 16, true, true, false, false},
      {"too much data", full, 20, 20, false, false, true, false},
      {"no closing FD", full.substr(0, 46 + 20), 4032, 16, false, false, false, true},
      {"short frame", std::string("\xFE\xFE\xEE\xEF\xE4\xFD", 6) + full, 4032, 32, false, false,
       false, false},
  };
  for (const Case& c : cases) {
    const CloneStreamData d = DecodeCloneStream(c.stream, c.maxBytes);
    EXPECT_EQ(d.bytes.size(), c.bytes) << c.name;
    EXPECT_EQ(d.badBlock, c.bad) << c.name;
    EXPECT_EQ(d.notHex, c.notHex) << c.name;
    EXPECT_EQ(d.overflow, c.overflow) << c.name;
    EXPECT_EQ(d.truncated, c.truncated) << c.name;
  }
  EXPECT_EQ(DecodeCloneStream(clean, 4032).bytes, std::vector<std::uint8_t>(32, 1));
  EXPECT_EQ(DecodeCloneStream(clean, 4032).blocks, 2);
}

}  // namespace
