#include "platform/paint/ImageList.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "platform/paint/Canvas.h"

namespace vx {
namespace {

// Greyed: every pixel's lightness, lifted towards the face colour, its
// transparency kept.
QImage Greyed(const QImage& picture) {
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < grey.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(row));
        for (int col = 0; col < grey.width(); ++col) {
            const int g = 128 + qGray(line[col]) / 2;
            line[col] = qRgba(g, g, g, qAlpha(line[col]));
        }
    }
    return grey;
}

qreal PixelRatioOf(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    const qreal ratio = device ? device->devicePixelRatio() : 1.0;
    return ratio > 0 ? ratio : 1.0;
}

}  // namespace

TImageList::TImageList(int width, int height, QObject* parent)
    : QObject(parent), width_(width), height_(height) {}

int TImageList::Add(const QPixmap& picture) {
    QPixmap image = picture;
    const QSize size(width_, height_);
    if (!image.isNull() && image.deviceIndependentSize().toSize() != size) {
        // Scaled in the picture's own pixels, so a 2x pixmap stays 2x.
        const qreal ratio = image.devicePixelRatio();
        image = image.scaled(QSize(qRound(width_ * ratio), qRound(height_ * ratio)),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    Picture entry;
    entry.pixmap = image;
    pictures_.push_back(std::move(entry));
    emit Changed();
    return Count() - 1;
}

int TImageList::Add(const QIcon& icon) {
    Picture entry;
    entry.icon = icon;
    pictures_.push_back(std::move(entry));
    emit Changed();
    return Count() - 1;
}

void TImageList::Clear() {
    if (pictures_.empty()) return;
    pictures_.clear();
    emit Changed();
}

QImage TImageList::Render(const Picture& picture, qreal ratio) const {
    QImage image(qRound(width_ * ratio), qRound(height_ * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRect target(0, 0, width_, height_);
    if (!picture.pixmap.isNull()) {
        painter.drawPixmap(target, picture.pixmap);
    } else if (!picture.icon.isNull()) {
        // The icon asks the image for its pixel ratio and draws its picture
        // in that many pixels.
        picture.icon.paint(&painter, target);
    }
    return image;
}

const QImage& TImageList::Rendered(const Picture& picture, qreal ratio, bool enabled) const {
    if (picture.ratio != ratio || picture.normal.isNull()) {
        picture.ratio = ratio;
        picture.normal = Render(picture, ratio);
        picture.greyed = QImage();
    }
    if (enabled) return picture.normal;
    if (picture.greyed.isNull() && !picture.normal.isNull())
        picture.greyed = Greyed(picture.normal);
    return picture.greyed;
}

void TImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count() || width_ <= 0 || height_ <= 0) return;
    const QImage& image = Rendered(pictures_[index], PixelRatioOf(painter), enabled);
    if (image.isNull()) return;
    painter.drawImage(QRect(x, y, width_, height_), image);
}

void TImageList::Draw(Canvas& canvas, int x, int y, int index, bool enabled) const {
    Draw(canvas.Painter(), x, y, index, enabled);
}

QImage TImageList::GetBitmap(int index, qreal pixelRatio, bool enabled) const {
    if (index < 0 || index >= Count() || width_ <= 0 || height_ <= 0) return QImage();
    if (!(pixelRatio > 0)) pixelRatio = 1.0;
    return Rendered(pictures_[index], pixelRatio, enabled);
}

QIcon TImageList::GetIcon(int index) const {
    if (index < 0 || index >= Count()) return QIcon();
    const Picture& picture = pictures_[index];
    return picture.pixmap.isNull() ? picture.icon : QIcon(picture.pixmap);
}

}  // namespace vx
