#include "platform/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString shown = FromCp1252(all);
  ASSERT_EQ(shown.size(), 256);
  EXPECT_EQ(ToCp1252(shown), all);
}

// A Latin-1 conversion would also round-trip: these bytes tell the two apart.
TEST(Cp1252, HighBytesShowTheirCharacters) {
  const std::pair<unsigned char, char16_t> cases[] = {
      {0x80, 0x20AC},  // euro sign
      {0x9F, 0x0178},  // Y with diaeresis
      {0xE9, 0x00E9},  // e acute: Latin-1 range
      {0x81, 0x0081},  // undefined in the code page: kept as the C1 control
  };
  for (const auto& [byte, expected] : cases) {
    const QString s = FromCp1252(std::string(1, static_cast<char>(byte)));
    EXPECT_EQ(s.at(0).unicode(), expected) << "byte " << int(byte);
  }
  // Characters outside the code page become question marks.
  EXPECT_EQ(ToCp1252(QString("a") + QChar(0x20AC) + QChar(0x4E2D) + "b"), "a\x80?b");
}
