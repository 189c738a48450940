#include "widgets/qt/WgTabGlyphs.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "widgets/WgCommonColors.h"
#include "widgets/WgGrafxGradient.h"

namespace vx {
namespace {

// The theme's glyph colour: pixel (8, 10) of the style's scroll arrow drawn
// on a 17 x 21 bitmap, cl3DDkShadow where that is close to the window colour.
TColor ThemeGlyphColor() {
    QImage image(17, 21, QImage::Format_RGB32);
    image.fill(ToQColor(clWindow));
    {
        QPainter painter(&image);
        QStyleOption option;
        option.rect = image.rect();
        option.palette = QApplication::palette();
        option.state = QStyle::State_Enabled;
        QApplication::style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter);
    }
    const QRgb p = image.pixel(8, 10);
    const TColor color = RGBColor(qRed(p), qGreen(p), qBlue(p));
    return ColorsSimilar(color, clWindow) ? cl3DDkShadow : color;
}

void Fill(Canvas& canvas, int left, int top, int right, int bottom, TColor color) {
    canvas.brush.color = color;
    canvas.brush.style = BrushStyle::Solid;
    canvas.FillRect({left, top, right, bottom});
}

}  // namespace

void DrawArrowGlyph(Canvas& canvas, const TRect& rect, int style, bool enabled, bool down,
                    TArrowDirection direction) {
    (void)down;
    TColor color = clBtnShadow;
    if (enabled) {
        if (style == kGlyphXP)
            color = ThemeGlyphColor();
        else
            color = ColorsSimilar(canvas.brush.color, clBlack) ? cl3DDkShadow : clBlack;
    }
    int cx = rect.left + rect.Width() / 2;
    int cy = rect.top + rect.Height() / 2;
    const bool sideways = direction == TArrowDirection::Left || direction == TArrowDirection::Right;
    if (style == kGlyphXP) {
        static constexpr int kOff[] = {4, 2, 1, 3};
        const int off = kOff[static_cast<int>(direction)];
        if (sideways)
            cx -= off;
        else
            cy -= off;
    } else if (sideways) {
        cx -= 2;
    }
    const TColor saved = canvas.brush.color;
    for (int k = 0; k < 4; ++k) {
        // Row k of the triangle from its tip: 2k + 1 pixels.
        switch (direction) {
            case TArrowDirection::Up:
                Fill(canvas, cx - k, cy - 2 + k, cx + k + 1, cy - 1 + k, color);
                break;
            case TArrowDirection::Down:
                Fill(canvas, cx - k, cy + 1 - k, cx + k + 1, cy + 2 - k, color);
                break;
            case TArrowDirection::Left:
                Fill(canvas, cx - 2 + k, cy - k, cx - 1 + k, cy + k + 1, color);
                break;
            case TArrowDirection::Right:
                Fill(canvas, cx + 1 - k, cy - k, cx + 2 - k, cy + k + 1, color);
                break;
        }
    }
    canvas.brush.color = saved;
}

TColor CloseGlyphColor(int style, bool enabled) {
    if (!enabled) return clBtnShadow;
    return style == kGlyphXP ? ThemeGlyphColor() : clBlack;
}

void DrawCloseGlyph(Canvas& canvas, const TRect& rect, TColor color, bool enabled, bool down) {
    (void)down;
    if (!enabled) color = clBtnShadow;
    const int n = rect.Width() >= 9 && rect.Height() >= 11 ? 9 : 7;
    const int left = rect.left + (rect.Width() - n) / 2;
    const int top = rect.top + (rect.Height() - n) / 2;
    const TColor saved = canvas.brush.color;
    for (int i = 0; i < n; ++i) {
        // Two pixels of each stroke on every row.
        const int a = i;
        const int b = n - 2 - i;
        Fill(canvas, left + std::min(a, n - 2), top + i, left + std::min(a, n - 2) + 2, top + i + 1,
             color);
        Fill(canvas, left + std::max(b, 0), top + i, left + std::max(b, 0) + 2, top + i + 1, color);
    }
    canvas.brush.color = saved;
}

void DrawTabButtonFace(Canvas& canvas, const TRect& rect, const TWgButtonFaceColors& colors,
                       TColor frameColor, bool hot, bool down) {
    if (colors.useGradients) {
        TColor start = colors.unselected;
        TColor stop = colors.shadow;
        if (down) {
            start = ReduceLightness(colors.shadow, 30);
            stop = ReduceLightness(colors.unselected, 30);
        } else if (hot) {
            start = IncreaseLightness(colors.unselected, 30);
            stop = IncreaseLightness(colors.shadow, 30);
        }
        PaintTabGradient(canvas, rect.Inflated(-1, -1), TGradientDirection::gdHorizontalEnd, 1,
                         start, stop);
        canvas.pen = {frameColor, 1, PenStyle::Solid};
        canvas.brush.style = BrushStyle::Clear;
        canvas.Rectangle(rect);
        canvas.brush.style = BrushStyle::Solid;
        return;
    }
    canvas.pen = {frameColor, 1, PenStyle::Solid};
    canvas.brush = {colors.unselected, BrushStyle::Solid};
    canvas.Rectangle(rect);
}

void PaintTabGradient(Canvas& canvas, const TRect& rect, TGradientDirection direction,
                      int smoothFactor, TColor start, TColor stop) {
    const TGradientPlan plan = PlanTwoColorGradient(
        rect.Width(), rect.Height(), direction, smoothFactor, ColorToRGB(start), ColorToRGB(stop));
    if (plan.width <= 0 || plan.height <= 0) return;
    QImage image(plan.width, plan.height, QImage::Format_RGB32);
    image.fill(ToQColor(ColorToRGB(start)));
    {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        for (const TGradientFill& fill : plan.fills) {
            painter.setBrush(ToQColor(fill.color));
            if (fill.polygon.empty()) {
                painter.drawRect(
                    QRect(fill.rect.left, fill.rect.top, fill.rect.Width(), fill.rect.Height()));
            } else {
                QPolygon polygon;
                for (const TPoint& p : fill.polygon)
                    polygon << QPoint(p.x, p.y);
                painter.drawPolygon(polygon);
            }
        }
    }
    const TRect& part = plan.painted;
    switch (plan.completion) {
        case TGradientCompletion::kNone:
            break;
        case TGradientCompletion::kReplicateAcross:
            for (int y = 0; y < plan.height; ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = part.right; x < plan.width; ++x)
                    line[x] = line[(x - part.left) % std::max(part.Width(), 1) + part.left];
            }
            break;
        case TGradientCompletion::kReplicateDown:
            for (int y = part.bottom; y < plan.height; ++y) {
                const int from = (y - part.top) % std::max(part.Height(), 1) + part.top;
                std::copy_n(reinterpret_cast<const QRgb*>(image.constScanLine(from)), plan.width,
                            reinterpret_cast<QRgb*>(image.scanLine(y)));
            }
            break;
        case TGradientCompletion::kMirrorQuadrant:
            for (int y = 0; y < plan.height; ++y) {
                const int sy = y < part.bottom ? y : plan.height - 1 - y;
                for (int x = 0; x < plan.width; ++x) {
                    const int sx = x < part.right ? x : plan.width - 1 - x;
                    image.setPixel(
                        x, y,
                        image.pixel(std::min(sx, part.right - 1), std::min(sy, part.bottom - 1)));
                }
            }
            break;
    }
    canvas.Painter().drawImage(rect.left, rect.top, image);
}

}  // namespace vx
