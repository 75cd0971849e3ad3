// A temporary file for reader tests: written from bytes, removed when the test ends.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

class ScratchFile {
 public:
  explicit ScratchFile(std::string_view suffix = ".bin")
      : path_((std::filesystem::temp_directory_path() /
               ("kestrane_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                std::to_string(counter_++) + std::string(suffix)))
                  .string()) {}
  ~ScratchFile() { std::remove(path_.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }

  void Write(std::string_view bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void Write(const std::vector<std::uint8_t>& bytes) const {
    Write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  std::string Read() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  static inline int counter_ = 0;
  std::string path_;
};
