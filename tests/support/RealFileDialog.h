#pragma once
// Drives the toolkit's own (non-native) file dialog as a user would, for tests
// that go through the real dialog rather than FileDialogScript: once the
// dialog is open and modal, it picks a file type from the list, types a file
// name and presses the accept button.
//
//   RealFileDialog user("out2", 2);   // the second file type
//   const FileDialogResult r = GetSaveFileName("Save As...", filters);
//   EXPECT_TRUE(user.Acted());
//
// A dialog it cannot fill in is cancelled rather than left open, so a broken
// test fails instead of hanging.

#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

class RealFileDialog : public QObject {
 public:
  // `fileType` counts from 1 in the dialog's file-type list.
  RealFileDialog(std::string fileName, int fileType);
  ~RealFileDialog() override;

  bool Acted() const { return acted_; }
  // The file types the dialog listed, as shown to the user.
  const std::vector<std::string>& FileTypesShown() const { return shown_; }

 private:
  void Poll();

  std::string fileName_;
  int fileType_;
  QTimer timer_;
  int polls_ = 0;
  bool acted_ = false;
  std::vector<std::string> shown_;
};
