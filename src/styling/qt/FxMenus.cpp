#include "styling/qt/FxMenus.h"

#include <QPalette>

#include "platform/qt/Canvas.h"

namespace vx {

TMenuStyleAdapter::~TMenuStyleAdapter() {
    if (styler_) styler_->DetachMenu(this);
}

void TMenuStyleAdapter::SetMenuStyler(TCustomFxMenuStyler* styler) {
    if (styler == styler_) return;
    if (styler_) styler_->DetachMenu(this);
    styler_ = styler;
    if (styler_) styler_->AttachMenu(this);
}

void TMenuStyleAdapter::StylerDestroyed(TCustomFxMenuStyler* styler) {
    if (styler == styler_) styler_ = nullptr;
}

void TMenuStyleAdapter::Recolour() {
    if (styler_ == nullptr) return;
    const auto color = [](TColor c, TColor fallback) {
        return ToQColor(c == clNone ? fallback : c);
    };
    QPalette palette = menu_->palette();
    if (mainMenu_) {
        const TRootItem& root = styler_->RootItem();
        palette.setColor(QPalette::Window, color(root.Color(), clBtnFace));
        palette.setColor(QPalette::Button, color(root.Color(), clBtnFace));
        palette.setColor(QPalette::Mid, color(root.ColorTo(), root.Color()));
        palette.setColor(QPalette::Highlight, color(root.HoverColor(), clHighlight));
    } else {
        const TBackground& bg = styler_->Background();
        palette.setColor(QPalette::Window, color(bg.Color(), clMenu));
        palette.setColor(QPalette::Base, color(bg.Color(), clMenu));
        palette.setColor(QPalette::Highlight, color(styler_->SelectedItem().Color(), clHighlight));
        palette.setColor(QPalette::HighlightedText, ToQColor(clWindowText));
    }
    menu_->setPalette(palette);
    menu_->setAutoFillBackground(true);
    menu_->update();
}

}  // namespace vx
