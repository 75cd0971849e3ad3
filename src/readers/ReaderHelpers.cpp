#include "readers/ReaderHelpers.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "image/HexText.h"
#include "image/Module1.h"

namespace readers {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

constexpr std::array<std::string_view, 16> kNibbleBits{
    "0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
    "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};

// Value of a four-character group of binary digits, or -1.
int NibbleValue(std::string_view group) {
  if (group.size() != 4) return -1;
  int value = 0;
  for (char c : group) {
    if (c != '0' && c != '1') return -1;
    value = value * 2 + (c - '0');
  }
  return value;
}

std::string PlainHex(std::uint32_t value) {
  std::string text;
  do {
    text.insert(text.begin(), kHexDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return text;
}

bool ValidBit(int n) { return n >= 0 && n <= 7; }

}  // namespace

std::string lHex(std::uint32_t value, HexForm form) {
  std::string text = PlainHex(value);
  if (form == HexForm::Prefix) return text.size() < 2 ? "0" + text : text;
  text.insert(text.begin(), '0');
  return text.substr(text.size() - 2);
}

std::string Hex2Bin(std::string_view hex) {
  std::string bin;
  bin.reserve(hex.size() * 4);
  std::string_view previous;
  for (char c : hex) {
    const int value = HexDigitValue(c);
    if (value >= 0) previous = kNibbleBits[static_cast<std::size_t>(value)];
    bin += previous;
  }
  return bin;
}

std::string Bin2Hex(std::string_view bin) {
  std::string hex;
  char previous = 0;
  for (std::size_t pos = 0; pos < bin.size(); pos += 4) {
    const int value = NibbleValue(bin.substr(pos, 4));
    if (value >= 0) previous = kHexDigits[static_cast<std::size_t>(value)];
    if (previous != 0) hex += previous;
  }
  return hex;
}

std::string Bin2Dec(std::string_view bin) {
  std::uint32_t value = 0;
  for (char c : Bin2Hex(bin)) value = value * 16 + static_cast<std::uint32_t>(HexDigitValue(c));
  return std::to_string(static_cast<std::int32_t>(value));
}

std::string Byte2Bin(std::uint32_t value) { return Hex2Bin(lHex(value, HexForm::Cut)); }

std::int32_t lLng(std::string_view hex) {
  std::uint32_t value = 0;
  for (char c : hex) {
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(value);
}

std::int64_t Hex2Dec(std::string_view hex) { return ::Hex2Dec(hex); }

int GetBit(std::uint8_t value, int n) {
  if (!ValidBit(n)) return 0;
  return (value >> n) & 1;
}

std::uint8_t SetBit(std::uint8_t value, int n, int v) {
  if (!ValidBit(n) || (v != 0 && v != 1)) return value;
  const auto mask = static_cast<std::uint8_t>(1u << n);
  return static_cast<std::uint8_t>(v ? (value | mask) : (value & ~mask));
}

int GetBit(std::span<const std::uint8_t> image, std::size_t index, int n) {
  if (index >= image.size()) return 0;
  return GetBit(image[index], n);
}

bool SetBit(std::span<std::uint8_t> image, std::size_t index, int n, int v) {
  if (index >= image.size()) return false;
  image[index] = SetBit(image[index], n, v);
  return true;
}

unsigned GetField(std::uint8_t value, int low, int width) {
  if (low < 0 || width < 1 || low + width > 8) return 0;
  return (value >> low) & ((1u << width) - 1);
}

std::uint8_t SetField(std::uint8_t value, int low, int width, unsigned field) {
  if (low < 0 || width < 1 || low + width > 8) return value;
  const unsigned mask = ((1u << width) - 1) << low;
  return static_cast<std::uint8_t>((value & ~mask) | ((field << low) & mask));
}

bool FileExists(const std::string& path) { return ::FileExists(path); }

bool IsEven(long long n) { return ::IsEven(n); }

LoadResult LoadFileBytes(const std::string& path, std::span<std::uint8_t> dest, std::size_t skip) {
  std::error_code error;
  if (path.empty()) return {false, "Error 75: Path/File access error"};
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) return {false, "Error 53: File not found"};
  if (!std::filesystem::is_regular_file(status)) return {false, "Error 75: Path/File access error"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {false, "Error 75: Path/File access error"};

  std::vector<std::uint8_t> bytes(dest.size(), 0);
  in.seekg(0, std::ios::end);
  const std::streamoff end = in.tellg();
  if (end < 0) return {false, "Error 57: Device I/O error"};
  const auto size = static_cast<std::size_t>(end);
  if (size > skip) {
    in.seekg(static_cast<std::streamoff>(skip), std::ios::beg);
    const std::size_t count = std::min(size - skip, bytes.size());
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    if (static_cast<std::size_t>(in.gcount()) != count) {
      return {false, "Error 57: Device I/O error"};
    }
  }
  std::copy(bytes.begin(), bytes.end(), dest.begin());
  return {true, {}};
}

std::optional<std::uint32_t> HexNumber(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::optional<std::uint8_t> BinByte(std::string_view bits) {
  if (bits.size() != 8) return std::nullopt;
  unsigned value = 0;
  for (char c : bits) {
    if (c != '0' && c != '1') return std::nullopt;
    value = value * 2 + static_cast<unsigned>(c - '0');
  }
  return static_cast<std::uint8_t>(value);
}

std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexDigitValue(text[i]);
    const int low = HexDigitValue(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return bytes;
}

std::string HexText(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t byte : bytes) text += lHex(byte, HexForm::Cut);
  return text;
}

bool IsDecimalText(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  int digits = 0;
  bool point = false;
  for (; pos < text.size() && text[pos] != ' '; ++pos) {
    if (text[pos] >= '0' && text[pos] <= '9') {
      ++digits;
    } else if (text[pos] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return digits > 0 && pos == text.size();
}

std::string CodeText(std::span<const std::string_view> list, long long code,
                     std::string_view fallback) {
  if (code < 0 || static_cast<unsigned long long>(code) >= list.size()) {
    return std::string(fallback);
  }
  return std::string(list[static_cast<std::size_t>(code)]);
}

int CodeIndex(std::span<const std::string_view> list, std::string_view text) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == text) return static_cast<int>(i);
  }
  return -1;
}

std::string DcsText(long long code) { return CodeText(DcsCodeList, code, "023"); }

int DcsCode(std::string_view text) { return std::max(CodeIndex(DcsCodeList, text), 0); }

std::string Ctcss39Text(long long code) { return CodeText(CtcssToneList39, code, "100.0"); }

int Ctcss39Code(std::string_view text) { return std::max(CodeIndex(CtcssToneList39, text), 0); }

}  // namespace readers
