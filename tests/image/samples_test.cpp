// Where the tests find the real radio images, and what a test says when they
// are not there.

#include "support/Samples.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Sets KESTRANE_SAMPLES_DIR for one test and puts the old value back.
class SamplesFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("KESTRANE_SAMPLES_DIR")) {
      saved_ = old;
      had_ = true;
    }
    folder_ = fs::temp_directory_path() / ("kestrane_samples_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    if (had_) {
      ::setenv("KESTRANE_SAMPLES_DIR", saved_.c_str(), 1);
    } else {
      ::unsetenv("KESTRANE_SAMPLES_DIR");
    }
    fs::remove_all(folder_);
  }
  fs::path folder_;

 private:
  std::string saved_;
  bool had_ = false;
};

TEST_F(SamplesFolder, TheEnvironmentNamesTheFolderAtRunTime) {
  std::ofstream(folder_ / "peer-vx7.vx7", std::ios::binary) << "VX7\r\n";
  fs::create_directories(folder_ / "peer-vx2.vx2");  // a folder is no image
  ::setenv("KESTRANE_SAMPLES_DIR", folder_.c_str(), 1);

  EXPECT_EQ(samples::Folder(), folder_.string());
  EXPECT_EQ(samples::Path("peer-vx7.vx7"), (folder_ / "peer-vx7.vx7").string());
  EXPECT_EQ(samples::WhyMissing("peer-vx7.vx7"), "");
  EXPECT_EQ(samples::Read("peer-vx7.vx7"), "VX7\r\n");

  struct Case {
    const char* name;
  } missing[] = {{"peer-icq7.q7"}, {"peer-vx2.vx2"}};
  for (const Case& c : missing) {
    const std::string why = samples::WhyMissing(c.name);
    EXPECT_NE(why.find(c.name), std::string::npos) << why;
    EXPECT_NE(why.find(folder_.string()), std::string::npos) << why;
    EXPECT_NE(why.find("KESTRANE_SAMPLES_DIR"), std::string::npos) << why;
    EXPECT_EQ(samples::Read(c.name), "") << c.name;
  }
}

TEST_F(SamplesFolder, WithoutTheEnvironmentTheBuiltInFolderIsUsed) {
  for (bool empty : {true, false}) {
    if (empty) {
      ::setenv("KESTRANE_SAMPLES_DIR", "", 1);
    } else {
      ::unsetenv("KESTRANE_SAMPLES_DIR");
    }
    EXPECT_EQ(samples::Folder(), KESTRANE_SAMPLES_DIR);
  }
}

TEST(SamplesRequired, OnlyAnExplicitYesMakesAMissingImageAFailure) {
  const char* old = std::getenv("KESTRANE_REQUIRE_SAMPLES");
  const std::string saved = old ? old : "";
  struct Case {
    const char* value;  // nullptr: not set
    bool required;
  } cases[] = {{nullptr, false}, {"", false}, {"0", false}, {"1", true}, {"yes", true}};
  for (const Case& c : cases) {
    if (c.value) {
      ::setenv("KESTRANE_REQUIRE_SAMPLES", c.value, 1);
    } else {
      ::unsetenv("KESTRANE_REQUIRE_SAMPLES");
    }
    EXPECT_EQ(samples::Required(), c.required) << (c.value ? c.value : "unset");
  }
  if (old) {
    ::setenv("KESTRANE_REQUIRE_SAMPLES", saved.c_str(), 1);
  } else {
    ::unsetenv("KESTRANE_REQUIRE_SAMPLES");
  }
}

}  // namespace
