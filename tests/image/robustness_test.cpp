// Feeds every reader thousands of truncated and mutated files: none may crash,
// hang or leave a half-loaded image. A refused file leaves the image reset.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "files_support.h"
#include "image/clsICR2.h"

namespace {

using namespace image_test;

constexpr int kMutationsPerReader = 300;

std::string Mutate(std::string bytes, std::mt19937& random) {
  static const char kSpecial[] = {'\r', '\n', '\xFE', '\xFD', '"', ',', '#', '=', ' ', '\0', 'g'};
  auto pick = [&](std::size_t n) { return n == 0 ? 0 : random() % n; };
  const int steps = 1 + static_cast<int>(random() % 3);
  for (int s = 0; s < steps; ++s) {
    switch (random() % 6) {
      case 0:  // truncate
        bytes.resize(pick(bytes.size() + 1));
        break;
      case 1:  // overwrite a few bytes with anything
        for (int i = 0, n = 1 + static_cast<int>(random() % 5); i < n && !bytes.empty(); ++i) {
          bytes[pick(bytes.size())] = static_cast<char>(random());
        }
        break;
      case 2:  // insert characters the formats give a meaning
        for (int i = 0, n = 1 + static_cast<int>(random() % 4); i < n; ++i) {
          bytes.insert(bytes.begin() + static_cast<long>(pick(bytes.size() + 1)),
                       kSpecial[pick(sizeof kSpecial)]);
        }
        break;
      case 3: {  // delete a range
        const std::size_t at = pick(bytes.size() + 1);
        bytes.erase(at, pick(200));
        break;
      }
      case 4: {  // repeat a range
        const std::size_t at = pick(bytes.size() + 1);
        bytes.insert(at, bytes.substr(at, pick(300)));
        break;
      }
      default:  // cut near the end, where a short file turns into a whole one
        bytes.resize(bytes.size() - std::min<std::size_t>(bytes.size(), pick(60)));
        break;
    }
  }
  return bytes;
}

TEST(Robustness, EveryReaderSurvivesMutatedFiles) {
  TempDir dir;
  clsICR2 image;
  const Format rt{"rt", kFormats[3].save,
                  [](clsICR2& i, const std::string& p) { return i.OpenRTFile(p); }, nullptr};
  std::mt19937 random(2024);
  const auto start = std::chrono::steady_clock::now();
  for (const Format& reader : {kFormats[0], kFormats[1], kFormats[2], kFormats[3], rt}) {
    LoadRandomImage(image, 20, AwkwardComments());
    const std::string base = dir.File(std::string("base.") + reader.name);
    ASSERT_TRUE(reader.save(image, base));
    std::string good = ReadAll(base);
    if (reader.name == rt.name) good = "ICF\r\n" + std::string(5575, 'x') + good;
    int loaded = 0;
    for (int i = 0; i < kMutationsPerReader; ++i) {
      const std::string path = dir.File("mutated");
      WriteAll(path, Mutate(good, random));
      // A failed read must visibly reset an image that is loaded and holds data and a comment.
      image.Init();
      PokeByte(image, 0x123, 0xAB);
      PokeByte(image, kLoadedMarkAddress, kLoadedMark);
      ChannelComments[5] = "before";
      const FileResult result = reader.open(image, path);
      if (result) {
        ++loaded;
        EXPECT_FALSE(image.IsDataChanged()) << reader.name << " #" << i;
      } else {
        EXPECT_FALSE(result.error.empty()) << reader.name << " #" << i;
        EXPECT_TRUE(IsReset(image)) << reader.name << " #" << i << " half-loaded";
      }
      image.IsRTFile(path);
    }
    // Mutations that keep the data whole still load: the readers are not simply refusing.
    EXPECT_GT(loaded, 0) << reader.name;
    EXPECT_LT(loaded, kMutationsPerReader) << reader.name;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

TEST(Robustness, ParseFileSurvivesMutatedStreams) {
  clsICR2 image;
  LoadRandomImage(image, 22, {});
  const std::string stream = DownloadStream(image.GetArry());
  std::mt19937 random(7);
  int complete = 0;
  for (int i = 0; i < 600; ++i) {
    const ParseResult result = image.ParseFile(Mutate(stream, random));
    EXPECT_LE(result.bytes, kImageSize);
    EXPECT_GE(result.blocks, 0);
    complete += result.Complete();
  }
  EXPECT_LT(complete, 600);
}

}  // namespace
