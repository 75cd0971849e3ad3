// The pieces of the clone link that need no line: counts, texts, the upload
// stream and the end-frame search.

#include "clone/CloneProtocol.h"

#include <gtest/gtest.h>

#include "clone/ReceiverSim_support.h"
#include "mainwindow/Form1.h"

namespace {

TEST(WholeNumberOf, ConvertsLikeTheRuntimeOrNamesTheError) {
  const struct {
    const char* text;
    int error;
    int value;
  } cases[] = {
      {"12", 0, 12},   {" 7 ", 0, 7},       {"-2", 0, -2},   {"2.5", 0, 2},
      {"3.5", 0, 4},   {"-32768", 0, -32768}, {"32768", 6, 0}, {"", 13, 0},
      {"COM1", 13, 0}, {"1 2", 13, 0},      {"1.2.3", 13, 0}, {"-", 13, 0},
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

// A 39-byte handshake input with the given 16 comment bytes and config.
std::string Handshake(const std::string& comment,
                      const std::string& config = std::string("\x0A\x00\x3F", 3)) {
  std::string in(10, '\xAA');
  in += std::string("\xFE\xFE\xEF\xEE\xE1", 5) + std::string("\x21\x27\x00\x00", 4);
  in += comment + config + "\xFD";
  return in;
}

TEST(TestCommunication, MessageWithAndWithoutAComment) {
  EXPECT_EQ(Form1::ParseBytes(""), "");
  EXPECT_EQ(Form1::ParseBytes(std::string("\x0A\x00\xFF", 3)), "0A 00 FF ");
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

ReceiverSim::Image Pattern() {
  ReceiverSim::Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
  return image;
}

// A port missing or out of bounds says what to do; a port in use keeps its one line.
TEST(CommErrorMessage, SaysWhatToDoWhenTheUserCanPutItRight) {
  const struct {
    CommError error;
    const char* advice;  // "": none
  } cases[] = {
      {{8002, "Invalid port number (no serial device is port 2)", CommFault::NoDevice},
       "\r\nThe cable may be unplugged: plug it in and try again.\r\nSettings > Port... (the Comm "
       "Port dialog) shows which serial device each port number means."},
      {{8010, "Cannot open /dev/ttyS0: Permission denied", CommFault::NoPermission},
       "\r\nThis user may not use the serial port. Join the dialout group (sudo adduser $USER "
       "dialout), then log out and log in again: the new group counts only from the next login."},
      {{8010, "Cannot open /dev/ttyS0: The device is already locked"}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommErrorMessage(c.error),
              "Error " + std::to_string(c.error.number) + ": " + c.error.description + c.advice);
  }
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
