#include "widgets/qt/WgGroupDraw.h"

#include <QImage>
#include <QPainter>

#include "platform/DesktopTheme.h"
#include "platform/qt/Canvas.h"
#include "widgets/WgGrafxGradient.h"

namespace vx {
namespace {

// The 15 x 15 button by rows: R ring, F fill, A arrow, b the ring half over
// what is below, h the ring half over the fill; '.' leaves the pixel.
constexpr const char* kOpenedButton[15] = {
    "....bRRRRRb....", "...RhFFFFFhR...", "..RFFFFFFFFFR..", ".RFFFFFAFFFFFR.", "bhFFFFAAAFFFFhb",
    "RFFFFAAFAAFFFFR", "RFFFAAFFFAAFFFR", "RFFFFFFAFFFFFFR", "RFFFFFAAAFFFFFR", "RFFFFAAFAAFFFFR",
    "bhFFAAFFFAAFFhb", ".RFFFFFFFFFFFR.", "..RFFFFFFFFFR..", "...RhFFFFFhR...", "....bRRRRRb....",
};
constexpr const char* kClosedButton[15] = {
    "....bRRRRRb....", "...RhFFFFFhR...", "..RFFFFFFFFFR..", ".RFFFFFFFFFFFR.", "bhFFAAFFFAAFFhb",
    "RFFFFAAFAAFFFFR", "RFFFFFAAAFFFFFR", "RFFFFFFAFFFFFFR", "RFFFAAFFFAAFFFR", "RFFFFAAFAAFFFFR",
    "bhFFFFAAAFFFFhb", ".RFFFFFAFFFFFR.", "..RFFFFFFFFFR..", "...RhFFFFFhR...", "....bRRRRRb....",
};

}  // namespace

void PaintGradient(Canvas& canvas, const TRect& rect, TGradientDirection direction, TColor start,
                   TColor stop) {
    const TGradientPlan plan =
        PlanTwoColorGradient(rect.Width(), rect.Height(), direction, 1, start, stop);
    if (plan.width <= 0 || plan.height <= 0) return;
    QImage image(plan.width, plan.height, QImage::Format_RGB32);
    image.fill(ToQColor(ColorToRGB(start)));
    {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        for (const TGradientFill& fill : plan.fills) {
            painter.setBrush(ToQColor(fill.color));
            if (fill.polygon.empty()) {
                painter.drawRect(fill.rect.left, fill.rect.top, fill.rect.Width(),
                                 fill.rect.Height());
            } else {
                QPolygon polygon;
                for (const TPoint& p : fill.polygon)
                    polygon << QPoint(p.x, p.y);
                painter.drawPolygon(polygon);
            }
        }
        const TRect& painted = plan.painted;
        const QImage part =
            image.copy(painted.left, painted.top, painted.Width(), painted.Height());
        switch (plan.completion) {
            case TGradientCompletion::kReplicateAcross:
                for (int x = painted.right; x < plan.width; x += painted.Width())
                    painter.drawImage(x, 0, part);
                break;
            case TGradientCompletion::kReplicateDown:
                for (int y = painted.bottom; y < plan.height; y += painted.Height())
                    painter.drawImage(0, y, part);
                break;
            case TGradientCompletion::kMirrorQuadrant: {
                // The quarter down into the bottom-left, then the left half across.
                painter.drawImage(0, plan.height - painted.Height(), part.mirrored(false, true));
                const QImage half = image.copy(0, 0, painted.Width(), plan.height);
                painter.drawImage(plan.width - painted.Width(), 0, half.mirrored(true, false));
                break;
            }
            case TGradientCompletion::kNone:
                break;
        }
    }
    canvas.Painter().drawImage(rect.left, rect.top, image);
}

void TCanvasFrameTarget::Fill(const TRect& r, TColor color) {
    canvas_.brush.color = color;
    canvas_.brush.style = BrushStyle::Solid;
    canvas_.FillRect(r);
}

TColor CanvasPixel(Canvas& canvas, int x, int y) {
    QPainter& painter = canvas.Painter();
    const auto* image = dynamic_cast<const QImage*>(painter.device());
    if (image == nullptr) return clBlack;
    const QPointF at = painter.deviceTransform().map(QPointF(x + 0.5, y + 0.5));
    const int px = static_cast<int>(at.x()), py = static_cast<int>(at.y());
    if (!image->valid(px, py)) return clBlack;
    const QRgb rgb = image->pixel(px, py);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void DrawCircleButton(Canvas& canvas, int x, int y, TColor ring, TColor fill, TColor arrow,
                      bool opened) {
    const char* const* rows = opened ? kOpenedButton : kClosedButton;
    const TColor half = MixColors(ring, fill, 128);
    for (int row = 0; row < 15; ++row) {
        for (int col = 0; col < 15; ++col) {
            TColor color = clNone;
            switch (rows[row][col]) {
                case 'R':
                    color = ring;
                    break;
                case 'F':
                    color = fill;
                    break;
                case 'A':
                    color = arrow;
                    break;
                case 'h':
                    color = half;
                    break;
                case 'b':
                    color = MixColors(ring, CanvasPixel(canvas, x + col, y + row), 128);
                    break;
                default:
                    break;
            }
            if (color != clNone) canvas.SetPixel(x + col, y + row, color);
        }
    }
}

TWgColorContext DesktopColorContext() {
    TWgColorContext context;
    context.scheme = XPColorScheme();
    context.visualStyles = VisualStylesActive();
    context.highColor = HighColorDisplay();
    return context;
}

TColor ThemePartColor(int index) {
    if (!VisualStylesActive()) return clBtnFace;
    // The explorer bar of the desktop's scheme: its normal group's colours.
    const TWgColorContext context{XPColorScheme(), true, true};
    const TGroupColors group =
        SelectGroupSchemeColors(context, TWgGradientColorStyle::gcsMSOffice, false);
    switch (index) {
        case 0:
            return group.divider;
        case 1:
        case 2:
        case 6:
            return group.text;
        case 3:
        case 5:
            return group.body;
        case 4:
            return group.fillStart;
        default:
            return clBtnFace;
    }
}

}  // namespace vx
