// A pen for the tool pictures: draws on a grid of 16 x 16 cells laid over a
// square box of device pixels, so one drawing serves 16, 24, 32 pixels and
// any screen scale.
//
// Straight edges are snapped to whole device pixels and lines are whole
// pixels wide, so the pictures stay sharp at every size; curves and slants
// are antialiased. Coordinates name cells: the cell (x, y) spans x to x + 1;
// a line or outline through (x + 0.5, y + 0.5) covers exactly that cell at
// 16 pixels.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

namespace vx {

class ToolSketch {
  public:
    ToolSketch(QPainter& painter, const QRect& box);

    // Fills the cells [x, x + w) x [y, y + h).
    void Fill(qreal x, qreal y, qreal w, qreal h, const QColor& color);
    // A rectangle over whole cells: the outline in the outer ring of cells,
    // the fill inside.
    void Frame(qreal x, qreal y, qreal w, qreal h, const QColor& fill, const QColor& outline);
    // A closed shape through cell centres, filled and outlined one line wide
    // (an invalid colour leaves either out).
    void Shape(const QPainterPath& path, const QColor& fill, const QColor& outline);
    // The same for a slanted or round shape: its points keep their exact
    // place (antialiased).
    void Slant(const QPainterPath& path, const QColor& fill, const QColor& outline);
    // A shape filled without outline; its points are cell edges.
    void Area(const QPainterPath& path, const QColor& color);
    // A line through cell centres (or, for even widths, along cell edges),
    // `width` cells thick.
    void Line(const QPainterPath& path, const QColor& color, qreal width = 1.0,
              Qt::PenCapStyle cap = Qt::SquareCap);
    void Line(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& color, qreal width = 1.0,
              Qt::PenCapStyle cap = Qt::SquareCap);
    // Erases a shape given by its edges and a ring `width` cells wide around
    // it, so that a small sign laid over a larger picture stands apart.
    void Clear(const QPainterPath& path, qreal width);

    // Device pixels per cell.
    qreal Scale() const { return scale_; }

  private:
    // The width in device pixels of a line `width` cells thick.
    int PenWidth(qreal width) const;
    // The path in device pixels, its straight points snapped so that a pen
    // of `width` cells covers whole pixels.
    QPainterPath Map(const QPainterPath& path, qreal width, bool snapLines) const;
    void Outlined(const QPainterPath& mapped, const QColor& fill, const QColor& outline);
    qreal MapX(qreal x, qreal width, bool snap) const;
    qreal MapY(qreal y, qreal width, bool snap) const;

    QPainter& painter_;
    QRect box_;
    qreal scale_;
};

}  // namespace vx
