#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <tuple>
#include <vector>

#include "files_support.h"
#include "image/FileIo.h"
#include "image/TextFile.h"
#include "image/clsICR2.h"

namespace {

using namespace image_test;

class Formats : public ::testing::Test {
 protected:
  void SetUp() override {
    image.Init();
    ArcTrailer.clear();
    RadioModelID.clear();
  }
  void TearDown() override {
    ArcTrailer.clear();
    RadioModelID.clear();
  }
  clsICR2 image;
  TempDir dir;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// Every format -------------------------------------------------------------------------

TEST_F(Formats, RoundTripOfARandomImageAndASecondCycle) {
  for (const Format& f : kFormats) {
    const Comments comments = AwkwardComments();
    LoadRandomImage(image, 10, comments);
    const ImageBytes bytes = image.GetArry();
    const std::string first = dir.File(std::string("first.") + f.name);
    ASSERT_TRUE(f.save(image, first)) << f.name;
    EXPECT_FALSE(image.IsDataChanged()) << f.name;

    image.Init();
    const FileResult opened = f.open(image, first);
    ASSERT_TRUE(opened) << f.name << ": " << opened.error;
    EXPECT_EQ(opened.warning, "") << f.name;
    EXPECT_EQ(image.GetArry(), bytes) << f.name;
    EXPECT_TRUE(image.IsFileLoaded()) << f.name;
    EXPECT_FALSE(image.IsDataChanged()) << f.name;
    const Comments expected = f.carried(comments);
    for (int n = 1; n <= kChannelCount; ++n) {
      EXPECT_EQ(ChannelComments[n], expected[n]) << f.name << " channel " << n;
    }

    const std::string second = dir.File(std::string("second.") + f.name);
    ASSERT_TRUE(f.save(image, second)) << f.name;
    EXPECT_EQ(ReadAll(second), ReadAll(first)) << f.name;
  }
}

TEST_F(Formats, WritesReplaceTheWholeFileOrFailAndKeepTheChangeState) {
  for (const Format& f : kFormats) {
    const TempDir own;
    const std::string path = own.File("over");
    image.Init();
    ASSERT_TRUE(f.save(image, path)) << f.name;
    const std::size_t size = ReadAll(path).size();
    WriteAll(path, std::string(20000, 'x'));
    ASSERT_TRUE(f.save(image, path)) << f.name;
    EXPECT_EQ(ReadAll(path).size(), size) << f.name << ": old bytes left behind";
    int files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
      ++files;
    }
    EXPECT_EQ(files, 1) << f.name << ": a temporary file was left";

    LoadRandomImage(image, 11, AwkwardComments());
    const FileResult result = f.save(image, dir.File("missing/folder/x"));
    EXPECT_FALSE(result) << f.name;
    EXPECT_FALSE(result.error.empty()) << f.name;
    EXPECT_TRUE(image.IsDataChanged()) << f.name << ": nothing was saved";
  }
}

TEST_F(Formats, ReadersRefuseBrokenFilesAndLeaveTheImageNotLoaded) {
  LoadRandomImage(image, 12, AwkwardComments());
  std::string good[4];
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(kFormats[i].save(image, dir.File("good")));
    good[i] = ReadAll(dir.File("good"));
  }
  const std::string &r2 = good[0], &icf = good[1], &ic2 = good[2], &tr2 = good[3];
  std::string r2NotHex = r2;
  r2NotHex[5 + 10] = 'Z';
  std::string icfBadChar = icf;
  icfBadChar[icf.find("\r\n", 20) + 2 + 10] = 'A';  // 'A' - 55 is not a hex digit
  std::string ic2BadDigit = ic2;
  ic2BadDigit[ic2.find("\n064010") + 1 + 20] = 'q';
  std::vector<std::string> ic2Lines = Lines(ic2);
  std::string ic2ShortLine;
  for (std::size_t i = 0; i < ic2Lines.size(); ++i) {
    ic2ShortLine += (i == 7 ? ic2Lines[i].substr(0, 20) : ic2Lines[i]) + "\r\n";
  }
  // The text with one character of line `line` (1-based) replaced by `with`.
  const auto edit = [](std::string text, int line, std::size_t at, const char* with) {
    std::size_t start = 0;
    for (int k = 1; k < line; ++k) start = text.find("\r\n", start) + 2;
    return text.replace(start + at, 1, with);
  };
  struct Case {
    int format;  // index in kFormats; 4: OpenRTFile
    const char* name;
    std::string content;
    const char* said = nullptr;  // part of the message
  };
  // Long enough for a whole image, but holding none of one.
  std::string noise(13 * 1024, '\0');
  unsigned seed = 7;
  for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 16);
  const std::string blanks(12000, '\n');
  const std::string ic2Head = ic2.substr(0, ic2.find("064010"));  // 100 lines
  const char* tooShort = "is too short to hold an IC-R2 image";
  std::vector<Case> cases = {
      {0, "251 blocks", r2.substr(0, 251 * 46), tooShort},
      {0, "cut inside the last frame", r2.substr(0, 11592 - 3), tooShort},
      {0, "not hex", r2NotHex},
      {0, "text", "hello\r\nworld\r\n", tooShort},
      {0, "noise", noise, "holds only 0 of the 4032 bytes of an IC-R2 image."},
      {0, "100 blocks, then blanks", r2.substr(0, 100 * 46) + blanks,
       "holds only 1600 of the 4032"},
      {1, "100 lines, then blanks", icf.substr(0, icf.find("\r\n", 13 + 100 * 40)) + blanks,
       "holds only 1600 of the 4032 bytes"},
      {2, "100 lines, then a trailer", ic2Head + "\r\n" + noise, "holds only 1600 of the 4032"},
      {1, "251 lines", icf.substr(0, icf.find("\r\n", 13 + 251 * 40)), tooShort},
      {1, "bad character", icfBadChar},
      {1, "RT Systems file too short", "ICF\r\n" + std::string(100, 'x')},
      {2, "251 lines", ic2.substr(0, ic2.find("0FB010"))},
      {2, "not hex", ic2BadDigit},
      {2, "short data line", ic2ShortLine},
      {3, "4031 bytes", tr2.substr(0, 4031), tooShort},
      {4, "9611 bytes", "ICF" + std::string(9608, 'x')},
      // A digit lost from a data line would shift the rest of the line by half a byte.
      {0, "block 1", edit(r2, 1, 5, ""), "block 1 of line 1 (image address 0000) holds 39 "},
      {0, "block 100", edit(r2, 1, 99 * 46 + 25, ""), "block 100 of line 1 (image address 0630)"},
      {0, "block 252", edit(r2, 1, 251 * 46 + 44, ""), "block 252 of line 1 (image address 0FB0)"},
      {1, "line 3", edit(icf, 3, 0, ""),
       "line 3 holds 37 characters where a 16-byte record has 38"},
      {1, "line 100", edit(icf, 100, 20, ""), "line 100 holds 37"},
      {1, "line 254", edit(icf, 254, 37, ""), "line 254 holds 37"},
      {2, "line 1", edit(ic2, 1, 0, ""), "the record at the start of line 1 holds 39 characters"},
      {2, "line 100", edit(ic2, 100, 20, ""), "line 100 holds 39"},
      {2, "line 252", edit(ic2, 252, 39, ""), "line 252 holds 39"},
      {2, "digit too many", edit(ic2, 5, 12, "77"), "line 5 holds 41"},
  };
  for (int format = 0; format <= 4; ++format) cases.push_back({format, "empty", ""});
  for (const Case& c : cases) {
    const std::string what =
        std::string(c.format < 4 ? kFormats[c.format].name : "rt") + ' ' + c.name;
    WriteAll(dir.File("bad"), c.content);
    LoadRandomImage(image, 13, AwkwardComments());
    ArcTrailer = "kept\r\n";
    const FileResult result = c.format < 4 ? kFormats[c.format].open(image, dir.File("bad"))
                                           : image.OpenRTFile(dir.File("bad"));
    EXPECT_FALSE(result) << what;
    EXPECT_FALSE(result.error.empty()) << what;
    if (c.said) {
      EXPECT_NE(result.error.find(c.said), std::string::npos) << result.error;
    }
    EXPECT_TRUE(IsReset(image)) << what;
    EXPECT_EQ(ArcTrailer, "kept\r\n") << what;
  }
  // Sizes are checked before a byte is read: past the limit the message
  // names the file, its size and the limit.
  const std::string huge = dir.File("huge");
  for (std::uintmax_t size : {kImageFileLimit.maxSize, kImageFileLimit.maxSize + 1}) {
    for (int format = 0; format <= 4; ++format) {
      WriteAll(huge, "");
      std::filesystem::resize_file(huge, size);  // sparse
      LoadRandomImage(image, 15, {});
      const FileResult result =
          format < 4 ? kFormats[format].open(image, huge) : image.OpenRTFile(huge);
      const bool tooLarge = size > kImageFileLimit.maxSize;  // else: made of what it can
      EXPECT_EQ(result.error.find(huge + " is too large to read: it holds 16777217 bytes, more "
                                         "than the 16777216 bytes (16 MiB) that an IC-R2 image "
                                         "file may hold.") != std::string::npos,
                tooLarge)
          << format << " " << size << ": " << result.error;
      EXPECT_TRUE(!tooLarge || (!result && IsReset(image))) << format;
    }
  }
  for (const Format& f : kFormats) {
    const FileResult missing = f.open(image, dir.File("missing.x"));
    EXPECT_FALSE(missing) << f.name;
    EXPECT_NE(missing.error.find("missing.x"), std::string::npos) << f.name;
    EXPECT_FALSE(f.open(image, dir.File(""))) << f.name << ": a folder";
  }
  EXPECT_FALSE(image.OpenRTFile(dir.File("missing")));
}

