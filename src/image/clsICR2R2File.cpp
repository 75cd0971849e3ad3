// The clone-stream parser and the program's own ".r2" file: line 1 is the image
// as 252 data block frames, line 2 the 450 channel comments, each in double
// quotes, separated by commas.
#include <algorithm>

#include "image/CloneFrame.h"
#include "image/FileIo.h"
#include "image/HexText.h"
#include "image/clsICR2.h"

namespace {

constexpr int kBlockCount = kImageSize / static_cast<int>(kCloneBlockSize);

// A comment holding a double quote (or ,") or a line break would shift every
// later comment of the line, so those are written as an apostrophe and a blank.
std::string R2Comment(std::string_view comment) {
  std::string text = OneLine(comment);
  std::replace(text.begin(), text.end(), '"', '\'');
  return text;
}

// Each comment is enclosed in double quotes and the comments are separated by
// commas. Items are cut at every quote-comma-quote, and each item loses one
// double quote at its start and one at its end. Cutting at comma-quote alone would also cut
// after a comment that ends with a comma and shift every later comment; for
// every comment without a double quote in it the two cuts agree. Items past
// 450 are ignored.
//
// Returns how many comments were read whole, at most 450. A file cut inside
// this line gives fewer: its last item lacks the closing quote, or items are
// missing. A cut just after the comma that follows a closing quote leaves that
// comma behind, which is not part of the comment.
int ReadR2Comments(std::string_view line, std::array<std::string, kChannelCount + 1>& comments) {
  if (line.empty()) return 0;
  static constexpr std::string_view kSeparator = "\",\"";
  std::size_t start = 0;
  for (int n = 1; n <= kChannelCount; ++n) {
    const std::size_t cut = line.find(kSeparator, start);
    std::string_view item =
        line.substr(start, cut == std::string_view::npos ? line.npos : cut - start);
    const bool last = cut == std::string_view::npos;
    if (last && item.ends_with("\",")) item.remove_suffix(1);
    // A last item is whole when it ends with its closing quote (in the first
    // item, a quote other than the opening one).
    const bool closed = !last || (item.ends_with('"') && item.size() > (n == 1 ? 1u : 0u));
    if (item.starts_with('"')) item.remove_prefix(1);
    if (item.ends_with('"')) item.remove_suffix(1);
    comments[n] = std::string(item);
    if (last) return closed ? n : n - 1;
    start = cut + kSeparator.size();
  }
  return kChannelCount;
}

}  // namespace

std::string clsICR2::R2Checksum(std::string_view record) {
  return std::string(record) + CloneChecksum(record);
}

ParseResult clsICR2::ParseFile(std::string_view stream) {
  const CloneStreamData data = DecodeCloneStream(stream, kImageSize);
  std::copy(data.bytes.begin(), data.bytes.end(), image_.begin());
  SetChecksum();
  ParseResult result;
  result.blocks = data.blocks;
  result.bytes = static_cast<int>(data.bytes.size());
  result.badBlock = data.badBlock;
  result.overflow = data.overflow;
  result.truncated = data.truncated;
  return result;
}

FileResult clsICR2::OpenFile(const std::string& path) {
  const FileBytes file = ReadFileBytes(path);
  if (!file.ok) return FailLoad(file.error);
  const TextLines text = SplitLines(file.bytes);
  const std::string_view stream = text.lines.empty() ? std::string_view{} : text.lines[0];
  // The blocks are placed one after the other whatever their addresses say,
  // but the file must hold a whole image of hex digits, every block a whole
  // record: a digit too few or too many would shift the rest of its data.
  const CloneStreamData data = DecodeCloneStream(stream, kImageSize);
  if (data.misfitBlock > 0) {
    const unsigned address = static_cast<unsigned>(data.misfitBlock - 1) * kCloneBlockSize;
    const std::string where = "block " + std::to_string(data.misfitBlock) +
                              " of line 1 (image address " + HexByte(address >> 8) +
                              HexByte(address & 0xFF) + ")";
    return FailLoad(MisfitRecordMessage(path, where, data.misfitLength, kHexRecordLength));
  }
  if (data.notHex) return FailLoad(NotHexMessage(path, 1));
  if (data.bytes.size() < static_cast<std::size_t>(kImageSize)) {
    return FailLoad(ShortImageMessage(path, file.bytes.size(), kBlockCount * kCloneDataFrameLength,
                                      data.bytes.size()));
  }
  ImageBytes image;
  std::copy(data.bytes.begin(), data.bytes.end(), image.begin());
  auto comments = ChannelComments;
  FileResult result;
  // An empty second line is no comment line at all; a cut file never ends so.
  if (text.lines.size() > 1 && !text.lines[1].empty()) {
    const int whole = ReadR2Comments(text.lines[1], comments);
    if (whole < kChannelCount) result.warning = IncompleteCommentsMessage(path, whole);
  }
  CommitLoad(image, comments);
  return result;
}

FileResult clsICR2::SaveFile(const std::string& path, bool withComments) {
  std::string text;
  text.reserve(kBlockCount * kCloneDataFrameLength + 8 * kChannelCount);
  for (int address = 0; address < kImageSize; address += kCloneBlockSize) {
    text += CloneDataFrame(address, ImageBlock(image_, address));
  }
  if (withComments) {
    text += "\r\n";
    for (int n = 1; n <= kChannelCount; ++n) {
      if (n > 1) text += ',';
      text += '"' + R2Comment(ChannelComments[n]) + '"';
    }
  }
  text += "\r\n";
  FileResult result = WriteFileReplacing(path, text);
  if (result) SetChecksum();
  return result;
}
