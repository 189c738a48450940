#include "build/qt/ProgressFrm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "styling/skin/qt/FlatSkin.h"
#include "widgets/qt/WgBckgnd.h"

namespace vx {

TProgressFrm::TProgressFrm(StageView& host, const QString& objectName, int top, QWidget* parent)
    : QDialog(parent), host_(host) {
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("KZ6-Quillary"));
    setModal(true);
    setFixedSize(360, 96);
    TFlatSkin::ForDialog(this);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel6"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0xAD, 0xC7, 0xE0));
    panel->setPalette(palette);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    // A gradient strip along the top, then the label, the stop button and the gauge.
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* strip = new TWgBackground(panel);
    strip->setObjectName(QStringLiteral("WgBackground1"));
    strip->setFixedHeight(17);
    strip->SetGradientColorStart(clHotLight);
    strip->SetGradientColorStop(clAqua);
    layout->addWidget(strip);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(9, 4, 9, 6);
    layout->addLayout(body);
    auto* row = new QHBoxLayout;
    label7_ = new QLabel(QStringLiteral("编译进行中..."), panel);
    label7_->setObjectName(QStringLiteral("Label7"));
    speedButton11_ = new QToolButton(panel);
    speedButton11_->setObjectName(QStringLiteral("SpeedButton11"));
    speedButton11_->setToolTip(QStringLiteral("终止"));
    speedButton11_->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    speedButton11_->setAutoRaise(true);
    row->addWidget(label7_, 1);
    row->addWidget(speedButton11_);
    gauge1_ = new QProgressBar(panel);
    gauge1_->setObjectName(QStringLiteral("Gauge1"));
    gauge1_->setRange(0, 50);
    gauge1_->setValue(0);
    gauge1_->setTextVisible(false);
    body->addLayout(row);
    body->addWidget(gauge1_);

    // Centred horizontally, the top edge fixed.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().x() + (screen->geometry().width() - width()) / 2, top);
    }

    timer1_.setSingleShot(true);
    timer1_.setInterval(100);
    connect(&timer1_, &QTimer::timeout, this, &TProgressFrm::Timer1Timer);
    poll_.setInterval(10);
    connect(&poll_, &QTimer::timeout, this, &TProgressFrm::PollTimer);
    connect(speedButton11_, &QToolButton::clicked, this, [this] { Job().Stop(); });
}

void TProgressFrm::ShowProgress(int gauge, const std::string& label) {
    gauge1_->setValue(gauge);
    label7_->setText(QString::fromStdString(label));
    host_.ShowProgress(gauge, label);
}

void TProgressFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Job().Finished() || timer1_.isActive() || poll_.isActive()) return;
    JobShown();
    timer1_.start();
}

void TProgressFrm::Timer1Timer() {
    if (!JobBegin()) {
        accept();
        return;
    }
    poll_.start();
}

void TProgressFrm::PollTimer() {
    if (Job().Poll()) return;
    poll_.stop();
    accept();
}

void TProgressFrm::reject() {
    if (!Job().Finished()) {
        // Closing the window is a stop: the job ends (and cleans up) first.
        Job().Stop();
        while (Job().Poll()) {
        }
        poll_.stop();
        timer1_.stop();
    }
    QDialog::reject();
}

}  // namespace vx
