// Shared set-up of the main-window shell tests: a Form1 with its own settings
// store, program folder and working folder, and image files to open.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <array>
#include <memory>
#include <string>

#include "image/clsICR2.h"
#include "mainwindow/Form1.h"
#include "support/PlatformDoubles.h"

namespace shell_test {

// The ten cells of a grid row, columns 1 to 9 (index 0 unused).
using Cells = std::array<std::string, 10>;

// Channels of the test image: row number and the cells the grid shows.
struct Channel {
  int row;
  Cells cells;
};
extern const std::array<Channel, 6> kImageChannels;

// Writes kImageChannels into `image` (a fresh or just reset one) as a loaded receiver image (every
// other record empty, loaded mark set), with the comments in ChannelComments, and records it as
// unchanged. The comments go into the shared ChannelComments only with `setComments`.
void MakeImage(clsICR2& image, bool setComments = true);

// Formats by which a file can be told apart when read back.
enum class Written { Missing, R2, Icf, Ic2, Tr2, Other };
Written FormatOfFile(const std::string& path);

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A path in the test's own folder.
  std::string File(const std::string& name) const;
  // Writes the test image in the format of `name`'s extension.
  std::string WriteImageFile(const std::string& name);
  // Form_Load, then opens `path` through File > Open.
  void LoadAndOpen(const std::string& path);
  // A text read from the settings store ("Settings" section by default).
  std::string Stored(const std::string& key, const std::string& section = "Settings") const;
  // Empties the settings store.
  void ClearStore();
  std::string GridCell(int row, int col) const;
  void SetGridCell(int row, int col, const std::string& text);

  TempSettingsStore store_;
  QTemporaryDir dir_;
  std::string startDir_;
  std::unique_ptr<Form1> form_;
};

}  // namespace shell_test
