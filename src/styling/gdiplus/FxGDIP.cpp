#include "styling/gdiplus/FxGDIP.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace vx {

// The native objects. A brush is one of three kinds; a path gradient keeps
// its path, since it paints inside that path only.
struct GpGraphics {
    QPainter* painter = nullptr;
    bool antialias = false;
    int textHint = TextRenderingHintSystemDefault;
};
struct GpPen {
    QColor color;
    float width = 1;
    int dashStyle = DashStyleSolid;
};
struct GpBrush {
    enum class Kind { Solid, Linear, PathGradient } kind = Kind::Solid;
    QBrush brush;  // solid and linear
    QPainterPath path;
    bool ellipse = false;  // the path is one ellipse
    QPointF center;
    QColor centerColor = Qt::white;
    std::vector<QColor> surround{QColor(Qt::white)};
};
struct GpPath {
    QPainterPath path;
    bool figureOpen = false;
    int ellipses = 0;
    bool otherFigures = false;
};
struct GpFontFamily {
    QString name;
};
struct GpFont {
    QFont font;
};
struct GpStringFormat {
    int flags = 0;
    int alignment = StringAlignmentNear;
    int lineAlignment = StringAlignmentNear;
    int hotkeyPrefix = HotkeyPrefixNone;
};
struct GpImage {
    QImage image;
    int format = ImageFormatUndefined;
};

namespace {

int g_startups = 0;
std::uintptr_t g_nextToken = 1;

QColor FromArgb(ARGB c) {
    return QColor::fromRgba(c);
}

// Sets the painter up for one call and puts everything back afterwards. When
// antialiased, the half-pixel shift puts GDI+'s pixel centres (whole numbers)
// on Qt's; Qt's aliased drawing already fills the pixel right of and below a
// whole-numbered coordinate, as GDI+ does.
class PainterScope {
  public:
    PainterScope(const GpGraphics& g, bool pixelCentres) : painter_(*g.painter) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, g.antialias);
        if (pixelCentres && g.antialias) painter_.translate(0.5, 0.5);
    }
    ~PainterScope() { painter_.restore(); }
    PainterScope(const PainterScope&) = delete;
    PainterScope& operator=(const PainterScope&) = delete;

  private:
    QPainter& painter_;
};

bool Usable(const GpGraphics* g) {
    return g != nullptr && g->painter != nullptr && g->painter->isActive();
}

QString TextOf(const std::u16string& text, int length) {
    if (length < 0) {
        const auto end = text.find(u'\0');
        length = static_cast<int>(end == std::u16string::npos ? text.size() : end);
    }
    length = std::min<int>(length, static_cast<int>(text.size()));
    return QString::fromUtf16(text.data(), length);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    const auto mix = [t](float x, float y) { return x + (y - x) * static_cast<float>(t); };
    return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()),
                            mix(a.blueF(), b.blueF()), mix(a.alphaF(), b.alphaF()));
}

double Cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

// The gradient of an ellipse: a radial gradient on the unit circle with its
// focus at the centre point, stretched onto the path's bounds, so colours run
// along straight lines from the centre point to the outline.
QBrush EllipseGradient(const GpBrush& b) {
    const QRectF bounds = b.path.boundingRect();
    const double rx = std::max(bounds.width() / 2, 1e-6);
    const double ry = std::max(bounds.height() / 2, 1e-6);
    const QPointF mid = bounds.center();
    QRadialGradient gradient(QPointF(0, 0), 1.0,
                             QPointF((b.center.x() - mid.x()) / rx, (b.center.y() - mid.y()) / ry));
    gradient.setColorAt(0, b.centerColor);
    gradient.setColorAt(1, b.surround.front());
    QBrush brush(gradient);
    QTransform t;
    t.translate(mid.x(), mid.y());
    t.scale(rx, ry);
    brush.setTransform(t);
    return brush;
}

