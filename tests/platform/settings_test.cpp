#include "platform/Settings.h"

#include <gtest/gtest.h>

#include "support/PlatformDoubles.h"

TEST(Settings, MissingKeyGivesTheDefault) {
  TempSettingsStore store;
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "Nothing", "dflt"), "dflt");
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "Nothing"), "");
}

TEST(Settings, ValuesAreWrittenAndReadBackAsText) {
  TempSettingsStore store;
  SaveSetting("IC-R2", "Settings", "AutoMode", "True");
  SaveSetting("IC-R2", "MRU", "File1", "/home/me/radio d/scan.r2");
  SaveSetting("IC-R2", "Settings", "Left", "-120");
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "AutoMode", "False"), "True");
  EXPECT_EQ(GetSetting("IC-R2", "MRU", "File1"), "/home/me/radio d/scan.r2");
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "Left"), "-120");
  // Sections keep keys apart.
  EXPECT_EQ(GetSetting("IC-R2", "MRU", "AutoMode", "none"), "none");
}

TEST(Settings, OverwriteAndDelete) {
  TempSettingsStore store;
  SaveSetting("IC-R2", "Settings", "FilePath", "/a");
  SaveSetting("IC-R2", "Settings", "FilePath", "/b");
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "FilePath"), "/b");
  DeleteSetting("IC-R2", "Settings", "FilePath");
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "FilePath", "gone"), "gone");
}

TEST(Settings, EachTemporaryStoreStartsEmpty) {
  {
    TempSettingsStore first;
    SaveSetting("IC-R2", "Settings", "Key", "first");
  }
  TempSettingsStore second;
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "Key", "empty"), "empty");
}
