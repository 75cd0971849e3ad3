// Where the tests look for the real radio images, and what a skip says.

#include "support/Samples.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

TEST(Samples, FoundThroughTheEnvironmentOrNamedWhenMissing) {
  const char* old = std::getenv("KESTRANE_SAMPLES_DIR");
  const std::string saved = old ? old : "";
  const auto folder =
      std::filesystem::temp_directory_path() / ("kestrane_samples_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "peer-vx2.vx2");  // a folder is no image
  std::ofstream(folder / "peer-vx7.vx7", std::ios::binary) << "VX7";

  ::setenv("KESTRANE_SAMPLES_DIR", folder.c_str(), 1);
  EXPECT_EQ(samples::WhyMissing("peer-vx7.vx7"), "");
  EXPECT_EQ(samples::Read("peer-vx7.vx7"), "VX7");
  for (const char* name : {"peer-icq7.q7", "peer-vx2.vx2"}) {
    const std::string why = samples::WhyMissing(name);
    for (const std::string& said :
         {std::string(name), folder.string(), std::string("KESTRANE_SAMPLES_DIR")})
      EXPECT_NE(why.find(said), std::string::npos) << why;
    EXPECT_EQ(samples::Read(name), "");
  }
  ::setenv("KESTRANE_SAMPLES_DIR", "", 1);  // empty: the folder built in
  EXPECT_EQ(samples::Folder(), KESTRANE_SAMPLES_DIR);

  if (old) ::setenv("KESTRANE_SAMPLES_DIR", saved.c_str(), 1);
  std::filesystem::remove_all(folder);
}

}  // namespace