// Text files: lines end at CR, LF or CR LF, a byte-order mark goes, UTF-8
// becomes the code page, and no more lines are kept than asked for. A file
// that cannot be read is named by its path as given.
TEST_F(Formats, TextFileLines) {
  constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();
  const std::tuple<std::string, std::size_t, std::vector<std::string>> cases[] = {
      {"a\r\nb\nc\rd", kAll, {"a", "b", "c", "d"}},
      {"\xEF\xBB\xBFx\r\n\r\n", kAll, {"x", ""}},
      {"Caf\xC3\xA9,\xE2\x82\xAC\r\n", kAll, {"Caf\xE9,\x80"}},
      {"a\nb\nc\n", 2, {"a", "b"}},
      {"", kAll, {}},
  };
  for (const auto& [bytes, maxLines, lines] : cases) {
    WriteAll(dir.File("t.csv"), bytes);
    const TextFileLines file = ReadTextFileLines(dir.File("t.csv"), maxLines);
    EXPECT_TRUE(file.ok) << bytes;
    EXPECT_EQ(file.lines, lines) << bytes;
  }
  const TextFileLines missing = ReadTextFileLines(dir.File("gone \xC3\xA9.csv"));
  EXPECT_FALSE(missing.ok);
  EXPECT_TRUE(missing.lines.empty());
  EXPECT_NE(missing.error.find("gone \xC3\xA9.csv"), std::string::npos) << missing.error;
}

