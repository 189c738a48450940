#include "widgets/qt/WgPanel.h"

#include <QEvent>
#include <QLayout>
#include <QResizeEvent>
#include <algorithm>

#include "platform/DesktopTheme.h"
#include "widgets/WgFrameController.h"
#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgPanelDock.h"

namespace vx {

TWgCustomPanel::TWgCustomPanel(QWidget* parent) : TCustomControl(parent) {
    SetParentColor(false);
    SetColor(clBtnFace);
    SetUseDockManager(true);
    resize(185, 41);
}

TWgCustomPanel::~TWgCustomPanel() {
    if (frameController_) frameController_->Unlink(*this);
}

void TWgCustomPanel::SetGradientColorStart(TColor c) {
    if (SetPublished(gradientColorStart_, c)) RepaintWithTransparentChildren();
}

void TWgCustomPanel::SetGradientColorStop(TColor c) {
    if (SetPublished(gradientColorStop_, c)) RepaintWithTransparentChildren();
}

void TWgCustomPanel::SetGradientDirection(TGradientDirection d) {
    if (SetPublished(gradientDirection_, d)) RepaintWithTransparentChildren();
}

void TWgCustomPanel::RepaintWithTransparentChildren() {
    if (!IsLoading()) InvalidateTransparentChildren(this);
}

void TWgCustomPanel::SetTransparent(bool t) {
    if (!SetPublished(transparent_, t)) return;
    setAttribute(Qt::WA_OpaquePaintEvent, !t);
    if (IsLoading()) return;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->update();
}

void TWgCustomPanel::SetFrameController(TWgFrameController* controller) {
    if (controller == frameController_) return;
    if (frameController_) frameController_->Unlink(*this);
    frameController_ = controller;
    if (frameController_) frameController_->Link(*this);
}

void TWgCustomPanel::FrameControllerRemoved(TWgFrameController& controller) {
    if (frameController_ == &controller) frameController_ = nullptr;
}

void TWgCustomPanel::TakeFrameSetting(TWgFrameControllerNotification,
                                      const TWgFrameController& controller) {
    ApplyFrameController(controller);
}

void TWgCustomPanel::ApplyFrameController(const TWgFrameController& controller) {
    if (!controller.FrameVisible()) return;
    using enum TWgFrameControllerNotification;
    auto wants = [this](TWgFrameControllerNotification n) {
        return (notifications_ & FcpBit(n)) != 0;
    };
    if (wants(fcpFrameStyle)) borders_.outer = controller.FrameStyle();
    if (wants(fcpFrameSides)) borders_.sides = controller.FrameSides();
    if (wants(fcpFrameColor)) {
        flatColor_ = controller.FrameColor();
        flatColorAdjustment_ = 0;
    }
    if (wants(fcpColor)) {
        SetColor(controller.Color());
        borderHighlight_ = IncreaseLightness(controller.Color(), 100);
        borderShadow_ = ReduceLightness(controller.Color(), 50);
    }
    if (wants(fcpParentColor)) SetParentColor(controller.ParentColor());
    Realign();
    Invalidate();
}

TRect TWgCustomPanel::AdjustBorders(const TRect& r, bool includeBorderWidth) const {
    return AdjustPanelBorders(r, borders_, includeBorderWidth);
}

void TWgCustomPanel::AdjustClientRect(TRect& rect) {
    // The framework's panel keeps its border width free all round; a dock
    // site's clients stay inside the frames too.
    rect = PanelClientRect().Inflated(-borders_.borderWidth, -borders_.borderWidth);
    if (DockSite()) rect = AdjustBorders(rect, false);
}

void TWgCustomPanel::AlignControls(QWidget* control, TRect& rect) {
    if (!DockSite()) rect = AdjustBorders(rect, false);
    // A plain Qt layout on the panel keeps to the same area.
    if (QLayout* l = layout()) {
        l->setContentsMargins(std::max(rect.left, 0), std::max(rect.top, 0),
                              std::max(width() - rect.right, 0),
                              std::max(height() - rect.bottom, 0));
    }
    TCustomControl::AlignControls(control, rect);
}

TRect TWgCustomPanel::InteriorRect() const {
    TRect r = BorderBoxRect();
    return AdjustBorders(r, true);
}

TDockTree* TWgCustomPanel::CreateDockManager() {
    return new TWgPanelDockManager(*this);
}

void TWgCustomPanel::SetFullRepaint(bool f) {
    fullRepaint_ = f;
    // Qt then repaints only what a resize uncovers; the rest is ours.
    setAttribute(Qt::WA_StaticContents, !f);
}

QRegion TWgCustomPanel::ResizeRepaint(const QSize& old) const {
    const TRect inner = AdjustBorders(BorderBoxRect(), true);
    const int right = width() - inner.right;
    const int bottom = height() - inner.bottom;
    QRegion region;
    if (old.width() != width() && right > 0) {
        region += QRect(old.width() - right, 0, right, height());
        region += QRect(width() - right, 0, right, height());
    }
    if (old.height() != height() && bottom > 0) {
        region += QRect(0, old.height() - bottom, width(), bottom);
        region += QRect(0, height() - bottom, width(), bottom);
    }
    return region;
}

void TWgCustomPanel::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    if (IsLoading() || !event->oldSize().isValid()) return;
    if (fullRepaint_ || !Caption().isEmpty())
        update();
    else
        update(ResizeRepaint(event->oldSize()));
}

