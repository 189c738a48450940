#include "editor/qt/LinkLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace vx {

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void TLinkLabel::SetLinkColors(const QColor& normal, const QColor& hover) {
    link_ = true;
    normal_ = normal;
    hover_ = hover;
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    SetTextColor(normal);
}

QColor TLinkLabel::TextColor() const {
    return palette().color(QPalette::WindowText);
}

void TLinkLabel::SetTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLinkLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(TextColor());
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    const QStringList lines = text().split(QLatin1Char('\n'));
    const int height = metrics.lineSpacing() * static_cast<int>(lines.size());
    int y = area.top();
    if (alignment() & Qt::AlignVCenter) y += (area.height() - height) / 2;
    for (const QString& line : lines) {
        const QString shown = metrics.elidedText(line, Qt::ElideMiddle, area.width());
        painter.drawText(
            QRect(area.left(), y, area.width(), metrics.lineSpacing()),
            static_cast<int>(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, shown);
        y += metrics.lineSpacing();
    }
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    if (link_) SetTextColor(hover_);
}

void TLinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    if (link_) SetTextColor(normal_);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (link_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

}  // namespace vx