// The surround colour at a point of the outline: between the colours of the
// two path points it lies between (the last colour serves the points past it).
QColor SurroundAt(const GpBrush& b, QPointF at) {
    const int n = b.path.elementCount();
    if (b.surround.size() == 1 || n < 2) return b.surround.front();
    const auto colour = [&](int k) {
        return b.surround[std::min<size_t>(k, b.surround.size() - 1)];
    };
    double best = 1e300;
    QColor result = b.surround.front();
    for (int k = 0; k < n; ++k) {
        const QPointF p0 = b.path.elementAt(k), p1 = b.path.elementAt((k + 1) % n);
        const QPointF e = p1 - p0;
        const double len2 = QPointF::dotProduct(e, e);
        const double u =
            len2 > 0 ? std::clamp(QPointF::dotProduct(at - p0, e) / len2, 0.0, 1.0) : 0.0;
        const QPointF near = p0 + e * u;
        const double dist = QPointF::dotProduct(at - near, at - near);
        if (dist < best) {
            best = dist;
            result = Mix(colour(k), colour((k + 1) % n), u);
        }
    }
    return result;
}

// Any other path: each pixel of the area takes its colour on the straight
// line from the centre point through it to the outline.
QBrush TracedGradient(const GpBrush& b, const QRectF& area) {
    const QList<QPolygonF> outline = b.path.toSubpathPolygons();
    const int left = static_cast<int>(std::floor(area.left()));
    const int top = static_cast<int>(std::floor(area.top()));
    const int width = std::max(1, static_cast<int>(std::ceil(area.right())) - left + 1);
    const int height = std::max(1, static_cast<int>(std::ceil(area.bottom())) - top + 1);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            const QPointF d = QPointF(left + i, top + j) - b.center;
            QColor colour = b.centerColor;
            if (QPointF::dotProduct(d, d) > 1e-12) {
                double s = 1e300;  // the ray's parameter at the outline; the pixel is at 1
                for (const QPolygonF& polygon : outline) {
                    for (qsizetype k = 0; k < polygon.size(); ++k) {
                        const QPointF q0 = polygon[k], e = polygon[(k + 1) % polygon.size()] - q0;
                        const double denominator = Cross(d, e);
                        if (std::abs(denominator) < 1e-12) continue;
                        const QPointF w = q0 - b.center;
                        const double hit = Cross(w, e) / denominator;
                        const double u = Cross(w, d) / denominator;
                        if (hit > 0 && u >= 0 && u <= 1) s = std::min(s, hit);
                    }
                }
                colour = s < 1e299 ? Mix(b.centerColor, SurroundAt(b, b.center + d * s),
                                         std::min(1.0, 1.0 / s))
                                   : b.surround.front();
            }
            image.setPixel(i, j, colour.rgba());
        }
    }
    QBrush brush(image);
    brush.setTransform(QTransform::fromTranslate(left - 0.5, top - 0.5));
    return brush;
}

// The painter's brush for a fill of the area. Qt samples a brush at the
// pixel's centre; unshifted (aliased), that centre is half a pixel off
// GDI+'s, so the brush moves instead.
QBrush PainterBrush(const GpGraphics& g, const GpBrush& b, const QRectF& area) {
    QBrush brush = b.brush;
    if (b.kind == GpBrush::Kind::PathGradient && b.ellipse) brush = EllipseGradient(b);
    if (b.kind == GpBrush::Kind::PathGradient && !b.ellipse) {
        // Traced over the part of the area that reaches the device only.
        const QPaintDevice* device = g.painter->device();
        const QRectF visible = g.painter->transform().inverted().mapRect(
            QRectF(0, 0, device->width(), device->height()));
        brush = TracedGradient(b, area.intersected(visible.adjusted(-1, -1, 1, 1)));
    }
    if (!g.antialias && b.kind != GpBrush::Kind::Solid)
        brush.setTransform(brush.transform() * QTransform::fromTranslate(0.5, 0.5));
    return brush;
}

