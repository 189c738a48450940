#include "editor/qt/ToolImages.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>

#include "editor/qt/ToolPictures.h"
#include "platform/paint/Canvas.h"
#include "platform/paint/ImageList.h"

namespace vx {
namespace {

// The disabled look: the picture in light greys, half faded.
QImage Faded(QImage image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int alpha = qAlpha(c);
            if (alpha == 0) continue;
            // Un-premultiplied grey of the pixel, lifted towards white.
            const int grey = qGray(c);
            const int light = 96 + grey * 5 / 8;
            line[x] = qRgba(light, light, light, alpha * 11 / 20);
        }
    }
    return image;
}

// The icon engine of one picture: draws it at whatever size and pixel
// ratio the tool bar, menu or tree asks for, so it is never scaled up from
// a smaller pixmap. A tree node may show another picture while selected.
class ToolImageEngine : public QIconEngine {
  public:
    explicit ToolImageEngine(int index, int selectedIndex = -1)
        : index_(index), selectedIndex_(HasToolPicture(selectedIndex) ? selectedIndex : index) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1;
        const int side = std::min(rect.width(), rect.height());
        QPixmap picture = pixmap(QSize(side, side) * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.x() + (rect.width() - side) / 2,
                            rect.y() + (rect.height() - side) / 2, picture);
    }

    // `size` is in device pixels: QIcon asks for the size times the pixel
    // ratio of the screen and marks the ratio on the pixmap itself.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int index = mode == QIcon::Selected ? selectedIndex_ : index_;
        return ToolImagePixmap(index, std::min(size.width(), size.height()),
                               mode == QIcon::Disabled);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32)};
    }

    QString key() const override { return QStringLiteral("vxToolImage"); }
    QIconEngine* clone() const override { return new ToolImageEngine(index_, selectedIndex_); }
    bool isNull() override { return false; }

  private:
    int index_;
    int selectedIndex_;
};

}  // namespace

QPixmap ToolImagePixmap(int index, int size, bool disabled) {
    if (!HasToolPicture(index) || size <= 0) return QPixmap();
    // Tool bars repaint their buttons often; each picture is drawn once per
    // size and look.
    const QString key = QStringLiteral("vxToolImage/%1/%2/%3").arg(index).arg(size).arg(disabled);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        DrawToolPicture(painter, index, QRect(0, 0, size, size));
    }
    pixmap = QPixmap::fromImage(disabled ? Faded(image) : image);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon ToolImageIcon(int index, int selectedIndex) {
    if (!HasToolPicture(index)) return QIcon();
    return QIcon(new ToolImageEngine(index, selectedIndex));
}

QList<QIcon> ToolImages() {
    QList<QIcon> images(kImageCount);
    for (int index = 0; index < kImageCount; ++index) {
        images[index] = ToolImageIcon(index);
    }
    return images;
}

TImageList* NewToolImageList(QObject* parent) {
    auto* list = new TImageList(16, 16, parent);
    for (const QIcon& icon : ToolImages())
        list->Add(icon);
    return list;
}

QPixmap ElementGlyph(int glyph) {
    // The ladder symbol of the element, as the grid draws it, scaled to the
    // button; drawn at the screen's pixel ratio so that it stays sharp on a
    // scaled screen.
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(34, 24) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);  // the transparent colour: the bar shows through
    QPainter painter(&pixmap);
    Canvas c(painter);
    c.pen.color = clBlack;
    const int mid = 12, top = 6, bottom = 18;
    auto line = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    auto contact = [&](bool closed) {
        line(2, mid, 13, mid), line(21, mid, 32, mid), line(13, top, 13, bottom + 1);
        line(20, top, 20, bottom + 1);
        if (closed) line(22, top, 11, bottom);
    };
    auto parallel = [&](bool closed) {
        contact(closed);
        line(2, 2, 2, mid), line(32, 2, 32, mid);
    };
    switch (glyph) {
        case kGlyphLD:
            contact(false);
            break;
        case kGlyphLDI:
            contact(true);
            break;
        case kGlyphLDP:
        case kGlyphLDF:
            contact(false);
            line(17, bottom, 17, top - 1);
            if (glyph == kGlyphLDP) {
                line(17, top, 15, top + 4), line(17, top, 19, top + 4);
            } else {
                line(17, bottom, 15, bottom - 4), line(17, bottom, 19, bottom - 4);
            }
            break;
        case kGlyphOR:
            parallel(false);
            break;
        case kGlyphORI:
            parallel(true);
            break;
        case kGlyphOUT:
            line(2, mid, 10, mid), line(24, mid, 32, mid);
            c.font.size = 10;
            c.font.bold = true;
            c.brush.style = BrushStyle::Clear;
            c.TextOut(9, 3, "( )");
            break;
        case kGlyphFUNC:
            line(2, mid, 6, mid), line(28, mid, 32, mid);
            c.brush.style = BrushStyle::Clear;
            c.Rectangle(6, 5, 29, 20);
            break;
        case kGlyphXL:
            line(2, mid, 32, mid);
            break;
        case kGlyphINV:
            line(2, mid, 32, mid), line(22, top, 11, bottom);
            break;
        case kGlyphYL:
            line(17, 2, 17, 22);
            break;
        case kGlyphYLC:
            line(17, 2, 17, 22);
            c.pen.color = clRed;
            line(11, 6, 24, 19), line(23, 6, 10, 19);
            break;
        default:
            break;
    }
    return pixmap;
}

}  // namespace vx
