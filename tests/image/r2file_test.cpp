#include <gtest/gtest.h>

#include "files_support.h"
#include "image/CloneFrame.h"
#include "image/clsICR2.h"

namespace {

using namespace image_test;

const std::string kZeroRecord = "000010" + std::string(32, '0') + "F0";

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
  EXPECT_EQ(bytes.substr(0, 46), "\xFE\xFE\xEE\xEF\xE4" + kZeroRecord + "\xFD");
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

TEST_F(R2File, RoundTripOfARandomImage) {
  Comments comments = AwkwardComments();
  comments[7] = "say \"hi\", \"there";
  comments[8] = "two\r\nlines";
  LoadRandomImage(image, 1, comments);
  const ImageBytes bytes = image.GetArry();
  const std::string path = dir.File("random.r2");
  ASSERT_TRUE(image.SaveFile(path));
  EXPECT_FALSE(image.IsDataChanged());

  image.Init();
  const FileResult result = image.OpenFile(path);
  ASSERT_TRUE(result) << result.error;
  EXPECT_EQ(image.GetArry(), bytes);
  EXPECT_TRUE(image.IsFileLoaded());
  EXPECT_FALSE(image.IsDataChanged());
  // A double quote would shift every later comment, a line break would end the
  // line: they come back as an apostrophe and a blank.
  comments[7] = "say 'hi', 'there";
  comments[8] = "two  lines";
  for (int n = 1; n <= kChannelCount; ++n) EXPECT_EQ(ChannelComments[n], comments[n]) << n;

  // A second open/save cycle gives the same bytes.
  const std::string again = dir.File("again.r2");
  ASSERT_TRUE(image.SaveFile(again));
  EXPECT_EQ(ReadAll(again), ReadAll(path));
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
    std::string line;
    std::vector<std::pair<int, std::string>> expected;
  };
  std::string tooMany;
  for (int n = 1; n <= 460; ++n) tooMany += (n > 1 ? ",\"" : "\"") + std::to_string(n) + "\"";
  const Case cases[] = {
      {"comma inside", "\"a,b\",\"c\"", {{1, "a,b"}, {2, "c"}, {3, ""}}},
      {"comma at the end", "\"a,\",\"b,\",\"c\"", {{1, "a,"}, {2, "b,"}, {3, "c"}}},
      {"leading quote kept on channel 1 only", "\"\"x\",\"\"y\"", {{1, "\"x"}, {2, "y"}}},
      {"empty items", "\"\",\"\",\"z\"", {{1, ""}, {2, ""}, {3, "z"}}},
      {"no quotes", "plain", {{1, "plain"}, {2, ""}}},
      {"items past 450 ignored", tooMany, {{450, "450"}, {1, "1"}}},
      {"empty line", "", {{1, "kept"}}},
  };
  for (const Case& c : cases) {
    const std::string path = dir.File("c.r2");
    WriteAll(path, stream + "\r\n" + c.line + "\r\n");
    image.Init();
    ChannelComments[1] = "kept";
    ASSERT_TRUE(image.OpenFile(path)) << c.name;
    for (const auto& [n, text] : c.expected) EXPECT_EQ(ChannelComments[n], text) << c.name;
  }
  // Lines may end with CR, LF or CR LF.
  WriteAll(dir.File("lf.r2"), stream + "\n\"q\"\n");
  ASSERT_TRUE(image.OpenFile(dir.File("lf.r2")));
  EXPECT_EQ(ChannelComments[1], "q");
  WriteAll(dir.File("cr.r2"), stream + "\r\"q2\"");
  ASSERT_TRUE(image.OpenFile(dir.File("cr.r2")));
  EXPECT_EQ(ChannelComments[1], "q2");
}

