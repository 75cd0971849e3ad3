#pragma once
// A combo box with the classic events and list operations. Texts are
// Windows-1252 bytes.
//
// Two styles: a drop-down combo, whose text can also be typed, and a
// pick-only drop-down list. The events keep the classic order and meaning,
// which the toolkit's own signals do not:
//  - Change: the text of a drop-down combo was typed by the user or set by
//    the program (SetText). Picking an entry from the list is not a Change.
//  - Click: the user chose an entry (from the open list, or with the arrow
//    keys or the wheel on the closed box), or the program set ListIndex. It
//    runs after the box shows the new entry. Leaving the box, or Enter, is
//    never a Click, even when the typed text equals an entry.
//  - Opening the list is not a leave (no LostFocus); typed text is never
//    added to the list; typing does not complete entries on its own.
//  - KeyDown, KeyPress, GotFocus and LostFocus as described in VbEvents.h.
//
// The open list is never narrower than its widest entry, however narrow the
// box: an entry cut short can read as another one ("WFM" as "FM").

#include <QComboBox>
#include <functional>
#include <string>

#include "platform/VbEvents.h"

enum VbComboStyle : int {
  vbComboDropdown = 0,      // typed text and a list
  vbComboDropdownList = 2,  // the list only
};

class VbComboBox : public VbControl<QComboBox> {
 public:
  explicit VbComboBox(int style = vbComboDropdown, QWidget* parent = nullptr);

  int Style() const { return style_; }

  // ---- the list ----
  // Empties the list (and a drop-down combo's text) without raising Change.
  void Clear();
  void AddItem(const std::string& text);
  // Entries outside the list are ignored.
  void RemoveItem(int index);
  int ListCount() const { return count(); }
  std::string List(int index) const;
  // The chosen entry, -1 when none is.
  int ListIndex() const { return currentIndex(); }
  // Chooses an entry (-1: none) and raises Click when one is chosen.
  void SetListIndex(int index);

  // ---- the text ----
  std::string Text() const;
  // A drop-down combo shows the text (choosing the entry that equals it
  // exactly, if any) and raises Change. A list chooses the entry that equals
  // it exactly, or none, and raises nothing.
  void SetText(const std::string& text);

  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled) { setEnabled(enabled); }

  std::function<void()> OnClick;

  // Width in pixels the open list needs to show every entry whole.
  int ListWidthNeeded() const;
  void showPopup() override;

 protected:
  void OwnKey(QKeyEvent* event) override;
  bool OwnFocusOut(QFocusEvent* event) override;

 private:
  void Activated();

  int style_;
  // Set while the toolkit handles a leave or Enter, whose activation of an
  // entry that equals the typed text is no Click.
  bool noClick_ = false;
};
