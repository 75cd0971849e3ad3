#pragma once
// Open and save file dialogs as the commands use them: a title, a list of
// filters (label and pattern, "*.r2;*.icf", "*.*" meaning every file), the
// number of the first filter to show (1-based), and the current folder as the
// starting folder. The save dialog asks no overwrite question of its own (the
// commands ask theirs) and reports the number of the filter in use.
// After OK the current folder becomes the chosen file's folder.
// Paths are native (UTF-8) strings.

#include <functional>
#include <string>
#include <vector>

struct FileFilter {
  std::string label;    // "R2 Files (*.R2)"
  std::string pattern;  // "*.r2", or several separated by ';'
};

struct FileDialogRequest {
  bool save = false;
  std::string title;
  std::vector<FileFilter> filters;
  int filterIndex = 1;  // 1-based
  std::string initialDir;
  std::string defaultName;
};

struct FileDialogResult {
  bool ok = false;       // false: cancelled
  std::string path;
  int filterIndex = 1;   // the filter in use when the dialog closed (1-based)
};

using FileDialogHandler = std::function<FileDialogResult(const FileDialogRequest&)>;

FileDialogResult GetOpenFileName(const std::string& title, const std::vector<FileFilter>& filters,
                                 int filterIndex = 1);
FileDialogResult GetSaveFileName(const std::string& title, const std::vector<FileFilter>& filters,
                                 int filterIndex = 1, const std::string& defaultName = "");

// Replaces the interactive dialogs; an empty handler restores them.
void SetFileDialogHandler(FileDialogHandler handler);

// The process's current folder ("CurDir").
std::string CurDir();
bool ChDir(const std::string& folder);
