// Helpers for the image tests: set raw bytes through the class's own bit
// setter and read records back from a copy of the image.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "image/clsICR2.h"

namespace image_test {

using Record = std::array<std::uint8_t, 8>;

inline void PokeByte(clsICR2& image, int address, std::uint8_t value) {
  for (int bit = 0; bit < 8; ++bit) image.SetBit(address, bit, (value >> bit) & 1);
}

inline void PokeRecord(clsICR2& image, int ch, const Record& bytes) {
  for (int i = 0; i < 8; ++i) PokeByte(image, (ch - 1) * 8 + i, bytes[i]);
}

inline Record RecordOf(const clsICR2& image, int ch) {
  const ImageBytes bytes = image.GetArry();
  Record record;
  for (int i = 0; i < 8; ++i) record[i] = bytes[(ch - 1) * 8 + i];
  return record;
}

inline void FillImage(clsICR2& image, std::uint8_t value) {
  for (int address = 0; address < kImageSize; ++address) PokeByte(image, address, value);
}

// A folder of its own under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("kestrane-image-" + std::to_string(std::random_device{}()) + "-" +
             std::to_string(++counter));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace image_test
