#pragma once
// Windows-1252 at the display edge. The program keeps every text it files or
// sends as single bytes of this code page; QString only exists on screen.
// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in the code page
// and map to the C1 control of the same number, so every byte round-trips.

#include <QString>
#include <string>
#include <string_view>

QString FromCp1252(std::string_view bytes);

// Characters outside the code page become '?'.
std::string ToCp1252(const QString& text);

// Unicode code point of one Windows-1252 byte.
char16_t Cp1252ToUnicode(unsigned char byte);
