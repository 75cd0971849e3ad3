#pragma once
// A single-line text box with the classic events: Change at every change of
// its text (typed or set by the program), KeyDown and KeyPress for each key,
// GotFocus and LostFocus when the user or the program moves into or out of
// it (see VbEvents.h for what counts). Texts are Windows-1252 bytes.
//
// Pasting. In a box with a KeyPress handler, pasted text (Ctrl+V, Shift+
// Insert, the context menu's Paste, a middle click, a text dropped on it)
// goes through that handler one character at a time, as if typed: what it
// drops is left out and what it changes goes in changed, so a key filter
// holds for pastes too. A pasted control character (a line break, a tab) is
// no key here: it is never handed to the handler, so it cannot run an Enter
// handler, and it is left out, as is a character outside the code page. A
// box without a KeyPress handler pastes everything, as the toolkit does.

#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <string>

#include "platform/VbEvents.h"

class VbTextBox : public VbControl<QLineEdit> {
 public:
  explicit VbTextBox(QWidget* parent = nullptr);

  std::string Text() const;
  // Raises Change when the text differs from the one shown.
  void SetText(const std::string& text);
  // At most this many characters can be typed or pasted; 0 means no limit.
  // As with the classic control, the limit never cuts a text: neither the
  // one shown when it is set nor a longer one the program sets later (such
  // a text can be edited but not made longer).
  int MaxLength() const { return limit_; }
  void SetMaxLength(int characters);
  // Characters that neither typing nor pasting can put into the box (a
  // paste that holds one is refused whole, before any KeyPress handler sees
  // it). The program's SetText is not checked.
  void SetRefusedCharacters(const std::string& characters);
  // With this on, characters that Windows-1252 cannot hold can neither be
  // typed nor pasted either, so the text keeps every character it shows
  // when it is stored as bytes.
  void SetCp1252Only(bool on);

 protected:
  void OwnKey(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class RefusedCharacters;
  bool FiltersPastes() const { return OnKeyPress && !isReadOnly(); }
  // What a paste of `pasted` puts into the box (see Pasting above); empty
  // when it puts nothing.
  QString KeptOfPaste(const QString& pasted);
  void PasteFiltered(QClipboard::Mode mode);
  void EndUndoStep();
  void ApplyLimit(int textLength);
  void ApplyRefusals();
  RefusedCharacters* refused_ = nullptr;
  std::string refusedCharacters_;
  bool cp1252Only_ = false;
  int limit_ = 0;
};
