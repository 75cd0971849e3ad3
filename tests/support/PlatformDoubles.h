#pragma once
// Scripted stand-ins for the interactive parts of the platform layer. Each
// installs itself on construction and restores the real service when it goes.
//
//   MsgBoxScript boxes;
//   boxes.Answer(vbYes, "data has changed");   // next box must mention that
//   form.mnuOpen_Click();
//   EXPECT_EQ(boxes.Calls()[0].title, "IC-R2 Kestrane");
//
// A box or dialog that the test did not queue an answer for fails the test
// at once (and is answered Cancel/No/OK, never blocking); answers left over
// when the script goes fail it too.

#include <QTemporaryDir>
#include <deque>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"

class MsgBoxScript {
 public:
  MsgBoxScript();
  ~MsgBoxScript();
  MsgBoxScript(const MsgBoxScript&) = delete;
  MsgBoxScript& operator=(const MsgBoxScript&) = delete;

  // Queues the answer to the next box; when `promptContains` is given, that
  // box's prompt must contain it.
  void Answer(int result, std::string promptContains = "");

  const std::vector<MsgBoxCall>& Calls() const { return calls_; }
  size_t Pending() const { return answers_.size(); }
  // Drops queued answers a test no longer expects to be used.
  void Clear() { answers_.clear(); }

 private:
  struct Queued {
    int result;
    std::string promptContains;
  };
  int Handle(const MsgBoxCall& call);
  std::deque<Queued> answers_;
  std::vector<MsgBoxCall> calls_;
};

class FileDialogScript {
 public:
  FileDialogScript();
  ~FileDialogScript();
  FileDialogScript(const FileDialogScript&) = delete;
  FileDialogScript& operator=(const FileDialogScript&) = delete;

  // Queues "the user chose `path` with filter `filterIndex`".
  void Choose(std::string path, int filterIndex = 1);
  // Queues "the user pressed Cancel".
  void Cancel();

  const std::vector<FileDialogRequest>& Requests() const { return requests_; }
  size_t Pending() const { return answers_.size(); }

 private:
  FileDialogResult Handle(const FileDialogRequest& request);
  std::deque<FileDialogResult> answers_;
  std::vector<FileDialogRequest> requests_;
};

// Points the settings store at a fresh INI file in a temporary folder.
class TempSettingsStore {
 public:
  TempSettingsStore();
  ~TempSettingsStore();
  TempSettingsStore(const TempSettingsStore&) = delete;
  TempSettingsStore& operator=(const TempSettingsStore&) = delete;

  std::string Path() const;

 private:
  QTemporaryDir dir_;
};
