#include "widgets/qt/WgSizeBarOverlay.h"

#include <QPainter>
#include <QPixmap>

namespace vx {

TWgSizeBarOverlay::TWgSizeBarOverlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void TWgSizeBarOverlay::Begin() {
    hide();
    if (QWidget* parent = parentWidget()) under_ = parent->grab().toImage();
}

void TWgSizeBarOverlay::ShowAt(const TRect& r) {
    setGeometry(r.left, r.top, r.Width(), r.Height());
    raise();
    show();
    update();
}

void TWgSizeBarOverlay::End() {
    hide();
    under_ = QImage();
}

QImage TWgSizeBarOverlay::Inverted(const QImage& under, QPoint origin) {
    QImage out = under.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((origin.x() + x + origin.y() + y) % 2 == 0)
                line[x] = (~line[x] & 0x00FFFFFF) | 0xFF000000;
        }
    }
    return out;
}

void TWgSizeBarOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = under_.isNull() ? 1.0 : under_.devicePixelRatio();
    const QRect source(QPointF(pos() * ratio).toPoint(), QSizeF(size() * ratio).toSize());
    QImage piece =
        under_.isNull() ? QImage(source.size(), QImage::Format_RGB32) : under_.copy(source);
    if (under_.isNull()) piece.fill(Qt::white);
    piece = Inverted(piece, source.topLeft());
    piece.setDevicePixelRatio(ratio);
    painter.drawImage(0, 0, piece);
}

}  // namespace vx