// A file within the limit that does not fit in what memory is left is a file
// that cannot be read, not the end of the program.
TEST_F(Formats, AFileThatDoesNotFitInMemoryIsAReadFailure) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's allocator ends the program instead of failing an allocation";
#endif
  const std::string path = dir.File("big.txt");
  WriteAll(path, "");
  // Larger than any free block a test process keeps in its heap, so the read
  // needs new address space.
  std::filesystem::resize_file(path, kTextFileLimit.maxSize);
  const auto readWithLittleRoom = [&] {
    // Room for what the process holds now and a little more, not for the file.
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t room = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (2 << 20);
    const rlimit limit{room, room};
    setrlimit(RLIMIT_AS, &limit);
    const FileBytes file = ReadFileBytes(path, kTextFileLimit);
    std::fputs(file.error.c_str(), stderr);
    std::_Exit(file.ok ? 1 : 0);
  };
  EXPECT_EXIT(readWithLittleRoom(), ::testing::ExitedWithCode(0),
              "could not be read: there is not enough memory for its 67108864 bytes");
}

TEST_F(Formats, ReadersDropDataPastTheImage) {
  LoadRandomImage(image, 14, {});
  const ImageBytes bytes = image.GetArry();
  ASSERT_TRUE(image.SaveICFFile(dir.File("a.icf")));
  ASSERT_TRUE(image.SaveArcFile(dir.File("a.ic2")));
  std::string icf = ReadAll(dir.File("a.icf")), ic2 = ReadAll(dir.File("a.ic2"));
  icf.replace(0, 8, "anything") += "gggghg" + std::string(32, 'p') + "\n";  // any model line
  ic2.insert(ic2.find("\r\n\r\n") + 2, "0FC010" + std::string(32, 'F') + "00 #1extra\r\n");
  WriteAll(dir.File("b.icf"), icf);
  WriteAll(dir.File("b.ic2"), ic2);
  image.Init();
  ASSERT_TRUE(image.OpenICFFile(dir.File("b.icf")));
  EXPECT_EQ(image.GetArry(), bytes);
  image.Init();
  ASSERT_TRUE(image.OpenArcFile(dir.File("b.ic2")));
  EXPECT_EQ(image.GetArry(), bytes);
  EXPECT_TRUE(ArcTrailer.starts_with("#banknames"));
}

