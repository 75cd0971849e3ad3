#pragma once
// What the clone link says on the line and how it reads the answers: the
// byte counts, the frames the program sends, the layout of the receiver's
// model-query reply, and the small conversions the transfer commands use.
// Frames and records themselves are built by image/CloneFrame.h.
//
// The line echoes: every byte written comes back as input ahead of the
// receiver's answer, so every count below includes the echo.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "image/CloneFrame.h"
#include "platform/MSComm.h"

// The IC-R2's own model code, carried by the model query.
inline constexpr std::string_view kIcr2ModelCode{"\x21\x27\x00\x00", 4};
// The start of every frame the program sends: 0xFE 0xFE 0xEE 0xEF.
inline constexpr std::string_view kCloneLead{"\xFE\xFE\xEE\xEF", 4};

// Input after a model query the receiver answered: 10 bytes of echo and its
// 29-byte reply.
inline constexpr int kHandshakeLength = 39;
inline constexpr std::size_t kReplyModelAt = 15;    // the receiver's four model bytes
inline constexpr std::size_t kReplyCommentAt = 19;  // 16 comment characters
inline constexpr std::size_t kReplyCommentLength = 16;
inline constexpr std::size_t kReplyConfigAt = 35;   // 3 configuration bytes
inline constexpr std::size_t kReplyConfigLength = 3;

// The download waits for this input count: 252 data frames of 46 bytes (the
// count includes the 10-byte echo of the request, so the last 10 bytes of the
// data and the end frame come after it).
inline constexpr int kDownloadLength = 252 * 46;
// The upload stream: write start, 252 data frames, end of data.
inline constexpr int kUploadLength = 10 + 252 * 46 + 15;
// Body of the end-of-data frame the program sends.
inline constexpr std::string_view kEndOfDataBody = "Icom Inc.";

// Seconds the download waits after its count for the receiver's end frame.
inline constexpr double kEndFrameWait = 2.0;
// Seconds without any progress after which the upload stops waiting for its echo.
inline constexpr double kEchoStallWait = 2.0;

// The percentage shown for an input count: count * 100 / 11592 rounded down,
// at most 100 (the upload's echo runs 25 bytes past the download length).
int ClonePercent(long long count);

// The receiver's four model bytes from the handshake input (39 bytes).
std::string ReplyModelBytes(std::string_view reply);

// The comment of the handshake input: bytes 19 to 34 without the 0xFF bytes,
// blanks at the end removed.
std::string ReplyComment(std::string_view reply);

// The message of Transfer > Test Communication for the handshake input.
// `config` is the configuration text (three bytes in hex, each followed by a blank).
std::string TestCommunicationMessage(const std::string& comment, const std::string& config);

// The upload stream for the receiver's model bytes and an image of 4032
// bytes: 11617 bytes.
std::string BuildUploadStream(std::string_view modelBytes, std::span<const std::uint8_t> image);

// Looks for the receiver's end-of-data frame (command 0xE5, closed by 0xFD)
// from `from` on. Returns true when it is in; otherwise moves `from` to where
// the next search has to start, so a growing stream is scanned once.
bool FindEndOfData(std::string_view stream, std::size_t& from);

// The message for a serial-port error: "Error ", the number, ": " and the
// description; when the port could not be opened for want of a device or of
// permission, what to do about it follows on the next lines.
std::string CommErrorMessage(const CommError& e);

// True for a "CommPort" setting that names a device ("/dev/ttyUSB0") rather
// than a port number.
bool IsDevicePath(std::string_view setting);

// The whole number of a text as the runtime converts it for a number
// property: blanks around it allowed, an optional sign, digits with an
// optional decimal part, rounded to the nearest (halves to even). Error 13
// for a text that is not a number, 6 for one outside -32768 to 32767.
CommError WholeNumberOf(std::string_view text, int& value);

// Marks a transfer command as running for as long as it lives, so that a
// second transfer started from the window while the first one waits (its
// loops let window events run) is not begun on the same port.
class TransferBusy {
 public:
  explicit TransferBusy(bool& flag) : flag_(flag) { flag_ = true; }
  ~TransferBusy() { flag_ = false; }
  TransferBusy(const TransferBusy&) = delete;
  TransferBusy& operator=(const TransferBusy&) = delete;

 private:
  bool& flag_;
};
