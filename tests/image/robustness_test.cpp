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

struct Reader {
  const char* name;
  FileResult (clsICR2::*save)(const std::string&);
  FileResult (clsICR2::*open)(const std::string&);
};

// An image a failed read must visibly reset: loaded, with data and comments.
void MakeDirty(clsICR2& image) {
  image.Init();
  PokeByte(image, 0x123, 0xAB);
  PokeByte(image, kLoadedMarkAddress, kLoadedMark);
  ChannelComments[5] = "before";
}

FileResult SaveR2(clsICR2& image, const std::string& path) { return image.SaveFile(path); }

TEST(Robustness, EveryReaderSurvivesMutatedFiles) {
  TempDir dir;
  clsICR2 image;
  const Reader readers[] = {
      {"r2", nullptr, &clsICR2::OpenFile},
      {"icf", &clsICR2::SaveICFFile, &clsICR2::OpenICFFile},
      {"ic2", &clsICR2::SaveArcFile, &clsICR2::OpenArcFile},
      {"tr2", &clsICR2::SaveBinary, &clsICR2::OpenBinary},
      {"rt", &clsICR2::SaveBinary, &clsICR2::OpenRTFile},
  };
  std::mt19937 random(2024);
  const auto start = std::chrono::steady_clock::now();
  for (const Reader& reader : readers) {
    LoadRandomImage(image, 20, AwkwardComments());
    const std::string base = dir.File(std::string("base.") + reader.name);
    const FileResult saved = reader.save ? (image.*reader.save)(base) : SaveR2(image, base);
    ASSERT_TRUE(saved);
    std::string good = ReadAll(base);
    if (std::string(reader.name) == "rt") good = "ICF\r\n" + std::string(5575, 'x') + good;
    int loaded = 0;
    for (int i = 0; i < kMutationsPerReader; ++i) {
      const std::string path = dir.File("mutated");
      WriteAll(path, Mutate(good, random));
      MakeDirty(image);
      const FileResult result = (image.*reader.open)(path);
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
  std::string stream("\xFE\xFE\xEE\xEF\xE2\x21\x27\x00\x00\xFD", 10);
  const ImageBytes bytes = image.GetArry();
  for (int a = 0; a < kImageSize; a += 16) {
    stream += CloneDataFrame(a, std::span<const std::uint8_t, 16>(bytes.data() + a, 16));
  }
  stream += CloneFrame(CloneCommand::EndOfData, "Icom Inc.");
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
