#include "editor/qt/ToolSketch.h"

#include <QPen>
#include <QPointF>
#include <algorithm>
#include <cmath>

namespace vx {

ToolSketch::ToolSketch(QPainter& painter, const QRect& box)
    : painter_(painter), box_(box), scale_(std::min(box.width(), box.height()) / 16.0) {
    painter_.setRenderHint(QPainter::Antialiasing);
}

int ToolSketch::PenWidth(qreal width) const {
    // A quarter pixel of slack keeps one-cell lines one pixel wide at 24
    // pixels (1.5 per cell) instead of a blurred pixel and a half.
    return std::max(1, static_cast<int>(std::floor(width * scale_ + 0.25)));
}

qreal ToolSketch::MapX(qreal x, qreal width, bool snap) const {
    // A width of 0 maps edges (of a fill); a pen's centre sits half its
    // width after the pixel edge where its line begins.
    const qreal start = (x - width / 2) * scale_;
    const qreal half = width > 0 ? PenWidth(width) / 2.0 : 0.0;
    return box_.x() + (snap ? std::round(start) : start) + half;
}

qreal ToolSketch::MapY(qreal y, qreal width, bool snap) const {
    const qreal start = (y - width / 2) * scale_;
    const qreal half = width > 0 ? PenWidth(width) / 2.0 : 0.0;
    return box_.y() + (snap ? std::round(start) : start) + half;
}

QPainterPath ToolSketch::Map(const QPainterPath& path, qreal width, bool snapLines) const {
    // Straight outlines snap to whole pixels; a path with curves keeps every
    // point in place so that it stays round and its ends meet its curves.
    QPainterPath mapped = path;
    bool curved = false;
    for (int i = 0; i < mapped.elementCount(); ++i)
        curved = curved || mapped.elementAt(i).isCurveTo();
    for (int i = 0; i < mapped.elementCount(); ++i) {
        const QPainterPath::Element e = mapped.elementAt(i);
        const bool snap = snapLines && !curved;
        mapped.setElementPositionAt(i, MapX(e.x, width, snap), MapY(e.y, width, snap));
    }
    return mapped;
}

void ToolSketch::Fill(qreal x, qreal y, qreal w, qreal h, const QColor& color) {
    const int left = box_.x() + static_cast<int>(std::round(x * scale_));
    const int top = box_.y() + static_cast<int>(std::round(y * scale_));
    const int right = box_.x() + static_cast<int>(std::round((x + w) * scale_));
    const int bottom = box_.y() + static_cast<int>(std::round((y + h) * scale_));
    if (right > left && bottom > top)
        painter_.fillRect(left, top, right - left, bottom - top, color);
}

void ToolSketch::Frame(qreal x, qreal y, qreal w, qreal h, const QColor& fill,
                       const QColor& outline) {
    const int left = box_.x() + static_cast<int>(std::round(x * scale_));
    const int top = box_.y() + static_cast<int>(std::round(y * scale_));
    const int right = box_.x() + static_cast<int>(std::round((x + w) * scale_));
    const int bottom = box_.y() + static_cast<int>(std::round((y + h) * scale_));
    const int pen = PenWidth(1);
    if (outline.isValid()) painter_.fillRect(left, top, right - left, bottom - top, outline);
    if (fill.isValid() && right - left > 2 * pen && bottom - top > 2 * pen) {
        painter_.fillRect(left + pen, top + pen, right - left - 2 * pen, bottom - top - 2 * pen,
                          fill);
    }
}

void ToolSketch::Shape(const QPainterPath& path, const QColor& fill, const QColor& outline) {
    Outlined(Map(path, 1, true), fill, outline);
}

void ToolSketch::Slant(const QPainterPath& path, const QColor& fill, const QColor& outline) {
    Outlined(Map(path, 1, false), fill, outline);
}

void ToolSketch::Outlined(const QPainterPath& mapped, const QColor& fill, const QColor& outline) {
    if (fill.isValid()) painter_.fillPath(mapped, fill);
    if (outline.isValid()) {
        // Square corners stay square; sharp ones are cut off rather than
        // reaching far past their point.
        QPen pen(outline, PenWidth(1), Qt::SolidLine, Qt::SquareCap, Qt::SvgMiterJoin);
        pen.setMiterLimit(1.2);
        painter_.strokePath(mapped, pen);
    }
}

void ToolSketch::Line(const QPainterPath& path, const QColor& color, qreal width,
                      Qt::PenCapStyle cap) {
    QPen pen(color, PenWidth(width), Qt::SolidLine, cap,
             cap == Qt::RoundCap ? Qt::RoundJoin : Qt::SvgMiterJoin);
    pen.setMiterLimit(1.2);
    painter_.strokePath(Map(path, width, true), pen);
}

void ToolSketch::Line(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& color, qreal width,
                      Qt::PenCapStyle cap) {
    QPainterPath path;
    path.moveTo(x1, y1);
    path.lineTo(x2, y2);
    Line(path, color, width, cap);
}

void ToolSketch::Area(const QPainterPath& path, const QColor& color) {
    painter_.fillPath(Map(path, 0, true), color);
}

void ToolSketch::Clear(const QPainterPath& path, qreal width) {
    const QPainter::CompositionMode mode = painter_.compositionMode();
    painter_.setCompositionMode(QPainter::CompositionMode_Clear);
    const QPainterPath mapped = Map(path, 0, false);
    painter_.fillPath(mapped, Qt::black);
    painter_.strokePath(
        mapped, QPen(Qt::black, 2 * width * scale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.setCompositionMode(mode);
}

}  // namespace vx
