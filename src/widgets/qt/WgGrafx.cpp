#include "widgets/qt/WgGrafx.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QVariant>
#include <QWidget>
#include <cstdlib>
#include <utility>

namespace vx {
namespace {

// Frames fill their one-pixel strokes straight onto the canvas's painter, in
// copy mode, whatever the canvas's brush.
class CanvasTarget : public TFrameTarget {
  public:
    explicit CanvasTarget(Canvas& c) : painter_(c.Painter()) {}
    void Fill(const TRect& r, TColor color) override {
        painter_.fillRect(r.left, r.top, r.Width(), r.Height(), ToQColor(color));
    }

  private:
    QPainter& painter_;
};

}  // namespace

TRect DrawSides(Canvas& c, const TRect& r, TColor ul, TColor lr, TSides sides) {
    CanvasTarget t(c);
    return DrawSides(t, r, ul, lr, sides);
}

TRect DrawBevel(Canvas& c, const TRect& r, TColor ul, TColor lr, int width, TSides sides) {
    CanvasTarget t(c);
    return DrawBevel(t, r, ul, lr, width, sides);
}

TRect FrameChosenSides(Canvas& c, const TRect& r, TFrameStyle style, TSides sides) {
    CanvasTarget t(c);
    return FrameChosenSides(t, r, style, sides);
}

TRect FrameAllSides(Canvas& c, const TRect& r, TFrameStyle style) {
    CanvasTarget t(c);
    return FrameAllSides(t, r, style);
}

TRect OutlineRect(Canvas& c, const TRect& r, TColor color) {
    CanvasTarget t(c);
    return OutlineRect(t, r, color);
}

TRect RoundedFlatSides(Canvas& c, const TRect& r, TColor color, TSides sides) {
    CanvasTarget t(c);
    return RoundedFlatSides(t, r, color, sides);
}

TRect PaintFrameStyle(Canvas& c, const TRect& r, const TFrameStyleParams& p) {
    CanvasTarget t(c);
    return PaintFrameStyle(t, r, p);
}

void PaintTwoColorGradient(Canvas& c, const TRect& r, TGradientDirection direction,
                           int smoothFactor, TColor start, TColor stop) {
    const TGradientPlan plan =
        PlanTwoColorGradient(r.Width(), r.Height(), direction, smoothFactor, start, stop);
    if (plan.fills.empty()) return;
    QImage bitmap(plan.width, plan.height, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        Canvas b(painter);
        b.pen.style = PenStyle::Clear;
        for (const TGradientFill& f : plan.fills) {
            if (f.polygon.empty()) {
                painter.fillRect(f.rect.left, f.rect.top, f.rect.Width(), f.rect.Height(),
                                 ToQColor(f.color));
            } else {
                b.brush.color = f.color;
                b.Polygon(f.polygon);
            }
        }
        const TRect& part = plan.painted;
        switch (plan.completion) {
            case TGradientCompletion::kReplicateAcross:
            case TGradientCompletion::kReplicateDown:
                ReplicateStrip(b, {0, 0}, CopyMode::SrcCopy, part.Width(), part.Height(),
                               plan.width, plan.height);
                break;
            case TGradientCompletion::kMirrorQuadrant:
                MirrorQuadrant(b, {0, 0}, CopyMode::SrcCopy, plan.width, plan.height);
                break;
            case TGradientCompletion::kNone:
                break;
        }
    }
    c.Draw(r.left, r.top, bitmap);
}

void PaintThemedBand(Canvas& c, const TRect& r, TWgVisualStyle visualStyle,
                     TWgGradientColorStyle colorStyle, bool reversed, TColor first, TColor second,
                     const TWgColorContext& ctx) {
    if (visualStyle == TWgVisualStyle::vsWinXP && ctx.visualStyles) {
        const TColorPair band = SelectBandColors(ctx, TWgGradientColorStyle::gcsMSOffice);
        PaintTwoColorGradient(c, r, TGradientDirection::gdHorizontalEnd, 1, band.start, band.stop);
        return;
    }
    if (visualStyle == TWgVisualStyle::vsClassic || !ctx.highColor) return;
    TColor a = first, b = second;
    if (colorStyle != TWgGradientColorStyle::gcsCustom) {
        const TColorPair caption = SelectCaptionColors(ctx, colorStyle);
        a = caption.start;
        b = caption.stop;
    }
    if (reversed) std::swap(a, b);
    PaintTwoColorGradient(c, r, TGradientDirection::gdHorizontalEnd, 1, a, b);
}

unsigned AlignmentFlag(TAlignment a) {
    switch (a) {
        case TAlignment::taLeftJustify:
            return DrawTextFlags::kLeft;
        case TAlignment::taRightJustify:
            return DrawTextFlags::kRight;
        case TAlignment::taCenter:
            return DrawTextFlags::kCenter;
    }
    return DrawTextFlags::kLeft;
}

int DrawTextInRect(Canvas& c, std::string_view text, TRect& r, unsigned flags) {
    return c.DrawText(text, r, flags);
}

CanvasFont CreateRotatedFont(const CanvasFont& font, int angle) {
    CanvasFont turned = font;
    turned.escapement = angle * 10;
    return turned;
}

bool IsTrueTypeFont(const CanvasFont& font) {
    const QFontInfo info(ToQFont(font));
    return QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

void RedrawWindowFrameRect(QWidget* window, const TRect& r) {
    if (!window || r.IsEmpty() || window->visibleRegion().isEmpty()) return;
    window->update(ToQRect(r));
}

void InvalidateTransparentChildren(QWidget* control) {
    if (!control) return;
    for (QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property("Transparent").toBool()) child->update();
    }
}

}  // namespace vx
