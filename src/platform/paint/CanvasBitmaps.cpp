// The canvas's bitmaps: drawing, copying in the raster modes, stretching and
// mirroring, tiling, the brush over an area, and reading pixels back.
#include <algorithm>
#include <cstdlib>

#include "platform/paint/Canvas.h"
#include "platform/paint/CanvasRaster.h"

namespace vx {

namespace canvas_detail {

QPainter::CompositionMode CompositionOf(CopyMode mode) {
    switch (mode) {
        case CopyMode::SrcInvert:
        case CopyMode::PatInvert:
            return QPainter::RasterOp_SourceXorDestination;
        case CopyMode::SrcAnd:
            return QPainter::RasterOp_SourceAndDestination;
        case CopyMode::SrcPaint:
            return QPainter::RasterOp_SourceOrDestination;
        case CopyMode::NotSrcCopy:
            return QPainter::RasterOp_NotSource;
        case CopyMode::DstInvert:
            return QPainter::RasterOp_NotDestination;
        default:
            return QPainter::CompositionMode_Source;
    }
}

}  // namespace canvas_detail

namespace {

using canvas_detail::CompositionOf;
using canvas_detail::CompositionScope;

}  // namespace

const QImage* Canvas::DeviceImage() const {
    const QPaintDevice* device = painter_.device();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    return static_cast<const QImage*>(device);
}

QPoint Canvas::ToDevice(int x, int y) const {
    return painter_.combinedTransform().map(QPoint(x, y));
}

void Canvas::Draw(int x, int y, const QImage& image) {
    painter_.drawImage(QPoint(x, y), image);
}

void Canvas::DrawTransparent(int x, int y, const QImage& image) {
    if (image.isNull()) return;
    const QRgb corner = image.pixel(0, image.height() - 1);
    DrawTransparent(x, y, image, RGBColor(qRed(corner), qGreen(corner), qBlue(corner)));
}

void Canvas::DrawTransparent(int x, int y, const QImage& image, TColor transparentColor,
                             TColor ink) {
    if (image.isNull()) return;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(transparentColor).rgb() & 0xFFFFFF;
    const QRgb inkRgb = ink == clNone ? 0 : ToQColor(ink).rgb();
    for (int row = 0; row < out.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(row));
        for (int col = 0; col < out.width(); ++col) {
            if ((line[col] & 0xFFFFFF) == key)
                line[col] = 0;
            else if (ink != clNone)
                line[col] = inkRgb;
        }
    }
    painter_.drawImage(QPoint(x, y), out);
}

void Canvas::StretchDraw(const TRect& dest, const QImage& image) {
    if (dest.IsEmpty() || image.isNull()) return;
    painter_.drawImage(ToQRect(dest), image);
}

void Canvas::CopyRect(const TRect& dest, const QImage& image, const TRect& source, CopyMode mode) {
    const int w = std::abs(dest.Width()), h = std::abs(dest.Height());
    if (w == 0 || h == 0 || source.IsEmpty() || image.isNull()) return;
    // Raster modes work on the colour bits alone.
    QImage part = image.copy(ToQRect(source)).convertToFormat(QImage::Format_RGB32);
    const bool mirrorX = dest.right < dest.left, mirrorY = dest.bottom < dest.top;
    if (mirrorX || mirrorY) part = part.mirrored(mirrorX, mirrorY);
    if (part.width() != w || part.height() != h)
        part = part.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const CompositionScope scope(painter_, CompositionOf(mode));
    painter_.drawImage(QPoint(std::min(dest.left, dest.right), std::min(dest.top, dest.bottom)),
                       part);
}

void Canvas::CopyRect(const TRect& dest, const Canvas& from, const TRect& source, CopyMode mode) {
    const QImage part = from.Snapshot(source);
    if (!part.isNull()) CopyRect(dest, part, {0, 0, part.width(), part.height()}, mode);
}

void Canvas::BrushCopy(const TRect& dest, const QImage& image, const TRect& source,
                       TColor transparentColor) {
    if (dest.IsEmpty() || source.IsEmpty() || image.isNull()) return;
    QImage part = image.copy(ToQRect(source)).convertToFormat(QImage::Format_ARGB32);
    if (part.width() != dest.Width() || part.height() != dest.Height())
        part =
            part.scaled(dest.Width(), dest.Height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRgb key = ToQColor(transparentColor).rgb() & 0xFFFFFF;
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == key ? 0 : line[x] | 0xFF000000u;
    }
    const CompositionScope scope(painter_, QPainter::CompositionMode_SourceOver);
    FillRect(dest);
    painter_.drawImage(QPoint(dest.left, dest.top), part);
}

QImage Canvas::Snapshot(const TRect& r) const {
    const QImage* device = DeviceImage();
    if (!device || r.IsEmpty()) return {};
    const QPoint at = ToDevice(r.left, r.top);
    return device->copy(QRect(at.x(), at.y(), r.Width(), r.Height()));
}

void Canvas::PatBlt(const TRect& r, CopyMode mode) {
    if (r.IsEmpty()) return;
    const QRect q = ToQRect(r);
    if (mode == CopyMode::DstInvert) {
        const CompositionScope scope(painter_, CompositionOf(mode));
        painter_.fillRect(q, Qt::white);
        return;
    }
    if (brush.style == BrushStyle::Clear || brush.color == clNone) return;
    if (mode == CopyMode::PatInvert) {
        const CompositionScope scope(painter_, CompositionOf(mode));
        if (brush.style == BrushStyle::Halftone)
            painter_.fillRect(q, canvas_detail::HalftoneWhite());
        else
            painter_.fillRect(q, ToQColor(brush.color));
        return;
    }
    FillRect(r);
}

void Canvas::TileDraw(const TRect& r, const QImage& image) {
    if (r.IsEmpty() || image.isNull()) return;
    painter_.save();
    painter_.setClipRect(ToQRect(r), painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    for (int y = r.top; y < r.bottom; y += image.height()) {
        for (int x = r.left; x < r.right; x += image.width())
            painter_.drawImage(QPoint(x, y), image);
    }
    painter_.restore();
}

TColor Canvas::Pixel(int x, int y) const {
    const QImage* device = DeviceImage();
    if (!device) return clNone;
    const QPoint at = ToDevice(x, y);
    if (!device->rect().contains(at)) return clNone;
    const QRgb rgb = device->pixel(at);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

}  // namespace vx
