#include "support/PlatformDoubles.h"

#include <gtest/gtest.h>

#include "platform/Settings.h"

MsgBoxScript::MsgBoxScript() {
  SetMsgBoxHandler([this](const MsgBoxCall& call) { return Handle(call); });
}

MsgBoxScript::~MsgBoxScript() {
  SetMsgBoxHandler(nullptr);
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " queued message-box answer(s) never used";
}

void MsgBoxScript::Answer(int result, std::string promptContains) {
  answers_.push_back({result, std::move(promptContains)});
}

int MsgBoxScript::Handle(const MsgBoxCall& call) {
  calls_.push_back(call);
  const int set = call.ButtonSet();
  const int safe = set == vbOKOnly ? vbOK : (set == vbYesNo ? vbNo : vbCancel);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected message box \"" << call.prompt << "\" (title \"" << call.title
                  << "\")";
    return safe;
  }
  Queued next = answers_.front();
  answers_.pop_front();
  if (!next.promptContains.empty() && call.prompt.find(next.promptContains) == std::string::npos) {
    ADD_FAILURE() << "message box \"" << call.prompt << "\" does not mention \""
                  << next.promptContains << "\"";
  }
  return next.result;
}

FileDialogScript::FileDialogScript() {
  SetFileDialogHandler([this](const FileDialogRequest& r) { return Handle(r); });
}

FileDialogScript::~FileDialogScript() {
  SetFileDialogHandler(nullptr);
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " queued file-dialog answer(s) never used";
}

void FileDialogScript::Choose(std::string path, int filterIndex) {
  answers_.push_back({true, std::move(path), filterIndex});
}

void FileDialogScript::Cancel() { answers_.push_back({false, "", 1}); }

FileDialogResult FileDialogScript::Handle(const FileDialogRequest& request) {
  requests_.push_back(request);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected file dialog \"" << request.title << "\"";
    return {};
  }
  FileDialogResult next = answers_.front();
  answers_.pop_front();
  return next;
}

TempSettingsStore::TempSettingsStore() { SetSettingsFile(Path()); }

TempSettingsStore::~TempSettingsStore() { SetSettingsFile(""); }

std::string TempSettingsStore::Path() const {
  return (dir_.path() + "/settings.ini").toStdString();
}
