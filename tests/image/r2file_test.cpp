// The ".r2" file and the clone stream parser. Round trips, failed reads and
// writes of every format are in formats_test.
#include <gtest/gtest.h>

#include "files_support.h"
#include "image/CloneFrame.h"
#include "image/clsICR2.h"
#include "support/Samples.h"

namespace {

using namespace image_test;

class R2File : public ::testing::Test {
 protected:
  void SetUp() override { image.Init(); }
  clsICR2 image;
  TempDir dir;
};

TEST_F(R2File, LayoutOfAZeroImage) {
  const std::string path = dir.File("zero.r2");
  ASSERT_TRUE(image.SaveFile(path));
  const std::string bytes = ReadAll(path);
  EXPECT_EQ(bytes.substr(0, 46),
            "\xFE\xFE\xEE\xEF\xE4"
            "000010" +
                std::string(32, '0') + "F0\xFD");
  EXPECT_EQ(bytes.substr(46, 11),
            "\xFE\xFE\xEE\xEF\xE4"
            "001010");
  EXPECT_EQ(bytes.substr(11592 - 46, 11),
            "\xFE\xFE\xEE\xEF\xE4"
            "0FB010");
  EXPECT_EQ(bytes.substr(11592, 2), "\r\n");
  std::string comments = "\"\"";
  for (int n = 2; n <= kChannelCount; ++n) comments += ",\"\"";
  EXPECT_EQ(bytes.substr(11594), comments + "\r\n");
}

TEST_F(R2File, WithoutCommentsIsOneLine) {
  const std::string path = dir.File("nc.r2");
  ChannelComments[3] = "dropped";
  ASSERT_TRUE(image.SaveFile(path, false));
  const std::string bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), 11594u);
  EXPECT_EQ(bytes.substr(11592), "\r\n");
  image.Init();
  ChannelComments[3] = "before";
  ASSERT_TRUE(image.OpenFile(path));
  EXPECT_EQ(ChannelComments[3], "before") << "no comment line: comments stay as they were";
}

TEST_F(R2File, CommentLineIsReadAsTheItemsSay) {
  std::string stream;
  for (int a = 0; a < kImageSize; a += 16) {
    std::array<std::uint8_t, 16> block{};
    if (a == 0xFB0) block[15] = kLoadedMark;
    stream += CloneDataFrame(a, block);
  }
  struct Case {
    const char* name;
    std::string tail;  // after the data line
    std::vector<std::pair<int, std::string>> expected;
    int whole = kChannelCount;  // comments read whole; fewer: the user is warned
  };
  std::string tooMany;
  for (int n = 1; n <= 460; ++n) tooMany += (n > 1 ? ",\"" : "\"") + std::to_string(n) + "\"";
  const std::string all = "\r\n" + tooMany.substr(0, tooMany.find(",\"451"));
  const std::size_t at47 = all.find("\"47\"");
  const Case cases[] = {
      {"comma inside", "\r\n\"a,b\",\"c\"\r\n", {{1, "a,b"}, {2, "c"}, {3, ""}}, 2},
      {"comma at the end", "\r\n\"a,\",\"b,\",\"c\"\r\n", {{1, "a,"}, {2, "b,"}, {3, "c"}}, 3},
      {"leading quote kept on 1 only", "\r\n\"\"x\",\"\"y\"\r\n", {{1, "\"x"}, {2, "y"}}, 2},
      {"empty items", "\r\n\"\",\"\",\"z\"\r\n", {{1, ""}, {2, ""}, {3, "z"}}, 3},
      {"no quotes", "\r\nplain\r\n", {{1, "plain"}, {2, ""}}, 0},
      {"items past 450 ignored", "\r\n" + tooMany + "\r\n", {{450, "450"}, {1, "1"}}},
      {"empty line", "\r\n\r\n", {{1, "kept"}}},
      {"LF lines", "\n\"q\"\n", {{1, "q"}}, 1},
      {"CR line, no end", "\r\"q2\"", {{1, "q2"}}, 1},
      // A file cut inside its comment line.
      {"cut after the first quote", "\r\n\"", {{1, ""}}, 0},
      {"cut inside 47", all.substr(0, at47 + 2), {{46, "46"}, {47, "4"}, {48, ""}}, 46},
      {"cut after the quote of 46", all.substr(0, at47 - 1), {{46, "46"}, {47, ""}}, 46},
      {"cut after the comma", all.substr(0, at47), {{46, "46"}, {47, ""}}, 46},
      {"cut after the quote of 47", all.substr(0, at47 + 1), {{46, "46"}, {47, ""}}, 46},
      {"cut inside 450", all.substr(0, all.size() - 2), {{449, "449"}, {450, "45"}}, 449},
      {"cut before the line end", all, {{450, "450"}}},
  };
  for (const Case& c : cases) {
    const std::string path = dir.File("c.r2");
    WriteAll(path, stream + c.tail);
    image.Init();
    ChannelComments[1] = "kept";
    const FileResult result = image.OpenFile(path);
    ASSERT_TRUE(result) << c.name;
    const std::string said = "only " + std::to_string(c.whole) + " of the 450 comments";
    EXPECT_TRUE(c.whole < 450 ? result.warning.find(said) != std::string::npos
                              : result.warning.empty())
        << c.name << ": " << result.warning;
    EXPECT_TRUE(image.IsFileLoaded()) << c.name;
    for (const auto& [n, text] : c.expected) EXPECT_EQ(ChannelComments[n], text) << c.name;
  }
}

