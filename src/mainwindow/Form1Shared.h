#pragma once
// Small helpers shared by the main window's source files.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Cp1252.h"

// Paths and reader messages are native UTF-8; message boxes take
// Windows-1252 bytes.
inline std::string ToMessageText(const std::string& utf8) {
  return ToCp1252(QString::fromStdString(utf8));
}

// The text without blanks (spaces and tabs) at either end.
std::string_view TrimBlanksText(std::string_view text);

// Conversions of stored setting texts, as the settings store's classic
// conversions take them. Each gives nothing for a text it cannot convert.
// A number: optional sign, digits with at most one point, blanks around.
std::optional<double> SettingNumber(std::string_view text);
// A 16-bit integer, rounded half to even.
std::optional<int> SettingInt16(std::string_view text);
// "True"/"False" in any letter case, or a number (0 false, else true).
std::optional<bool> SettingBool(std::string_view text);
