#include "image/CloneFrame.h"

#include "image/HexText.h"

namespace {

bool IsHexDigit(char c) { return HexDigitValue(c) >= 0; }

bool AllHex(std::string_view text) {
  for (char c : text) {
    if (!IsHexDigit(c)) return false;
  }
  return true;
}

}  // namespace

std::string CloneChecksum(std::string_view digits) {
  unsigned sum = 0;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    const int high = HexDigitValue(digits[i]);
    const int low = HexDigitValue(digits[i + 1]);
    if (high >= 0 && low >= 0) sum += static_cast<unsigned>(high * 16 + low);
  }
  return HexByte((256 - sum % 256) % 256);
}

std::string HexRecord(unsigned address, std::span<const std::uint8_t, kCloneBlockSize> data) {
  std::string record = HexByte((address >> 8) & 0xFF) + HexByte(address & 0xFF) + "10";
  for (std::uint8_t byte : data) record += HexByte(byte);
  return record + CloneChecksum(record);
}

std::string CloneFrame(CloneCommand command, std::string_view body) {
  std::string frame{kClonePreamble, kClonePreamble, kCloneToRadio, kCloneFromPc,
                    static_cast<char>(command)};
  frame += body;
  frame += kCloneEndOfFrame;
  return frame;
}

std::string CloneDataFrame(unsigned address, std::span<const std::uint8_t, kCloneBlockSize> data) {
  return CloneFrame(CloneCommand::DataBlock, HexRecord(address, data));
}

CloneStreamData DecodeCloneStream(std::string_view stream, std::size_t maxBytes) {
  static constexpr std::string_view kPreamble{"\xFE\xFE", 2};
  static constexpr std::size_t kHeader = 5;  // preamble, two address bytes, command
  CloneStreamData out;
  std::size_t taken = 0;  // bytes found so far, including any past maxBytes
  std::size_t search = 0;
  for (;;) {
    const std::size_t p = stream.find(kPreamble, search);
    if (p == std::string_view::npos) break;
    const std::size_t q =
        p + kHeader <= stream.size() ? stream.find(kCloneEndOfFrame, p + kHeader) : stream.npos;
    if (q == std::string_view::npos) {
      out.truncated = true;
      break;
    }
    search = q + 1;
    // The body runs from p + 5 to q - 1; its last two characters are the checksum.
    const std::size_t bodyLength = q - p - kHeader;
    if (bodyLength < 2 + 3) continue;  // no payload of 3 characters: an echo or a command
    const std::string_view body = stream.substr(p + kHeader, bodyLength);
    const std::string_view payload = body.substr(0, bodyLength - 2);
    if (payload.substr(0, 4) == "Icom") continue;  // the radio's end-of-data frame

    ++out.blocks;
    if (body.size() != kHexRecordLength && out.misfitBlock == 0 && taken < maxBytes) {
      out.misfitBlock = out.blocks;
      out.misfitLength = body.size();
    }
    const std::string expectedHead = HexByte((taken >> 8) & 0xFF) + HexByte(taken & 0xFF) + "10";
    if (body.size() != kHexRecordLength || !AllHex(body) || body.substr(0, 6) != expectedHead ||
        body.substr(38) != CloneChecksum(payload)) {
      out.badBlock = true;
    }
    const std::string_view data = payload.substr(6 <= payload.size() ? 6 : payload.size());
    for (std::size_t i = 0; i < data.size(); i += 2) {
      const std::string_view piece = data.substr(i, 2);
      int value = 0;
      if (AllHex(piece)) {
        value = HexDigitValue(piece[0]);
        if (piece.size() == 2) value = value * 16 + HexDigitValue(piece[1]);
      } else {
        out.notHex = true;
        out.badBlock = true;
      }
      if (out.bytes.size() < maxBytes) {
        out.bytes.push_back(static_cast<std::uint8_t>(value));
      } else {
        out.overflow = true;
      }
      ++taken;
    }
  }
  return out;
}
