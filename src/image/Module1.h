// Small procedures shared by the forms and classes: an even test, hex text to
// number, a file-exists test and the US television sound-carrier table.
#pragma once

#include <string>
#include <string_view>

// True when n is divisible by 2 (0 counts as even).
bool IsEven(long long n);

// Value of hex text, either case ("1A" 26, "00ff" 255, "" 0). A character that
// is not a hex digit counts as 0; digits past the 16th wrap around.
long long Hex2Dec(std::string_view text);

// The text with the ASCII letters A-Z in lower case; other bytes stay.
std::string LCase(std::string_view text);

// True when the path names an existing file or folder; false on any failure.
bool FileExists(const std::string& path);

// True when the text is exactly one of the 68 sound-carrier texts ("59.750").
bool IsTVFreq(std::string_view text);

// Sound carrier of US TV channel 2-69 as MHz text ("59.750" ... "805.750");
// "" for any other number. The text form takes the numeric value of the text.
std::string TVChannelFreq(long long channel);
std::string TVChannelFreq(std::string_view channel);
