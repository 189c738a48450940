#include "online/qt/MonitorRSf.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <chrono>
#include <thread>

#include "online/LinkTexts.h"
#include "online/MemoryGrid.h"
#include "online/qt/MonitorFrm.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {

TMonitorRSf::TMonitorRSf(TMonitorFrm& monitor)
    : QDialog(&monitor, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      monitor_(monitor) {
    setObjectName(QStringLiteral("MonitorRSf"));
    setModal(true);
    auto button = [this](const char* name, const char* caption, int tag) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("Tag", tag);
        b->setAutoDefault(false);
        b->setMinimumSize(88, 30);
        return b;
    };
    set_ = button("BitBtn2", "置位(&S)", 1);
    reset_ = button("BitBtn4", "复位(&R)", 0);
    cancel_ = button("BitBtn1", "取 消 (&N)", 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(set_);
    layout->addWidget(reset_);
    layout->addWidget(cancel_);
    setFixedSize(sizeHint());
    skin_ = TFlatSkin::ForDialog(this);

    connect(set_, &QPushButton::clicked, this, [this] { BitBtn2Click(1); });
    connect(reset_, &QPushButton::clicked, this, [this] { BitBtn2Click(0); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    // Centred, 50 pixels above the middle of the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2 - 50);
    }
}

void TMonitorRSf::BitBtn2Click(int tag) {
    if (!monitor_.LinkOpen()) {
        monitor_.LinkMessage(PortNotOpenText(monitor_.Chinese()));
        return;
    }
    const std::optional<BitWriteTarget> target = BitWriteOfCaption(windowTitle().toStdString());
    if (!target) return;
    monitor_.PausePolling();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const bool written = monitor_.Seams().writeBit(tag, target->number, target->areaCode);
    monitor_.ResumePolling();
    if (!written) monitor_.LinkMessage(LinkFailedText(monitor_.Chinese()));
    accept();
}

}  // namespace vx