QFont FontOf(const GpGraphics& g, const GpFont& f) {
    QFont font = f.font;
    if (g.textHint == TextRenderingHintSingleBitPerPixel ||
        g.textHint == TextRenderingHintSingleBitPerPixelGridFit)
        font.setStyleStrategy(QFont::NoAntialias);
    else if (g.textHint != TextRenderingHintSystemDefault)
        font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The Qt text flags of a string format, and the rectangle text is laid out
// in: a zero width or height means no bound, the text anchored at x or y.
struct TextLayout {
    QRectF rect;
    int flags = 0;
    bool clip = false;
};

TextLayout LayoutOf(const TGPRectF& r, const GpStringFormat* format) {
    const GpStringFormat plain;
    const GpStringFormat& f = format ? *format : plain;
    constexpr double kFar = 1e6;
    TextLayout layout;
    double x = r.X, w = r.Width, y = r.Y, h = r.Height;
    const bool boundedX = r.Width > 0, boundedY = r.Height > 0;
    if (!boundedX) {
        w = kFar;
        if (f.alignment == StringAlignmentCenter) x -= kFar / 2;
        if (f.alignment == StringAlignmentFar) x -= kFar;
    }
    if (!boundedY) {
        h = kFar;
        if (f.lineAlignment == StringAlignmentCenter) y -= kFar / 2;
        if (f.lineAlignment == StringAlignmentFar) y -= kFar;
    }
    layout.rect = QRectF(x, y, w, h);
    static constexpr int kH[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr int kV[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    layout.flags = kH[std::clamp(f.alignment, 0, 2)] | kV[std::clamp(f.lineAlignment, 0, 2)];
    if (!(f.flags & StringFormatFlagsNoWrap) && boundedX) layout.flags |= Qt::TextWordWrap;
    if (f.hotkeyPrefix == HotkeyPrefixShow) layout.flags |= Qt::TextShowMnemonic;
    if (f.hotkeyPrefix == HotkeyPrefixHide) layout.flags |= Qt::TextHideMnemonic;
    layout.clip = !(f.flags & StringFormatFlagsNoClip) && boundedX && boundedY;
    return layout;
}

double PointsOf(float size, int unit) {
    switch (unit) {
        case UnitPoint:
            return size;
        case UnitInch:
            return size * 72.0;
        case UnitDocument:
            return size * 72.0 / 300.0;
        case UnitMillimeter:
            return size * 72.0 / 25.4;
        default:
            return size * 72.0 / 96.0;  // world, display, pixel: pixels at 96 per inch
    }
}

bool StartsWith(const QByteArray& data, std::initializer_list<unsigned char> magic, int at = 0) {
    if (data.size() < at + static_cast<int>(magic.size())) return false;
    int i = at;
    for (unsigned char c : magic) {
        if (static_cast<unsigned char>(data[i++]) != c) return false;
    }
    return true;
}

}  // namespace

TGPPoint MakePoint(int x, int y) {
    return TGPPoint{x, y};
}

TGPRectF MakeRect(float x, float y, float width, float height) {
    return TGPRectF{x, y, width, height};
}

TStatus GdiplusStartup(std::uintptr_t* token) {
    if (token == nullptr) return TStatus::InvalidParameter;
    ++g_startups;
    *token = g_nextToken++;
    return TStatus::Ok;
}

void GdiplusShutdown(std::uintptr_t token) {
    if (token != 0 && g_startups > 0) --g_startups;
}

int ImageFormatOfData(const QByteArray& data) {
    if (StartsWith(data, {'B', 'M'})) return ImageFormatBMP;
    if (StartsWith(data, {0x89, 'P', 'N', 'G'})) return ImageFormatPNG;
    if (StartsWith(data, {'G', 'I', 'F', '8'})) return ImageFormatGIF;
    if (StartsWith(data, {0xFF, 0xD8, 0xFF})) return ImageFormatJPEG;
    if (StartsWith(data, {0, 0, 1, 0})) return ImageFormatIcon;
    if (StartsWith(data, {'I', 'I', '*', 0}) || StartsWith(data, {'M', 'M', 0, '*'}))
        return ImageFormatTIFF;
    if (StartsWith(data, {0xD7, 0xCD, 0xC6, 0x9A})) return ImageFormatWMF;
    if (StartsWith(data, {1, 0, 0, 0}) && StartsWith(data, {' ', 'E', 'M', 'F'}, 40))
        return ImageFormatEMF;
    return ImageFormatUndefined;
}

// --- TGPGraphics ---

TGPGraphics::TGPGraphics(QPainter* painter) {
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
    } else if (painter == nullptr || !painter->isActive()) {
        lastStatus_ = TStatus::InvalidParameter;
    } else {
        handle_ = new GpGraphics{painter};
        lastStatus_ = TStatus::Ok;
    }
}

TGPGraphics::~TGPGraphics() {
    delete handle_;
}

TStatus TGPGraphics::SetSmoothingMode(int mode) {
    if (handle_ == nullptr || mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias + 1)
        return Record(TStatus::InvalidParameter);
    handle_->antialias = mode == SmoothingModeHighQuality || mode >= SmoothingModeAntiAlias;
    return TStatus::Ok;
}

TStatus TGPGraphics::SetTextRenderingHint(int hint) {
    if (handle_ == nullptr || hint < TextRenderingHintSystemDefault ||
        hint > TextRenderingHintClearTypeGridFit)
        return Record(TStatus::InvalidParameter);
    handle_->textHint = hint;
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path) {
    const GpPen* p = pen ? pen->Handle() : nullptr;
    const GpPath* shape = path ? path->Handle() : nullptr;
    if (!Usable(handle_) || p == nullptr || shape == nullptr)
        return Record(TStatus::InvalidParameter);
    PainterScope scope(*handle_, true);
    QPen qpen(p->color, p->width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    // Dash lengths in pen widths, as GDI+ counts them: a dot is one on, one off.
    switch (p->dashStyle) {
        case DashStyleDash:
            qpen.setDashPattern({3, 1});
            break;
        case DashStyleDot:
            qpen.setDashPattern({1, 1});
            break;
        case DashStyleDashDot:
            qpen.setDashPattern({3, 1, 1, 1});
            break;
        case DashStyleDashDotDot:
            qpen.setDashPattern({3, 1, 1, 1, 1, 1});
            break;
        default:
            break;
    }
    // The outline is filled rather than stroked: the painter strokes thin
    // pens segment by segment without joins, which would leave a quarter of
    // every corner pixel of a square outline out.
    QPainterPathStroker stroker(qpen);
    handle_->painter->fillPath(stroker.createStroke(shape->path), p->color);
    return TStatus::Ok;
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* brush, float x, float y, float width,
                                   float height) {
    const GpBrush* b = brush ? brush->Handle() : nullptr;
    if (!Usable(handle_) || b == nullptr || width < 0 || height < 0)
        return Record(TStatus::InvalidParameter);
    PainterScope scope(*handle_, true);
    QPainterPath area;
    area.addRect(QRectF(x, y, width, height));
    if (b->kind == GpBrush::Kind::PathGradient) area = area.intersected(b->path);
    handle_->painter->setPen(Qt::NoPen);
    handle_->painter->setBrush(PainterBrush(*handle_, *b, area.boundingRect()));
    handle_->painter->drawPath(area);
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawString(const std::u16string& text, int length, const TGPFont* font,
                                const TGPRectF& layoutRect, const TGPStringFormat* format,
                                const TGPBrush* brush) {
    const GpFont* f = font ? font->Handle() : nullptr;
    const GpBrush* b = brush ? brush->Handle() : nullptr;
    const GpStringFormat* sf = format ? format->Handle() : nullptr;
    if (!Usable(handle_) || f == nullptr || b == nullptr) return Record(TStatus::InvalidParameter);
    PainterScope scope(*handle_, false);
    QPainter& p = *handle_->painter;
    const TextLayout layout = LayoutOf(layoutRect, sf);
    if (layout.clip) p.setClipRect(layout.rect, Qt::IntersectClip);
    p.setFont(FontOf(*handle_, *f));
    p.setPen(QPen(PainterBrush(*handle_, *b, layout.rect.intersected(b->path.boundingRect())), 1));
    p.drawText(layout.rect, layout.flags, TextOf(text, length));
    return TStatus::Ok;
}

TStatus TGPGraphics::MeasureString(const std::u16string& text, int length, const TGPFont* font,
                                   const TGPRectF& layoutRect, const TGPStringFormat* format,
                                   TGPRectF* boundingBox, int* codepointsFitted, int* linesFilled) {
    const GpFont* f = font ? font->Handle() : nullptr;
    const GpStringFormat* sf = format ? format->Handle() : nullptr;
    if (!Usable(handle_) || f == nullptr || boundingBox == nullptr)
        return Record(TStatus::InvalidParameter);
    const QString s = TextOf(text, length);
    const TextLayout layout = LayoutOf(layoutRect, sf);
    const QFontMetricsF metrics(FontOf(*handle_, *f), handle_->painter->device());
    QRectF box = s.isEmpty() ? QRectF(layout.rect.topLeft(), QSizeF(0, 0))
                             : metrics.boundingRect(layout.rect, layout.flags, s);
    if (s.isEmpty() && layoutRect.Width <= 0) box.moveLeft(layoutRect.X);
    if (s.isEmpty() && layoutRect.Height <= 0) box.moveTop(layoutRect.Y);
    *boundingBox = MakeRect(static_cast<float>(box.x()), static_cast<float>(box.y()),
                            static_cast<float>(box.width()), static_cast<float>(box.height()));
    if (codepointsFitted) *codepointsFitted = static_cast<int>(s.size());
    if (linesFilled) {
        *linesFilled =
            s.isEmpty() ? 0
                        : std::max(1, static_cast<int>(box.height() / metrics.lineSpacing() + 0.5));
    }
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawImage(const TGPImage* image, int x, int y, int width, int height) {
    const GpImage* i = image ? image->Handle() : nullptr;
    if (!Usable(handle_) || i == nullptr) return Record(TStatus::InvalidParameter);
    PainterScope scope(*handle_, false);
    handle_->painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    handle_->painter->drawImage(QRectF(static_cast<float>(x), static_cast<float>(y),
                                       static_cast<float>(width), static_cast<float>(height)),
                                i->image);
    return TStatus::Ok;
}

// --- TGPPen ---

TGPPen::TGPPen(ARGB color, float width) {
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
    } else if (width < 0) {
        lastStatus_ = TStatus::InvalidParameter;
    } else {
        handle_ = new GpPen{FromArgb(color), width};
        lastStatus_ = TStatus::Ok;
    }
}

TGPPen::~TGPPen() {
    delete handle_;
}

TStatus TGPPen::SetDashStyle(int dashStyle) {
    if (handle_ == nullptr || dashStyle < DashStyleSolid || dashStyle > DashStyleDashDotDot)
        return Record(TStatus::InvalidParameter);
    handle_->dashStyle = dashStyle;
    return TStatus::Ok;
}

// --- Brushes ---

TGPBrush::~TGPBrush() {
    delete handle_;
}

TGPSolidBrush::TGPSolidBrush(ARGB color) {
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
        return;
    }
    handle_ = new GpBrush;
    handle_->brush = QBrush(FromArgb(color));
    lastStatus_ = TStatus::Ok;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2,
                                               int mode) {
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
        return;
    }
    if (rect.Width <= 0 || rect.Height <= 0 || mode < LinearGradientModeHorizontal ||
        mode > LinearGradientModeBackwardDiagonal) {
        lastStatus_ = TStatus::InvalidParameter;
        return;
    }
    // Defined on the unit square and stretched onto the rectangle, so the
    // diagonal modes run corner to corner with bands parallel to the other
    // diagonal, whatever the rectangle's proportions.
    static const QPointF kFrom[] = {{0, 0}, {0, 0}, {0, 0}, {1, 0}};
    static const QPointF kTo[] = {{1, 0}, {0, 1}, {1, 1}, {0, 1}};
    QLinearGradient gradient(kFrom[mode], kTo[mode]);
    gradient.setColorAt(0, FromArgb(color1));
    gradient.setColorAt(1, FromArgb(color2));
    gradient.setSpread(QGradient::RepeatSpread);
    handle_ = new GpBrush;
    handle_->kind = GpBrush::Kind::Linear;
    handle_->brush = QBrush(gradient);
    QTransform t;
    t.translate(rect.X, rect.Y);
    t.scale(rect.Width, rect.Height);
    handle_->brush.setTransform(t);
    lastStatus_ = TStatus::Ok;
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* path) {
    const GpPath* shape = path ? path->Handle() : nullptr;
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
        return;
    }
    if (shape == nullptr || shape->path.elementCount() < 2) {
        lastStatus_ = TStatus::InvalidParameter;
        return;
    }
    handle_ = new GpBrush;
    handle_->kind = GpBrush::Kind::PathGradient;
    handle_->path = shape->path;
    handle_->ellipse = shape->ellipses == 1 && !shape->otherFigures;
    handle_->center = shape->path.boundingRect().center();
    lastStatus_ = TStatus::Ok;
}

