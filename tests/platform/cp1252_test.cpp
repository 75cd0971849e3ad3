#include "platform/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString shown = FromCp1252(all);
  ASSERT_EQ(shown.size(), 256);
  EXPECT_EQ(ToCp1252(shown), all);
}

TEST(Cp1252, HighBytesShowTheirCharacters) {
  struct Case {
    unsigned char byte;
    char16_t expected;
  } cases[] = {
      {0x80, 0x20AC},  // euro sign
      {0x85, 0x2026},  // ellipsis
      {0x93, 0x201C},  // left double quote
      {0x9F, 0x0178},  // Y with diaeresis
      {0xA9, 0x00A9},  // copyright: Latin-1 range
      {0xE9, 0x00E9},  // e acute
      {0x81, 0x0081},  // undefined in the code page: kept as the C1 control
  };
  for (const Case& c : cases) {
    const QString s = FromCp1252(std::string(1, static_cast<char>(c.byte)));
    EXPECT_EQ(s.at(0).unicode(), c.expected) << "byte " << int(c.byte);
  }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xE2\x82\xAC\xE4\xB8\xAD" "b")), "a\x80?b");
}
