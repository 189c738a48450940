#include "widgets/qt/ImageList.h"

#include <QImage>
#include <QPainter>

namespace vx {

TImageList::TImageList(int width, int height, QObject* parent)
    : QObject(parent), width_(width), height_(height) {}

int TImageList::Add(const QPixmap& picture) {
    QPixmap image = picture;
    if (image.size() != QSize(width_, height_))
        image = image.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    images_.push_back(image);
    emit Changed();
    return Count() - 1;
}

void TImageList::Clear() {
    if (images_.isEmpty()) return;
    images_.clear();
    emit Changed();
}

void TImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    const QPixmap& image = images_[index];
    if (enabled) {
        painter.drawPixmap(x, y, image);
        return;
    }
    // Greyed: every pixel's lightness, lifted towards the face colour, its
    // transparency kept.
    QImage grey = image.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < grey.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(row));
        for (int col = 0; col < grey.width(); ++col) {
            const int g = 128 + qGray(line[col]) / 2;
            line[col] = qRgba(g, g, g, qAlpha(line[col]));
        }
    }
    painter.drawImage(x, y, grey);
}

}  // namespace vx