TStatus TGPPathGradientBrush::SetCenterColor(ARGB color) {
    if (handle_ == nullptr || handle_->kind != GpBrush::Kind::PathGradient)
        Record(TStatus::InvalidParameter);
    else
        handle_->centerColor = FromArgb(color);
    return lastStatus_;
}

TStatus TGPPathGradientBrush::SetCenterPoint(const TGPPoint& point) {
    if (handle_ == nullptr || handle_->kind != GpBrush::Kind::PathGradient)
        return Record(TStatus::InvalidParameter);
    handle_->center = QPointF(point.X, point.Y);
    return TStatus::Ok;
}

int TGPPathGradientBrush::GetPointCount() {
    if (handle_ == nullptr || handle_->kind != GpBrush::Kind::PathGradient) {
        Record(TStatus::InvalidParameter);
        return 0;
    }
    return handle_->path.elementCount();
}

TStatus TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int* count) {
    if (colors == nullptr || count == nullptr) return Record(TStatus::InvalidParameter);
    const int points = GetPointCount();
    if (*count > points || points <= 0 || *count <= 0) return Record(TStatus::InvalidParameter);
    handle_->surround.clear();
    std::transform(colors, colors + *count, std::back_inserter(handle_->surround), FromArgb);
    if (lastStatus_ == TStatus::Ok) *count = static_cast<int>(handle_->surround.size());
    return TStatus::Ok;
}

