// The other image files: Icom ".icf", RT Systems ".icf" (read only), ".ic2"
// and ".tr2". Every reader loads into a copy and replaces the image only when
// the whole file was good; on failure the image is left reset (not loaded).
#include <algorithm>
#include <charconv>

#include "image/CloneFrame.h"
#include "image/FileIo.h"
#include "image/HexText.h"
#include "image/clsICR2.h"

namespace {

constexpr int kBlockCount = kImageSize / static_cast<int>(kCloneBlockSize);
constexpr std::string_view kCrLf = "\r\n";

// Icom ".icf" ---------------------------------------------------------------------
constexpr std::string_view kDefaultModelId = "21270000";
constexpr int kIcfShift = 55;  // each hex character is written as its code plus 55 ("0" -> "g")

// RT Systems ".icf": recognised by its first line; the image sits at a fixed offset.
constexpr std::string_view kRtSignature = "ICF";
constexpr std::size_t kRtImageOffset = 5580;

// ".ic2": a data line is a 40-character HexRecord and the comment part.
constexpr std::size_t kRecordLength = 38;  // HexRecord less its checksum
constexpr int kArcPairChannels = 400;      // lines 1-200 carry two memory channels each
constexpr std::string_view kArcDefaultTrailer[] = {
    "#banknames", "Emergency", "Pol VHF 1", "Pol VHF 2", "Pol -UHF - 1", "Pol -UHF - 2",
    "Spare 0",    "Spare 1",   "Spare 2",   "&Dummy",    "Search",       "&Bandplan"};

// ".tr2": the raw image, then one "MemLabel(<n - 1>)=<comment>" record per comment.
constexpr std::string_view kLabelPrefix = "MemLabel(";

using Comments = std::array<std::string, kChannelCount + 1>;

// Stores the pairs of hex digits of `digits` at image[next...] (a lone last digit
// alone); digits past the image are ignored. False when a digit is not hex.
bool StoreHexPairs(std::string_view digits, ImageBytes& image, std::size_t& next) {
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    const std::string_view piece = digits.substr(i, 2);
    int value = 0;
    for (char c : piece) {
      const int digit = HexDigitValue(c);
      if (digit < 0) return false;
      value = value * 16 + digit;
    }
    if (next < image.size()) image[next] = static_cast<std::uint8_t>(value);
    ++next;
  }
  return true;
}

std::string ShiftIcf(std::string_view text, int by) {
  std::string shifted(text);
  for (char& c : shifted) c = static_cast<char>(static_cast<unsigned char>(c) + by);
  return shifted;
}

// A comment as written on an ".ic2" line. "#2" marks the second comment of a
// line, and readers split there, so a "#2" inside a comment would move the rest
// of it into the next channel: it is written as "# 2". A line then holds no
// "#2" but its own mark, whichever way a reader looks for it. One pass copies
// as it goes, so a long comment full of "#2" costs no more than any other.
std::string ArcComment(std::string_view comment) {
  const std::string text = OneLine(comment);
  std::string written;
  written.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    written += text[i];
    if (text[i] == '#' && i + 1 < text.size() && text[i + 1] == '2') written += ' ';
  }
  return written;
}

// Comment part of ".ic2" data line `index` (0-251): lines 0-199 carry two memory
// channels, 200-224 the A edge of a scan-edge pair, the rest nothing.
std::string ArcCommentPart(int index) {
  const int first = 2 * index + 1;
  if (first > kChannelCount) return "";
  std::string part = " #1" + ArcComment(ChannelComments[first]);
  if (first < kArcPairChannels) part += "     #2" + ArcComment(ChannelComments[first + 1]);
  return part;
}

