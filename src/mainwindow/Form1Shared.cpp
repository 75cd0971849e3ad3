#include "mainwindow/Form1Shared.h"

#include <cmath>
#include <cstdlib>

std::string_view TrimBlanksText(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<double> SettingNumber(std::string_view text) {
  const std::string_view t = TrimBlanksText(text);
  if (t.empty()) return std::nullopt;
  size_t i = 0;
  if (t[0] == '+' || t[0] == '-') ++i;
  bool digits = false;
  bool point = false;
  for (; i < t.size(); ++i) {
    if (t[i] >= '0' && t[i] <= '9') {
      digits = true;
    } else if (t[i] == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  const std::string copy(t);
  return std::strtod(copy.c_str(), nullptr);
}

std::optional<int> SettingInt16(std::string_view text) {
  const std::optional<double> v = SettingNumber(text);
  if (!v) return std::nullopt;
  const double rounded = std::nearbyint(*v);  // the default rounding is half to even
  if (rounded < -32768 || rounded > 32767) return std::nullopt;
  return static_cast<int>(rounded);
}

std::optional<bool> SettingBool(std::string_view text) {
  const std::string_view t = TrimBlanksText(text);
  auto equalsNoCase = [](std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      char c = a[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != b[i]) return false;
    }
    return true;
  };
  if (equalsNoCase(t, "true")) return true;
  if (equalsNoCase(t, "false")) return false;
  const std::optional<double> v = SettingNumber(t);
  if (!v) return std::nullopt;
  return *v != 0;
}
