// Round trip of an enumerated field held in some bits of one image byte: the check the reader
// tests share instead of a table per field that repeats the reader's own code lists.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct FieldAccess {
  std::function<void(std::uint8_t)> poke;  // stores a whole byte
  std::function<std::uint8_t()> peek;
  std::function<std::string()> get;
  std::function<void(std::string_view)> set;
};

// Every value of the field (the bits of `mask`) reads as a text or "". Each text is written
// back as the first value that reads so, changing no other bit of the byte, whether those bits
// were 0 or 1; texts in `readOnly` are not written. A text not in the list writes
// `unknownValue`, or changes nothing when it is negative. Returns the texts, first value first.
inline std::vector<std::string> ExpectFieldRoundTrip(const FieldAccess& f, std::uint8_t mask,
                                                     int unknownValue = -1,
                                                     std::vector<std::string> readOnly = {}) {
  const int low = std::countr_zero(unsigned{mask});
  std::map<std::string, unsigned> firstValue;
  std::vector<std::string> texts;
  for (unsigned value = 0; value <= (unsigned{mask} >> low); ++value) {
    f.poke(static_cast<std::uint8_t>(value << low));
    const std::string text = f.get();
    if (text.empty() || firstValue.count(text)) continue;
    firstValue[text] = value;
    texts.push_back(text);
  }
  for (const auto& [text, value] : firstValue) {
    if (std::find(readOnly.begin(), readOnly.end(), text) != readOnly.end()) continue;
    for (std::uint8_t others : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
      const auto expected = static_cast<std::uint8_t>((others & ~mask) | (value << low));
      f.poke(others);
      f.set(text);
      EXPECT_EQ(f.peek(), expected) << '"' << text << '"';
      EXPECT_EQ(f.get(), text);
    }
  }
  for (std::string_view unknown : {"", "nonsense", "x"}) {
    f.poke(0x5A);
    const std::uint8_t before = f.peek();
    f.set(unknown);
    const auto expected = unknownValue < 0
                              ? before
                              : static_cast<std::uint8_t>((before & ~mask) | (unknownValue << low));
    EXPECT_EQ(f.peek(), expected) << '"' << unknown << '"';
  }
  return texts;
}

// An enumerated field of a memory record: where it is, its accessors, and one or two stored
// values with their texts (values past the list among them).
template <class Radio>
struct RecordField {
  std::size_t offset;  // in the record
  std::uint8_t mask;
  std::string (Radio::*get)(int) const;
  void (Radio::*set)(int, std::string_view);
  int unknownValue;  // written for a text not in the list; -1: nothing changes
  std::vector<std::string> readOnly;
  std::vector<std::pair<std::uint8_t, const char*>> values;  // stored bits and their text
};

// Checks each field of memory n, whose record starts at `record`, with ExpectFieldRoundTrip;
// poke(radio, index, byte) stores a byte.
template <class Radio, std::size_t N, class Poke>
void ExpectRecordFields(const RecordField<Radio> (&fields)[N], int n, std::size_t record,
                        Poke poke) {
  for (const RecordField<Radio>& field : fields) {
    Radio radio;
    const std::size_t at = record + field.offset;
    const FieldAccess access{[&](std::uint8_t b) { poke(radio, at, b); },
                             [&] { return radio.Image()[at]; },
                             [&] { return (radio.*field.get)(n); },
                             [&](std::string_view t) { (radio.*field.set)(n, t); }};
    for (const auto& [bits, text] : field.values) {
      access.poke(bits);
      EXPECT_EQ(access.get(), text) << "record byte " << field.offset << " = " << int{bits};
    }
    ExpectFieldRoundTrip(access, field.mask, field.unknownValue, field.readOnly);
  }
}
