// Every stored code of every field an import reads, the ".rdf" forms and the
// file sizes each import takes: each case writes a file of the radio's layout
// and reads memory 1 (VR-120: bank 0, channel 0) through the import's own
// source.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "importexport/RadioImport.h"
#include "importexport/RadioMapping.h"
#include "importexport/frmImportSelectB.h"
#include "importexport/import_support.h"
#include "readers/ScratchFile.h"
#include "support/PlatformDoubles.h"

namespace {

constexpr std::size_t kFlag = std::numeric_limits<std::size_t>::max();  // the memory's flag byte

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
// clang-format off
const RadioFile kVX7{VX7Source, ".vx7", 16211, 0x1322, 0x1202, {{kFlag, 0x01}, {2, 0x14}, {3, 0x65}, {4, 0x20}, {16, 0x06}}, Raw};
const RadioFile kVX2{VX2Source, ".vx2", 32595, 6082, 5474, {{kFlag, 0x02}, {2, 0x14}, {3, 0x65}, {4, 0x20}, {13, 0x06}}, Raw};
const RadioFile kVX5{VX5Source, ".eve", 8124, 618, 298, {{kFlag, 0x01}, {2, 0x14}, {3, 0x65}, {4, 0x20}, {15, 0x06}}, Raw};
const RadioFile kQ7{ICQ7Source, ".q7", 1984, 0, 1680, {{kFlag, 0x00}, {0, 0x14}, {1, 0x65}, {2, 0x20}, {4, 0x06}}, CloneLine};
const RadioFile kVR120{VR120Source, ".tk1", 7392, 0, 3, {{0, 0x14}, {1, 0x65}, {2, 0x20}}, Raw};
// clang-format on

Bytes Image(const RadioFile& radio) {
  Bytes image(radio.size, 0);
  if (&radio == &kQ7) std::fill(image.begin() + 1680, image.begin() + 1880, 0xFF);
  for (const auto& [at, value] : radio.base)
    image[at == kFlag ? radio.flag : radio.record + at] = value;
  return image;
}

std::optional<ChannelRow> Import(const RadioFile& radio, const std::string& bytes,
                                 const char* suffix) {
  ScratchFile file(suffix);
  file.Write(bytes);
  ImportSource source = radio.source();
  FakeWindow window;
  source.load(file.path(), window);
  return source.read(source.first);
}

// One field: where it lies and the grid text of each code, in code order;
// "N=text" gives code N its text out of order.
struct Field {
  const RadioFile* radio;
  std::size_t at;  // in the record, or kFlag
  std::uint8_t mask;
  int col;
  const char* texts;
};

// clang-format off
const Field kFields[] = {
    // VX-7R: step +1 bits 3-0, shift 5-4 (a split memory transmits on the 0.600 offset
    // field), mode +5 bits 1-0, squelch type +20, tone +18, skip and preferred flag bits.
    {&kVX7, 1, 0x0F, ColStep, "5 KHz|10 KHz|12.5 KHz|15 KHz|20 KHz|25 KHz|50 KHz|100 KHz|9 KHz|"},
    {&kVX7, 1, 0x30, ColRptSh, "SIMP|-DUP|+DUP|-DUP"},
    {&kVX7, 1, 0x30, ColShift, "0.600|0.600|0.600|145.92"},
    {&kVX7, 5, 0x03, ColMode, "FM|AM|WFM|???"},
    {&kVX7, 20, 0xFF, ColTsql, "OFF|ON|OFF|OFF|OFF|OFF|OFF"},
    {&kVX7, 18, 0xFF, ColTone, "67.0|8=88.5|49=254.1|50=100.0"},
    {&kVX7, kFlag, 0x0C, ColSkip, "OFF|SKIP|OFF|OFF"},
    // VX-2R: mode +1 bits 7-6, shift 5-4, step 3-0; squelch type +5 bits 2-0; tone +15.
    {&kVX2, 1, 0xC0, ColMode, "FM|AM|WFM|???"},
    {&kVX2, 1, 0x30, ColRptSh, "SIMP|-DUP|+DUP|-DUP"},
    {&kVX2, 1, 0x30, ColShift, "0.600|0.600|0.600|145.92"},
    {&kVX2, 1, 0x0F, ColStep, "5 KHz|10 KHz|12.5 KHz|15 KHz|20 KHz|25 KHz|50 KHz|100 KHz|9 KHz|12=5 KHz"},
    {&kVX2, 5, 0x07, ColTsql, "OFF|ON|OFF|OFF|OFF"},
    {&kVX2, 15, 0xFF, ColTone, "12=100.0|49=254.1"},
    {&kVX2, kFlag, 0x0C, ColSkip, "OFF|SKIP|OFF"},
    // VX-5R: step +1 whole byte, mode +5 bits 1-0, shift +17 bits 1-0 (split: the transmit
    // frequency field holds 0.600), squelch type +17 bits 5-4, tone +18 (39 tones), skip bit 2.
    {&kVX5, 1, 0xFF, ColStep, "5 KHz|10 KHz|12.5 KHz|15 KHz|20 KHz|25 KHz|50 KHz|100 KHz|9 KHz|"},
    {&kVX5, 5, 0x03, ColMode, "FM|AM|WFM|SSB"},
    {&kVX5, 17, 0x03, ColRptSh, "SIMP|-DUP|+DUP|-DUP"},
    {&kVX5, 17, 0x03, ColShift, "0.600|0.600|0.600|145.92"},
    {&kVX5, 17, 0x30, ColTsql, "OFF|ON|OFF|OFF"},
    {&kVX5, 18, 0xFF, ColTone, "26=162.2|38=250.3|39=100.0"},
    {&kVX5, kFlag, 0x04, ColSkip, "OFF|SKIP"},
    // IC-Q7: step in the low nibble of +7, tone index in bits 5-0 of +6/+7's first 12
    // bits; flag byte mode 1-0, skip 3-2, duplex 5-4, tone mode 7-6. Offset digits are kHz.
    {&kQ7, 7, 0x0F, ColStep, "5 KHz|6.25 KHz|10 KHz|12.5 KHz|15 KHz|20 KHz|25 KHz|30 KHz|50 KHz|100 KHz|AUTO|"},
    {&kQ7, 7, 0xF0, ColTone, "67.0|8=88.5|15=110.9"},
    {&kQ7, kFlag, 0x03, ColMode, "FM|WFM|AM|FM"},
    {&kQ7, kFlag, 0x0C, ColSkip, "OFF|PSKIP|SKIP|OFF"},
    {&kQ7, kFlag, 0x30, ColRptSh, "SIMP|SIMP|-DUP|+DUP"},
    {&kQ7, kFlag, 0xC0, ColTsql, "OFF|OFF|ON|OFF"},
    {&kQ7, 4, 0xFF, ColShift, "6=0.600|0x60=6.000"},
    {&kQ7, 3, 0x0F, ColShift, "1=10.600"},
    {&kQ7, 0, 0xFF, ColFreq, "196=1246.520"},
    // VR-120: mode bits 1-0 of the flag byte, sub-kHz code bits 7-5.
    {&kVR120, 3, 0x03, ColMode, "|FM|WFM|AM"},
    {&kVR120, 3, 0xE0, ColFreq, "1=146.520"},
};
// clang-format on

TEST(RadioImportCodes, EveryCodeOfEveryField) {
  for (const Field& f : kFields) {
    const RadioFile& radio = *f.radio;
    std::stringstream list(f.texts);
    std::string entry;
    for (int code = 0; std::getline(list, entry, '|'); ++code) {
      if (const auto eq = entry.find('='); eq != std::string::npos) {
        code = std::stoi(entry.substr(0, eq), nullptr, 0);
        entry.erase(0, eq + 1);
      }
      Bytes image = Image(radio);
      std::uint8_t& byte = image[f.at == kFlag ? radio.flag : radio.record + f.at];
      byte = static_cast<std::uint8_t>((byte & ~f.mask) | (code << std::countr_zero(f.mask)));
      const auto row = Import(radio, radio.file(image), radio.suffix);
      ASSERT_TRUE(row) << radio.suffix << " +" << f.at << " code " << code;
      EXPECT_EQ(row->Cell[f.col], entry) << radio.suffix << " +" << f.at << " code " << code;
    }
  }
}

// A split memory's shift is the exact difference, in plain MHz, either way.
TEST(RadioImportCodes, SplitShift) {
  const struct {
    const char *rx, *tx, *dup, *offset;
  } splits[] = {{"146.000", "147.000", "+DUP", "1"},       {"99.500", "100.500", "+DUP", "1"},
                {"147.600", "147.000", "-DUP", "0.6"},     {"146.520", "146.000", "-DUP", "0.52"},
                {"145.0125", "145.000", "-DUP", "0.0125"}, {"146.520", "146.520", "+DUP", "0"}};
  for (const auto& s : splits) {
    const SplitShift split = SplitShiftOf(s.rx, s.tx);
    EXPECT_EQ(split.dup + " " + split.offset, std::string(s.dup) + " " + s.offset) << s.rx;
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

// A file of a size that no such radio file has is refused with its name and
// the size expected, and the grid stays as it was; the sizes real files come
// in (a VX-5R ".eve" one byte short of what the reader takes) still import.
TEST(RadioImportCodes, FileSizes) {
  const std::string csv = "Channel,Frequency,Mode\r\n1,146.520,FM\r\n";
  const struct {
    const RadioFile* radio;
    const char* suffix;
    std::size_t header;
    long cut;             // bytes added to (cut from, when negative) the image
    const char* text;     // written instead of the image when not null
    const char* refusal;  // how the message ends; "" imports memory 1
  } files[] = {
      // clang-format off
      {&kVX7, ".vx7", 0, -1, nullptr, "a VX-7R .vx7 file holds 16211 bytes."}, {&kVX7, ".vx7", 0, 0, nullptr, ""},
      {&kVX7, ".vx7", 0, 1, nullptr, "a VX-7R .vx7 file holds 16211 bytes."}, {&kVX7, ".csv", 0, 0, csv.c_str(), "a VX-7R .vx7 file holds 16211 bytes."},
      {&kVX7, ".vx7", 0, 0, "", "a VX-7R .vx7 file holds 16211 bytes."},
      {&kVX7, ".rdf", 424, -4001, nullptr, "a VX-7R .rdf file holds at least 12635 bytes."}, {&kVX7, ".rdf", 424, -4000, nullptr, ""},
      {&kVX7, ".rdf", 424, 9, nullptr, ""}, {&kVX7, ".rdf", 0, 0, csv.c_str(), "a VX-7R .rdf file holds at least 12635 bytes."},
      {&kVX2, ".vx2", 0, -1, nullptr, "a VX-2R .vx2 file holds 32595 bytes."}, {&kVX2, ".vx2", 0, 0, nullptr, ""},
      {&kVX2, ".vx2", 0, 1, nullptr, "a VX-2R .vx2 file holds 32595 bytes."}, {&kVX2, ".csv", 0, 0, csv.c_str(), "a VX-2R .vx2 file holds 32595 bytes."},
      {&kVX2, ".vx2", 0, 0, "", "a VX-2R .vx2 file holds 32595 bytes."},
      {&kVX5, ".eve", 0, -2, nullptr, "a VX-5R .eve file holds 8123 to 8124 bytes."}, {&kVX5, ".eve", 0, -1, nullptr, ""},
      {&kVX5, ".eve", 0, 0, nullptr, ""}, {&kVX5, ".eve", 0, 1, nullptr, "a VX-5R .eve file holds 8123 to 8124 bytes."},
      {&kVX5, ".csv", 0, 0, csv.c_str(), "a VX-5R .eve file holds 8123 to 8124 bytes."}, {&kVX5, ".eve", 0, 0, "", "a VX-5R .eve file holds 8123 to 8124 bytes."},
      {&kVX5, ".rdf", 3060, -2, nullptr, "a VX-5R .rdf file holds at least 11183 bytes."}, {&kVX5, ".rdf", 3060, -1, nullptr, ""},
      {&kVX5, ".rdf", 0, 0, "", "a VX-5R .rdf file holds at least 11183 bytes."},
      {&kVR120, ".tk1", 0, -1, nullptr, "a VR-120 .tk1 file holds 7392 bytes."}, {&kVR120, ".tk1", 0, 0, nullptr, ""},
      {&kVR120, ".tk1", 0, 1, nullptr, "a VR-120 .tk1 file holds 7392 bytes."}, {&kVR120, ".csv", 0, 0, csv.c_str(), "a VR-120 .tk1 file holds 7392 bytes."},
      {&kVR120, ".tk1", 0, 0, "", "a VR-120 .tk1 file holds 7392 bytes."},
      // clang-format on
  };
  for (const auto& f : files) {
    Bytes image = Image(*f.radio);
    if (f.radio == &kVX7) image[0] = 0x0A;  // the first byte of a VX-7R image
    image.resize(image.size() + f.cut);
    const std::string bytes = f.text ? f.text : std::string(f.header, 'H') + Raw(image);
    ScratchFile file(f.suffix);
    file.Write(bytes);
    SCOPED_TRACE(file.path());
    FakeWindow window;
    VX2FirstChannel = 1;
    VX2LastChannel = 1000;
    FileDialogScript dialogs;
    dialogs.Choose(file.path());
    MsgBoxScript boxes;
    if (*f.refusal) boxes.Answer(vbOK, f.refusal);
    RunRadioImport(window, f.radio->source());
    if (!*f.refusal) {
      EXPECT_EQ(window.grid.TextMatrix(1, ColFreq), "146.520");
      EXPECT_TRUE(boxes.Calls().empty());
      continue;
    }
    EXPECT_EQ(window.log, "");
    EXPECT_EQ(window.grid.TextMatrix(1, ColFreq) + window.grid.TextMatrix(1, ColComments), "old");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    const MsgBoxCall& box = boxes.Calls()[0];
    EXPECT_TRUE(box.prompt.starts_with(file.path() + "\r\nThis is not a ")) << box.prompt;
    EXPECT_NE(box.prompt.find(" holds " + std::to_string(bytes.size()) + " bytes, where "),
              std::string::npos)
        << box.prompt;
    EXPECT_TRUE(box.prompt.ends_with(f.refusal)) << box.prompt;
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.Icon(), vbExclamation);
  }
}

}  // namespace
