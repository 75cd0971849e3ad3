// The real file dialog (the toolkit's own, offscreen) behind GetSaveFileName:
// the file types it lists and the one it reports as chosen.

#include "platform/FileDialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/RealFileDialog.h"

namespace {

// Labels with their own parenthesised patterns, whose case differs from the
// pattern that filters, as the program's Save As lists them.
const std::vector<FileFilter> kFilters = {{"R2 Files (*.R2)", "*.r2"},
                                          {"ICOM ICF Files (*.ICF)", "*.icf"},
                                          {"ARC2 Files (*.IC2)", "*.ic2"},
                                          {"Several (*.a *.b)", "*.a;*.b"},
                                          {"All Files (*.*)", "*.*"}};

TEST(RealSaveDialog, ReportsTheFileTypeChosenAndShowsTheLabelsAsGiven) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string startDir = CurDir();
  ASSERT_TRUE(ChDir(dir.path().toStdString()));
  for (int type = 1; type <= static_cast<int>(kFilters.size()); ++type) {
    SCOPED_TRACE("file type " + std::to_string(type));
    const std::string typed = "out" + std::to_string(type);
    RealFileDialog user(typed, type);
    const FileDialogResult r = GetSaveFileName("Save As...", kFilters, 1);
    ASSERT_TRUE(user.Acted());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.filterIndex, type);
    EXPECT_EQ(r.path, QDir(dir.path()).filePath(QString::fromStdString(typed)).toStdString());
    std::vector<std::string> labels;
    for (const FileFilter& f : kFilters) labels.push_back(f.label);
    EXPECT_EQ(user.FileTypesShown(), labels);
  }
  ChDir(startDir);
}

}  // namespace