TEST_F(R2File, ReadersReportFailureAndLeaveTheImageNotLoaded) {
  LoadRandomImage(image, 2, AwkwardComments());
  const std::string good = dir.File("good.r2");
  ASSERT_TRUE(image.SaveFile(good));
  const std::string bytes = ReadAll(good);
  std::string notHex = bytes;
  notHex[5 + 10] = 'Z';
  struct Case {
    const char* name;
    std::string content;
  };
  const Case cases[] = {
      {"empty", ""},
      {"251 blocks", bytes.substr(0, 251 * 46)},
      {"cut inside the last frame", bytes.substr(0, 11592 - 3)},
      {"not hex", notHex},
      {"text", "hello\r\nworld\r\n"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.File("bad.r2");
    WriteAll(path, c.content);
    LoadRandomImage(image, 3, AwkwardComments());
    const FileResult result = image.OpenFile(path);
    EXPECT_FALSE(result) << c.name;
    EXPECT_FALSE(result.error.empty()) << c.name;
    EXPECT_TRUE(IsReset(image)) << c.name;
  }
  const FileResult missing = image.OpenFile(dir.File("missing.r2"));
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.error.find("missing.r2"), std::string::npos);
  EXPECT_FALSE(image.OpenFile(dir.File("")));
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
  const std::string path = dir.File("order.r2");
  WriteAll(path, stream + "\r\n");
  ASSERT_TRUE(image.OpenFile(path));
  const ImageBytes bytes = image.GetArry();
  for (int k = 0; k < 252; ++k) EXPECT_EQ(bytes[16 * k + 5], k);
}

TEST_F(R2File, FailedWriteReportsAndKeepsTheChangeState) {
  LoadRandomImage(image, 4, AwkwardComments());
  ASSERT_TRUE(image.IsDataChanged());
  const FileResult result = image.SaveFile(dir.File("no/such/folder/x.r2"));
  EXPECT_FALSE(result);
  EXPECT_FALSE(result.error.empty());
  EXPECT_TRUE(image.IsDataChanged()) << "nothing was saved";
}

TEST_F(R2File, SavingReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  const std::string path = dir.File("over.r2");
  WriteAll(path, std::string(20000, 'x'));
  ASSERT_TRUE(image.SaveFile(path, false));
  EXPECT_EQ(ReadAll(path).size(), 11594u);
  int files = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
    ++files;
  }
  EXPECT_EQ(files, 1);
}

// Clone stream parser -------------------------------------------------------------

std::string DownloadStream(const ImageBytes& bytes) {
  std::string s("\xFE\xFE\xEE\xEF\xE2\x21\x27\x00\x00\xFD", 10);  // echoed read request
  for (int a = 0; a < kImageSize; a += 16) {
    s += CloneDataFrame(a, std::span<const std::uint8_t, 16>(bytes.data() + a, 16));
  }
  return s + CloneFrame(CloneCommand::EndOfData, "Icom Inc.");
}

TEST(ParseFile, ADownloadFillsTheImageExactly) {
  clsICR2 source;
  LoadRandomImage(source, 5, {});
  clsICR2 image;
  image.Init();
  const ParseResult result = image.ParseFile(DownloadStream(source.GetArry()));
  EXPECT_EQ(image.GetArry(), source.GetArry());
  EXPECT_EQ(result.blocks, 252);
  EXPECT_EQ(result.bytes, kImageSize);
  EXPECT_TRUE(result.Complete());
  EXPECT_FALSE(image.IsDataChanged());
}

TEST(ParseFile, ReportsDamageWithoutWritingPastTheImage) {
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
    EXPECT_FALSE(r.Complete()) << c.name;
    EXPECT_FALSE(image.IsDataChanged()) << c.name;
  }
}

TEST(ParseFile, ShortStreamKeepsTheRestOfTheImage) {
  clsICR2 image;
  image.Init();
  PokeByte(image, 100, 0x77);
  std::array<std::uint8_t, 16> block;
  block.fill(0x11);
  image.ParseFile(CloneDataFrame(0, block));
  EXPECT_EQ(image.GetArry()[15], 0x11);
  EXPECT_EQ(image.GetArry()[100], 0x77);
}

TEST(R2Checksum, AppendsTheCloneChecksum) {
  EXPECT_EQ(clsICR2::R2Checksum(kZeroRecord.substr(0, 38)), kZeroRecord);
  EXPECT_EQ(clsICR2::R2Checksum("0FB010"),
            "0FB010"
            "31");
}

TEST(Samples, TheIcQ7CloneFileIsAValidStream) {
  const std::string bytes = ReadAll(std::string(KESTRANE_SAMPLES_DIR) + "/peer-icq7.q7");
  ASSERT_EQ(bytes.size(), 5721u);
  const CloneStreamData data = DecodeCloneStream(bytes, 32767);
  EXPECT_EQ(data.blocks, 124);
  EXPECT_EQ(data.bytes.size(), 1984u);
  EXPECT_FALSE(data.badBlock);
  EXPECT_FALSE(data.truncated);
}

}  // namespace
