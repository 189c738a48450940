#include "online/qt/MonitorGotoFrm.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "styling/skin/qt/FlatSkin.h"

namespace vx {

TMonitorGotoFrm::TMonitorGotoFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("MonitorGotoFrm"));
    setWindowTitle(QStringLiteral("元件定位"));
    setModal(true);

    label1_ = new QLabel(QStringLiteral("定位到M:"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    spinEdit1_ = new QSpinBox(this);
    spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    spinEdit1_->setRange(0, 9999);
    spinEdit1_->setMinimumWidth(110);
    label2_ = new QLabel(QStringLiteral("0 - 9999"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    bitBtn1_ = new QPushButton(QStringLiteral("确认(Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);  // Enter confirms
    bitBtn3_ = new QPushButton(QStringLiteral("取消(N)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setAutoDefault(false);
    for (QPushButton* b : {bitBtn1_, bitBtn3_})
        b->setMinimumSize(88, 30);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->addWidget(label1_, 0, 0);
    fields->addWidget(spinEdit1_, 0, 1);
    fields->addWidget(label2_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bitBtn1_);
    buttons->addWidget(bitBtn3_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    skin_ = TFlatSkin::ForDialog(this);

    connect(bitBtn1_, &QPushButton::clicked, this, [this] { done(kResultYes); });
    connect(bitBtn3_, &QPushButton::clicked, this, [this] { done(kResultCancel); });

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void TMonitorGotoFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    spinEdit1_->setFocus();
    spinEdit1_->selectAll();
}

}  // namespace vx
