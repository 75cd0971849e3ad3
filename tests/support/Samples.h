// The real radio images some tests read. They live outside the repository:
// in the folder named by the environment variable KESTRANE_SAMPLES_DIR, or
// else in the folder compiled in as KESTRANE_SAMPLES_DIR (../shared/samples
// beside the source tree). A clone without them still passes: the tests that
// need one skip and say where they looked. CI sets KESTRANE_REQUIRE_SAMPLES,
// which turns such a skip into a failure, so there every one of them runs.
//
// Standard library and GoogleTest only: the image and readers tests use it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace samples {

inline std::string Folder() {
  const char* fromEnvironment = std::getenv("KESTRANE_SAMPLES_DIR");
  if (fromEnvironment && *fromEnvironment) return fromEnvironment;
  return KESTRANE_SAMPLES_DIR;
}

// Full path of a sample file.
inline std::string Path(const std::string& name) { return Folder() + "/" + name; }

// Why a test that needs the file cannot run; "" when the file is there.
inline std::string WhyMissing(const std::string& name) {
  std::error_code error;
  if (std::filesystem::is_regular_file(Path(name), error)) return "";
  return "needs the real radio image " + name + ", which is not in " + Folder() +
         " (set KESTRANE_SAMPLES_DIR to the folder that holds the sample images)";
}

inline bool Required() {
  const char* required = std::getenv("KESTRANE_REQUIRE_SAMPLES");
  return required && *required && std::string(required) != "0";
}

// Contents of a sample file ("" when it cannot be read).
inline std::string Read(const std::string& name) {
  if (!WhyMissing(name).empty()) return "";
  std::ifstream in(Path(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace samples

// First statement of a test that reads a sample file: skips the test (fails
// it where samples are required) when the file is not there.
#define KESTRANE_NEEDS_SAMPLE(name)                                                          \
  do {                                                                                       \
    if (const std::string kestraneWhy = ::samples::WhyMissing(name); !kestraneWhy.empty()) { \
      if (::samples::Required()) GTEST_FAIL() << kestraneWhy;                                \
      GTEST_SKIP() << kestraneWhy;                                                           \
    }                                                                                        \
  } while (false)
