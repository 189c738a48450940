#include "styling/qt/FlatSkin.h"

namespace vx {
namespace {

// Flat controls: thin single borders in the button shadow colour, no bevels.
constexpr const char* kFlatStyle =
    "QLineEdit, QComboBox, QSpinBox, QListWidget, QTextEdit, QPlainTextEdit, QTableView {"
    " border: 1px solid #ACA899; background: white; }"
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
