// Clone-stream frames of the Icom receivers: wire constants, the text record
// of one 16-byte data block and its checksum, and the decoder of a whole stream.
//
// A frame is 0xFE 0xFE, two address bytes (0xEE 0xEF from this program), a
// command byte, a body and 0xFD. A data block's body is a HexRecord: ASCII
// upper-case hex, 4 address digits, "10" (the byte count), 32 data digits and
// the 2-digit CloneChecksum. The same frames are used by every Icom clone file
// this program reads (".r2" line 1, ".q7"), so the IC-Q7 reader shares them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char kClonePreamble = '\xFE';  // sent twice at the start of a frame
inline constexpr char kCloneToRadio = '\xEE';   // first address byte
inline constexpr char kCloneFromPc = '\xEF';    // second address byte
inline constexpr char kCloneEndOfFrame = '\xFD';

// Command byte of a frame.
enum class CloneCommand : std::uint8_t {
  ModelQuery = 0xE0,
  ReadRequest = 0xE2,
  WriteStart = 0xE3,
  DataBlock = 0xE4,
  EndOfData = 0xE5,
};

inline constexpr std::size_t kCloneBlockSize = 16;        // data bytes in one data block
inline constexpr std::size_t kHexRecordLength = 40;       // characters of a HexRecord
inline constexpr std::size_t kCloneDataFrameLength = 46;  // bytes of a data block frame

// Two upper-case hex digits: the two's complement of the byte sum of the
// two-digit hex numbers in `digits` (read from its first character; a pair
// that is not hex adds nothing, a lone last character is ignored).
// CloneChecksum("0000" "10" + 32 zeros) == "F0".
std::string CloneChecksum(std::string_view digits);

// The 40-character record of one block: address as 4 upper-case hex digits
// (only the low 16 bits are used), "10", the 16 bytes, the checksum.
std::string HexRecord(unsigned address, std::span<const std::uint8_t, kCloneBlockSize> data);

// A whole frame: preamble, 0xEE 0xEF, the command, `body`, 0xFD.
std::string CloneFrame(CloneCommand command, std::string_view body);

// The 46-byte data block frame of one block.
std::string CloneDataFrame(unsigned address, std::span<const std::uint8_t, kCloneBlockSize> data);

// What a clone stream holds, as found by DecodeCloneStream.
struct CloneStreamData {
  std::vector<std::uint8_t> bytes;  // data of the data frames in arrival order (at most maxBytes)
  int blocks = 0;                   // frames whose data was taken
  bool badBlock = false;   // a taken frame was not a well-formed record for its place: wrong
                           // length, address, count or checksum, or a digit that is not hex
  bool notHex = false;     // some data digit was not hex (that byte was taken as 0)
  bool overflow = false;   // data beyond maxBytes was dropped
  bool truncated = false;  // the stream ended inside a frame (0xFE 0xFE without a closing 0xFD)
  // The first frame whose data reached the image (1-based) and whose body was
  // not a 40-character record, and that body's length; 0 when there is none.
  // A digit lost from such a body shifts the rest of its data by half a byte.
  int misfitBlock = 0;
  std::size_t misfitLength = 0;
};

// Walks the stream frame by frame. For each frame whose body (less the last two
// characters, the checksum) has at least 3 characters and does not begin with
// "Icom", the data digits from the body's 7th character on are taken two at a
// time (a lone last digit alone) as the next bytes, whatever the record's
// address says. Frames too short for a payload (an echoed request) and the
// end-of-data frame ("Icom Inc.") add nothing; bytes between frames are skipped.
// The walk stops at a frame with no closing 0xFD.
CloneStreamData DecodeCloneStream(std::string_view stream, std::size_t maxBytes);
