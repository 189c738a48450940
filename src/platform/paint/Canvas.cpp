#include "platform/paint/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include "platform/paint/CanvasRaster.h"

namespace vx {

namespace canvas_detail {

QPainter::CompositionMode CompositionOf(PenMode mode) {
    switch (mode) {
        case PenMode::Not:
            return QPainter::RasterOp_NotDestination;
        case PenMode::Xor:
            return QPainter::RasterOp_SourceXorDestination;
        default:
            return QPainter::CompositionMode_SourceOver;
    }
}

QBrush HalftoneWhite() {
    return QBrush(Qt::white, Qt::Dense4Pattern);
}

}  // namespace canvas_detail

namespace {

using canvas_detail::CompositionOf;
using canvas_detail::CompositionScope;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// On-off run lengths of the patterned one-pixel pens.
std::vector<int> PatternOf(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return {18, 6};
        case PenStyle::Dot:
            return {3, 3};
        case PenStyle::DashDot:
            return {9, 6, 3, 6};
        case PenStyle::DashDotDot:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

// The brush over r: its colour, or the black and white halftone checkerboard.
void FillBrush(QPainter& p, const CanvasBrush& brush, const TRect& r) {
    if (r.IsEmpty()) return;
    const QRect q(r.left, r.top, r.Width(), r.Height());
    if (brush.style == BrushStyle::Halftone) {
        p.fillRect(q, Qt::black);
        p.fillRect(q, canvas_detail::HalftoneWhite());
    } else {
        p.fillRect(q, ToQColor(brush.color));
    }
}

// "&File" shows "File" with an underlined F; "&&" is one "&".
QString WithoutPrefixes(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// The first pixel from the left (or top) whose centre lies within the ellipse
// w x h on the line of pixels at `at` across the other axis (size `across`),
// never past the middle one or two.
int EllipseInset(int w, int across, int at) {
    const double half = across / 2.0;
    const double d = (at + 0.5 - half) / half;
    const double reach = w / 2.0 * std::sqrt(std::max(0.0, 1.0 - d * d));
    const int inset = static_cast<int>(std::ceil(w / 2.0 - reach - 0.5 - 1e-9));
    return std::clamp(inset, 0, (w - 1) / 2);
}

// Row insets of the ellipse w x h: a pixel lies in it when its row or its
// column reaches it, so thin ellipses still touch all four sides.
std::vector<int> EllipseInsets(int w, int h) {
    std::vector<int> columns((w + 1) / 2);
    for (int x = 0; x < static_cast<int>(columns.size()); ++x)
        columns[x] = EllipseInset(h, w, x);
    std::vector<int> rows(h);
    for (int y = 0; y < h; ++y) {
        const int fromEdge = std::min(y, h - 1 - y);
        int byColumns = 0;
        while (byColumns < static_cast<int>(columns.size()) && columns[byColumns] > fromEdge)
            ++byColumns;
        rows[y] = std::min(EllipseInset(w, h, y), byColumns);
    }
    return rows;
}

}  // namespace

std::vector<int> RoundRectInsets(int width, int height, int ellipseWidth, int ellipseHeight) {
    std::vector<int> rows(std::max(0, height), 0);
    const int ew = std::clamp(ellipseWidth, 0, std::max(0, width));
    const int eh = std::clamp(ellipseHeight, 0, std::max(0, height));
    if (ew < 2 || eh < 2) return rows;
    const std::vector<int> corner = EllipseInsets(ew, eh);
    for (int y = 0; y < eh / 2; ++y) {
        rows[y] = corner[y];
        rows[height - 1 - y] = corner[eh - 1 - y];
    }
    return rows;
}

QStringList MapFontFamilies(std::string_view name) {
    // The Song faces give every Latin letter and the blank half a character's
    // width; the proportional Micro Hei's blank is a sliver beside a bold "T"
    // or "X" ("T timers" read "Ttimers"), so they take its fixed-width face.
    static const char* const kSongFamilies[] = {"宋体", "新宋体", "SimSun", "NSimSun"};
    static const char* const kHeiFamilies[] = {"黑体", "SimHei", "微软雅黑", "Microsoft YaHei"};
    // The menus, tool bars and hints of the desktop were set in these.
    static const char* const kLatinFamilies[] = {"Tahoma", "MS Sans Serif", "Microsoft Sans Serif",
                                                 "Arial", "Segoe UI"};
    for (const char* family : kSongFamilies) {
        if (name == family) return {QStringLiteral("WenQuanYi Micro Hei Mono")};
    }
    for (const char* family : kHeiFamilies) {
        if (name == family) return {QStringLiteral("WenQuanYi Micro Hei")};
    }
    for (const char* family : kLatinFamilies) {
        if (name == family)
            return {ToQString(name), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("WenQuanYi Micro Hei")};
    }
    return {ToQString(name)};
}

QString MapFontFamily(std::string_view name) {
    return MapFontFamilies(name).front();
}

namespace {

// The largest pixel size whose cell (ascent and descent) fits `cell`.
int PixelSizeForCell(QFont font, int cell) {
    using Key = std::tuple<QString, bool, bool, int>;
    thread_local std::map<Key, int> found;
    const Key key{font.families().join(QLatin1Char(',')), font.bold(), font.italic(), cell};
    if (const auto it = found.find(key); it != found.end()) return it->second;
    int size = cell;
    for (; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cell) break;
    }
    found.emplace(key, size);
    return size;
}

}  // namespace

QFont ToQFont(const CanvasFont& font) {
    const QStringList families = MapFontFamilies(font.name);
    QFont f(families.front());
    if (families.size() > 1) f.setFamilies(families);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    f.setStyleStrategy(QFont::NoAntialias);
    if (font.stretch != 100) f.setStretch(std::clamp(font.stretch, 1, 4000));
    if (font.height < 0) {
        f.setPixelSize(-font.height);
    } else if (font.height > 0) {
        f.setPixelSize(PixelSizeForCell(f, font.height));
    } else {
        // Points at 96 pixels per inch, as the windows were laid out.
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
    }
    return f;
}

TRect ToTRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const TRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TColor ToTColor(const QColor& color) {
    return RGBColor(color.red(), color.green(), color.blue());
}

Canvas::Canvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

void Canvas::PlotLine(TPoint from, TPoint to) {
    // Bresenham without the end point: the rule of one-pixel lines.
    const QColor color = ToQColor(pen.color);
    const std::vector<int> pattern = PatternOf(pen.style);
    if (pattern.empty() && (from.x == to.x || from.y == to.y)) {
        // Straight lines, nearly all the grid draws, in one fill.
        if (from.y == to.y && from.x != to.x) {
            const int x0 = from.x < to.x ? from.x : to.x + 1;
            painter_.fillRect(x0, from.y, std::abs(to.x - from.x), 1, color);
        } else if (from.x == to.x && from.y != to.y) {
            const int y0 = from.y < to.y ? from.y : to.y + 1;
            painter_.fillRect(from.x, y0, 1, std::abs(to.y - from.y), color);
        }
        return;
    }
    std::size_t run = 0;
    int left = pattern.empty() ? 0 : pattern[0];
    int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    int x = from.x, y = from.y;
    while (x != to.x || y != to.y) {
        if (pattern.empty() || run % 2 == 0) painter_.fillRect(x, y, 1, 1, color);
        if (!pattern.empty() && --left == 0) {
            run = (run + 1) % pattern.size();
            left = pattern[run];
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    penPos_ = {x, y};
    if (pen.style == PenStyle::Clear || pen.color == clNone) return;
    const CompositionScope mode(painter_, CompositionOf(pen.mode));
    if (pen.width <= 1) {
        PlotLine(from, penPos_);
        return;
    }
    QPen qpen(ToQColor(pen.color), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(qpen);
    painter_.drawLine(from.x, from.y, x, y);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    const bool hasPen = pen.style != PenStyle::Clear && pen.color != clNone;
    const bool hasBrush = brush.style != BrushStyle::Clear && brush.color != clNone;
    // The pen's mode covers the fill too.
    const CompositionScope mode(painter_, CompositionOf(pen.mode));
    if (!hasPen) {
        if (hasBrush) FillBrush(painter_, brush, {left, top, right - 1, bottom - 1});
        return;
    }
    const int w = std::max(1, pen.width);
    // A wide pen strokes centred on the outline, except an inside-frame pen.
    const int out = pen.style == PenStyle::InsideFrame ? 0 : w / 2;
    const int l = left - out, t = top - out, r = right + out, b = bottom + out;
    if (hasBrush) FillBrush(painter_, brush, {l + w, t + w, r - w, b - w});
    const QColor c = ToQColor(pen.color);
    painter_.fillRect(l, t, r - l, w, c);
    painter_.fillRect(l, b - w, r - l, w, c);
    painter_.fillRect(l, t + w, w, b - t - 2 * w, c);
    painter_.fillRect(r - w, t + w, w, b - t - 2 * w, c);
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                       int ellipseHeight) {
    RoundShape(left, top, right, bottom, ellipseWidth, ellipseHeight);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
    constexpr int kWhole = 1 << 24;  // corners as large as the rectangle
    RoundShape(left, top, right, bottom, kWhole, kWhole);
}

void Canvas::RoundShape(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    const bool hasPen = pen.style != PenStyle::Clear && pen.color != clNone;
    const bool hasBrush = brush.style != BrushStyle::Clear && brush.color != clNone;
    if (!hasPen && !hasBrush) return;
    const CompositionScope mode(painter_, CompositionOf(pen.mode));
    // Like Rectangle: without a pen the fill is one less each way; a wide pen
    // strokes centred on the outline, an inside-frame pen within it.
    const int w = hasPen ? std::max(1, pen.width) : 0;
    const int out = !hasPen ? 0 : pen.style == PenStyle::InsideFrame ? 0 : w / 2;
    const int l = left - out, t = top - out;
    const int width = right - left + 2 * out - (hasPen ? 0 : 1);
    const int height = bottom - top + 2 * out - (hasPen ? 0 : 1);
    if (width <= 0 || height <= 0) return;
    // The corners follow the outline's middle: the outer edge's are wider by
    // the pen's outer half (square corners stay square).
    const int ew = ellipseWidth > 0 ? std::min(ellipseWidth, width) + 2 * out : 0;
    const int eh = ellipseHeight > 0 ? std::min(ellipseHeight, height) + 2 * out : 0;
    const std::vector<int> outer = RoundRectInsets(width, height, ew, eh);
    // Each row's inside starts here (past its middle: no inside). A one-pixel
    // outline is every pixel with a side on the outside; a wider one the
    // shape less the same shape drawn w pixels inside it.
    std::vector<int> inner(height, width);
    if (w == 1) {
        for (int y = 1; y + 1 < height; ++y)
            inner[y] = std::max({outer[y] + 1, outer[y - 1], outer[y + 1]});
    } else if (w == 0) {
        inner = outer;
    } else if (width > 2 * w && height > 2 * w) {
        const std::vector<int> in =
            RoundRectInsets(width - 2 * w, height - 2 * w, ew - 2 * w, eh - 2 * w);
        for (int y = 0; y < height - 2 * w; ++y)
            inner[y + w] = w + in[y];
    }
    const QColor c = ToQColor(pen.color);
    for (int y = 0; y < height; ++y) {
        const int a = outer[y], b = width - outer[y];  // the row is [a, b)
        const int ia = std::min(inner[y], (width + 1) / 2);
        const int ib = std::max(width - inner[y], ia);
        if (hasBrush && ib > ia) FillBrush(painter_, brush, {l + ia, t + y, l + ib, t + y + 1});
        if (!hasPen) continue;
        if (ia > a) painter_.fillRect(l + a, t + y, ia - a, 1, c);
        if (b > ib) painter_.fillRect(l + ib, t + y, b - ib, 1, c);
    }
}

void Canvas::FillRect(const TRect& r) {
    if (brush.style == BrushStyle::Clear || brush.color == clNone || r.IsEmpty()) return;
    FillBrush(painter_, brush, r);
}

void Canvas::FillSolid(const TRect& r, TColor color) {
    if (color != clNone && !r.IsEmpty())
        painter_.fillRect(r.left, r.top, r.Width(), r.Height(), ToQColor(color));
}

void Canvas::FrameRect(const TRect& r) {
    if (brush.color == clNone || r.IsEmpty()) return;
    const QColor c = ToQColor(brush.color);
    painter_.fillRect(r.left, r.top, r.Width(), 1, c);
    painter_.fillRect(r.left, r.bottom - 1, r.Width(), 1, c);
    painter_.fillRect(r.left, r.top, 1, r.Height(), c);
    painter_.fillRect(r.right - 1, r.top, 1, r.Height(), c);
}

void Canvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.x, p.y);
    const bool hasPen = pen.style != PenStyle::Clear && pen.color != clNone;
    const bool hasBrush = brush.style != BrushStyle::Clear && brush.color != clNone;
    const CompositionScope mode(painter_, CompositionOf(pen.mode));
    painter_.setPen(hasPen ? QPen(ToQColor(pen.color), std::max(1, pen.width)) : QPen(Qt::NoPen));
    painter_.setBrush(hasBrush ? QBrush(ToQColor(brush.color)) : QBrush(Qt::NoBrush));
    painter_.drawPolygon(polygon, Qt::OddEvenFill);
    painter_.setBrush(Qt::NoBrush);
}

void Canvas::Polyline(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    MoveTo(points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i)
        LineTo(points[i].x, points[i].y);
}

void Canvas::SetPixel(int x, int y, TColor color) {
    if (color != clNone) painter_.fillRect(x, y, 1, 1, ToQColor(color));
}

const QFontMetrics& Canvas::ApplyFont() {
    CanvasFont shape = font;
    shape.color = clBlack;  // the colour goes on the pen, not the font
    if (!appliedFont_ || !(*appliedFont_ == shape)) {
        appliedFont_ = shape;
        const QFont f = ToQFont(font);
        painter_.setFont(f);
        metrics_.emplace(f);
    }
    painter_.setPen(ToQColor(font.color));
    return *metrics_;
}

void Canvas::DrawTextLine(int x, int y, std::string_view text, const QFontMetrics& fm) {
    const QString s = ToQString(text);
    const int width = fm.horizontalAdvance(s);
    const int left = textAlign == TextAlign::Center  ? x - width / 2
                     : textAlign == TextAlign::Right ? x - width
                                                     : x;
    if (brush.style != BrushStyle::Clear && brush.color != clNone)
        FillBrush(painter_, brush, {left, y, left + width, y + fm.height()});
    painter_.drawText(left, y + fm.ascent(), s);
}

void Canvas::TextOut(int x, int y, std::string_view text) {
    if (text.empty()) {
        penPos_ = {x, y};
        return;
    }
    const QFontMetrics& fm = ApplyFont();
    if (font.escapement % 3600 != 0) {
        // Turned about the anchor; the painter's state comes back as it was.
        painter_.save();
        painter_.translate(x, y);
        painter_.rotate(-font.escapement / 10.0);
        DrawTextLine(0, 0, text, fm);
        painter_.restore();
    } else {
        DrawTextLine(x, y, text, fm);
    }
    penPos_ = {x + fm.horizontalAdvance(ToQString(text)), y};
}

void Canvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
    const QFontMetrics& fm = ApplyFont();
    painter_.save();
    painter_.setClipRect(ToQRect(r), Qt::IntersectClip);
    if (brush.style != BrushStyle::Clear && brush.color != clNone) FillBrush(painter_, brush, r);
    const CanvasBrush kept = brush;
    brush.style = BrushStyle::Clear;
    if (font.escapement % 3600 != 0) {
        painter_.translate(x, y);
        painter_.rotate(-font.escapement / 10.0);
        DrawTextLine(0, 0, text, fm);
    } else {
        DrawTextLine(x, y, text, fm);
    }
    brush = kept;
    painter_.restore();
}

int Canvas::TextWidth(std::string_view text) const {
    return QFontMetrics(ToQFont(font)).horizontalAdvance(ToQString(text));
}

int Canvas::TextHeight(std::string_view text) const {
    (void)text;
    return QFontMetrics(ToQFont(font)).height();
}

int Canvas::DrawText(std::string_view text, TRect& rect, unsigned flags) {
    using namespace DrawTextFlags;
    const QFontMetrics fm = ApplyFont();
    QString s = ToQString(text);
    const bool prefix = (flags & kNoPrefix) == 0;
    const bool single = (flags & kSingleLine) != 0;

    int qflags = 0;
    qflags |= (flags & kCenter)  ? Qt::AlignHCenter
              : (flags & kRight) ? Qt::AlignRight
                                 : Qt::AlignLeft;
    if (single) {
        qflags |= Qt::TextSingleLine;
        qflags |= (flags & kVCenter)  ? Qt::AlignVCenter
                  : (flags & kBottom) ? Qt::AlignBottom
                                      : Qt::AlignTop;
    } else {
        qflags |= Qt::AlignTop;
        if (flags & kWordBreak) qflags |= Qt::TextWordWrap;
    }
    if (prefix) qflags |= Qt::TextShowMnemonic;
    if (flags & kExpandTabs) qflags |= Qt::TextExpandTabs;
    if (flags & kRtlReading) painter_.setLayoutDirection(Qt::RightToLeft);

    const QRect box(rect.left, rect.top, rect.Width(), rect.Height());
    if ((flags & kEndEllipsis) && single) {
        const QString shown = prefix ? WithoutPrefixes(s) : s;
        if (fm.horizontalAdvance(shown) > box.width()) {
            s = fm.elidedText(shown, Qt::ElideRight, box.width());
            qflags &= ~Qt::TextShowMnemonic;
        }
    }
    const QRect needed =
        fm.boundingRect(QRect(box.left(), box.top(), std::max(box.width(), 1), 1 << 20),
                        qflags & ~(Qt::AlignVCenter | Qt::AlignBottom), s);
    if (flags & kCalcRect) {
        rect.right = rect.left + needed.width();
        rect.bottom = rect.top + needed.height();
    } else {
        painter_.drawText(box, qflags, s);
    }
    painter_.setLayoutDirection(Qt::LeftToRight);
    return needed.height();
}

void Canvas::SetClipRect(const TRect& r) {
    painter_.setClipRect(ToQRect(r));
}

void Canvas::ClearClip() {
    painter_.setClipping(false);
}

void Canvas::SelectClipRegion(const QRegion& region) {
    painter_.setClipRegion(region);
}

void Canvas::IntersectClipRect(const TRect& r) {
    const QRect q(r.left, r.top, r.Width(), r.Height());
    painter_.setClipRect(q, painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void Canvas::ExcludeClipRect(const TRect& r) {
    const TRect box = ClipBox();
    const QRegion base = painter_.hasClipping()
                             ? painter_.clipRegion()
                             : QRegion(box.left, box.top, box.Width(), box.Height());
    painter_.setClipRegion(base.subtracted(QRegion(r.left, r.top, r.Width(), r.Height())));
}

TRect Canvas::ClipBox() const {
    const QPaintDevice* device = painter_.device();
    QRect all = device ? painter_.combinedTransform().inverted().mapRect(
                             QRect(0, 0, device->width(), device->height()))
                       : QRect();
    if (painter_.hasClipping()) all &= painter_.clipBoundingRect().toAlignedRect();
    if (all.isEmpty()) return {};
    return ToTRect(all);
}

QRegion Canvas::PolygonRegion(const std::vector<TPoint>& points) {
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.x, p.y);
    return QRegion(polygon, Qt::OddEvenFill);
}

void Canvas::MoveOrigin(int dx, int dy) {
    painter_.translate(dx, dy);
    origin_ = {origin_.x + dx, origin_.y + dy};
}

int Canvas::SaveState() {
    saved_.push_back({pen, brush, font, textAlign, penPos_, origin_});
    painter_.save();
    return static_cast<int>(saved_.size());
}

void Canvas::RestoreState() {
    if (saved_.empty()) return;
    painter_.restore();
    const SavedState& s = saved_.back();
    pen = s.pen;
    brush = s.brush;
    font = s.font;
    textAlign = s.textAlign;
    penPos_ = s.penPos;
    origin_ = s.origin;
    saved_.pop_back();
    // The painter's font came back with its state; apply ours afresh.
    appliedFont_.reset();
}

}  // namespace vx
