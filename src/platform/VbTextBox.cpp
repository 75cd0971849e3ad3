#include "platform/VbTextBox.h"

#include <QValidator>

#include "platform/Cp1252.h"

namespace {

// QLineEdit's own limit when it is given none.
constexpr int kNoLimit = 32767;

}  // namespace

// Refuses every edit whose result would hold one of the characters.
class VbTextBox::RefusedCharacters : public QValidator {
 public:
  RefusedCharacters(const QString& characters, QObject* parent)
      : QValidator(parent), characters_(characters) {}
  State validate(QString& input, int&) const override {
    for (QChar c : input)
      if (characters_.contains(c)) return Invalid;
    return Acceptable;
  }

 private:
  QString characters_;
};

VbTextBox::VbTextBox(QWidget* parent) : VbControl<QLineEdit>(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (OnChange) OnChange();
  });
}

std::string VbTextBox::Text() const { return ToCp1252(text()); }

void VbTextBox::SetText(const std::string& text) { setText(FromCp1252(text)); }

int VbTextBox::MaxLength() const { return maxLength() == kNoLimit ? 0 : maxLength(); }

void VbTextBox::SetMaxLength(int characters) {
  setMaxLength(characters <= 0 ? kNoLimit : characters);
}

void VbTextBox::SetRefusedCharacters(const std::string& characters) {
  delete refused_;
  refused_ = characters.empty() ? nullptr : new RefusedCharacters(FromCp1252(characters), this);
  setValidator(refused_);
}
