// Helpers for the file-format tests: a random image with awkward comments,
// whole-file reads and writes, a download stream, and the table of formats with
// the comments each one carries back.
#pragma once

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "image/clsICR2.h"
#include "image_support.h"

namespace image_test {

using Comments = std::array<std::string, kChannelCount + 1>;

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Comments that shift or break lines when written carelessly: commas, quotes,
// apostrophes, "=", ".ic2" marks, leading blanks, line breaks, an empty one,
// 255 characters, bytes 0x80-0xFF.
inline Comments AwkwardComments() {
  Comments comments;
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  const std::string pool[] = {"Tower, north", "",       "it's",
                              "a=b",          "  lead", high,
                              "#hash ##2#22", "comma,", "say \"hi\", \"there",
                              "two\r\nlines", "c\nd",   std::string(255, 'x'),
                              "caf\xE9 \xB0"};
  for (int n = 1; n <= kChannelCount; ++n) comments[n] = pool[n % std::size(pool)];
  comments[1] = "first";
  comments[kChannelCount] = "last";
  return comments;
}

// A random image (seeded) that carries the loaded mark, and the given comments.
inline void LoadRandomImage(clsICR2& image, unsigned seed, const Comments& comments) {
  image.Init();
  std::mt19937 random(seed);
  for (int address = 0; address < kImageSize; ++address) {
    PokeByte(image, address, static_cast<std::uint8_t>(random()));
  }
  PokeByte(image, kLoadedMarkAddress, kLoadedMark);
  for (int n = 1; n <= kChannelCount; ++n) ChannelComments[n] = comments[n];
}

// True when the image is as Init leaves it: zero, not loaded, no comments.
inline bool IsReset(const clsICR2& image) {
  const ImageBytes bytes = image.GetArry();
  for (std::uint8_t b : bytes) {
    if (b != 0) return false;
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    if (!ChannelComments[n].empty()) return false;
  }
  return !image.IsFileLoaded() && !image.IsDataChanged();
}

// What the receiver sends for `bytes`: the echoed read request, 252 data frames, the end frame.
inline std::string DownloadStream(const ImageBytes& bytes) {
  std::string s("\xFE\xFE\xEE\xEF\xE2\x21\x27\x00\x00\xFD", 10);
  for (int a = 0; a < kImageSize; a += 16) {
    s += CloneDataFrame(a, std::span<const std::uint8_t, 16>(bytes.data() + a, 16));
  }
  return s + CloneFrame(CloneCommand::EndOfData, "Icom Inc.");
}

// Comments as written inside one line: each CR and LF becomes a blank.
inline std::string Blanked(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

// Each writable format and the comments it gives back for those written.
struct Format {
  const char* name;
  FileResult (*save)(clsICR2&, const std::string&);
  FileResult (*open)(clsICR2&, const std::string&);
  Comments (*carried)(const Comments& written);
};

#define KESTRANE_FILE_OP(call) [](clsICR2& i, const std::string& p) { return i.call(p); }

inline const Format kFormats[] = {
    {"r2", KESTRANE_FILE_OP(SaveFile), KESTRANE_FILE_OP(OpenFile),
     [](const Comments& written) {
       // A double quote would shift every later comment: it comes back as an apostrophe.
       Comments back;
       for (int n = 1; n <= kChannelCount; ++n) {
         back[n] = Blanked(written[n]);
         std::replace(back[n].begin(), back[n].end(), '"', '\'');
       }
       return back;
     }},
    {"icf", KESTRANE_FILE_OP(SaveICFFile), KESTRANE_FILE_OP(OpenICFFile),
     [](const Comments&) { return Comments{}; }},
    {"ic2", KESTRANE_FILE_OP(SaveArcFile), KESTRANE_FILE_OP(OpenArcFile),
     [](const Comments& written) {
       // A scan-edge pair keeps the comment of its A edge for both edges.
       Comments back;
       for (int n = 1; n <= kChannelCount; ++n) {
         const int from = n > 400 && n % 2 == 0 ? n - 1 : n;
         back[n] = clsICR2::TrimTrailingSpaces(Blanked(written[from]));
         // "#2" starts a line's second comment: inside one it is written "# 2".
         for (std::size_t at; (at = back[n].find("#2")) != std::string::npos;) {
           back[n].insert(at + 1, " ");
         }
       }
       return back;
     }},
    {"tr2", KESTRANE_FILE_OP(SaveBinary), KESTRANE_FILE_OP(OpenBinary),
     [](const Comments& written) {
       Comments back;
       for (int n = 1; n <= kChannelCount; ++n) back[n] = Blanked(written[n]);
       return back;
     }},
};

}  // namespace image_test
