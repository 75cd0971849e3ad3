#include "image/CodePage.h"

#include <gtest/gtest.h>

namespace {

// A file's bytes are UTF-8 only when every sequence in them is well formed:
// one faulty sequence anywhere and the whole file is Windows-1252 as it
// stands.
TEST(CodePage, FileTextIsUtf8OnlyWhenEverySequenceIsWellFormed) {
  const std::string cafe =
      "Caf\xE9 \xDC"
      "ber \xDF \x80"
      "5";  // Café Über ß €5
  struct Case {
    const char* what;
    std::string bytes, text;
  };
  const Case cases[] = {
      // Taken as UTF-8.
      {"accents, sharp s, euro",
       "Caf\xC3\xA9 \xC3\x9C"
       "ber \xC3\x9F \xE2\x82\xAC"
       "5",
       cafe},
      {"curly quotes and dash", "\xE2\x80\x9Cx\xE2\x80\x9D \xE2\x80\x93", "\x93x\x94 \x96"},
      {"outside the code page", "Tokyo \xE6\x9D\xB1\xE4\xBA\xAC", "Tokyo ??"},
      {"four bytes: one character",
       "a\xF0\x9F\x98\x80"
       "b",
       "a?b"},
      {"highest code point", "\xF4\x8F\xBF\xBF", "?"},
      {"C1 control without a character", "\xC2\x81", "\x81"},
      {"C1 control the euro byte stands for", "\xC2\x80", "?"},
      {"byte-order mark (a reader drops it first)", "\xEF\xBB\xBF", "?"},
      // Left as they are.
      {"empty", "", ""},
      {"pure ASCII", "146.520,FM\r\n", "146.520,FM\r\n"},
      {"Windows-1252", cafe, cafe},
      {"lead byte cut off at the end", "Caf\xC3\xA9 Caf\xC3", "Caf\xC3\xA9 Caf\xC3"},
      {"lead byte before ASCII",
       "\xC3"
       "A",
       "\xC3"
       "A"},
      {"stray continuation byte", "\xC3\xA9\x80", "\xC3\xA9\x80"},
      {"overlong slash, two bytes", "\xC3\xA9\xC0\xAF", "\xC3\xA9\xC0\xAF"},
      {"overlong slash, three bytes", "\xE0\x80\xAF", "\xE0\x80\xAF"},
      {"overlong slash, four bytes", "\xF0\x80\x80\xAF", "\xF0\x80\x80\xAF"},
      {"C1 lead: overlong two bytes", "\xC1\xBF", "\xC1\xBF"},
      {"surrogate", "\xED\xA0\x80", "\xED\xA0\x80"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},
      {"F5 lead", "\xF5\x80\x80\x80", "\xF5\x80\x80\x80"},
      {"three-byte sequence cut short", "\xE2\x82", "\xE2\x82"},
  };
  for (const Case& c : cases) EXPECT_EQ(FileTextInCp1252(c.bytes), c.text) << c.what;
}

// Each character of the code page, written as UTF-8, comes back as its byte.
TEST(CodePage, EveryCharacterOfTheCodePageComesBackAsItsByte) {
  std::string utf8, bytes;
  for (int b = 1; b < 256; ++b) {
    const char32_t code = Cp1252ToUnicode(static_cast<unsigned char>(b));
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (code >> 12));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
    bytes += static_cast<char>(b);
  }
  EXPECT_EQ(FileTextInCp1252(utf8), bytes);
}

}  // namespace
