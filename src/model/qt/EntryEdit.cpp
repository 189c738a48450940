#include "model/qt/EntryEdit.h"

#include <algorithm>

namespace vx {

TEntryEdit::TEntryEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { Relimit(); });
}

void TEntryEdit::SetTypingLimit(int characters) {
    limit_ = std::max(1, characters);
    Relimit();
}

void TEntryEdit::SetText(const QString& text) {
    // Raise the limit first: the field would otherwise cut the text.
    setMaxLength(std::max(limit_, static_cast<int>(text.size())));
    setText(text);
    Relimit();
}

void TEntryEdit::Relimit() {
    // Never below the text's length, which would cut it.
    const int wanted = std::max(limit_, static_cast<int>(text().size()));
    if (maxLength() != wanted) setMaxLength(wanted);
}

}  // namespace vx
