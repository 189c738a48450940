#include "styling/qt/FxMenuStylers.h"

#include <QPalette>

namespace vx {
namespace {

struct Look {
    QColor from;
    QColor to;
};

// The Office 2003 bar colours of the three looks the tool offers, and a flat
// grey for the rest.
Look LookOf(TOfficeStyle style) {
    switch (style) {
        case TOfficeStyle::osOffice2003Blue:
            return {QColor(0xDD, 0xEC, 0xFE), QColor(0x81, 0xA9, 0xE2)};
        case TOfficeStyle::osOffice2003Silver:
            return {QColor(0xF3, 0xF4, 0xFA), QColor(0x99, 0x97, 0xB5)};
        case TOfficeStyle::osOffice2003Olive:
            return {QColor(0xF4, 0xF7, 0xDE), QColor(0xB7, 0xC6, 0x91)};
        default:
            return {QColor(0xEC, 0xE9, 0xD8), QColor(0xEC, 0xE9, 0xD8)};
    }
}

}  // namespace

void TOfficeStylerBase::SetStyle(TOfficeStyle style) {
    if (style == style_) return;
    style_ = style;
    for (const QPointer<QWidget>& w : widgets_) {
        if (w) Recolour(w);
    }
    emit StyleChanged(style_);
}

void TOfficeStylerBase::Register(QWidget* widget) {
    if (widget == nullptr) return;
    widgets_.emplace_back(widget);
    Recolour(widget);
}

QColor TOfficeStylerBase::BarColor() const {
    return LookOf(style_).from;
}
QColor TOfficeStylerBase::BarColorTo() const {
    return LookOf(style_).to;
}

void TOfficeStylerBase::Recolour(QWidget* widget) const {
    const Look look = LookOf(style_);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, look.from);
    palette.setColor(QPalette::Button, look.from);
    palette.setColor(QPalette::Mid, look.to);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->update();
}

}  // namespace vx