// Icom ".icf" and RT Systems ".icf" -----------------------------------------------------

TEST_F(Formats, IcfLayout) {
  image.SetUserComments("Scanner  ");
  const std::string path = dir.File("zero.icf");
  ASSERT_TRUE(image.SaveICFFile(path));
  const std::string text = ReadAll(path);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 255u);
  EXPECT_EQ(lines[0], "21270000");
  EXPECT_EQ(lines[1], "#Scanner");
  EXPECT_EQ(lines[2], "gggghg" + std::string(32, 'g'));
  EXPECT_EQ(lines[3], "gghghg" + std::string(32, 'g'));
  EXPECT_EQ(lines[253].substr(0, 6), "g}yghg");  // 0FB010: "F" + 55 is "}", "B" + 55 "y"
  EXPECT_EQ(lines[254], "");
  EXPECT_TRUE(text.ends_with("\r\n\r\n"));

  RadioModelID = "24B60000";
  ASSERT_TRUE(image.SaveICFFile(path));
  EXPECT_TRUE(ReadAll(path).starts_with("24B60000\r\n#Scanner\r\n"));
}

TEST_F(Formats, RtSystemsFileIsRecognisedAndReadAtItsOffset) {
  std::string rt = "ICF file by another program\r\n";
  rt.resize(5580, 'h');
  for (int a = 0; a < kImageSize; ++a) rt += static_cast<char>(a * 7);
  WriteAll(dir.File("rt.icf"), rt + "trailing data");
  EXPECT_TRUE(image.IsRTFile(dir.File("rt.icf")));
  for (auto open : {&clsICR2::OpenRTFile, &clsICR2::OpenICFFile}) {
    image.Init();
    ChannelComments[5] = "stays";
    ASSERT_TRUE((image.*open)(dir.File("rt.icf")));
    const ImageBytes bytes = image.GetArry();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), rt.substr(5580));
    EXPECT_EQ(ChannelComments[5], "stays");
    EXPECT_FALSE(image.IsDataChanged());
  }
  ASSERT_TRUE(image.SaveICFFile(dir.File("icom.icf")));
  WriteAll(dir.File("empty.icf"), "");
  WriteAll(dir.File("ic.icf"), "IC\r\nF");
  for (const char* name : {"icom.icf", "empty.icf", "ic.icf", "missing.icf"}) {
    EXPECT_FALSE(image.IsRTFile(dir.File(name))) << name;
  }
}

// ".ic2" ------------------------------------------------------------------------------

TEST_F(Formats, Ic2Layout) {
  ChannelComments[1] = "one";
  ChannelComments[2] = "two";
  ChannelComments[401] = "edge A";
  ChannelComments[402] = "edge B";
  const std::string path = dir.File("zero.ic2");
  ASSERT_TRUE(image.SaveArcFile(path));
  const std::string text = ReadAll(path);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 252u + 1 + 12 + 1);
  EXPECT_EQ(lines[0], "000010" + std::string(32, '0') + "F0 #1one     #2two");
  EXPECT_EQ(lines[1], "001010" + std::string(32, '0') + "E0 #1     #2");
  EXPECT_EQ(lines[200], "0C8010" + std::string(32, '0') + "64 #1edge A");
  EXPECT_EQ(lines[225], "0E1010" + std::string(32, '0') + "D2");
  EXPECT_EQ(lines[252], "");
  EXPECT_EQ(lines[253], "#banknames");
  EXPECT_EQ(lines[264], "&Bandplan");
  EXPECT_TRUE(text.ends_with("&Bandplan\r\n\r\n"));
}

