#include "widgets/qt/WgPrgres.h"

#include <QResizeEvent>
#include <algorithm>

#include "platform/DesktopTheme.h"
#include "widgets/WgFrameController.h"
#include "widgets/qt/WgGrafx.h"

namespace vx {

TWgCustomProgressBar::TWgCustomProgressBar(QWidget* parent) : TCustomControl(parent) {
    resize(200, 24);
}

TWgCustomProgressBar::~TWgCustomProgressBar() {
    if (frameController_) frameController_->Unlink(*this);
}

void TWgCustomProgressBar::SetBarColor(TColor c) {
    if (!SetPublished(barColor_, c)) return;
    CanvasFont font = Font();
    font.color = c;
    SetFont(font);
}

void TWgCustomProgressBar::SetBarStyle(TBarStyle s) {
    if (!SetPublished(barStyle_, s)) return;
    SetShowPercent(s != TBarStyle::bsLED);
    SetInteriorOffset(s == TBarStyle::bsLED ? 1 : 0);
}

void TWgCustomProgressBar::SetPercent(std::uint16_t percent) {
    if (percent == percent_) return;
    percent_ = percent;
    if (OnChange) OnChange(*this, percent_);
    Invalidate();
}

void TWgCustomProgressBar::SetPartsComplete(std::uint32_t parts) {
    parts = std::min(parts, totalParts_);
    if (parts == partsComplete_) return;
    partsComplete_ = parts;
    if (IsLoading()) return;
    if (auto percent = PercentOfParts(partsComplete_, totalParts_))
        SetPercent(static_cast<std::uint16_t>(*percent));
}

void TWgCustomProgressBar::SetTotalParts(std::uint32_t total) {
    if (total == totalParts_) return;
    totalParts_ = total;
    if (IsLoading()) return;
    partsComplete_ = 0;
    SetPercent(0);
}

void TWgCustomProgressBar::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    SetOrientation(OrientationOfShape(width(), height()));
}

void TWgCustomProgressBar::SetFrameController(TWgFrameController* controller) {
    if (controller == frameController_) return;
    if (frameController_) frameController_->Unlink(*this);
    frameController_ = controller;
    if (frameController_) frameController_->Link(*this);
}

void TWgCustomProgressBar::FrameControllerRemoved(TWgFrameController& controller) {
    if (frameController_ == &controller) frameController_ = nullptr;
}

void TWgCustomProgressBar::TakeFrameSetting(TWgFrameControllerNotification,
                                            const TWgFrameController& controller) {
    ApplyFrameController(controller);
}

void TWgCustomProgressBar::ApplyFrameController(const TWgFrameController& controller) {
    if (!controller.FrameVisible()) return;
    using enum TWgFrameControllerNotification;
    auto wants = [this](TWgFrameControllerNotification n) {
        return (notifications_ & FcpBit(n)) != 0;
    };
    if (wants(fcpFrameStyle)) borderOuter_ = controller.FrameStyle();
    if (wants(fcpFrameColor)) {
        flatColor_ = controller.FrameColor();
        flatColorAdjustment_ = 0;
    }
    if (wants(fcpColor)) backColor_ = controller.Color();
    if (wants(fcpParentColor)) SetParentColor(controller.ParentColor());
    Invalidate();
}

void TWgCustomProgressBar::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    SetOrientation(OrientationOfShape(width, height));
}

bool TWgCustomProgressBar::Themed() const {
    return themeAware_ && VisualStylesActive();
}

TRect TWgCustomProgressBar::PaintFrame(Canvas& canvas) {
    TRect r = ClientRect();
    if (Themed()) {
        // The stand-in theme's track: a window-coloured groove in its border colour.
        canvas.brush.color = clWindow;
        canvas.brush.style = BrushStyle::Solid;
        canvas.FillRect(r);
        OutlineRect(canvas, r, ThemePartColor(CurrentColorContext(), 0));
        const int inset = interiorOffset_ + (barStyle_ == TBarStyle::bsLED ? 1 : 3);
        return r.Inflated(-inset, -inset);
    }
    canvas.brush.color = borderColor_;
    canvas.brush.style = BrushStyle::Solid;
    canvas.FillRect(r);
    TFrameStyleParams p;
    p.outer = borderOuter_;
    p.inner = borderInner_;
    p.borderWidth = borderWidth_;
    p.bevelWidth = bevelWidth_;
    p.sides = TSides::All();
    p.color = backColor_;
    p.parentColor = Color();
    if (const auto* parent = qobject_cast<const TCustomControl*>(parentWidget()))
        p.parentColor = parent->Color();
    p.borderColor = borderColor_;
    p.highlight = clBtnHighlight;
    p.shadow = clBtnShadow;
    p.flatColor = flatColor_;
    p.flatColorAdjustment = flatColorAdjustment_;
    p.transparent = false;
    p.fullRect = true;
    r = PaintFrameStyle(canvas, r, p);
    if (interiorOffset_ > 0)
        r = DrawBevel(canvas, r, backColor_, backColor_, interiorOffset_, TSides::All());
    return r;
}

