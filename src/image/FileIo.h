// File reading and writing shared by the image's file formats. Files are bytes
// (Windows-1252 text where they are text), kept in std::string unchanged.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/clsICR2.h"

// Whole content of a file, or a sentence saying why it could not be read.
struct FileBytes {
  bool ok = false;
  std::string bytes;
  std::string error;
  bool tooLarge = false;  // refused for its size, unread
};
// The largest file a reader takes in, and what such a file is, for the
// message that refuses a bigger one. A file is measured before it is read,
// so a huge one costs no memory and changes nothing.
struct FileLimit {
  std::size_t maxSize;
  const char* kind;  // "an IC-R2 image file"
};
// No image file comes near 16 MiB.
inline constexpr FileLimit kImageFileLimit{16 * 1024 * 1024, "an IC-R2 image file"};
// A CSV or TravelPlus file, a frequency list, a document scanned for
// frequencies: all far below 64 MiB, the limit for every text the program
// reads.
inline constexpr FileLimit kTextFileLimit{64 * 1024 * 1024, "a text file"};
// A file larger than the limit is refused with a message that names it, its
// size and the limit.
FileBytes ReadFileBytes(const std::string& path, const FileLimit& limit = kImageFileLimit);
// That message when the file is larger than the limit; empty when it is not
// or cannot be measured (its reader then says why). For a command that must
// refuse a file before it changes anything.
std::string FileTooLarge(const std::string& path, const FileLimit& limit);

// Writes `bytes` to a temporary file in the target's folder and renames it over
// the target, so a failed write never leaves a half-written or mixed file.
FileResult WriteFileReplacing(const std::string& path, std::string_view bytes);

// Lines split at CR, LF or CR LF. A terminator at the very end does not start
// another line; `lastTerminated` tells whether the last line had one.
struct TextLines {
  std::vector<std::string_view> lines;
  bool lastTerminated = false;
};
TextLines SplitLines(std::string_view text);
// The line that starts at byte `start` of the text (before its end), and
// where the next line starts.
struct LineAt {
  std::string_view line;
  std::size_t next;
};
LineAt NextLine(std::string_view text, std::size_t start);

// The text with each CR and LF replaced by a blank, for a comment written
// inside one line of a file.
std::string OneLine(std::string_view text);

// Appends the text as a quoted CSV field: between double quotes, each double
// quote inside written twice.
void AppendCsvQuoted(std::string& out, std::string_view text);

// The text without blanks at either end.
std::string_view TrimBlanks(std::string_view text);

// The 16 image bytes of the block at `address`.
inline std::span<const std::uint8_t, kCloneBlockSize> ImageBlock(const ImageBytes& image,
                                                                 int address) {
  return std::span<const std::uint8_t, kCloneBlockSize>(image.data() + address, kCloneBlockSize);
}

// Messages of the readers.
std::string TooShortMessage(const std::string& path);
// A text file whose image data ended before the image did: `found` image bytes
// were read from its `fileSize` bytes. A file shorter than the whole image
// takes in its format (`wholeSize`) is too short; a longer one holds something
// other than an IC-R2 image, and the message says how little of one it held.
std::string ShortImageMessage(const std::string& path, std::size_t fileSize, std::size_t wholeSize,
                              std::size_t found);
std::string NotHexMessage(const std::string& path, std::size_t line);
// `where` names the damaged record ("line 5"); `length` is what it holds and
// `expected` what a 16-byte record holds in that format.
std::string MisfitRecordMessage(const std::string& path, const std::string& where,
                                std::size_t length, std::size_t expected);
// An ".r2" file cut inside its comment line: `whole` comments were read whole.
std::string IncompleteCommentsMessage(const std::string& path, int whole);
