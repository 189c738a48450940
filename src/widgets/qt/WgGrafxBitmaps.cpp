// Bitmap routines of the widget family: tiling, strip replication, quarter
// mirroring, flipping, transparent stretching, and the parent's image.
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/CustomControl.h"
#include "widgets/qt/WgGrafx.h"

namespace vx {

void TileBitmap(Canvas& c, const QImage& bitmap, const TRect& r) {
    c.TileDraw(r, bitmap);
}

void ReplicateStrip(Canvas& c, TPoint origin, CopyMode mode, int stripWidth, int stripHeight,
                    int totalWidth, int totalHeight) {
    if (stripWidth <= 0 || stripHeight <= 0) return;
    const int x0 = origin.x, y0 = origin.y;
    // Across: each copy takes everything covered so far, up to what is left.
    for (int covered = stripWidth; covered < totalWidth;) {
        const int n = std::min(covered, totalWidth - covered);
        c.CopyRect({x0 + covered, y0, x0 + covered + n, y0 + stripHeight}, c,
                   {x0, y0, x0 + n, y0 + stripHeight}, mode);
        covered += n;
    }
    const int width = std::max(stripWidth, totalWidth);
    for (int covered = stripHeight; covered < totalHeight;) {
        const int n = std::min(covered, totalHeight - covered);
        c.CopyRect({x0, y0 + covered, x0 + width, y0 + covered + n}, c,
                   {x0, y0, x0 + width, y0 + n}, mode);
        covered += n;
    }
}

void MirrorQuadrant(Canvas& c, TPoint origin, CopyMode mode, int width, int height) {
    const int x0 = origin.x, y0 = origin.y;
    const int halfW = width / 2, halfH = height / 2;
    const int quarterW = (width + 1) / 2;
    if (halfH > 0) {
        c.CopyRect({x0, y0 + height, x0 + quarterW, y0 + height - halfH}, c,
                   {x0, y0, x0 + quarterW, y0 + halfH}, mode);
    }
    if (halfW > 0) {
        c.CopyRect({x0 + width, y0, x0 + width - halfW, y0 + height}, c,
                   {x0, y0, x0 + halfW, y0 + height}, mode);
    }
}

void FlipBitmapVertically(QImage& bitmap) {
    bitmap = bitmap.mirrored(false, true);
}

void StretchTransparentBitmap(Canvas& c, const TRect& dest, const QImage& bitmap,
                              const TRect& source, TColor transparent) {
    if (bitmap.isNull() || source.IsEmpty() || dest.Width() == 0 || dest.Height() == 0) return;
    QImage part = bitmap.copy(ToQRect(source)).convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = ToQColor(transparent).rgb();
    for (int y = 0; y < part.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            if ((row[x] | 0xFF000000u) == clear) row[x] = 0;
        }
    }
    const bool mirrorX = dest.right < dest.left, mirrorY = dest.bottom < dest.top;
    if (mirrorX || mirrorY) part = part.mirrored(mirrorX, mirrorY);
    c.StretchDraw({std::min(dest.left, dest.right), std::min(dest.top, dest.bottom),
                   std::max(dest.left, dest.right), std::max(dest.top, dest.bottom)},
                  part);
}

void DrawParentImage(const QWidget* control, Canvas& c) {
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent) return;
    QImage under;
    if (const auto* custom = qobject_cast<const TCustomControl*>(control)) {
        under = custom->ParentImage();
    } else {
        under = QImage(control->size(), QImage::Format_RGB32);
        under.fill(Qt::white);
        parent->render(&under, QPoint(), QRegion(control->geometry()),
                       QWidget::DrawWindowBackground);
    }
    // Only what lies over the parent's client area.
    const QRect parentArea(-control->x(), -control->y(), parent->width(), parent->height());
    c.SaveState();
    c.IntersectClipRect(
        {parentArea.left(), parentArea.top(), parentArea.right() + 1, parentArea.bottom() + 1});
    c.Draw(0, 0, under);
    c.RestoreState();
}

}  // namespace vx
