#include "styling/toolbar/qt/FxToolBarMenuButton.h"

#include <QMenu>
#include <QMouseEvent>

#include "styling/menus/FxMenuAppearance.h"
#include "styling/toolbar/FxToolBarStylers.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarMenuBar.h"

namespace vx {

TFxToolBarMenuButton::TFxToolBarMenuButton(QWidget* parent) : TFxCustomToolBarButton(parent) {
    SetParentStyler(true);
}

void TFxToolBarMenuButton::SetMenuItem(QAction* item) {
    if (!item || item == item_) return;
    item_ = item;
    if (Action() == item)
        ActionChange(item, false);
    else
        SetAction(item);
}

void TFxToolBarMenuButton::ActionChange(QAction* sender, bool checkDefaults) {
    TFxCustomToolBarButton::ActionChange(sender, checkDefaults);
    if (!sender || sender != item_) return;
    SetDown(sender->isChecked());
    SetImageIndex(ActionImageIndex(*sender));
}

void TFxToolBarMenuButton::ShowDropped(bool dropped) {
    SetState(dropped ? TToolButtonState::bsDropped : TToolButtonState::bsUp);
    Repaint();
}

void TFxToolBarMenuButton::Click() {
    TFxCustomToolBar* bar = FxToolBar();
    TFxToolBarMenuBar* mode = bar ? bar->MenuBarMode() : nullptr;
    if (mode && Enabled() && (item_ || DropDownMenu())) {
        mode->OpenByKey(this);
        return;
    }
    TFxCustomToolBarButton::Click();
}

void TFxToolBarMenuButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !Enabled() || DropDownButton() ||
        (!item_ && !DropDownMenu())) {
        TFxCustomToolBarButton::mousePressEvent(event);
        return;
    }
    // The press is the menu's: no click follows the release.
    Invalidate();
    TFxCustomToolBar* bar = FxToolBar();
    TFxToolBarMenuBar* mode = bar ? bar->MenuBarMode() : nullptr;
    if (mode && mode->DropDown(this)) ShowDropped(true);
    event->accept();
}

// ---------------------------------------------------------------- drawing

void TFxToolBarMenuButton::DrawButton(Canvas& canvas) {
    // The root-item look of the menu styler the bar's styler carries; a bar
    // without one leaves the button to its own appearance.
    const TRootItem* root = nullptr;
    TFxCustomToolBar* bar = FxToolBar();
    if (ParentStyler() && bar)
        if (TCustomFxMenuStyler* menuStyler = bar->CurrentStyler()->CurrentMenuStyler())
            root = &menuStyler->RootItem();
    TButtonAppearance& own = Appearance();
    const TButtonAppearance& look = Look();

    const TToolButtonState state = State();
    TPartColors c;
    c.gradientHorizontal = IsHorizontal(own.GradientDirection());
    const QImage* glyph = &Glyph();
    const bool downLook = state == TToolButtonState::bsDown ||
                          state == TToolButtonState::bsDropped ||
                          (state == TToolButtonState::bsExclusive && Hot()) || Pressed();
    // Up and disabled, the button is transparent: only the bar shows
    // under its glyph and caption.
    if (state == TToolButtonState::bsDisabled || !Enabled()) {
        c.text = own.CaptionTextColor();
        glyph = &GlyphDisabled();
    } else if (downLook) {
        if (root) {
            c.from = root->SelectedColor();
            c.to = root->SelectedColorTo();
            c.border = root->SelectedBorderColor();
            c.text = root->SelectedTextColor();
            c.gradientHorizontal = IsHorizontal(root->SelectedGradientDirection());
            c.ddFrom = root->HoverColor();
            c.ddTo = root->HoverColorTo();
        } else {
            c.from = look.ColorDown();
            c.to = look.ColorDownTo();
            c.border = look.BorderDownColor();
            c.text = look.CaptionTextColorDown();
            c.gradientHorizontal = IsHorizontal(look.GradientDirectionDown());
            c.ddFrom = look.ColorHot();
            c.ddTo = look.ColorHotTo();
        }
        glyph = &GlyphDown();
    } else if (state == TToolButtonState::bsExclusive) {
        c.from = own.ColorChecked();
        c.to = own.ColorCheckedTo();
        c.border = own.BorderCheckedColor();
        c.text = own.CaptionTextColorChecked();
        c.gradientHorizontal = IsHorizontal(own.GradientDirectionChecked());
        glyph = &GlyphChecked();
        c.ddFrom = c.from;
        c.ddTo = c.to;
    } else if (Hot()) {
        if (root) {
            c.from = root->HoverColor();
            c.to = root->HoverColorTo();
            c.border = root->HoverBorderColor();
            c.text = root->HoverTextColor();
            c.gradientHorizontal = IsHorizontal(root->HoverGradientDirection());
        } else {
            c.from = look.ColorHot();
            c.to = look.ColorHotTo();
            c.border = look.BorderHotColor();
            c.text = look.CaptionTextColorHot();
            c.gradientHorizontal = IsHorizontal(look.GradientDirectionHot());
        }
        glyph = &GlyphHot();
        c.ddFrom = c.from;
        c.ddTo = c.to;
    } else {
        c.text = root ? root->Font().color : look.CaptionTextColor();
    }
    DrawButtonParts(canvas, c, glyph);
}

}  // namespace vx