TEST_F(Formats, Ic2TrailerIsKeptFromTheFileOpened) {
  ASSERT_TRUE(image.SaveArcFile(dir.File("defaults.ic2")));
  std::string text = ReadAll(dir.File("defaults.ic2"));
  text.replace(text.find("Emergency"), 9, "Airband  ");
  text += "\r\n\r\n";  // extra empty lines at the end are not part of the trailer
  WriteAll(dir.File("edited.ic2"), text);
  ASSERT_TRUE(image.OpenArcFile(dir.File("edited.ic2")));
  EXPECT_TRUE(ArcTrailer.starts_with("#banknames\r\nAirband  \r\nPol VHF 1\r\n"));
  EXPECT_TRUE(ArcTrailer.ends_with("&Bandplan\r\n"));
  ASSERT_TRUE(image.SaveArcFile(dir.File("resaved.ic2")));
  const std::string resaved = ReadAll(dir.File("resaved.ic2"));
  EXPECT_EQ(resaved, text.substr(0, text.size() - 4));
  // Opening another format does not clear the trailer.
  ASSERT_TRUE(image.SaveBinary(dir.File("x.tr2")));
  ASSERT_TRUE(image.OpenBinary(dir.File("x.tr2")));
  ASSERT_TRUE(image.SaveArcFile(dir.File("third.ic2")));
  EXPECT_EQ(ReadAll(dir.File("third.ic2")), resaved);
}

TEST_F(Formats, Ic2CommentParts) {
  ASSERT_TRUE(image.SaveArcFile(dir.File("base.ic2")));
  std::vector<std::string> lines = Lines(ReadAll(dir.File("base.ic2")));
  struct Case {
    const char* name;
    int line;  // 0-based data line
    std::string part;
    int channel;
    const char* a;
    const char* b;
  };
  const Case cases[] = {
      {"normal", 0, " #1  lead     #2trail   ", 1, "  lead", "trail"},
      {"no #2", 1, " #1only", 3, "only", ""},
      {"no #1", 2, " #2second", 5, "", "second"},
      {"neither", 3, "", 7, "", ""},
      {"#2 before #1", 4, "#2x #1y", 9, "y", "x #1y"},
      {"scan edge", 200, " #1 edge  ", 401, " edge", " edge"},
      {"scan edge with #2", 201, " #1e #2f", 403, "e #2f", "e #2f"},
  };
  for (const Case& c : cases) lines[c.line] = lines[c.line].substr(0, 40) + c.part;
  lines[8] = lines[8].substr(0, 40);  // no comment part at all
  std::string text;
  for (const std::string& line : lines) text += line + "\n";  // LF only
  WriteAll(dir.File("parts.ic2"), text);
  ChannelComments[17] = "before";
  ASSERT_TRUE(image.OpenArcFile(dir.File("parts.ic2")));
  for (const Case& c : cases) {
    EXPECT_EQ(ChannelComments[c.channel], c.a) << c.name;
    EXPECT_EQ(ChannelComments[c.channel + 1], c.b) << c.name;
  }
  EXPECT_EQ(ChannelComments[17], "");
}

// ".tr2" ------------------------------------------------------------------------------

TEST_F(Formats, Tr2Layout) {
  const std::string path = dir.File("zero.tr2");
  ASSERT_TRUE(image.SaveBinary(path));
  EXPECT_EQ(ReadAll(path), std::string(kImageSize, '\0'));
  ChannelComments[1] = "abc";
  ChannelComments[2] = "   ";
  ChannelComments[450] = " x=y ";
  ASSERT_TRUE(image.SaveBinary(path));
  EXPECT_EQ(ReadAll(path),
            std::string(kImageSize, '\0') + "MemLabel(0)=abc\nMemLabel(449)= x=y \n");
}

TEST_F(Formats, Tr2LabelRecords) {
  const std::string records =
      "MemLabel(0)=first\nMemLabel(450)=out of range\nMemLabel(-1)=negative\n"
      "MemLabel(x)=not a number\nMemLabel(5=no bracket\nshort\n\nMemLabel()=empty number\n"
      "Anything(9)=prefix not checked\r\nMemLabel(3)=unfinished";
  WriteAll(dir.File("labels.tr2"), std::string(kImageSize, '\x33') + records);
  ChannelComments[4] = "kept";
  ASSERT_TRUE(image.OpenBinary(dir.File("labels.tr2")));
  EXPECT_EQ(ChannelComments[1], "first");
  EXPECT_EQ(ChannelComments[10], "prefix not checked");
  EXPECT_EQ(ChannelComments[4], "kept") << "a record without its line feed is not read";
  int filled = 0;
  for (int n = 1; n <= kChannelCount; ++n) filled += !ChannelComments[n].empty();
  EXPECT_EQ(filled, 3);
  EXPECT_TRUE(image.IsFileLoaded());
}

}  // namespace
