#pragma once
// The per-user settings store: text values under application, section and key.
// It is an INI file in the user's configuration folder; tests point it at a
// temporary file of their own.

#include <string>

std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultValue = "");
void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value);
void DeleteSetting(const std::string& app, const std::string& section, const std::string& key);

// Uses the INI file at `path` instead of the user's store; "" restores the user's.
void SetSettingsFile(const std::string& path);
