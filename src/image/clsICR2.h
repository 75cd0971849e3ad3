// The one in-memory model of the IC-R2 receiver: its 4032-byte memory image
// exactly as the receiver stores it, the channel and radio-wide fields read and
// written as display text, change detection, and the image files.
//
// Channel n (1-450) is the 8-byte record at (n - 1) * 8. Radio-wide settings
// sit at 0xE60-0xE81, the 16-character user comment at 0xFA0, and byte 0xFBF
// holds 0x33 in every image that came from a receiver or a file.
//
// Every channel number outside 1-450 and every address outside the image is
// refused quietly: getters give "" (or 0/false), setters change nothing.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image/CloneFrame.h"

inline constexpr int kImageSize = 4032;
inline constexpr int kChannelCount = 450;
inline constexpr int kLoadedMarkAddress = 0xFBF;
inline constexpr std::uint8_t kLoadedMark = 0x33;

using ImageBytes = std::array<std::uint8_t, kImageSize>;
using OptionList = std::vector<std::string>;

// The standard 50 CTCSS tones; index = the tone code stored in a record.
inline constexpr std::array<std::string_view, 50> CtcssToneList = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

// Outcome of a file operation: on failure `error` is a sentence to show the user.
// A read that succeeded but found part of the file missing says so in `warning`.
struct FileResult {
  FileResult(bool succeeded = true, std::string failure = {})
      : ok(succeeded), error(std::move(failure)) {}
  bool ok = true;
  std::string error;
  std::string warning;
  explicit operator bool() const { return ok; }
};

// What ParseFile found in a clone stream.
struct ParseResult {
  int blocks = 0;          // data frames taken
  int bytes = 0;           // image bytes written (from address 0)
  bool badBlock = false;   // some block had a wrong address, count, checksum, length or digit
  bool overflow = false;   // the stream carried more data than the image holds
  bool truncated = false;  // the stream ended inside a frame
  // True for a clean, whole image: 252 well-formed blocks in address order.
  bool Complete() const {
    return blocks == kImageSize / 16 && bytes == kImageSize && !badBlock && !overflow && !truncated;
  }
};

class clsICR2 {
 public:
  clsICR2();

  // Image store and change detection --------------------------------------
  // Zero image, empty ChannelComments 1-450, change state recorded.
  void Init();
  // True when byte 0xFBF holds the loaded mark 0x33.
  bool IsFileLoaded() const;
  // A copy of the image.
  ImageBytes GetArry() const;
  // True when image bytes 0x000-0xFBE or the comments of channels 1-450 differ
  // from what was recorded at the last Init, load, parse or save.
  bool IsDataChanged() const;
  // Records the current image and comments as the unchanged state.
  void SetChecksum();
  // Low 8 bits of the sum of all elements but the last.
  static int CalcChecksum(std::span<const std::uint8_t> bytes);
  // CalcChecksum of the image as it is now.
  int GetChecksum() const;

  // Clone stream and ".r2" file ---------------------------------------------
  // `record` followed by its CloneChecksum.
  static std::string R2Checksum(std::string_view record);
  // Writes the data of the stream's data frames into the image from address 0
  // on (bytes past the data keep their values; data past the image is dropped)
  // and records the change state.
  ParseResult ParseFile(std::string_view stream);
  FileResult OpenFile(const std::string& path);
  // Writes the clone-stream line and, when `withComments`, the comment line.
  FileResult SaveFile(const std::string& path, bool withComments = true);

  // Other image files ----------------------------------------------------------
  FileResult OpenICFFile(const std::string& path);  // hands RT Systems files to OpenRTFile
  FileResult SaveICFFile(const std::string& path);
  bool IsRTFile(const std::string& path) const;
  FileResult OpenRTFile(const std::string& path);
  FileResult OpenArcFile(const std::string& path);  // ".ic2"
  FileResult SaveArcFile(const std::string& path);
  FileResult OpenBinary(const std::string& path);  // ".tr2"
  FileResult SaveBinary(const std::string& path);

  // Channel records -------------------------------------------------------------
  bool IsValidMemory(int ch) const;
  void ClearMemory(int ch);
  std::string GetFreq(int ch) const;
  void SetFreq(int ch, std::string_view text);
  static bool IsBCBFreq(std::string_view mhz);
  static bool IsBCBFreq(double mhz);
  std::string GetBCBFreq(int ch) const;
  void SetBCBFreq(int ch, std::string_view mhz);
  static OptionList GetMode_Opt();
  std::string GetMode(int ch) const;
  void SetMode(int ch, std::string_view text);
  std::string GetOffset(int ch) const;
  void SetOffset(int ch, std::string_view text);
  static OptionList GetDUP_Opt();
  std::string GetDup(int ch) const;
  void SetDup(int ch, std::string_view text);
  static OptionList GetTone_Opt();
  std::string GetTone(int ch) const;
  void SetTone(int ch, std::string_view text);
  static OptionList GetSkip_Opt();
  std::string GetSkip(int ch) const;
  void SetSkip(int ch, std::string_view text);
  static OptionList GetTSQL_Opt();
  std::string GetTsql(int ch) const;
  void SetTsql(int ch, std::string_view text);
  static OptionList GetStep_Opt();
  std::string GetStep(int ch) const;
  void SetStep(int ch, std::string_view text);

