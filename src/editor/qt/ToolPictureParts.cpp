#include "editor/qt/ToolPictureParts.h"

#include <cmath>
#include <numbers>

namespace vx::pictures {

QPainterPath Poly(std::initializer_list<QPointF> cells, bool closed) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& cell : cells) {
        const QPointF centre = cell + QPointF(0.5, 0.5);
        if (first) {
            path.moveTo(centre);
            first = false;
        } else {
            path.lineTo(centre);
        }
    }
    if (closed) path.closeSubpath();
    return path;
}

QPainterPath Points(std::initializer_list<QPointF> points, bool closed) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) {
            path.moveTo(point);
            first = false;
        } else {
            path.lineTo(point);
        }
    }
    if (closed) path.closeSubpath();
    return path;
}

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath RoundRect(int left, int top, int right, int bottom, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(left + 0.5, top + 0.5, right - left, bottom - top), radius, radius);
    return path;
}

void Page(ToolSketch& k, int left, int top, int right, int bottom, int ear, const QColor& fill) {
    k.Shape(Poly({{1.0 * left, 1.0 * top},
                  {1.0 * right - ear, 1.0 * top},
                  {1.0 * right, 1.0 * top + ear},
                  {1.0 * right, 1.0 * bottom},
                  {1.0 * left, 1.0 * bottom}}),
            fill, kPaperEdge);
    if (ear > 0) {
        k.Shape(Poly({{1.0 * right - ear, 1.0 * top},
                      {1.0 * right - ear, 1.0 * top + ear},
                      {1.0 * right, 1.0 * top + ear}}),
                kGreyLight, kPaperEdge);
    }
}

void TextLines(ToolSketch& k, int left, int right, int top, int count, int step,
               const QColor& color) {
    for (int i = 0; i < count; ++i) {
        // Every other line a little shorter, as text ends unevenly.
        const int end = (i % 2 == 1) ? right - 2 : right;
        k.Fill(left, top + i * step, end - left + 1, 1, color);
    }
}

void Folder(ToolSketch& k, bool backOnly) {
    k.Shape(Poly({{1, 2}, {5, 2}, {6, 3}, {14, 3}, {14, 13}, {1, 13}}), kAmberBack, kAmberDark);
    if (backOnly) return;
    k.Shape(Poly({{1, 5}, {14, 5}, {14, 13}, {1, 13}}), kAmber, kAmberDark);
    k.Fill(2, 6, 12, 1, QColor(0xFB, 0xDE, 0x96));
}

void LadderSign(ToolSketch& k, int left, int top, int right, int bottom, const QColor& color) {
    k.Line(left + 0.5, top + 0.5, left + 0.5, bottom + 0.5, color);
    k.Line(right + 0.5, top + 0.5, right + 0.5, bottom + 0.5, color);
    const int rung1 = top + (bottom - top) / 3;
    const int rung2 = bottom - (bottom - top) / 3;
    const int mid = (left + right) / 2;
    // The first rung carries a contact: two short bars with a gap.
    k.Line(left + 0.5, rung1 + 0.5, mid - 1 + 0.5, rung1 + 0.5, color);
    k.Line(mid + 1 + 0.5, rung1 + 0.5, right + 0.5, rung1 + 0.5, color);
    k.Line(mid - 1 + 0.5, rung1 - 1 + 0.5, mid - 1 + 0.5, rung1 + 1 + 0.5, color);
    k.Line(mid + 1 + 0.5, rung1 - 1 + 0.5, mid + 1 + 0.5, rung1 + 1 + 0.5, color);
    k.Line(left + 0.5, rung2 + 0.5, right + 0.5, rung2 + 0.5, color);
}

