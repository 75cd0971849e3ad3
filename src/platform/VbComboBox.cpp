#include "platform/VbComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "platform/Cp1252.h"

VbComboBox::VbComboBox(int style, QWidget* parent)
    : VbControl<QComboBox>(parent),
      style_(style == vbComboDropdownList ? vbComboDropdownList : vbComboDropdown) {
  if (style_ == vbComboDropdown) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
      if (OnChange) OnChange();
    });
  }
  connect(this, &QComboBox::activated, this, [this] { Activated(); });
}

void VbComboBox::Activated() {
  if (noClick_) return;
  if (OnClick) OnClick();
}

void VbComboBox::Clear() {
  clear();
  if (QLineEdit* edit = lineEdit()) edit->clear();
}

void VbComboBox::AddItem(const std::string& text) {
  // The toolkit chooses the first entry added; a classic list chooses none,
  // and a drop-down combo keeps the text it shows.
  const bool first = count() == 0;
  const QString shown = currentText();
  addItem(FromCp1252(text));
  if (!first) return;
  setCurrentIndex(-1);
  if (QLineEdit* edit = lineEdit()) edit->setText(shown);
}

void VbComboBox::RemoveItem(int index) {
  if (index >= 0 && index < count()) removeItem(index);
}

std::string VbComboBox::List(int index) const {
  if (index < 0 || index >= count()) return "";
  return ToCp1252(itemText(index));
}

void VbComboBox::SetListIndex(int index) {
  if (index < -1 || index >= count()) return;
  setCurrentIndex(index);
  if (index >= 0 && OnClick) OnClick();
}

std::string VbComboBox::Text() const { return ToCp1252(currentText()); }

void VbComboBox::SetText(const std::string& text) {
  const QString shown = FromCp1252(text);
  const int index = findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
  setCurrentIndex(index);
  if (style_ != vbComboDropdown) return;
  setEditText(shown);
  if (OnChange) OnChange();
}

int VbComboBox::ListWidthNeeded() const {
  const QAbstractItemView* list = view();
  int widest = 0;
  for (int i = 0; i < count(); ++i) {
    widest = std::max(widest, list->sizeHintForIndex(model()->index(i, modelColumn())).width());
  }
  int width = widest + 2 * list->frameWidth();
  if (count() > maxVisibleItems()) width += list->verticalScrollBar()->sizeHint().width();
  return width;
}

void VbComboBox::showPopup() {
  view()->setMinimumWidth(ListWidthNeeded());
  QComboBox::showPopup();
}

void VbComboBox::OwnKey(QKeyEvent* event) {
  noClick_ = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QComboBox::keyPressEvent(event);
  noClick_ = false;
}

bool VbComboBox::OwnFocusOut(QFocusEvent* event) {
  noClick_ = true;
  QComboBox::focusOutEvent(event);
  noClick_ = false;
  // While the box's own list is open the focus is in the list, whatever
  // reason the platform gives for moving it there.
  return view() && view()->isVisible();
}