void TWgCustomPanel::SetBounds(int left, int top, int width, int height) {
    if (Align() == TAlign::alBottom && height != this->height()) top += this->height() - height;
    if (Align() == TAlign::alRight && width != this->width()) left += this->width() - width;
    TCustomControl::SetBounds(left, top, width, height);
}

void TWgCustomPanel::EnabledChanged() {
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (!Enabled()) {
        savedEnabled_.clear();
        for (QWidget* child : children) {
            savedEnabled_.append({child, !child->testAttribute(Qt::WA_ForceDisabled)});
            child->setEnabled(false);
        }
    } else {
        for (QWidget* child : children) {
            bool enable = true;
            for (const auto& [saved, wasEnabled] : savedEnabled_) {
                if (saved == child) enable = wasEnabled;
            }
            if (enable) child->setEnabled(true);
        }
    }
    Invalidate();
}

void TWgCustomPanel::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter();
}

void TWgCustomPanel::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave();
}

bool TWgCustomPanel::event(QEvent* event) {
    const bool handled = TCustomControl::event(event);
    // The desktop's theme changed: its colour scheme is read again.
    if (event->type() == QEvent::ThemeChange) SetXPColorScheme(ReadXPColorScheme());
    return handled;
}

TColorPair TWgCustomPanel::GradientColors() const {
    if (gradientColorStyle_ == TWgGradientColorStyle::gcsCustom)
        return {gradientColorStart_, gradientColorStop_};
    return SelectBandColors(CurrentColorContext(), gradientColorStyle_);
}

std::pair<TColor, int> TWgCustomPanel::FlatColors() const {
    if (visualStyle_ == TWgVisualStyle::vsGradient &&
        gradientColorStyle_ != TWgGradientColorStyle::gcsCustom)
        return {SelectFrameColor(CurrentColorContext(), gradientColorStyle_), 0};
    return {flatColor_, flatColorAdjustment_};
}

TColor TWgCustomPanel::ParentColorValue() const {
    const QWidget* parent = parentWidget();
    if (!parent) return Color();
    if (const auto* control = qobject_cast<const TCustomControl*>(parent)) return control->Color();
    return ToTColor(parent->palette().color(parent->backgroundRole()));
}

TFrameStyleParams TWgCustomPanel::FrameParams() const {
    TFrameStyleParams p;
    p.outer = borders_.outer;
    p.inner = borders_.inner;
    p.borderWidth = borders_.borderWidth;
    p.bevelWidth = borders_.bevelWidth;
    p.sides = borders_.sides;
    p.color = Color();
    p.parentColor = ParentColorValue();
    p.borderColor = borderColor_;
    p.highlight = borderHighlight_;
    p.shadow = borderShadow_;
    const auto [flat, adjustment] = FlatColors();
    p.flatColor = flat;
    p.flatColorAdjustment = adjustment;
    p.transparent = transparent_;
    p.fullRect = false;
    return p;
}

}  // namespace vx