void Floppy(ToolSketch& k, int left, int top, int size) {
    const int right = left + size - 1, bottom = top + size - 1;
    k.Shape(Poly({{1.0 * left, 1.0 * top},
                  {right - 1.0, 1.0 * top},
                  {1.0 * right, top + 1.0},
                  {1.0 * right, 1.0 * bottom},
                  {1.0 * left, 1.0 * bottom}}),
            kBlue, kBlueDark);
    // The metal shutter with its window, and the white label.
    const int shutterLeft = left + size / 4;
    const int shutterWidth = size - 2 * (size / 4) - 1;
    const int shutterHeight = size * 3 / 10;
    k.Fill(shutterLeft, top + 1, shutterWidth, shutterHeight, kGreyLight);
    k.Fill(shutterLeft + shutterWidth - 1 - std::max(1, size / 7), top + 1 + size / 14,
           std::max(1, size / 7), std::max(1, shutterHeight - size / 7), kGreyDark);
    const int labelTop = top + size / 2 + 1;
    k.Fill(left + 2, labelTop, size - 4, bottom - labelTop, kPaper);
    if (size >= 12) TextLines(k, left + 3, right - 3, labelTop + 1, (bottom - labelTop) / 2);
}

void Controller(ToolSketch& k, int top) {
    k.Shape(Poly({{1.0, 1.0 * top}, {14, 1.0 * top}, {14, 14}, {1, 14}}), kGreyLight, kGreyDark);
    // Terminal strips along the top and bottom edges, the run and power
    // lamps, and the blue front cover between them.
    for (int row : {top + 1, 13}) {
        k.Fill(2, row, 12, 1, kGreyDark);
        for (int x = 3; x <= 12; x += 2)
            k.Fill(x, row, 1, 1, kGreyLight);
    }
    const int faceTop = top + 2, faceBottom = 12;
    const int faceRows = faceBottom - faceTop + 1;
    const int inset = faceRows > 4 ? 1 : 0;
    k.Fill(3, faceTop + inset, 2, 1, kGreen);
    if (faceRows > 2) k.Fill(3, faceBottom - inset, 2, 1, kAmber);
    k.Fill(6, faceTop + inset, 7, faceRows - 2 * inset, kBlue);
    if (faceRows > 4) k.Fill(7, faceTop + inset + 1, 5, 1, kBlueLight);
}

void Chip(ToolSketch& k, int left, int top, int right, int bottom) {
    for (int y = top + 1; y < bottom; y += 2) {
        k.Fill(left - 2, y, 2, 1, kGreyDark);
        k.Fill(right + 1, y, 2, 1, kGreyDark);
    }
    k.Shape(Poly({{1.0 * left, 1.0 * top},
                  {1.0 * right, 1.0 * top},
                  {1.0 * right, 1.0 * bottom},
                  {1.0 * left, 1.0 * bottom}}),
            QColor(0x4A, 0x56, 0x63), QColor(0x25, 0x2D, 0x35));
    k.Fill(left + 1, top + 1, 1, 1, kGrey);
}

void Pencil(ToolSketch& k, qreal tipX, qreal tipY, qreal length, bool halo) {
    const QPointF along(std::numbers::sqrt2 / 2, -std::numbers::sqrt2 / 2);
    const QPointF across(std::numbers::sqrt2 / 2, std::numbers::sqrt2 / 2);
    const qreal half = 1.45;
    const QPointF tip(tipX, tipY);
    const QPointF coneEnd = tip + along * 3.0;
    const QPointF end = tip + along * length;
    const QPointF ferrule = end - along * 1.8;
    if (halo) {
        k.Clear(Points({tip, end + across * half, end - across * half}), 1.0);
        k.Clear(Points({coneEnd + across * half, end + across * half, end - across * half,
                        coneEnd - across * half}),
                1.0);
    }
    k.Slant(Points({coneEnd + across * half, ferrule + across * half, ferrule - across * half,
                    coneEnd - across * half}),
            kAmber, kAmberDark);
    k.Slant(Points({ferrule + across * half, end + across * half, end - across * half,
                    ferrule - across * half}),
            kRed, kRedDark);
    k.Slant(Points({tip, coneEnd + across * half, coneEnd - across * half}),
            QColor(0xF4, 0xDC, 0xB4), kAmberDark);
    k.Slant(Points({tip, tip + along * 1.3 + across * 0.6, tip + along * 1.3 - across * 0.6}), kInk,
            kNone);
}