// --- TGPGraphicsPath ---

TGPGraphicsPath::TGPGraphicsPath(int fillMode) {
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
        return;
    }
    if (fillMode != FillModeAlternate && fillMode != FillModeWinding) {
        lastStatus_ = TStatus::InvalidParameter;
        return;
    }
    handle_ = new GpPath;
    handle_->path.setFillRule(fillMode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
    lastStatus_ = TStatus::Ok;
}

TGPGraphicsPath::~TGPGraphicsPath() {
    delete handle_;
}

TStatus TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
    if (handle_ == nullptr) return Record(TStatus::InvalidParameter);
    // Within an open figure the line joins on from the last point (a start
    // on that point adds no point of its own).
    if (handle_->figureOpen) {
        if (handle_->path.currentPosition() != QPointF(x1, y1)) handle_->path.lineTo(x1, y1);
    } else
        handle_->path.moveTo(x1, y1);
    handle_->path.lineTo(x2, y2);
    handle_->figureOpen = true;
    handle_->otherFigures = true;
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle,
                                float sweepAngle) {
    if (handle_ == nullptr || width <= 0 || height <= 0) return Record(TStatus::InvalidParameter);
    // GDI+ turns clockwise on the screen, Qt counter-clockwise.
    const QRectF box(x, y, width, height);
    if (!handle_->figureOpen) handle_->path.arcMoveTo(box, -startAngle);
    handle_->path.arcTo(box, -startAngle, -sweepAngle);
    handle_->figureOpen = true;
    handle_->otherFigures = true;
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::AddEllipse(float x, float y, float width, float height) {
    if (handle_ == nullptr) return Record(TStatus::InvalidParameter);
    handle_->path.addEllipse(QRectF(x, y, width, height));
    handle_->figureOpen = false;
    ++handle_->ellipses;
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::CloseFigure() {
    if (handle_ == nullptr) return Record(TStatus::InvalidParameter);
    handle_->path.closeSubpath();
    handle_->figureOpen = false;
    return TStatus::Ok;
}

// --- Fonts and string formats ---

TGPFontFamily::TGPFontFamily(const std::u16string& name) {
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
        return;
    }
    // The tool's designs name Windows faces; Qt's font matching stands in the
    // nearest installed one, rather than leaving every caption undrawn.
    if (name.empty()) {
        lastStatus_ = TStatus::InvalidParameter;
        return;
    }
    handle_ = new GpFontFamily{QString::fromStdU16String(name)};
    lastStatus_ = TStatus::Ok;
}

TGPFontFamily::~TGPFontFamily() {
    delete handle_;
}

TGPFont::TGPFont(const TGPFontFamily* family, float size, int style, int unit) {
    const GpFontFamily* f = family ? family->Handle() : nullptr;
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
        return;
    }
    if (f == nullptr || size <= 0 || unit < UnitWorld || unit > UnitMillimeter) {
        lastStatus_ = TStatus::InvalidParameter;
        return;
    }
    QFont font(f->name);
    font.setPointSizeF(PointsOf(size, unit));
    font.setBold(style & FontStyleBold);
    font.setItalic(style & FontStyleItalic);
    font.setUnderline(style & FontStyleUnderline);
    font.setStrikeOut(style & FontStyleStrikeout);
    handle_ = new GpFont{font};
    lastStatus_ = TStatus::Ok;
}