  // Radio-wide settings -----------------------------------------------------------
  static OptionList GetDSEL_Opt();
  std::string GetDSEL() const;
  void SetDSEL(std::string_view text);
  static OptionList GetPRIO_Opt();
  std::string GetPRIO() const;
  void SetPRIO(std::string_view text);
  static OptionList GetRESUME_Opt();
  std::string GetResume() const;
  void SetResume(std::string_view text);
  static OptionList GetPAUSE_Opt();
  std::string GetPause() const;
  void SetPause(std::string_view text);
  static OptionList GetBANKSCAN_Opt();
  std::string GetBankScan() const;
  void SetBankScan(std::string_view text);
  static OptionList GetEXPAND_Opt();
  std::string GetEXPAND() const;
  void SetEXPAND(std::string_view text);
  static OptionList GetCH_Opt();
  std::string GetCH() const;
  void SetCH(std::string_view text);  // also copies the value to bit 0 of 0xE81
  static OptionList GetBEEP_Opt();
  std::string GetBEEP() const;
  void SetBEEP(std::string_view text);
  static OptionList GetLIGHT_Opt();
  std::string GetLight() const;
  void SetLight(std::string_view text);
  static OptionList GetAPOFF_Opt();
  std::string GetAPOFF() const;
  void SetAPOFF(std::string_view text);
  static OptionList GetPSAVE_Opt();
  std::string GetPSAVE() const;
  void SetPSAVE(std::string_view text);
  static OptionList GetMONI_Opt();
  std::string GetMONI() const;
  void SetMONI(std::string_view text);
  static OptionList GetSPEED_Opt();
  std::string GetSPEED() const;
  void SetSPEED(std::string_view text);
  static OptionList GetSCANEDGE_Opt();
  std::string GetSCANEDGE() const;
  void SetSCANEDGE(std::string_view text);
  static OptionList GetLOCK_Opt();
  std::string GetLOCK() const;
  void SetLOCK(std::string_view text);
  std::string GetUserComments() const;
  void SetUserComments(std::string_view text);
  static OptionList GetSquelch_Opt();
  std::string GetSquelch() const;
  void SetSquelch(std::string_view text);
  static OptionList GetATT_Opt();
  std::string GetATT() const;
  void SetATT(std::string_view text);

  // Hex and bit helpers ------------------------------------------------------------
  // Two upper-case hex digits of the low byte of v ("00", "0A", "FF"; 256 gives "00").
  static std::string lHex(long long v);
  // Bit n (0 = least significant) of an image byte, 0 or 1.
  int GetBit(int address, int n) const;
  // Sets bit n of an image byte to `value` (0 or 1); other bit numbers change nothing.
  void SetBit(int address, int n, int value);
  static std::string Byte2Bin(long long v);          // eight binary digits, MSB first
  static std::string Hex2Bin(std::string_view hex);  // four binary digits per hex digit
  static std::string Bin2Hex(std::string_view bin);  // one upper-case hex digit per four
  static std::string Bin2Dec(std::string_view bin);  // decimal text of the binary number
  static std::string TrimTrailingSpaces(std::string_view text);

 private:
  enum class ChannelField : std::uint8_t;
  enum class RadioSetting : std::uint8_t;

  std::uint8_t* Record(int ch);
  const std::uint8_t* Record(int ch) const;
  std::string GetField(int ch, ChannelField field) const;
  void SetField(int ch, ChannelField field, std::string_view text);
  std::string GetSetting(RadioSetting setting) const;
  void SetSetting(RadioSetting setting, std::string_view text);

  // Replaces image and comments after a successful read and records the state.
  void CommitLoad(const ImageBytes& image,
                  const std::array<std::string, kChannelCount + 1>& comments);
  // Leaves the image not loaded after a failed read and passes the failure on.
  FileResult FailLoad(std::string error);

  ImageBytes image_{};
  ImageBytes savedImage_{};
  std::array<std::string, kChannelCount + 1> savedComments_;
};

// Free-text comment of channel n (1-450) at index n; element 0 is unused. Only
// the program's own files carry them; the receiver does not store them.
extern std::array<std::string, kChannelCount + 1> ChannelComments;

// Hex text of the receiver's four model bytes from the last clone handshake;
// empty until then.
extern std::string RadioModelID;

// Everything after the first blank line of the last ".ic2" file opened (each
// line followed by CR LF); written back by SaveArcFile. Empty until then.
extern std::string ArcTrailer;

// The receiver image of this program.
extern clsICR2 ICR2Image;
