#include "image/Module1.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "image/HexText.h"
#include "image/Val.h"

namespace {

// Sound carriers of US broadcast TV channels 2 to 69 (index = channel - 2):
// 2-4 and 5-6 in the low VHF band, 7-13 high VHF, 14-69 UHF, 6 MHz apart.
constexpr int kFirstTvChannel = 2;
constexpr std::array<std::string_view, 68> kTvSoundCarriers = {
    "59.750",  "65.750",  "71.750",  "81.750",  "87.750",  "179.750", "185.750", "191.750",
    "197.750", "203.750", "209.750", "215.750", "475.750", "481.750", "487.750", "493.750",
    "499.750", "505.750", "511.750", "517.750", "523.750", "529.750", "535.750", "541.750",
    "547.750", "553.750", "559.750", "565.750", "571.750", "577.750", "583.750", "589.750",
    "595.750", "601.750", "607.750", "613.750", "619.750", "625.750", "631.750", "637.750",
    "643.750", "649.750", "655.750", "661.750", "667.750", "673.750", "679.750", "685.750",
    "691.750", "697.750", "703.750", "709.750", "715.750", "721.750", "727.750", "733.750",
    "739.750", "745.750", "751.750", "757.750", "763.750", "769.750", "775.750", "781.750",
    "787.750", "793.750", "799.750", "805.750",
};

}  // namespace

bool IsEven(long long n) { return n % 2 == 0; }

long long Hex2Dec(std::string_view text) {
  unsigned long long value = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    value = value * 16 + static_cast<unsigned>(digit < 0 ? 0 : digit);
  }
  return static_cast<long long>(value);
}

std::string LCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(path), error) && !error;
}

bool IsTVFreq(std::string_view text) {
  for (std::string_view carrier : kTvSoundCarriers) {
    if (carrier == text) return true;
  }
  return false;
}

std::string TVChannelFreq(long long channel) {
  const long long index = channel - kFirstTvChannel;
  if (index < 0 || index >= static_cast<long long>(kTvSoundCarriers.size())) return "";
  return std::string(kTvSoundCarriers[index]);
}

std::string TVChannelFreq(std::string_view channel) {
  const double value = Val(channel);
  if (value != std::floor(value) || std::fabs(value) > 1e6) return "";
  return TVChannelFreq(static_cast<long long>(value));
}
