#include "platform/VbTextBox.h"

#include <QValidator>
#include <algorithm>

#include "platform/Cp1252.h"

namespace {

// QLineEdit's own limit when it is given none.
constexpr int kNoLimit = 32767;

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