void TWgCustomProgressBar::Paint(Canvas& canvas) {
    const TRect interior = PaintFrame(canvas);
    switch (barStyle_) {
        case TBarStyle::bsTraditional:
            PaintSolid(canvas, interior);
            break;
        case TBarStyle::bsGradient:
            PaintGradient(canvas, interior);
            break;
        case TBarStyle::bsLED:
            PaintLed(canvas, interior);
            break;
    }
}

void TWgCustomProgressBar::PaintText(Canvas& canvas, const TRect& interior, const TRect& clip,
                                     TColor color) {
    const std::string text = PercentText(showPercent_, percent_);
    if (text.empty() || clip.IsEmpty()) return;
    canvas.font = Font();
    canvas.font.color = color;
    canvas.textAlign = TextAlign::Center;
    const TPoint at = PercentTextAnchor(interior, canvas.TextHeight("X"));
    canvas.brush.style = BrushStyle::Clear;
    canvas.TextRect(clip, at.x, at.y, text);
    canvas.brush.style = BrushStyle::Solid;
    canvas.textAlign = TextAlign::Left;
}

void TWgCustomProgressBar::PaintSolid(Canvas& canvas, const TRect& interior) {
    const TBarSplit split = SplitBar(interior, percent_, orientation_);
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = barColor_;
    if (!split.bar.IsEmpty()) canvas.FillRect(split.bar);
    PaintText(canvas, interior, split.bar, backColor_);
    canvas.brush.color = backColor_;
    if (!split.rest.IsEmpty()) canvas.FillRect(split.rest);
    PaintText(canvas, interior, split.rest, barColor_);
}

void TWgCustomProgressBar::PaintGradient(Canvas& canvas, const TRect& interior) {
    const TBarSplit split = SplitBar(interior, percent_, orientation_);
    PaintTwoColorGradient(canvas, split.bar, gradientDirection_, 1, barColor_, barColorStop_);
    PaintText(canvas, interior, split.bar, backColor_);
    PaintTwoColorGradient(canvas, split.rest, gradientDirection_, 1, backColor_, backColorStop_);
    PaintText(canvas, interior, split.rest, barColor_);
}

void TWgCustomProgressBar::PaintLed(Canvas& canvas, const TRect& interior) {
    if (Themed()) {
        // The stand-in theme's chunks up to the percentage, never past the bar.
        const TRect r = interior.Inflated(-1, -1);
        const int shown = std::min<int>(percent_, 100);
        canvas.brush.color = clHighlight;
        canvas.brush.style = BrushStyle::Solid;
        const TRect chunk = SplitBar(r, shown, orientation_).bar;
        if (!chunk.IsEmpty()) canvas.FillRect(chunk);
        return;
    }
    const TLedRow row = LayoutLedRow(interior, orientation_, numSegments_, percent_);
    canvas.brush.color = backColor_;
    canvas.brush.style = BrushStyle::Solid;
    if (!row.leadMargin.IsEmpty()) canvas.FillRect(row.leadMargin);
    if (!row.trailMargin.IsEmpty()) canvas.FillRect(row.trailMargin);
    canvas.pen = CanvasPen{backColor_};
    for (int i = 0; i < row.count; ++i) {
        if (row.segments[static_cast<std::size_t>(i)].IsEmpty()) continue;
        canvas.brush.color = i < row.lit ? barColor_ : backColor_;
        canvas.Rectangle(row.segments[static_cast<std::size_t>(i)]);
    }
}

}  // namespace vx
