#include "widgets/qt/WgTabDropMarker.h"

#include <QPainter>
#include <QPolygon>

#include "platform/paint/Canvas.h"

namespace vx {

TWgDropMarkerWindow::TWgDropMarkerWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput),
      owner_(owner) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("DropMarker"));
}

void TWgDropMarkerWindow::ShowMarker(const TWgDropMarker& marker, TColor background) {
    marker_ = marker;
    const int w = marker.Rect.Width();
    const int h = marker.Rect.Height();
    picture_ = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    // The bitmap's clBtnShadow XOR the background; the black triangles leave
    // the screen as it is.
    const TColor inverted = (ColorToRGB(background) ^ ColorToRGB(clBtnShadow)) & 0xFFFFFF;
    picture_.fill(ToQColor(inverted));
    {
        QPainter painter(&picture_);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (const auto* triangle : {&marker.Left, &marker.Right}) {
            QPolygon polygon;
            for (const TPoint& p : *triangle)
                polygon << QPoint(p.x, p.y);
            painter.drawPolygon(polygon);
        }
    }
    setGeometry(QRect(owner_->mapToGlobal(QPoint(marker.Rect.left, marker.Rect.top)), QSize(w, h)));
    show();
    update();
}

void TWgDropMarkerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture_);
}

}  // namespace vx
