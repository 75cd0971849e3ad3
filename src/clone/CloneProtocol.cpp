#include "clone/CloneProtocol.h"

#include <charconv>
#include <cmath>

int ClonePercent(long long count) {
  if (count <= 0) return 0;
  const long long percent = count * 100 / kDownloadLength;
  return percent > 100 ? 100 : static_cast<int>(percent);
}

std::string ReplyModelBytes(std::string_view reply) {
  if (reply.size() < kReplyModelAt + 4) return {};
  return std::string(reply.substr(kReplyModelAt, 4));
}

std::string ReplyComment(std::string_view reply) {
  std::string comment;
  const std::string_view raw = reply.substr(std::min(reply.size(), kReplyCommentAt),
                                            kReplyCommentLength);
  for (char c : raw) {
    if (static_cast<unsigned char>(c) != 0xFF) comment += c;
  }
  while (!comment.empty() && comment.back() == ' ') comment.pop_back();
  return comment;
}

std::string TestCommunicationMessage(const std::string& comment, const std::string& config) {
  if (comment.find_first_not_of(' ') != std::string::npos) {
    return "Response Received: Comment: " + comment + ". Config: " + config;
  }
  return "Response Received: Config: " + config;
}

std::string BuildUploadStream(std::string_view modelBytes, std::span<const std::uint8_t> image) {
  std::string stream;
  stream.reserve(kUploadLength);
  stream += CloneFrame(CloneCommand::WriteStart, modelBytes);
  for (std::size_t at = 0; at + kCloneBlockSize <= image.size(); at += kCloneBlockSize) {
    stream += CloneDataFrame(static_cast<unsigned>(at),
                             image.subspan(at).first<kCloneBlockSize>());
  }
  stream += CloneFrame(CloneCommand::EndOfData, kEndOfDataBody);
  return stream;
}

bool FindEndOfData(std::string_view stream, std::size_t& from) {
  static constexpr std::string_view kPreamble{"\xFE\xFE", 2};
  for (;;) {
    const std::size_t p = stream.find(kPreamble, from);
    if (p == std::string_view::npos) {
      // A last 0xFE may be the first half of the next preamble.
      if (!stream.empty() && stream.size() - 1 > from) from = stream.size() - 1;
      return false;
    }
    if (p + 4 >= stream.size()) {
      from = p;  // the command byte has not come yet
      return false;
    }
    if (static_cast<std::uint8_t>(stream[p + 4]) == static_cast<std::uint8_t>(CloneCommand::EndOfData)) {
      if (stream.find(kCloneEndOfFrame, p + 5) != std::string_view::npos) return true;
      from = p;
      return false;
    }
    from = p + 1;
  }
}

std::string CommErrorMessage(const CommError& e) {
  std::string text = "Error " + std::to_string(e.number) + ": " + e.description;
  switch (e.fault) {
    case CommFault::NoDevice:
      text +=
          "\r\nThe cable may be unplugged: plug it in and try again."
          "\r\nSettings > Port... (the Comm Port dialog) shows which serial device each port "
          "number means.";
      break;
    case CommFault::NoPermission:
      text +=
          "\r\nThis user may not use the serial port. Join the dialout group"
          " (sudo adduser $USER dialout), then log out and log in again:"
          " the new group counts only from the next login.";
      break;
    case CommFault::Other:
      break;
  }
  return text;
}

bool IsDevicePath(std::string_view setting) {
  const std::size_t first = setting.find_first_not_of(' ');
  return first != std::string_view::npos && setting[first] == '/';
}

CommError WholeNumberOf(std::string_view text, int& value) {
  static const CommError kTypeMismatch{13, "Type mismatch"};
  std::size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return kTypeMismatch;
  std::size_t e = text.find_last_not_of(' ') + 1;
  std::string_view number = text.substr(b, e - b);
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  // Digits, then at most one point and more digits; at least one digit.
  std::size_t digits = 0;
  bool point = false;
  for (char c : number) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return kTypeMismatch;
    }
  }
  if (digits == 0) return kTypeMismatch;
  double parsed = 0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), parsed);
  if (ec == std::errc::result_out_of_range) return {6, "Overflow"};
  if (ec != std::errc() || ptr != number.data() + number.size()) return kTypeMismatch;
  // nearbyint rounds halves to even in the default rounding mode.
  const double rounded = std::nearbyint(negative ? -parsed : parsed);
  if (rounded < -32768 || rounded > 32767) return {6, "Overflow"};
  value = static_cast<int>(rounded);
  return {};
}
