#include "image/Module1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "image_support.h"

namespace {

TEST(Module1, IsEvenAndHex2Dec) {
  for (int n : {0, 402, -4}) EXPECT_TRUE(IsEven(n)) << n;
  for (int n : {401, -3}) EXPECT_FALSE(IsEven(n)) << n;
  const std::pair<const char*, long long> cases[] = {
      {"1A", 26}, {"00ff", 255}, {"", 0}, {"0FB0", 4016}, {"7fffffff", 2147483647}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Hex2Dec(text), value) << text;
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
  const std::pair<long long, const char*> cases[] = {
      {2, "59.750"},  {4, "71.750"},   {5, "81.750"},   {6, "87.750"},
      {7, "179.750"}, {13, "215.750"}, {14, "475.750"}, {69, "805.750"},
      {1, ""},        {70, ""},        {0, ""},         {-2, ""}};
  for (const auto& [channel, text] : cases) {
    EXPECT_EQ(TVChannelFreq(channel), text) << channel;
    EXPECT_EQ(TVChannelFreq(std::to_string(channel)), text) << channel;
  }
  EXPECT_EQ(TVChannelFreq("12.5") + TVChannelFreq("x") + TVChannelFreq("1" + std::string(400, '0')),
            "");
  // Channels within each band (2-4, 5-6, 7-13, 14-69) are 6 MHz apart.
  for (long long n = 3; n <= 69; ++n) {
    if (n == 5 || n == 7 || n == 14) continue;
    EXPECT_EQ(std::stod(TVChannelFreq(n)) - std::stod(TVChannelFreq(n - 1)), 6.0) << n;
  }
  // IsTVFreq compares the text exactly.
  for (const char* text : {"805.750", "59.750"}) EXPECT_TRUE(IsTVFreq(text)) << text;
  for (const char* text : {"811.750", "65.750 ", "59.75", "59.7500", ""}) {
    EXPECT_FALSE(IsTVFreq(text)) << text;
  }
}

}  // namespace
