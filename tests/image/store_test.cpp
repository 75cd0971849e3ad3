#include <gtest/gtest.h>

#include "image/clsICR2.h"
#include "image_support.h"

namespace {

using image_test::FillImage;
using image_test::PokeByte;
using image_test::PokeRecord;
using image_test::RecordOf;

class Store : public ::testing::Test {
 protected:
  void SetUp() override {
    image.Init();
    FillImage(image, 0xFF);
    PokeByte(image, kLoadedMarkAddress, kLoadedMark);
    PokeRecord(image, 1, {0x14, 0x55, 0x00, 0x00, 0x06, 0x00, 0x08, 0x00});
    PokeRecord(image, 2, {0x44, 0x60, 0x00, 0x20, 0x50, 0x00, 0x88, 0x03});
    ChannelComments[1] = "one";
    ChannelComments[2] = "two";
    image.SetChecksum();
  }
  clsICR2 image;
};

TEST(StoreInit, ResetsImageCommentsAndChangeState) {
  clsICR2 image;
  FillImage(image, 0x33);
  ChannelComments[0] = "kept";
  for (int n = 1; n <= kChannelCount; ++n) ChannelComments[n] = "x";
  image.Init();
  EXPECT_EQ(image.GetArry(), ImageBytes{});
  EXPECT_FALSE(image.IsFileLoaded());
  EXPECT_FALSE(image.IsDataChanged());
  for (int n = 1; n <= kChannelCount; ++n) EXPECT_EQ(ChannelComments[n], "") << n;
  EXPECT_EQ(ChannelComments[0], "kept");
  ChannelComments[0].clear();
}

// Each edit below keeps the 8-bit sum but is a real change.
TEST_F(Store, ChangesTheByteSumMissesAreStillSeen) {
  EXPECT_FALSE(image.IsDataChanged());
  const int sum = image.GetChecksum();

  // Swap channels 1 and 2 (a move or a sort).
  const auto one = RecordOf(image, 1);
  PokeRecord(image, 1, RecordOf(image, 2));
  PokeRecord(image, 2, one);
  EXPECT_EQ(image.GetChecksum(), sum);
  EXPECT_TRUE(image.IsDataChanged());

  PokeRecord(image, 2, RecordOf(image, 1));
  PokeRecord(image, 1, one);
  EXPECT_FALSE(image.IsDataChanged()) << "swapped back";

  // +1 at one address, -1 at another.
  PokeByte(image, 0x100, 0xFE);
  PokeByte(image, 0x101, 0x00);  // 0xFF + 1 wraps
  EXPECT_EQ(image.GetChecksum(), sum);
  EXPECT_TRUE(image.IsDataChanged());
}

TEST_F(Store, CommentOnlyEditIsAChange) {
  ChannelComments[450] = "new";
  EXPECT_TRUE(image.IsDataChanged());
  ChannelComments[450] = "";
  EXPECT_FALSE(image.IsDataChanged());
  ChannelComments[1] = "ONE";
  EXPECT_TRUE(image.IsDataChanged());
  image.SetChecksum();
  EXPECT_FALSE(image.IsDataChanged());
}

TEST_F(Store, LoadedMarkAndCommentZeroAreNotChanges) {
  EXPECT_TRUE(image.IsFileLoaded());
  PokeByte(image, kLoadedMarkAddress, 0x32);
  EXPECT_FALSE(image.IsFileLoaded()) << "the mark is exactly 0x33";
  ChannelComments[0] = "unused";
  EXPECT_FALSE(image.IsDataChanged());
  ChannelComments[0].clear();
  PokeByte(image, kLoadedMarkAddress - 1, 0x00);
  EXPECT_TRUE(image.IsDataChanged());
}

TEST(ChangeSum, SumOfAllButTheLastModulo256) {
  const std::uint8_t bytes[] = {0xFF, 0x02, 0x40};
  EXPECT_EQ(clsICR2::CalcChecksum(bytes), 0x01);
  EXPECT_EQ(clsICR2::CalcChecksum(std::span<const std::uint8_t>()), 0);
  clsICR2 image;
  image.Init();
  PokeByte(image, 0, 0x80);
  PokeByte(image, 1, 0x81);
  PokeByte(image, kLoadedMarkAddress, 0x33);  // not summed
  EXPECT_EQ(image.GetChecksum(), 0x01);
}

TEST(HexHelpers, TextForms) {
  for (int v = 0; v < 256; ++v) {
    const std::string bin = clsICR2::Byte2Bin(v);
    ASSERT_EQ(bin.size(), 8u);
    ASSERT_EQ(clsICR2::Bin2Dec(bin), std::to_string(v));
    ASSERT_EQ(clsICR2::Bin2Hex(bin), clsICR2::lHex(v));
    ASSERT_EQ(clsICR2::Hex2Bin(clsICR2::lHex(v)), bin);
  }
  EXPECT_EQ(clsICR2::lHex(10), "0A");
  EXPECT_EQ(clsICR2::lHex(0x1234), "34");
  EXPECT_EQ(clsICR2::Byte2Bin(0x33), "00110011");
  EXPECT_EQ(clsICR2::Hex2Bin("a5"), "10100101");
  EXPECT_EQ(clsICR2::TrimTrailingSpaces("  a b  "), "  a b");
  EXPECT_EQ(clsICR2::TrimTrailingSpaces("   "), "");
}

TEST(BitHelpers, BitNumberingAndBounds) {
  clsICR2 image;
  image.Init();
  PokeByte(image, 5, 0x33);
  const int expected[8] = {1, 1, 0, 0, 1, 1, 0, 0};
  for (int n = 0; n < 8; ++n) EXPECT_EQ(image.GetBit(5, n), expected[n]) << n;

  struct Case {
    int n, value;
    std::uint8_t before, after;
  };
  const Case cases[] = {
      {7, 1, 0x00, 0x80}, {0, 1, 0x00, 0x01}, {8, 1, 0x00, 0x00}, {-1, 1, 0x00, 0x00},
      {3, 0, 0xFF, 0xF7}, {4, 1, 0x10, 0x10}, {6, 0, 0x00, 0x00},
  };
  for (const Case& c : cases) {
    PokeByte(image, 9, c.before);
    image.SetBit(9, c.n, c.value);
    EXPECT_EQ(image.GetArry()[9], c.after) << "bit " << c.n;
  }

  // Addresses outside the image are refused quietly.
  const ImageBytes before = image.GetArry();
  image.SetBit(-1, 0, 1);
  image.SetBit(kImageSize, 0, 1);
  EXPECT_EQ(image.GetArry(), before);
  EXPECT_EQ(image.GetBit(kImageSize, 0), 0);
  EXPECT_EQ(image.GetBit(-5, 0), 0);
}

}  // namespace
