#include "image/CodePage.h"

#include <string_view>

namespace {

// One UTF-8 sequence: its code point and how many bytes it takes; length 0
// when the bytes are no well-formed UTF-8 (a stray continuation byte, an
// overlong form, a surrogate, a code point past U+10FFFF, a sequence cut
// short). Only the shortest form counts, so no byte sequence can pass for
// ASCII it is not.
struct Sequence {
  char32_t code = 0;
  std::size_t length = 0;
};

Sequence DecodeAt(std::string_view bytes, std::size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t code = 0;
  // The second byte's range is narrower after some leads: that is where the
  // overlong forms, the surrogates and the code points past U+10FFFF lie.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {};
  }
  if (bytes.size() - at < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[at + i]);
    if (next < low || next > high) return {};
    low = 0x80;
    high = 0xBF;
    code = (code << 6) | (next & 0x3F);
  }
  return {code, length};
}

// True when the bytes are well-formed UTF-8 with at least one character
// above 0x7F: pure ASCII reads the same either way and stays as it is.
bool IsUtf8BeyondAscii(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const Sequence s = DecodeAt(bytes, i);
    if (s.length == 0) return false;
    beyondAscii = beyondAscii || s.code > 0x7F;
    i += s.length;
  }
  return beyondAscii;
}

}  // namespace

std::string FileTextInCp1252(std::string bytes) {
  if (!IsUtf8BeyondAscii(bytes)) return bytes;
  // Every sequence becomes one byte, so the text shrinks in its own buffer:
  // a large file never needs a second copy.
  std::size_t out = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const Sequence s = DecodeAt(bytes, i);
    bytes[out++] = UnicodeToCp1252(s.code);
    i += s.length;
  }
  bytes.resize(out);
  return bytes;
}
