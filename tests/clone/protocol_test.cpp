// The pieces of the clone link that need no line: counts, texts, the upload
// stream and the end-frame search.

#include "clone/CloneProtocol.h"

#include <gtest/gtest.h>

#include "clone/ReceiverSim_support.h"
#include "mainwindow/Form1.h"

namespace {

TEST(ClonePercent, CountTimesHundredOverTheDownloadLengthRoundedDownAtMostHundred) {
  const struct {
    long long count;
    int percent;
  } cases[] = {{0, 0}, {-5, 0}, {115, 0}, {116, 1}, {5796, 50}, {11591, 99},
               {11592, 100}, {11617, 100}, {30000, 100}};
  for (const auto& c : cases) EXPECT_EQ(ClonePercent(c.count), c.percent) << c.count;
}

TEST(WholeNumberOf, ConvertsLikeTheRuntimeOrNamesTheError) {
  const struct {
    const char* text;
    int error;
    int value;
  } cases[] = {
      {"1", 0, 1},       {"12", 0, 12},       {" 7 ", 0, 7},     {"+3", 0, 3},
      {"-2", 0, -2},     {"2.5", 0, 2},       {"3.5", 0, 4},     {"7.49", 0, 7},
      {"0.5", 0, 0},     {"32767", 0, 32767}, {"-32768", 0, -32768},
      {"32768", 6, 0},   {"99999999", 6, 0},  {"", 13, 0},       {"   ", 13, 0},
      {"COM1", 13, 0},   {"1 2", 13, 0},      {"1.2.3", 13, 0},  {".", 13, 0},
      {"-", 13, 0},      {"0x10", 13, 0},
  };
  for (const auto& c : cases) {
    int value = 0;
    const CommError e = WholeNumberOf(c.text, value);
    EXPECT_EQ(e.number, c.error) << '"' << c.text << '"';
    if (!e) {
      EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
  }
}

TEST(IsDevicePath, OnlyTextsStartingWithASlash) {
  EXPECT_TRUE(IsDevicePath("/dev/ttyUSB0"));
  EXPECT_TRUE(IsDevicePath(" /dev/pts/3"));
  EXPECT_FALSE(IsDevicePath("1"));
  EXPECT_FALSE(IsDevicePath("COM1"));
  EXPECT_FALSE(IsDevicePath(""));
}

// A 39-byte handshake input with the given 16 comment bytes and config.
std::string Handshake(const std::string& comment,
                      const std::string& config = std::string("\x0A\x00\x3F", 3)) {
  std::string in(10, '\xAA');
  in += std::string("\xFE\xFE\xEF\xEE\xE1", 5) + std::string("\x21\x27\x00\x00", 4);
  in += comment + config + "\xFD";
  return in;
}

TEST(TestCommunication, MessageWithAndWithoutAComment) {
  const std::string config = Form1::ParseBytes(std::string("\x0A\x00\x3F", 3));
  ASSERT_EQ(config, "0A 00 3F ");
  const struct {
    std::string comment;  // the 16 bytes the receiver sends
    std::string message;
  } cases[] = {
      {"ABCDEFGHIJ      ", "Response Received: Comment: ABCDEFGHIJ. Config: 0A 00 3F "},
      {"  leading  blank", "Response Received: Comment:   leading  blank. Config: 0A 00 3F "},
      {std::string(16, '\xFF'), "Response Received: Config: 0A 00 3F "},
      {std::string(16, ' '), "Response Received: Config: 0A 00 3F "},
      {"AB\xFF\xFF" "CD" + std::string(10, '\xFF'),
       "Response Received: Comment: ABCD. Config: 0A 00 3F "},
      {"caf\xE9" + std::string(12, ' '), "Response Received: Comment: caf\xE9. Config: 0A 00 3F "},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(c.comment.size(), 16u);
    const std::string in = Handshake(c.comment);
    ASSERT_EQ(in.size(), 39u);
    EXPECT_EQ(TestCommunicationMessage(ReplyComment(in), config), c.message);
  }
  EXPECT_EQ(ReplyModelBytes(Handshake(std::string(16, ' '))), std::string("\x21\x27\x00\x00", 4));
}

TEST(ParseBytes, TwoDigitsAndABlankPerByte) {
  EXPECT_EQ(Form1::ParseBytes(""), "");
  EXPECT_EQ(Form1::ParseBytes(std::string("\x0A\x00\xFF", 3)), "0A 00 FF ");
  EXPECT_EQ(Form1::lHex(0x3F), "3F");
}

ReceiverSim::Image Pattern() {
  ReceiverSim::Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
  return image;
}

TEST(UploadStream, WriteStartDataFramesAndEndFrameByteForByte) {
  const ReceiverSim::Image image = Pattern();
  const std::string model{"\x12\x34\x00\x01", 4};
  const std::string stream = BuildUploadStream(model, image);
  ASSERT_EQ(stream.size(), 11617u);
  EXPECT_EQ(stream.substr(0, 10), std::string("\xFE\xFE\xEE\xEF\xE3", 5) + model + "\xFD");
  // The receiver's own frames differ from ours only in the address bytes.
  std::string expected = ReceiverSim::DownloadStream(image);
  for (size_t p = 0; (p = expected.find("\xFE\xFE\xEF\xEE", p)) != std::string::npos; p += 4) {
    expected.replace(p, 4, "\xFE\xFE\xEE\xEF");
  }
  EXPECT_EQ(stream.substr(10), expected);
  EXPECT_EQ(stream.substr(10 + 5, 4), "0000");
  EXPECT_EQ(stream.substr(10 + 251 * 46 + 5, 4), "0FB0");
  EXPECT_EQ(stream.substr(stream.size() - 15),
            std::string("\xFE\xFE\xEE\xEF\xE5", 5) + "Icom Inc.\xFD");
}

TEST(FindEndOfData, FoundOnlyWhenTheWholeEndFrameIsIn) {
  const std::string end = std::string("\xFE\xFE\xEF\xEE\xE5", 5) + "Icom Inc.\xFD";
  const std::string data = ReceiverSim::DownloadStream(Pattern());
  const std::string echo{"\xFE\xFE\xEE\xEF\xE2\x21\x27\x00\x00\xFD", 10};
  // Fed a byte at a time, the search says yes exactly when the 0xFD arrives.
  const std::string whole = echo + data;
  std::size_t from = 0;
  std::size_t foundAt = 0;
  for (std::size_t n = 1; n <= whole.size(); ++n) {
    if (FindEndOfData(std::string_view(whole).substr(0, n), from)) {
      foundAt = n;
      break;
    }
  }
  EXPECT_EQ(foundAt, whole.size());
  // Data frames, an echoed request and a cut end frame are no end.
  const std::string noEnds[] = {echo, echo + data.substr(0, data.size() - end.size()),
                                end.substr(0, end.size() - 1), std::string("\xFE", 1)};
  for (const std::string& s : noEnds) {
    std::size_t f = 0;
    EXPECT_FALSE(FindEndOfData(s, f)) << s.size();
  }
}

}  // namespace
