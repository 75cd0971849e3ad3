// Helpers for the file-format tests: a random image with awkward comments,
// whole-file reads and writes, and the comments each format can carry back.
#pragma once

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

// Comments that every format carries whole: commas, apostrophes, "=", leading
// blanks, an empty one, 255 characters, bytes 0x80-0xFF.
inline Comments AwkwardComments() {
  Comments comments;
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  const std::string pool[] = {"Tower, north",        "",   "it's",  "a=b",    "  lead",
                              std::string(255, 'x'), high, "#hash", "comma,", "caf\xE9 \xB0"};
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

}  // namespace image_test
