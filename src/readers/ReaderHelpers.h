// Byte, bit and code-table helpers shared by every foreign-radio reader.
//
// The readers look at their images through text: a byte becomes two hex digits, the hex digits
// an 8-character binary text, and single characters of that text are the bits. The helpers
// below are that family, written once; each reader class forwards its own members to them.
// Standard library only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace readers {

// ---------------------------------------------------------------------------------------------
// Hex and binary texts

// Two forms of "byte to two hex digits". They agree for 0..255 ("05", "FF") and differ above:
// the prefixing form keeps every digit (300 -> "12C"), the cutting form keeps the last two
// (300 -> "2C").
enum class HexForm { Prefix, Cut };

// Upper-case hex text of value, made two digits long as `form` says.
std::string lHex(std::uint32_t value, HexForm form);

// Each hex digit (either case) becomes its 4 binary digits. Any other character repeats the
// digits of the previous character, or adds nothing when it is the first.
std::string Hex2Bin(std::string_view hex);

// Groups of 4 binary digits become one upper-case hex digit. A group that is not four of
// "0"/"1" (a short last group too) repeats the previous group's digit, or adds nothing first.
std::string Bin2Hex(std::string_view bin);

// Decimal text of the value of Bin2Hex(bin) read as a 32-bit two's-complement number
// ("00000101" -> "5"); an empty text gives "0", longer texts keep their last 32 bits.
std::string Bin2Dec(std::string_view bin);

// 8-character binary text of a byte (value beyond 255: its low byte).
std::string Byte2Bin(std::uint32_t value);

// Hex text to a 32-bit number: the leading hex digits are read, reading stops at the first
// other character; an empty text gives 0; more than 8 digits keep the last 32 bits.
std::int32_t lLng(std::string_view hex);

// Hex text to a number, digit by digit from the right: "A".."F"/"a".."f" count 10..15, "0".."9"
// their value, anything else 0. An empty text gives 0.
std::int64_t Hex2Dec(std::string_view hex);

// ---------------------------------------------------------------------------------------------
// Bits of a byte. Bit n (0 = least significant) is character 8 - n of the byte's binary text.

// 0 or 1; 0 for n outside 0..7.
int GetBit(std::uint8_t value, int n);

// The byte with bit n replaced by v (0 or 1). n outside 0..7 or v other than 0/1 returns the
// byte unchanged.
std::uint8_t SetBit(std::uint8_t value, int n, int v);

// The same on an image byte by index; an index outside the image reads 0 and writes nothing
// (SetBit then returns false).
int GetBit(std::span<const std::uint8_t> image, std::size_t index, int n);
bool SetBit(std::span<std::uint8_t> image, std::size_t index, int n, int v);

// A field of `width` bits whose lowest bit is `low` (e.g. low 0, width 2 is bits 1-0).
// Out-of-range positions read 0 and write nothing.
unsigned GetField(std::uint8_t value, int low, int width);
std::uint8_t SetField(std::uint8_t value, int low, int width, unsigned field);

// ---------------------------------------------------------------------------------------------
// Small system helpers

// True when the path's attributes can be read (files and folders alike); false for an empty
// path or any failure.
bool FileExists(const std::string& path);

// True when n divided by 2 leaves no remainder.
bool IsEven(long long n);

// Outcome of a loader. When ok is false, error is the text of the message the caller shows
// (title "Error", exclamation icon), in the runtime's form: "Error 53: File not found".
struct LoadResult {
  bool ok = false;
  std::string error;
};

// Reads the file's bytes from byte `skip` on into dest. A short file fills what it has and the
// rest of dest is set to zero; a file longer than skip + dest.size() is read only that far.
// When the file cannot be opened or read, dest is left as it was and the result says why.
LoadResult LoadFileBytes(const std::string& path, std::span<std::uint8_t> dest,
                         std::size_t skip = 0);

// ---------------------------------------------------------------------------------------------
// Strict readers for texts handed to setters: they answer nothing for anything else, so a
// setter can leave its bytes alone instead of storing a guess.

// 1 to 8 hex digits (either case) and nothing else.
std::optional<std::uint32_t> HexNumber(std::string_view text);

// Exactly 8 binary digits, most significant first.
std::optional<std::uint8_t> BinByte(std::string_view bits);

// An even number of hex digits, two per byte, in order; an empty text gives no bytes.
std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text);

// Each byte as two upper-case hex digits, in order.
std::string HexText(std::span<const std::uint8_t> bytes);

// A plain decimal number: optional blanks, an optional sign, digits with at most one point
// (at least one digit), optional blanks. No exponent, no hex prefix.
bool IsDecimalText(std::string_view text);

// ---------------------------------------------------------------------------------------------
// Code tables. The index in each list is the code the radios store.

// Tuning steps and repeater shifts of the VX series; the index is the code
// the radios store. (Modes, skips and power differ from radio to radio and
// stay with each class.)
inline constexpr std::array<std::string_view, 9> VXStepList{
    "5 KHz", "10 KHz", "12.5 KHz", "15 KHz", "20 KHz", "25 KHz", "50 KHz", "100 KHz", "9 KHz"};
inline constexpr std::array<std::string_view, 4> VXShiftList{"SIMP", "-RPT", "+RPT", "DUP"};

inline constexpr std::array<std::string_view, 50> CtcssToneList{
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

// CtcssToneList without 159.8, 165.5, 171.3, 177.3, 183.5, 189.9, 196.6, 199.5, 206.5, 229.1
// and 254.1.
inline constexpr std::array<std::string_view, 39> CtcssToneList39{
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};

inline constexpr std::array<std::string_view, 104> DcsCodeList{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

// Entry `code` of an option list, or `fallback` when the code is outside it.
std::string CodeText(std::span<const std::string_view> list, long long code,
                     std::string_view fallback);

// Position of `text` in an option list (exact comparison), or -1 when it is not there.
int CodeIndex(std::span<const std::string_view> list, std::string_view text);

// The shared fallbacks: an unknown DCS code reads "023", an unknown 39-tone code "100.0";
// a text outside either list stores code 0.
std::string DcsText(long long code);
int DcsCode(std::string_view text);
std::string Ctcss39Text(long long code);
int Ctcss39Code(std::string_view text);

}  // namespace readers