TEST_F(R2File, WrongAddressesAndChecksumsStillLandInOrder) {
  std::string stream;
  for (int k = 0; k < 252; ++k) {
    std::array<std::uint8_t, 16> block;
    block.fill(static_cast<std::uint8_t>(k));
    std::string frame = CloneDataFrame(0x100, block);  // every block claims address 0100
    frame[5 + 38] = 'Z';                               // and a broken checksum
    stream += frame;
  }
  WriteAll(dir.File("order.r2"), stream + "\r\n");
  ASSERT_TRUE(image.OpenFile(dir.File("order.r2")));
  const ImageBytes bytes = image.GetArry();
  for (int k = 0; k < 252; ++k) EXPECT_EQ(bytes[16 * k + 5], k);
}

// Clone stream parser -------------------------------------------------------------

TEST(ParseFile, ReportsWhatItTookWithoutWritingPastTheImage) {
  clsICR2 source;
  LoadRandomImage(source, 6, {});
  const std::string good = DownloadStream(source.GetArry());
  std::string badSum = good;
  badSum[10 + 46 * 3 + 5 + 38] ^= 1;
  struct Case {
    const char* name;
    std::string stream;
    int blocks, bytes;
    bool bad, overflow, truncated;
  };
  const Case cases[] = {
      {"whole", good, 252, 4032, false, false, false},
      {"checksum", badSum, 252, 4032, true, false, false},
      {"cut short", good.substr(0, 10 + 46 * 100 + 20), 100, 1600, false, false, true},
      {"two images", good + good, 504, 4032, true, true, false},
      {"nothing", "garbage", 0, 0, false, false, false},
  };
  for (const Case& c : cases) {
    clsICR2 image;
    image.Init();
    const ParseResult r = image.ParseFile(c.stream);
    EXPECT_EQ(r.blocks, c.blocks) << c.name;
    EXPECT_EQ(r.bytes, c.bytes) << c.name;
    EXPECT_EQ(r.badBlock, c.bad) << c.name;
    EXPECT_EQ(r.overflow, c.overflow) << c.name;
    EXPECT_EQ(r.truncated, c.truncated) << c.name;
    EXPECT_EQ(r.Complete(), c.stream == good) << c.name;
    EXPECT_FALSE(image.IsDataChanged()) << c.name;
    if (c.bytes == kImageSize) {
      EXPECT_EQ(image.GetArry(), source.GetArry()) << c.name;
    }
  }

  // A short stream leaves the rest of the image as it was.
  clsICR2 image;
  image.Init();
  PokeByte(image, 100, 0x77);
  std::array<std::uint8_t, 16> block;
  block.fill(0x11);
  image.ParseFile(CloneDataFrame(0, block));
  EXPECT_EQ(image.GetArry()[15], 0x11);
  EXPECT_EQ(image.GetArry()[100], 0x77);
}

TEST(Samples, TheIcQ7CloneFileIsAValidStream) {
  KESTRANE_NEEDS_SAMPLE("peer-icq7.q7");
  const std::string bytes = ReadAll(samples::Path("peer-icq7.q7"));
  ASSERT_EQ(bytes.size(), 5721u);
  const CloneStreamData data = DecodeCloneStream(bytes, 32767);
  EXPECT_EQ(data.blocks, 124);
  EXPECT_EQ(data.bytes.size(), 1984u);
  EXPECT_FALSE(data.badBlock);
  EXPECT_FALSE(data.truncated);
}

}  // namespace