TGPFont::~TGPFont() {
    delete handle_;
}

TGPStringFormat::TGPStringFormat(int formatFlags, int /*language*/) {
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
        return;
    }
    handle_ = new GpStringFormat;
    handle_->flags = formatFlags;
    lastStatus_ = TStatus::Ok;
}

TGPStringFormat::~TGPStringFormat() {
    delete handle_;
}

TStatus TGPStringFormat::SetAlignment(int alignment) {
    if (handle_ == nullptr || alignment < StringAlignmentNear || alignment > StringAlignmentFar)
        return Record(TStatus::InvalidParameter);
    handle_->alignment = alignment;
    return TStatus::Ok;
}

TStatus TGPStringFormat::SetLineAlignment(int alignment) {
    if (handle_ == nullptr || alignment < StringAlignmentNear || alignment > StringAlignmentFar)
        return Record(TStatus::InvalidParameter);
    handle_->lineAlignment = alignment;
    return TStatus::Ok;
}

TStatus TGPStringFormat::SetHotkeyPrefix(int prefix) {
    if (handle_ == nullptr || prefix < HotkeyPrefixNone || prefix > HotkeyPrefixHide)
        return Record(TStatus::InvalidParameter);
    handle_->hotkeyPrefix = prefix;
    return TStatus::Ok;
}

