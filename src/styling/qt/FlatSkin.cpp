#include "styling/qt/FlatSkin.h"

namespace vx {
namespace {

// Flat controls: thin single borders in the button shadow colour, no bevels.
// A focused drop-down list draws its text in the selection colour in the
// classic style, which would be white on the white background: its text
// keeps the ordinary text colour (its open list keeps its own colours).
constexpr const char* kFlatStyle =
    "QLineEdit, QComboBox, QSpinBox, QListWidget, QTextEdit, QPlainTextEdit, QTableView {"
    " border: 1px solid #ACA899; background: white; }"
    "QComboBox { selection-color: palette(text); }"
    "QPushButton { border: 1px solid #ACA899; padding: 3px 10px; background: #F5F4EA; }"
    "QPushButton:hover { border-color: #316AC5; }"
    "QPushButton:pressed { background: #E0DFD5; }";

}  // namespace

TFlatSkin::TFlatSkin(QWidget* dialog) : QObject(dialog), dialog_(dialog) {
    setObjectName(QStringLiteral("FlatSkin1"));
    SetActive(true);
}

void TFlatSkin::SetActive(bool active) {
    if (active == active_ || dialog_ == nullptr) return;
    active_ = active;
    dialog_->setStyleSheet(active ? QString::fromLatin1(kFlatStyle) : QString());
}

}  // namespace vx
