#pragma once
// The classic event sequence of an input control, shared by VbTextBox and
// VbComboBox.
//
// Focus. GotFocus and LostFocus mean "the user (or the program) moved into or
// out of this control", not every focus change a toolkit reports. So:
//  - a focus-out caused by a popup (a combo's own drop-down list, a context
//    or popup menu), by opening the menu bar, or by another window becoming
//    active is not a leave: the control keeps its focus and gets no
//    LostFocus, and no GotFocus when the focus comes back;
//  - hiding the focused control itself is a leave: LostFocus runs at once,
//    inside the hide, whether or not the toolkit moves the focus somewhere
//    else afterwards. Hiding a frame around it is a leave when the focus
//    moves out of it; a window closing or going away is none;
//  - SetFocus on a control that already has the toolkit's focus but was
//    left (hidden and shown again) is an entry: GotFocus runs.
//
// Keys. For each key press: KeyDown with the key code and shift state (see
// VbKeys.h), then, for a key that types a character, KeyPress with the
// character. KeyDown setting the key code to 0 ends the key there; KeyPress
// setting the character to 0 drops it, and changing it types the new one.

#include <QFocusEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QWidget>
#include <Qt>
#include <functional>

using VbKeyDownHandler = std::function<void(int& keyCode, int shift)>;
using VbKeyPressHandler = std::function<void(int& keyAscii)>;

class VbFocusState {
 public:
  // From the control's focusInEvent, focusOutEvent and hideEvent.
  void FocusIn(const std::function<void()>& gotFocus);
  void FocusOut(Qt::FocusReason reason, const std::function<void()>& lostFocus);
  // `itself`: the control was hidden by itself (not with its window or a
  // frame around it, nor minimised).
  void Hidden(bool itself, const std::function<void()>& lostFocus);
  // After the control asked for the focus: `hasToolkitFocus` is what the
  // toolkit says now.
  void FocusRequested(bool hasToolkitFocus, const std::function<void()>& gotFocus);
  bool Has() const { return has_; }

 private:
  bool has_ = false;
};

// Runs KeyDown and KeyPress for `event` and then `base` (the control's own
// handling) with the event as the handlers left it, unless they ended the
// key or the control was hidden by them.
void RunClassicKey(QWidget& control, QKeyEvent* event, const VbKeyDownHandler& keyDown,
                   const VbKeyPressHandler& keyPress, const std::function<void(QKeyEvent*)>& base);

// Whether a key event is Tab or Shift+Tab (which the toolkit would otherwise
// use to move the focus before any key handler sees it).
bool IsTabKey(const QKeyEvent& event);

// Whether a character code is one of the editing shortcuts of a text box
// (Ctrl+A select all, Ctrl+C copy, Ctrl+V paste, Ctrl+X cut, Ctrl+Z undo)
// rather than a typed character; key filters that take only some
// characters let these through (a text box hands what Ctrl+V pastes to the
// same filter, character by character: see VbTextBox.h).
bool IsEditingShortcut(int keyAscii);

// A toolkit input widget with the classic focus and key events above.
template <typename Widget>
class VbControl : public Widget {
 public:
  using Widget::Widget;

  // With this on, Tab and Shift+Tab reach KeyDown instead of moving the
  // focus to the next control.
  void SetTabIsKey(bool on) { tabIsKey_ = on; }
  bool Visible() const { return !this->isHidden(); }
  void SetVisible(bool visible) { this->setVisible(visible); }
  void SetFocus() {
    this->setFocus(Qt::OtherFocusReason);
    focus_.FocusRequested(this->hasFocus(), OnGotFocus);
  }
  // Whether the control has the focus in the classic sense.
  bool HasFocus() const { return focus_.Has(); }

  std::function<void()> OnChange;
  VbKeyDownHandler OnKeyDown;
  VbKeyPressHandler OnKeyPress;
  std::function<void()> OnGotFocus;
  std::function<void()> OnLostFocus;

 protected:
  // The widget's own handling of a key the handlers left to it.
  virtual void OwnKey(QKeyEvent* event) { Widget::keyPressEvent(event); }
  // The widget's own handling of a focus-out; true when the focus went into
  // a popup of the control itself (which is no leave).
  virtual bool OwnFocusOut(QFocusEvent* event) {
    Widget::focusOutEvent(event);
    return false;
  }

  bool event(QEvent* event) override {
    if (tabIsKey_ && event->type() == QEvent::KeyPress &&
        IsTabKey(*static_cast<QKeyEvent*>(event))) {
      keyPressEvent(static_cast<QKeyEvent*>(event));
      return true;
    }
    return Widget::event(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    RunClassicKey(*this, event, OnKeyDown, OnKeyPress, [this](QKeyEvent* e) { OwnKey(e); });
  }
  void focusInEvent(QFocusEvent* event) override {
    Widget::focusInEvent(event);
    focus_.FocusIn(OnGotFocus);
  }
  void focusOutEvent(QFocusEvent* event) override {
    const bool ownPopup = OwnFocusOut(event);
    focus_.FocusOut(ownPopup ? Qt::PopupFocusReason : event->reason(), OnLostFocus);
  }
  void hideEvent(QHideEvent* event) override {
    Widget::hideEvent(event);
    focus_.Hidden(!event->spontaneous() && this->isHidden(), OnLostFocus);
  }

 private:
  VbFocusState focus_;
  bool tabIsKey_ = false;
};
