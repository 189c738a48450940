#include "widgets/qt/WgBackground.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/Canvas.h"

namespace vx {

TWgBackground::TWgBackground(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void TWgBackground::SetGradientColorStart(TColor color) {
    if (color == start_) return;
    start_ = color;
    update();
}

void TWgBackground::SetGradientColorStop(TColor color) {
    if (color == stop_) return;
    stop_ = color;
    update();
}

void TWgBackground::SetFrameStyle(TFrameStyle style) {
    if (style == frame_) return;
    frame_ = style;
    update();
}

void TWgBackground::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    if (all.height() < 5 || all.width() < 5) {
        p.fillRect(all, ToQColor(start_));
        return;
    }
    QLinearGradient gradient(0, all.top(), 0, all.bottom());
    gradient.setColorAt(0, ToQColor(start_));
    gradient.setColorAt(1, ToQColor(stop_));
    p.fillRect(all, gradient);
    if (frame_ == TFrameStyle::fsLowered) {
        // Two pixels: shadow on the top and left, light on the bottom and right.
        const QColor shadow = ToQColor(clBtnShadow), dark = ToQColor(cl3DDkShadow);
        const QColor light = ToQColor(clBtnHighlight), face = ToQColor(cl3DLight);
        const int r = all.right(), b = all.bottom();
        p.setPen(shadow);
        p.drawLine(0, 0, r - 1, 0);
        p.drawLine(0, 0, 0, b - 1);
        p.setPen(dark);
        p.drawLine(1, 1, r - 2, 1);
        p.drawLine(1, 1, 1, b - 2);
        p.setPen(light);
        p.drawLine(0, b, r, b);
        p.drawLine(r, 0, r, b);
        p.setPen(face);
        p.drawLine(1, b - 1, r - 1, b - 1);
        p.drawLine(r - 1, 1, r - 1, b - 1);
    }
}

void TWgBackground::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    emit MouseMoved();
}

}  // namespace vx