// Comments of channels `first` and first + 1 from the rest of a data line (the
// part after the 38 record characters). A scan-edge line gives both edges the
// A edge's comment. A missing "#1" or "#2" gives an empty comment.
void ReadArcComments(std::string_view rest, int first, Comments& comments) {
  if (first > kChannelCount) return;
  const std::size_t one = rest.find("#1");
  const std::size_t two = rest.find("#2");
  if (first > kArcPairChannels) {
    const std::string comment =
        one == rest.npos ? "" : clsICR2::TrimTrailingSpaces(rest.substr(one + 2));
    comments[first] = comment;
    comments[first + 1] = comment;
    return;
  }
  std::string_view a, b;
  if (one != rest.npos) {
    const std::size_t start = one + 2;
    const std::size_t end = two != rest.npos && two >= start ? two : rest.size();
    a = rest.substr(start, end - start);
  }
  if (two != rest.npos) b = rest.substr(two + 2);
  comments[first] = clsICR2::TrimTrailingSpaces(a);
  comments[first + 1] = clsICR2::TrimTrailingSpaces(b);
}

// Label number of a ".tr2" record, 0-449, or -1.
int LabelNumber(std::string_view text) {
  text = TrimBlanks(text);
  int value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return -1;
  return value >= 0 && value < kChannelCount ? value : -1;
}

}  // namespace

// Icom ".icf" -----------------------------------------------------------------------

FileResult clsICR2::OpenICFFile(const std::string& path) {
  const FileBytes file = ReadFileBytes(path);
  if (!file.ok) return FailLoad(file.error);
  const TextLines text = SplitLines(file.bytes);
  if (!text.lines.empty() && text.lines[0].starts_with(kRtSignature)) return OpenRTFile(path);
  // Line 1 (model) and line 2 (user comment) are not used; data from line 3 on.
  ImageBytes image{};
  std::size_t next = 0;
  for (std::size_t i = 2; i < text.lines.size(); ++i) {
    const std::string_view line = text.lines[i];
    if (line.empty()) continue;
    // Pairs are counted, not digits: one digit too few or too many would shift
    // the rest of the line by half a byte.
    if (next < image.size() && line.size() != kRecordLength) {
      return FailLoad(
          MisfitRecordMessage(path, "line " + std::to_string(i + 1), line.size(), kRecordLength));
    }
    if (line.size() <= 6) continue;
    if (!StoreHexPairs(ShiftIcf(line.substr(6), -kIcfShift), image, next)) {
      return FailLoad(NotHexMessage(path, i + 1));
    }
  }
  if (next < image.size()) {
    return FailLoad(
        ShortImageMessage(path, file.bytes.size(), kBlockCount * (kRecordLength + 2), next));
  }
  CommitLoad(image, ChannelComments);
  return {};
}

FileResult clsICR2::SaveICFFile(const std::string& path) {
  std::string text(RadioModelID.empty() ? kDefaultModelId : RadioModelID);
  text += kCrLf;
  text += '#';
  text += OneLine(GetUserComments());
  text += kCrLf;
  for (int address = 0; address < kImageSize; address += kCloneBlockSize) {
    text += ShiftIcf(HexRecord(address, ImageBlock(image_, address)).substr(0, kRecordLength),
                     kIcfShift);
    text += kCrLf;
  }
  text += kCrLf;  // the empty last line
  FileResult result = WriteFileReplacing(path, text);
  if (result) SetChecksum();
  return result;
}

// RT Systems ".icf" -------------------------------------------------------------------

bool clsICR2::IsRTFile(const std::string& path) const {
  const FileBytes file = ReadFileBytes(path);
  return file.ok && std::string_view(file.bytes).starts_with(kRtSignature);
}

FileResult clsICR2::OpenRTFile(const std::string& path) {
  const FileBytes file = ReadFileBytes(path);
  if (!file.ok) return FailLoad(file.error);
  if (file.bytes.size() < kRtImageOffset + kImageSize) return FailLoad(TooShortMessage(path));
  ImageBytes image;
  std::copy_n(file.bytes.begin() + kRtImageOffset, kImageSize, image.begin());
  CommitLoad(image, ChannelComments);
  return {};
}

// ".ic2" ------------------------------------------------------------------------------

