#include "platform/Settings.h"

#include <gtest/gtest.h>

#include "support/PlatformDoubles.h"

TEST(Settings, WrittenReadBackOverwrittenAndDeleted) {
  TempSettingsStore store;
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "FilePath", "dflt"), "dflt");
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "FilePath"), "");
  SaveSetting("IC-R2", "Settings", "FilePath", "/a");
  SaveSetting("IC-R2", "Settings", "FilePath", "/home/me/radio d/scan.r2");
  EXPECT_EQ(GetSetting("IC-R2", "Settings", "FilePath"), "/home/me/radio d/scan.r2");
  // Sections keep keys apart.
  EXPECT_EQ(GetSetting("IC-R2", "MRU", "FilePath", "none"), "none");
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
