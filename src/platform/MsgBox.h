#pragma once
// Message boxes with the classic button/icon flags, so a command reads
//   if (MsgBox(prompt, vbYesNo | vbQuestion, title) == vbYes) ...
// Prompts and titles are Windows-1252 bytes; lines are separated by "\r\n"
// (vbCrLf). The answer comes from QMessageBox, or from a handler a test puts
// in its place.

#include <functional>
#include <string>

// Buttons (low bits), icon, default button.
enum VbMsgBoxStyle : int {
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbAbortRetryIgnore = 2,
  vbYesNoCancel = 3,
  vbYesNo = 4,
  vbRetryCancel = 5,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
  vbDefaultButton1 = 0,
  vbDefaultButton2 = 256,
  vbDefaultButton3 = 512,
};

// The button the user pressed.
enum VbMsgBoxResult : int {
  vbOK = 1,
  vbCancel = 2,
  vbAbort = 3,
  vbRetry = 4,
  vbIgnore = 5,
  vbYes = 6,
  vbNo = 7,
};

inline constexpr const char* vbCrLf = "\r\n";

// Title of the program's own message boxes.
inline constexpr const char* kMsgTitle = "IC-R2 Kestrane";

struct MsgBoxCall {
  std::string prompt;
  int buttons = vbOKOnly;  // buttons | icon | default button
  std::string title;

  int ButtonSet() const { return buttons & 0x0F; }
  int Icon() const { return buttons & 0x70; }
  int DefaultButton() const { return buttons & 0x300; }
};

using MsgBoxHandler = std::function<int(const MsgBoxCall&)>;

// Shows a modal message box and returns the button pressed (a VbMsgBoxResult).
int MsgBox(const std::string& prompt, int buttons = vbOKOnly,
           const std::string& title = kMsgTitle);

// Replaces the interactive box; an empty handler restores it.
void SetMsgBoxHandler(MsgBoxHandler handler);