void Magnifier(ToolSketch& k, qreal cx, qreal cy, qreal radius, qreal handle) {
    const qreal d = radius * std::numbers::sqrt2 / 2;
    k.Line(Points({{cx + d + 0.3, cy + d + 0.3}, {cx + d + handle, cy + d + handle}}, false),
           kGreyDark, 2.6, Qt::RoundCap);
    k.Slant(Ellipse(cx, cy, radius, radius), kBlueLight, kNone);
    k.Line(Ellipse(cx, cy, radius, radius), kGreyDark, 1.6);
}

void Arrow(ToolSketch& k, qreal x1, qreal y1, qreal x2, qreal y2, qreal width, qreal head,
           const QColor& color, bool halo) {
    const QPointF from(x1, y1), to(x2, y2);
    const QPointF delta = to - from;
    const qreal length = std::hypot(delta.x(), delta.y());
    if (length <= 0) return;
    const QPointF along = delta / length;
    const QPointF across(-along.y(), along.x());
    const QPointF base = to - along * head;
    const QPainterPath arrow =
        Points({from + across * (width / 2), base + across * (width / 2), base + across * head, to,
                base - across * head, base - across * (width / 2), from - across * (width / 2)});
    if (halo) k.Clear(arrow, 1.0);
    k.Area(arrow, color);
}

void Plus(ToolSketch& k, int left, int top, int size, int bar, const QColor& color, bool halo) {
    const qreal l = left, t = top, o = (size - bar) / 2, s = size, b = bar;
    if (halo) {
        k.Clear(Points({{l, t + o},
                        {l + o, t + o},
                        {l + o, t},
                        {l + o + b, t},
                        {l + o + b, t + o},
                        {l + s, t + o},
                        {l + s, t + o + b},
                        {l + o + b, t + o + b},
                        {l + o + b, t + s},
                        {l + o, t + s},
                        {l + o, t + o + b},
                        {l, t + o + b}}),
                1.0);
    }
    k.Fill(l, t + o, s, b, color);
    k.Fill(l + o, t, b, s, color);
}

void Minus(ToolSketch& k, int left, int top, int size, int bar, const QColor& color, bool halo) {
    const qreal l = left, y = top + (size - bar) / 2;
    if (halo)
        k.Clear(Points({{l, y}, {l + size, y}, {1.0 * l + size, y + bar}, {l, y + bar}}), 1.0);
    k.Fill(l, y, size, bar, color);
}

void Gear(ToolSketch& k, qreal cx, qreal cy, qreal outer, qreal inner, int teeth, qreal hole,
          const QColor& fill, const QColor& outline) {
    QPainterPath path;
    const qreal step = 2 * std::numbers::pi / teeth;
    auto at = [&](qreal r, qreal angle) {
        return QPointF(cx + r * std::cos(angle), cy + r * std::sin(angle));
    };
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step - std::numbers::pi / 2;
        const QPointF first = at(inner, a - 0.32 * step);
        if (i == 0) {
            path.moveTo(first);
        } else {
            path.lineTo(first);
        }
        path.lineTo(at(outer, a - 0.17 * step));
        path.lineTo(at(outer, a + 0.17 * step));
        path.lineTo(at(inner, a + 0.32 * step));
    }
    path.closeSubpath();
    path.addEllipse(QPointF(cx, cy), hole, hole);
    k.Slant(path, fill, outline);
}

void Badge(ToolSketch& k, qreal cx, qreal cy, qreal radius, const QColor& fill,
           const QColor& outline, bool halo) {
    if (halo) k.Clear(Ellipse(cx, cy, radius + 0.5, radius + 0.5), 1.0);
    k.Slant(Ellipse(cx, cy, radius, radius), fill, outline);
}

}  // namespace vx::pictures