FileResult clsICR2::OpenArcFile(const std::string& path) {
  const FileBytes file = ReadFileBytes(path);
  if (!file.ok) return FailLoad(file.error);
  const TextLines text = SplitLines(file.bytes);
  ImageBytes image{};
  Comments comments = ChannelComments;
  std::size_t next = 0;
  std::size_t i = 0;
  // The data part ends at the first line that is blank; lines past 252 are ignored.
  for (; i < text.lines.size() && !TrimBlanks(text.lines[i]).empty(); ++i) {
    if (i >= static_cast<std::size_t>(kBlockCount)) continue;
    const std::string_view line = text.lines[i];
    // The record is everything before the comment part (its first "#"), and
    // must be whole: a digit too few or too many would shift the bytes after it.
    const std::string record = clsICR2::TrimTrailingSpaces(line.substr(0, line.find('#')));
    if (record.size() != kHexRecordLength) {
      return FailLoad(
          MisfitRecordMessage(path, "the record at the start of line " + std::to_string(i + 1),
                              record.size(), kHexRecordLength));
    }
    const std::string_view digits = line.size() > 6 ? line.substr(6, 32) : std::string_view{};
    if (!StoreHexPairs(digits, image, next)) return FailLoad(NotHexMessage(path, i + 1));
    const std::string_view rest =
        line.size() > kRecordLength ? line.substr(kRecordLength) : std::string_view{};
    ReadArcComments(rest, 2 * static_cast<int>(i) + 1, comments);
  }
  if (next < image.size()) {
    return FailLoad(
        ShortImageMessage(path, file.bytes.size(), kBlockCount * (kHexRecordLength + 2), next));
  }
  // The trailer: every line after the blank one, less empty lines at the end,
  // so that saving what was opened gives the same bytes again.
  std::size_t end = text.lines.size();
  while (end > i + 1 && text.lines[end - 1].empty()) --end;
  std::string trailer;
  for (std::size_t k = i + 1; k < end; ++k) {
    trailer += text.lines[k];
    trailer += kCrLf;
  }
  ArcTrailer = trailer;
  CommitLoad(image, comments);
  return {};
}

FileResult clsICR2::SaveArcFile(const std::string& path) {
  std::string text;
  for (int k = 0; k < kBlockCount; ++k) {
    const int address = k * static_cast<int>(kCloneBlockSize);
    text += HexRecord(address, ImageBlock(image_, address)) + ArcCommentPart(k);
    text += kCrLf;
  }
  text += kCrLf;
  if (ArcTrailer.empty()) {
    for (std::string_view line : kArcDefaultTrailer) {
      text += line;
      text += kCrLf;
    }
  } else {
    text += ArcTrailer;
  }
  text += kCrLf;
  FileResult result = WriteFileReplacing(path, text);
  if (result) SetChecksum();
  return result;
}

// ".tr2" ------------------------------------------------------------------------------

FileResult clsICR2::OpenBinary(const std::string& path) {
  const FileBytes file = ReadFileBytes(path);
  if (!file.ok) return FailLoad(file.error);
  if (file.bytes.size() < static_cast<std::size_t>(kImageSize)) {
    return FailLoad(TooShortMessage(path));
  }
  ImageBytes image;
  std::copy_n(file.bytes.begin(), kImageSize, image.begin());
  Comments comments = ChannelComments;
  const TextLines records = SplitLines(std::string_view(file.bytes).substr(kImageSize));
  std::size_t count = records.lines.size();
  if (!records.lastTerminated && count > 0) --count;  // an unfinished last record
  for (std::size_t k = 0; k < count; ++k) {
    const std::string_view record = records.lines[k];
    if (record.size() < kLabelPrefix.size()) continue;
    const std::string_view body = record.substr(kLabelPrefix.size());
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos || equals == 0) continue;
    const int label = LabelNumber(body.substr(0, equals - 1));  // less the ")"
    if (label < 0) continue;
    comments[label + 1] = std::string(body.substr(equals + 1));
  }
  CommitLoad(image, comments);
  return {};
}

FileResult clsICR2::SaveBinary(const std::string& path) {
  std::string bytes(image_.begin(), image_.end());
  for (int n = 1; n <= kChannelCount; ++n) {
    if (TrimBlanks(ChannelComments[n]).empty()) continue;
    bytes += kLabelPrefix;
    bytes += std::to_string(n - 1) + ")=" + OneLine(ChannelComments[n]) + "\n";
  }
  FileResult result = WriteFileReplacing(path, bytes);
  if (result) SetChecksum();
  return result;
}
