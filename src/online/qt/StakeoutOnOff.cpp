#include "online/qt/StakeoutOnOff.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "online/ForceDevice.h"

namespace vx {
namespace {

QLabel* ClickPanel(QWidget* parent, const char* name, const char* text, int tag, QRect geometry) {
    auto* panel = new QLabel(QString::fromUtf8(text), parent);
    panel->setObjectName(QString::fromUtf8(name));
    panel->setProperty("Tag", tag);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setCursor(Qt::PointingHandCursor);
    QFont font = panel->font();
    font.setBold(true);
    panel->setFont(font);
    panel->setGeometry(geometry);
    return panel;
}

}  // namespace

TStakeoutOnOff::TStakeoutOnOff(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Stakeout_ON_OFF"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    resize(192, 66);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setGeometry(4, 3, 184, 20);
    panel2_ = ClickPanel(this, "Panel2", "ON", kForceOn, {6, 26, 86, 34});
    panel6_ = ClickPanel(this, "Panel6", "OFF", kForceOff, {100, 26, 86, 34});
    for (QLabel* panel : {panel2_, panel6_})
        panel->installEventFilter(this);
    hide();
}

void TStakeoutOnOff::ShowFor(DeviceCode code, QPoint at) {
    tag_ = code;
    label1_->setText(QString::fromStdString(DeviceName(code)));
    if (QWidget* parent = parentWidget()) {
        at.setX(std::max(0, std::min(at.x(), parent->width() - width())));
        at.setY(std::max(0, std::min(at.y(), parent->height() - height())));
    }
    move(at);
    show();
    raise();
}

bool TStakeoutOnOff::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (watched == panel2_ || watched == panel6_)) {
        hide();
        emit Panel2Click(tag_, watched->property("Tag").toInt());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace vx
