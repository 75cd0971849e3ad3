#include "platform/VbTextBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>
#include <algorithm>

#include "platform/Cp1252.h"
#include "platform/VbKeys.h"

namespace {

// QLineEdit's own limit when it is given none.
constexpr int kNoLimit = 32767;

bool IsControl(int ascii) { return ascii < 32 || ascii == 127; }

// Ctrl+Shift+Insert pastes the X11 selection, as the toolkit's own box does.
QClipboard::Mode PasteModeOf(const QKeyEvent& event) {
  const bool selection = QGuiApplication::platformName() == QLatin1String("xcb") &&
                         event.key() == Qt::Key_Insert &&
                         event.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
  return selection ? QClipboard::Selection : QClipboard::Clipboard;
}

}  // namespace

// Refuses every edit whose result would hold one of the characters or, when
// asked, a character outside Windows-1252.
class VbTextBox::RefusedCharacters : public QValidator {
 public:
  RefusedCharacters(const QString& characters, bool cp1252Only, QObject* parent)
      : QValidator(parent), characters_(characters), cp1252Only_(cp1252Only) {}
  State validate(QString& input, int&) const override {
    for (QChar c : input)
      if (characters_.contains(c)) return Invalid;
    if (cp1252Only_ && FromCp1252(ToCp1252(input)) != input) return Invalid;
    return Acceptable;
  }

 private:
  QString characters_;
  bool cp1252Only_;
};

VbTextBox::VbTextBox(QWidget* parent) : VbControl<QLineEdit>(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (OnChange) OnChange();
  });
}

std::string VbTextBox::Text() const { return ToCp1252(text()); }

void VbTextBox::SetText(const std::string& text) {
  // Lifted first, so that neither the old text nor the new one is cut.
  setMaxLength(kNoLimit);
  setText(FromCp1252(text));
  ApplyLimit(static_cast<int>(this->text().size()));
}

void VbTextBox::SetMaxLength(int characters) {
  limit_ = std::max(characters, 0);
  ApplyLimit(static_cast<int>(text().size()));
}

void VbTextBox::ApplyLimit(int textLength) {
  setMaxLength(limit_ == 0 ? kNoLimit : std::min(std::max(limit_, textLength), kNoLimit));
}

void VbTextBox::SetRefusedCharacters(const std::string& characters) {
  refusedCharacters_ = characters;
  ApplyRefusals();
}

void VbTextBox::SetCp1252Only(bool on) {
  cp1252Only_ = on;
  ApplyRefusals();
}

void VbTextBox::ApplyRefusals() {
  delete refused_;
  refused_ = refusedCharacters_.empty() && !cp1252Only_
                 ? nullptr
                 : new RefusedCharacters(FromCp1252(refusedCharacters_), cp1252Only_, this);
  setValidator(refused_);
}

QString VbTextBox::KeptOfPaste(const QString& pasted) {
  if (refused_) {
    QString whole = pasted;
    int position = 0;
    if (refused_->validate(whole, position) == QValidator::Invalid) return {};
  }
  QString kept;
  for (const char32_t c : pasted.toUcs4()) {
    int ascii = VbAsciiOf(QString::fromUcs4(&c, 1));
    if (ascii == 0 || IsControl(ascii)) continue;
    OnKeyPress(ascii);
    if (ascii > 0 && ascii < 256 && !IsControl(ascii)) kept += QChar(Cp1252ToUnicode(ascii));
  }
  return kept;
}

// insert() keeps the limit and the refusals, and replaces a selection.
void VbTextBox::PasteFiltered(QClipboard::Mode mode) {
  const QString kept = KeptOfPaste(QGuiApplication::clipboard()->text(mode));
  if (kept.isEmpty()) return;
  EndUndoStep();
  insert(kept);
  EndUndoStep();
}

// The toolkit's own paste is an undo step of its own, while insert() joins
// the typing around it; moving the caret off and back ends a step, and the
// selection (anchor and caret) is put back as it was.
void VbTextBox::EndUndoStep() {
  if (text().isEmpty()) return;
  const int caret = cursorPosition();
  const int anchor = !hasSelectedText()          ? caret
                     : caret == selectionStart() ? selectionEnd()
                                                 : selectionStart();
  setCursorPosition(caret == 0 ? 1 : 0);
  if (anchor == caret) {
    setCursorPosition(caret);
  } else {
    setSelection(anchor, caret - anchor);
  }
}

void VbTextBox::OwnKey(QKeyEvent* event) {
  if (FiltersPastes() && event->matches(QKeySequence::Paste)) {
    PasteFiltered(PasteModeOf(*event));
    return;
  }
  VbControl<QLineEdit>::OwnKey(event);
}

void VbTextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (FiltersPastes()) {
    // The menu's Paste is the action the toolkit wired to paste(); whichever
    // way it wired it, the action is rewired to the filtered paste.
    for (QAction* action : menu->actions()) {
      const bool wasPaste = disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
                            disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
      if (wasPaste)
        connect(action, &QAction::triggered, this,
                [this] { PasteFiltered(QClipboard::Clipboard); });
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void VbTextBox::mouseReleaseEvent(QMouseEvent* event) {
  if (!FiltersPastes() || event->button() != Qt::MiddleButton ||
      !QGuiApplication::clipboard()->supportsSelection()) {
    VbControl<QLineEdit>::mouseReleaseEvent(event);
    return;
  }
  // The toolkit's release without its paste of the selection, then ours.
  QMouseEvent release(event->type(), event->position(), event->scenePosition(),
                      event->globalPosition(), Qt::NoButton, event->buttons(), event->modifiers(),
                      event->pointingDevice());
  VbControl<QLineEdit>::mouseReleaseEvent(&release);
  deselect();
  PasteFiltered(QClipboard::Selection);
}

void VbTextBox::dropEvent(QDropEvent* event) {
  if (!FiltersPastes() || !event->mimeData()->hasText()) {
    VbControl<QLineEdit>::dropEvent(event);
    return;
  }
  const QString kept = KeptOfPaste(event->mimeData()->text());
  if (kept.isEmpty()) {
    event->ignore();
    return;
  }
  QMimeData text;
  text.setText(kept);
  QDropEvent drop(event->position(), event->possibleActions(), &text, event->buttons(),
                  event->modifiers(), event->type());
  drop.setDropAction(event->dropAction());
  VbControl<QLineEdit>::dropEvent(&drop);
  event->setDropAction(drop.dropAction());
  event->setAccepted(drop.isAccepted());
}
