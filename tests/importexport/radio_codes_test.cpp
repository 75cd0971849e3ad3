// Every stored code of every field an import reads, one row per code, with
// the grid text the radio's documented code table gives it; and the ".rdf"
// forms of the VX-5R and VX-7R files. Each case writes a file of the radio's
// layout and reads memory 1 (the VR-120: bank 0, channel 0) through the
// import's own source.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "importexport/RadioImport.h"
#include "readers/ScratchFile.h"

namespace {

constexpr std::size_t kFlag = std::numeric_limits<std::size_t>::max();  // the memory's flag byte

struct NullWindow : readers::MainWindowHost {
  void initgrid() override {}
  void SetGridVisible(bool) override {}
  std::string AppTitle() const override { return ""; }
  void SetCaption(const std::string&) override {}
  void SetRdfFilePath(const std::string&) override {}
  void AddToMRU(const std::string&) override {}
  std::string GridCellText(int, int) const override { return ""; }
};

using Bytes = std::vector<std::uint8_t>;

std::string Raw(const Bytes& image) { return std::string(image.begin(), image.end()); }

// A clone-frame line of 16-byte data frames and the end frame.
std::string CloneLine(const Bytes& image) {
  std::string line;
  char hex[8];
  for (std::size_t at = 0; at < image.size(); at += 16) {
    std::snprintf(hex, sizeof hex, "%04X10", static_cast<unsigned>(at));
    std::string record = hex;
    unsigned sum = (at >> 8) + (at & 0xFF) + 0x10;
    for (std::size_t k = at; k < at + 16; ++k) {
      std::snprintf(hex, sizeof hex, "%02X", image[k]);
      record += hex;
      sum += image[k];
    }
    std::snprintf(hex, sizeof hex, "%02X", (0x100 - sum % 0x100) % 0x100);
    line += "\xFE\xFE\xEE\xEF\xE4" + record + hex + "\xFD";
  }
  return line + "\xFE\xFE\xEE\xEF\xE5Icom Inc.\xFD\r\n";
}

struct RadioFile {
  ImportSource (*source)();
  const char* suffix;
  std::size_t size, record, flag;
  std::vector<std::pair<std::size_t, std::uint8_t>> base;  // a defined memory 1
  std::string (*file)(const Bytes&);
};

// Memory 1 receives on 146.520 with a 0.600 offset.
const RadioFile kVX7{VX7Source, ".vx7",
                     16211,     0x1322,
                     0x1202,    {{kFlag, 0x01}, {2, 0x14}, {3, 0x65}, {4, 0x20}, {16, 0x06}},
                     Raw};
const RadioFile kVX2{VX2Source, ".vx2",
                     32595,     6082,
                     5474,      {{kFlag, 0x02}, {2, 0x14}, {3, 0x65}, {4, 0x20}, {13, 0x06}},
                     Raw};
const RadioFile kVX5{
    VX5Source, ".eve", 8124, 618, 298, {{kFlag, 0x01}, {2, 0x14}, {3, 0x65}, {4, 0x20}, {15, 0x06}},
    Raw};
const RadioFile kQ7{ICQ7Source, ".q7", 1984,
                    0,          1680,  {{kFlag, 0x00}, {0, 0x14}, {1, 0x65}, {2, 0x20}, {4, 0x06}},
                    CloneLine};
const RadioFile kVR120{VR120Source, ".tk1", 7392, 0, 3, {{0, 0x14}, {1, 0x65}, {2, 0x20}}, Raw};

Bytes Image(const RadioFile& radio) {
  Bytes image(radio.size, 0);
  if (&radio == &kQ7) std::fill(image.begin() + 1680, image.begin() + 1880, 0xFF);
  for (const auto& [at, value] : radio.base) {
    image[at == kFlag ? radio.flag : radio.record + at] = value;
  }
  return image;
}

std::optional<ChannelRow> Import(const RadioFile& radio, const std::string& bytes,
                                 const char* suffix) {
  ScratchFile file(suffix);
  file.Write(bytes);
  ImportSource source = radio.source();
  NullWindow window;
  source.load(file.path(), window);
  return source.read(source.first);
}

struct Code {
  const RadioFile* radio;
  std::size_t at;  // in the record, or kFlag
  std::uint8_t mask, value;
  int col;
  const char* text;
};

// clang-format off
const Code kCodes[] = {
    // VX-7R: step +1 bits 3-0, shift +1 bits 5-4, mode +5 bits 1-0, squelch type +20,
    // tone +18, scan flags (skip bit 2, preferred bit 3 of memory 1's nibble).
    {&kVX7, 1, 0x0F, 0, ColStep, "5 KHz"}, {&kVX7, 1, 0x0F, 1, ColStep, "10 KHz"},
    {&kVX7, 1, 0x0F, 2, ColStep, "12.5 KHz"}, {&kVX7, 1, 0x0F, 3, ColStep, "15 KHz"},
    {&kVX7, 1, 0x0F, 4, ColStep, "20 KHz"}, {&kVX7, 1, 0x0F, 5, ColStep, "25 KHz"},
    {&kVX7, 1, 0x0F, 6, ColStep, "50 KHz"}, {&kVX7, 1, 0x0F, 7, ColStep, "100 KHz"},
    {&kVX7, 1, 0x0F, 8, ColStep, "9 KHz"}, {&kVX7, 1, 0x0F, 9, ColStep, ""},
    {&kVX7, 1, 0x30, 0x00, ColRptSh, "SIMP"}, {&kVX7, 1, 0x30, 0x10, ColRptSh, "-DUP"},
    {&kVX7, 1, 0x30, 0x20, ColRptSh, "+DUP"}, {&kVX7, 1, 0x30, 0x30, ColShift, "145.92"},
    {&kVX7, 5, 0x03, 0, ColMode, "FM"}, {&kVX7, 5, 0x03, 1, ColMode, "AM"},
    {&kVX7, 5, 0x03, 2, ColMode, "WFM"}, {&kVX7, 5, 0x03, 3, ColMode, "???"},
    {&kVX7, 20, 0xFF, 0, ColTsql, "OFF"}, {&kVX7, 20, 0xFF, 1, ColTsql, "ON"},
    {&kVX7, 20, 0xFF, 2, ColTsql, "OFF"}, {&kVX7, 20, 0xFF, 3, ColTsql, "OFF"},
    {&kVX7, 20, 0xFF, 4, ColTsql, "OFF"}, {&kVX7, 20, 0xFF, 5, ColTsql, "OFF"},
    {&kVX7, 20, 0xFF, 6, ColTsql, "OFF"},
    {&kVX7, 18, 0xFF, 0, ColTone, "67.0"}, {&kVX7, 18, 0xFF, 8, ColTone, "88.5"},
    {&kVX7, 18, 0xFF, 49, ColTone, "254.1"}, {&kVX7, 18, 0xFF, 50, ColTone, "100.0"},
    {&kVX7, kFlag, 0x0C, 0x04, ColSkip, "SKIP"}, {&kVX7, kFlag, 0x0C, 0x08, ColSkip, "OFF"},
    {&kVX7, kFlag, 0x0C, 0x0C, ColSkip, "OFF"},
    // VX-2R: mode +1 bits 7-6, shift 5-4, step 3-0; squelch type +5 bits 2-0; tone +15;
    // scan mode bits 3-2 of memory 1's nibble.
    {&kVX2, 1, 0xC0, 0x00, ColMode, "FM"}, {&kVX2, 1, 0xC0, 0x40, ColMode, "AM"},
    {&kVX2, 1, 0xC0, 0x80, ColMode, "WFM"}, {&kVX2, 1, 0xC0, 0xC0, ColMode, "???"},
    {&kVX2, 1, 0x30, 0x10, ColRptSh, "-DUP"}, {&kVX2, 1, 0x30, 0x20, ColRptSh, "+DUP"},
    {&kVX2, 1, 0x30, 0x30, ColShift, "145.92"}, {&kVX2, 1, 0x30, 0x00, ColShift, "0.600"},
    {&kVX2, 1, 0x0F, 0, ColStep, "5 KHz"}, {&kVX2, 1, 0x0F, 1, ColStep, "10 KHz"},
    {&kVX2, 1, 0x0F, 2, ColStep, "12.5 KHz"}, {&kVX2, 1, 0x0F, 3, ColStep, "15 KHz"},
    {&kVX2, 1, 0x0F, 4, ColStep, "20 KHz"}, {&kVX2, 1, 0x0F, 5, ColStep, "25 KHz"},
    {&kVX2, 1, 0x0F, 6, ColStep, "50 KHz"}, {&kVX2, 1, 0x0F, 7, ColStep, "100 KHz"},
    {&kVX2, 1, 0x0F, 8, ColStep, "9 KHz"}, {&kVX2, 1, 0x0F, 12, ColStep, "5 KHz"},
    {&kVX2, 5, 0x07, 0, ColTsql, "OFF"}, {&kVX2, 5, 0x07, 1, ColTsql, "ON"},
    {&kVX2, 5, 0x07, 2, ColTsql, "OFF"}, {&kVX2, 5, 0x07, 3, ColTsql, "OFF"},
    {&kVX2, 5, 0x07, 4, ColTsql, "OFF"},
    {&kVX2, 15, 0xFF, 12, ColTone, "100.0"}, {&kVX2, 15, 0xFF, 49, ColTone, "254.1"},
    {&kVX2, kFlag, 0x0C, 0x04, ColSkip, "SKIP"}, {&kVX2, kFlag, 0x0C, 0x08, ColSkip, "OFF"},
    // VX-5R: step +1 whole byte, mode +5 bits 1-0, shift +17 bits 1-0, squelch type +17
    // bits 5-4, tone +18 in the 39-tone list, skip flag bit 2.
    {&kVX5, 1, 0xFF, 0, ColStep, "5 KHz"}, {&kVX5, 1, 0xFF, 1, ColStep, "10 KHz"},
    {&kVX5, 1, 0xFF, 2, ColStep, "12.5 KHz"}, {&kVX5, 1, 0xFF, 3, ColStep, "15 KHz"},
    {&kVX5, 1, 0xFF, 4, ColStep, "20 KHz"}, {&kVX5, 1, 0xFF, 5, ColStep, "25 KHz"},
    {&kVX5, 1, 0xFF, 6, ColStep, "50 KHz"}, {&kVX5, 1, 0xFF, 7, ColStep, "100 KHz"},
    {&kVX5, 1, 0xFF, 8, ColStep, "9 KHz"}, {&kVX5, 1, 0xFF, 9, ColStep, ""},
    {&kVX5, 5, 0x03, 0, ColMode, "FM"}, {&kVX5, 5, 0x03, 1, ColMode, "AM"},
    {&kVX5, 5, 0x03, 2, ColMode, "WFM"}, {&kVX5, 5, 0x03, 3, ColMode, "SSB"},
    {&kVX5, 17, 0x03, 0, ColRptSh, "SIMP"}, {&kVX5, 17, 0x03, 1, ColRptSh, "-DUP"},
    {&kVX5, 17, 0x03, 2, ColRptSh, "+DUP"}, {&kVX5, 17, 0x03, 3, ColShift, "145.92"},
    {&kVX5, 17, 0x30, 0x00, ColTsql, "OFF"}, {&kVX5, 17, 0x30, 0x10, ColTsql, "ON"},
    {&kVX5, 17, 0x30, 0x20, ColTsql, "OFF"}, {&kVX5, 17, 0x30, 0x30, ColTsql, "OFF"},
    {&kVX5, 18, 0xFF, 26, ColTone, "162.2"}, {&kVX5, 18, 0xFF, 38, ColTone, "250.3"},
    {&kVX5, 18, 0xFF, 39, ColTone, "100.0"},
    {&kVX5, kFlag, 0x04, 0x04, ColSkip, "SKIP"}, {&kVX5, kFlag, 0x04, 0x00, ColSkip, "OFF"},
    // IC-Q7: step in the low nibble of +7, tone index in bits 5-0 of +6/+7's 12 bits,
    // flag byte mode 1-0, skip 3-2, duplex 5-4, tone mode 7-6.
    {&kQ7, 7, 0x0F, 0, ColStep, "5 KHz"}, {&kQ7, 7, 0x0F, 1, ColStep, "6.25 KHz"},
    {&kQ7, 7, 0x0F, 2, ColStep, "10 KHz"}, {&kQ7, 7, 0x0F, 3, ColStep, "12.5 KHz"},
    {&kQ7, 7, 0x0F, 4, ColStep, "15 KHz"}, {&kQ7, 7, 0x0F, 5, ColStep, "20 KHz"},
    {&kQ7, 7, 0x0F, 6, ColStep, "25 KHz"}, {&kQ7, 7, 0x0F, 7, ColStep, "30 KHz"},
    {&kQ7, 7, 0x0F, 8, ColStep, "50 KHz"}, {&kQ7, 7, 0x0F, 9, ColStep, "100 KHz"},
    {&kQ7, 7, 0x0F, 10, ColStep, "AUTO"}, {&kQ7, 7, 0x0F, 11, ColStep, ""},
    {&kQ7, 7, 0xF0, 0x00, ColTone, "67.0"}, {&kQ7, 7, 0xF0, 0x80, ColTone, "88.5"},
    {&kQ7, 7, 0xF0, 0xF0, ColTone, "110.9"},
    {&kQ7, kFlag, 0x03, 0, ColMode, "FM"}, {&kQ7, kFlag, 0x03, 1, ColMode, "WFM"},
    {&kQ7, kFlag, 0x03, 2, ColMode, "AM"}, {&kQ7, kFlag, 0x03, 3, ColMode, "FM"},
    {&kQ7, kFlag, 0x0C, 0x00, ColSkip, "OFF"}, {&kQ7, kFlag, 0x0C, 0x04, ColSkip, "PSKIP"},
    {&kQ7, kFlag, 0x0C, 0x08, ColSkip, "SKIP"}, {&kQ7, kFlag, 0x0C, 0x0C, ColSkip, "OFF"},
    {&kQ7, kFlag, 0x30, 0x00, ColRptSh, "SIMP"}, {&kQ7, kFlag, 0x30, 0x10, ColRptSh, "SIMP"},
    {&kQ7, kFlag, 0x30, 0x20, ColRptSh, "-DUP"}, {&kQ7, kFlag, 0x30, 0x30, ColRptSh, "+DUP"},
    {&kQ7, kFlag, 0xC0, 0x00, ColTsql, "OFF"}, {&kQ7, kFlag, 0xC0, 0x40, ColTsql, "OFF"},
    {&kQ7, kFlag, 0xC0, 0x80, ColTsql, "ON"}, {&kQ7, kFlag, 0xC0, 0xC0, ColTsql, "OFF"},
    // The offset digits are kHz: 00600 is 600 kHz.
    {&kQ7, 4, 0xFF, 0x06, ColShift, "0.600"}, {&kQ7, 3, 0x0F, 0x01, ColShift, "10.600"},
    {&kQ7, 0, 0xFF, 0xC4, ColFreq, "1246.520"},
    // VR-120: mode bits 1-0 of the flag byte; the rest are the channel defaults.
    {&kVR120, 3, 0x03, 0, ColMode, ""}, {&kVR120, 3, 0x03, 1, ColMode, "FM"},
    {&kVR120, 3, 0x03, 2, ColMode, "WFM"}, {&kVR120, 3, 0x03, 3, ColMode, "AM"},
    {&kVR120, 3, 0xE0, 0x20, ColFreq, "146.520"},
};
// clang-format on

TEST(RadioImportCodes, EveryCodeOfEveryField) {
  for (const Code& c : kCodes) {
    const RadioFile& radio = *c.radio;
    Bytes image = Image(radio);
    std::uint8_t& byte = image[c.at == kFlag ? radio.flag : radio.record + c.at];
    byte = static_cast<std::uint8_t>((byte & ~c.mask) | c.value);
    const auto row = Import(radio, radio.file(image), radio.suffix);
    ASSERT_TRUE(row) << radio.suffix << " +" << c.at << " = " << int{c.value};
    EXPECT_EQ(row->Cell[c.col], c.text) << radio.suffix << " +" << c.at << " = " << int{c.value};
  }
}

// An ".rdf" file is the image behind a header; the name's "rdf" is read in
// any case, so a name the file system shows in capitals is no ".eve" file.
TEST(RadioImportCodes, RdfFiles) {
  const struct {
    const RadioFile* radio;
    std::size_t header;
    const char* suffix;
  } files[] = {
      {&kVX7, 424, ".rdf"}, {&kVX7, 424, ".RDF"}, {&kVX5, 3060, ".rdf"}, {&kVX5, 3060, ".Rdf"}};
  for (const auto& f : files) {
    Bytes image = Image(*f.radio);
    image[0] = 0x0A;  // the first byte of a VX-7R image
    const auto row = Import(*f.radio, std::string(f.header, 'H') + Raw(image), f.suffix);
    ASSERT_TRUE(row) << f.suffix;
    EXPECT_EQ(row->Cell[ColFreq] + " " + row->Cell[ColShift], "146.520 0.600") << f.suffix;
  }
}

}  // namespace
