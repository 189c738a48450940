#include "styling/toolbar/qt/FxToolBarMenuButton.h"

#include <QMenu>
#include <QMouseEvent>

#include "styling/menus/FxMenuAppearance.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/FxToolBarStylers.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarMenuBar.h"

namespace vx {

TFxToolBarMenuButton::TFxToolBarMenuButton(QWidget* parent) : TFxCustomToolBarButton(parent) {
    SetParentStyler(true);
}

void TFxToolBarMenuButton::SetMenuItem(QAction* item) {
    if (!item || item == item_) return;
    if (item_) disconnect(item_, nullptr, this, nullptr);
    item_ = item;
    connect(item, &QAction::changed, this, [this] { CopyFromItem(); });
    CopyFromItem();
}

void TFxToolBarMenuButton::CopyFromItem() {
    if (!item_) return;
    SetCaption(item_->text());
    SetDown(item_->isChecked());
    SetEnabled(item_->isEnabled());
    SetHint(item_->toolTip() == item_->iconText() ? QString() : item_->toolTip());
    const bool hidden = !item_->isVisible();
    if (hidden != isHidden()) {
        setVisible(!hidden);
        if (TFxCustomToolBar* bar = FxToolBar()) bar->ControlResized(this);
    }
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

namespace {

void Fill(Canvas& canvas, TColor from, TColor to, const TRect& r, bool horizontal) {
    if (from == clNone) return;
    if (to == clNone) {
        canvas.pen.color = from;
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = from;
        canvas.FillRect(r);
        return;
    }
    DrawGradient(canvas, from, to, 40, r, horizontal);
}

bool MenuHorizontal(menus::TGradientDirection d) {
    return d == menus::TGradientDirection::gdHorizontal;
}

bool BarHorizontal(toolbar::TGradientDirection d) {
    return d == toolbar::TGradientDirection::gdHorizontal;
}

}  // namespace

void TFxToolBarMenuButton::DrawButton(Canvas& canvas) {
    const TRect r = ClientRect();
    const bool horizontal = HorizontalBar();
    const auto [f, d] = SplitButtonParts(r, horizontal, DropDownButton());

    // The root-item look of the menu styler the bar's styler carries; a bar
    // without one leaves the button to its own appearance.
    const TRootItem* root = nullptr;
    TFxCustomToolBar* bar = FxToolBar();
    if (ParentStyler() && bar && bar->CurrentStyler())
        if (TCustomFxMenuStyler* menuStyler = bar->CurrentStyler()->CurrentMenuStyler())
            root = &menuStyler->RootItem();
    TButtonAppearance& own = Appearance();
    const TButtonAppearance& look = ParentStyler() && bar && bar->CurrentStyler()
                                        ? bar->CurrentStyler()->ButtonAppearance()
                                        : own;

    const TToolButtonState state = State();
    TColor from = clNone, to = clNone, border = clNone, text = clNone;
    TColor ddFrom = clNone, ddTo = clNone;
    bool gradientHorizontal = BarHorizontal(own.GradientDirection());
    const QImage* glyph = &Glyph();
    const bool downLook = state == TToolButtonState::bsDown ||
                          state == TToolButtonState::bsDropped ||
                          (state == TToolButtonState::bsExclusive && Hot()) || Pressed();
    if (state == TToolButtonState::bsDisabled || !Enabled()) {
        if (!TransparentUp()) {
            from = own.Color();
            to = own.ColorTo();
            border = own.BorderColor();
        }
        text = own.CaptionTextColor();
        glyph = &GlyphDisabled();
        ddFrom = from;
        ddTo = to;
    } else if (downLook) {
        if (root) {
            from = root->SelectedColor();
            to = root->SelectedColorTo();
            border = root->SelectedBorderColor();
            text = root->SelectedTextColor();
            gradientHorizontal = MenuHorizontal(root->SelectedGradientDirection());
            ddFrom = root->HoverColor();
            ddTo = root->HoverColorTo();
        } else {
            from = look.ColorDown();
            to = look.ColorDownTo();
            border = look.BorderDownColor();
            text = look.CaptionTextColorDown();
            gradientHorizontal = BarHorizontal(look.GradientDirectionDown());
            ddFrom = look.ColorHot();
            ddTo = look.ColorHotTo();
        }
        glyph = &GlyphDown();
    } else if (state == TToolButtonState::bsExclusive) {
        from = own.ColorChecked();
        to = own.ColorCheckedTo();
        border = own.BorderCheckedColor();
        text = own.CaptionTextColorChecked();
        gradientHorizontal = BarHorizontal(own.GradientDirectionChecked());
        glyph = &GlyphChecked();
        ddFrom = from;
        ddTo = to;
    } else if (Hot()) {
        if (root) {
            from = root->HoverColor();
            to = root->HoverColorTo();
            border = root->HoverBorderColor();
            text = root->HoverTextColor();
            gradientHorizontal = MenuHorizontal(root->HoverGradientDirection());
        } else {
            from = look.ColorHot();
            to = look.ColorHotTo();
            border = look.BorderHotColor();
            text = look.CaptionTextColorHot();
            gradientHorizontal = BarHorizontal(look.GradientDirectionHot());
        }
        glyph = &GlyphHot();
        ddFrom = from;
        ddTo = to;
    } else {
        if (!TransparentUp()) {
            from = root ? root->Color() : own.Color();
            to = root ? root->ColorTo() : own.ColorTo();
            border = own.BorderColor();
            if (root) gradientHorizontal = MenuHorizontal(root->GradientDirection());
        }
        text = root ? root->Font().color : look.CaptionTextColor();
        ddFrom = from;
        ddTo = to;
    }

    if (from != clNone) {
        if (DropDownButton())
            Fill(canvas, ddFrom, to == clNone ? clNone : ddTo, r, gradientHorizontal);
        Fill(canvas, from, to, f, gradientHorizontal);
    }
    if (border != clNone) {
        canvas.brush.style = BrushStyle::Clear;
        canvas.pen.color = border;
        if (DropDownButton() && DropDownSplit()) {
            canvas.Rectangle(r);
            canvas.Rectangle(f);
        } else if (DropDownButton()) {
            canvas.Rectangle(f.left, f.top, r.right, f.bottom);
        } else {
            canvas.Rectangle(f);
        }
    }
    if (MenuShowing() && DropDownSplit()) {
        canvas.pen.color = 0x800000;
        const int top = horizontal ? f.top : d.top;
        canvas.Polyline(
            {{f.left, d.bottom}, {f.left, top}, {d.right - 1, top}, {d.right - 1, d.bottom}});
    }
    if (DropDownButton()) {
        canvas.pen.color = clBlack;
        if (horizontal) {
            DrawSmallArrow(canvas, {d.left + (d.Width() - 5) / 2, d.top + (d.Height() - 3) / 2 + 1},
                           clBlack);
        } else {
            const int ax = d.left + (d.Width() - 3) / 2 + 1;
            const int ay = d.top + (d.Height() - 5) / 2;
            for (int i = 0; i < 3; ++i) {
                canvas.MoveTo(ax - i, ay + i);
                canvas.LineTo(ax - i, ay + 5 - i);
            }
        }
    }
    if (glyph->isNull() && !Glyph().isNull()) glyph = &Glyph();
    DrawButtonFace(canvas, f, *glyph, text);
}

}  // namespace vx
