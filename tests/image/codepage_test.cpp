#include "image/CodePage.h"

#include <gtest/gtest.h>

namespace {

// A file's bytes are UTF-8 only when every sequence in them is well formed:
// one faulty sequence anywhere and the whole file is Windows-1252 as it
// stands.
TEST(CodePage, FileTextIsUtf8OnlyWhenEverySequenceIsWellFormed) {
  const std::pair<std::string, std::string> cases[] = {
      // Taken as UTF-8; characters outside the code page become '?'.
      {"Caf\xC3\xA9 \xC3\x9F \xE2\x82\xAC", "Caf\xE9 \xDF \x80"},
      {"Tokyo \xE6\x9D\xB1 a\xF0\x9F\x98\x80", "Tokyo ? a?"},
      {"\xF4\x8F\xBF\xBF", "?"},        // the highest code point
      {"\xC2\x81 \xC2\x80", "\x81 ?"},  // C1 controls: one stands for itself
      // Left as they are.
      {"146.520,FM\r\n", "146.520,FM\r\n"},
      {"Caf\xE9", "Caf\xE9"},
      {"Caf\xC3\xA9 Caf\xC3", ""},  // lead byte cut off at the end
      {"\xC3\x41", ""},             // lead byte before ASCII
      {"\xC3\xA9\x80", ""},         // stray continuation byte
      {"\xC3\xA9\xC0\xAF", ""},     // overlong slash, two bytes
      {"\xE0\x80\xAF", ""},         // overlong, three bytes
      {"\xF0\x80\x80\xAF", ""},     // overlong, four bytes
      {"\xC1\xBF", ""},             // C1 lead: overlong
      {"\xED\xA0\x80", ""},         // surrogate
      {"\xF4\x90\x80\x80", ""},     // past U+10FFFF
      {"\xF5\x80\x80\x80", ""},     // F5 lead
      {"\xE2\x82", ""},             // three-byte sequence cut short
  };
  for (const auto& [bytes, text] : cases)
    EXPECT_EQ(FileTextInCp1252(bytes), text.empty() ? bytes : text) << bytes;
}

// Each character of the code page, written as UTF-8, comes back as its byte.
TEST(CodePage, EveryCharacterOfTheCodePageComesBackAsItsByte) {
  std::string utf8, bytes;
  for (int b = 1; b < 256; ++b) {
    const unsigned code = Cp1252ToUnicode(static_cast<unsigned char>(b));
    const int tail = code < 0x80 ? 0 : code < 0x800 ? 1 : 2;
    utf8 += static_cast<char>(tail == 0 ? code : (0xFF & (0xFF80 >> tail)) | (code >> (6 * tail)));
    for (int k = tail - 1; k >= 0; --k)
      utf8 += static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F));
    bytes += static_cast<char>(b);
  }
  EXPECT_EQ(FileTextInCp1252(utf8), bytes);
}

}  // namespace
