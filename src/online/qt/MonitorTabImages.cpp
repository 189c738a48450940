#include "online/qt/MonitorTabImages.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "platform/paint/ImageList.h"

namespace vx {
namespace {

constexpr int kSize = 16;

QPixmap Badge(const QString& letters, const QColor& fill) {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 3, 3);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(letters.size() > 1 ? 8 : 11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, letters);
    return picture;
}

QPixmap Cross() {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    return picture;
}

}  // namespace

TImageList* MonitorTabImages(QObject* parent) {
    // The grids' own marking colours: ON bits light pink, the M and C
    // blocks light yellow, the D blocks light green.
    const QColor pink(255, 215, 215);
    const QColor yellow(255, 255, 155);
    const QColor green(149, 255, 149);
    auto* images = new TImageList(kSize, kSize, parent);
    images->Add(Badge(QStringLiteral("X"), pink));
    images->Add(Badge(QStringLiteral("Y"), pink));
    images->Add(Badge(QStringLiteral("M"), yellow));
    images->Add(Badge(QStringLiteral("S"), pink));
    images->Add(Badge(QStringLiteral("T"), pink));
    images->Add(Badge(QStringLiteral("C"), yellow));
    images->Add(Badge(QStringLiteral("D"), green));
    images->Add(Badge(QStringLiteral("SD"), green));
    images->Add(Cross());
    return images;
}

}  // namespace vx