// --- TGPImage ---

TGPImage::TGPImage(const QByteArray& data, bool /*useEmbeddedColorManagement*/) {
    if (g_startups == 0) {
        lastStatus_ = TStatus::GdiplusNotInitialized;
        return;
    }
    if (data.isEmpty()) {
        lastStatus_ = TStatus::InvalidParameter;
        return;
    }
    QImage image = QImage::fromData(data);
    if (image.isNull()) {
        lastStatus_ = TStatus::UnknownImageFormat;
        return;
    }
    handle_ = new GpImage{std::move(image), ImageFormatOfData(data)};
    lastStatus_ = TStatus::Ok;
}

TGPImage::~TGPImage() {
    delete handle_;
}

unsigned TGPImage::GetWidth() {
    if (handle_ == nullptr) {
        Record(TStatus::InvalidParameter);
        return 0;
    }
    return static_cast<unsigned>(handle_->image.width());
}

unsigned TGPImage::GetHeight() {
    if (handle_ == nullptr) {
        Record(TStatus::InvalidParameter);
        return 0;
    }
    return static_cast<unsigned>(handle_->image.height());
}

int TGPImage::GetFormat() {
    if (handle_ == nullptr) {
        Record(TStatus::InvalidParameter);
        return ImageFormatUndefined;
    }
    return handle_->format;
}

}  // namespace vx
