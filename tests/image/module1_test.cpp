#include "image/Module1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "image_support.h"

namespace {

TEST(Module1, IsEven) {
  EXPECT_TRUE(IsEven(0));
  EXPECT_TRUE(IsEven(402));
  EXPECT_FALSE(IsEven(401));
  EXPECT_FALSE(IsEven(-3));
  EXPECT_TRUE(IsEven(-4));
}

TEST(Module1, Hex2Dec) {
  struct Case {
    const char* text;
    long long value;
  };
  const Case cases[] = {{"1A", 26},      {"00ff", 255}, {"", 0},        {"0", 0},
                        {"FFFF", 65535}, {"a", 10},     {"0FB0", 4016}, {"7fffffff", 2147483647}};
  for (const Case& c : cases) EXPECT_EQ(Hex2Dec(c.text), c.value) << c.text;
}

TEST(Module1, FileExists) {
  image_test::TempDir dir;
  const std::string folder = dir.File("CSV");
  std::filesystem::create_directory(folder);
  EXPECT_TRUE(FileExists(folder)) << "an empty folder exists";
  EXPECT_FALSE(FileExists(dir.File("missing.r2")));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(dir.File("*.r2")));
  const std::string hidden = dir.File(".hidden");
  std::ofstream(hidden) << "x";
  EXPECT_TRUE(FileExists(hidden));
}

TEST(Module1, TvSoundCarriers) {
  struct Case {
    long long channel;
    const char* text;
  };
  const Case cases[] = {{2, "59.750"},   {4, "71.750"},   {5, "81.750"},   {6, "87.750"},
                        {7, "179.750"},  {12, "209.750"}, {13, "215.750"}, {14, "475.750"},
                        {69, "805.750"}, {1, ""},         {70, ""},        {0, ""},
                        {-2, ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(TVChannelFreq(c.channel), c.text) << c.channel;
    EXPECT_EQ(TVChannelFreq(std::to_string(c.channel)), c.text) << c.channel;
  }
  EXPECT_EQ(TVChannelFreq("12.5"), "");
  EXPECT_EQ(TVChannelFreq("x"), "");
  EXPECT_EQ(TVChannelFreq("1" + std::string(400, '0')), "");
  // Channels within each band are 6 MHz apart.
  for (long long n = 15; n <= 69; ++n) {
    EXPECT_EQ(std::stod(TVChannelFreq(n)) - std::stod(TVChannelFreq(n - 1)), 6.0) << n;
  }
}

TEST(Module1, IsTVFreqComparesText) {
  EXPECT_TRUE(IsTVFreq("805.750"));
  EXPECT_TRUE(IsTVFreq("59.750"));
  EXPECT_FALSE(IsTVFreq("811.750"));
  EXPECT_FALSE(IsTVFreq("65.750 "));
  EXPECT_FALSE(IsTVFreq("59.75"));
  EXPECT_FALSE(IsTVFreq("59.7500"));
  EXPECT_FALSE(IsTVFreq(""));
}

}  // namespace
