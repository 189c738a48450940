#include "widgets/qt/WgTabGlyphs.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "widgets/WgCommonColors.h"
#include "widgets/qt/WgGrafx.h"

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
        PaintTwoColorGradient(canvas, rect.Inflated(-1, -1), TGradientDirection::gdHorizontalEnd, 1,
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

}  // namespace vx
