// Windows-1252, the code page of every text the program keeps, files and
// sends, and the UTF-8 in which text files written on other systems arrive.
// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in the code page
// and stand for the C1 control of the same number, so every byte has a
// character and comes back from it.
#pragma once

#include <array>
#include <string>

// The characters of bytes 0x80-0x9F; the rest of the code page is Latin-1.
inline constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Unicode code point of one Windows-1252 byte.
constexpr char16_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
  return byte;
}

// The Windows-1252 byte of a code point; '?' for a character the code page
// does not have.
constexpr char UnicodeToCp1252(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i)
    if (kCp1252High[i] == code) return static_cast<char>(0x80 + i);
  return '?';
}

// The bytes of a text file as Windows-1252. Bytes that are valid UTF-8 and
// hold at least one character above 0x7F are taken as UTF-8 and converted,
// each character the code page lacks becoming '?'. Any other bytes come back
// unchanged: plain ASCII, and Windows-1252 such as the program's own files,
// where an accented letter stands among plain characters and so is no UTF-8.
std::string FileTextInCp1252(std::string bytes);
