#include "editor/qt/OrganCheck.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/OrganCheck.h"
#include "editor/qt/ToolImages.h"
#include "model/LadderProgram.h"
#include "platform/paint/Canvas.h"
#include "platform/qt/ProgramText.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// The pictures of a device's first and second place, from the main window's images.
constexpr int kFirstPlaceImage = kImageUsageNode;
constexpr int kSecondPlaceImage = kImageRepeatedOutput;

// The progress note and what it grows by after each device group.
const char* CheckingCaption(bool chinese) {
    return chinese ? "检查中。。。" : "Checking...";
}
const char* CheckingStep(bool chinese) {
    return chinese ? "。。" : "..";
}

// A picture of the image list; a blank one of the same size where the list
// has none, so that the names stay in line.
QIcon PlaceIcon(const QList<QIcon>& images, int index, QSize size) {
    if (index < images.size() && !images[index].isNull()) return images[index];
    QPixmap blank(size);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

}  // namespace

TOrganCheckFrm::TOrganCheckFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OrganCheckFrm"));
    setWindowTitle(Q("输出复用检查"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(ToQFont(CanvasFont{}));
    setFixedSize(322, 364);

    listView1_ = new QTreeWidget(this);
    listView1_->setObjectName(QStringLiteral("ListView1"));
    listView1_->setColumnCount(3);
    listView1_->setHeaderLabels({Q("重复输出元件号"), Q("程序段"), Q("行号")});
    listView1_->setColumnWidth(0, 118);
    listView1_->setColumnWidth(1, 88);
    listView1_->setColumnWidth(2, 88);
    listView1_->setRootIsDecorated(false);
    listView1_->setIconSize(QSize(16, 16));
    listView1_->setItemsExpandable(false);
    listView1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView1_->header()->setSectionsMovable(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(listView1_);
    connect(listView1_, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1DblClick(); });

    // The progress note floats over the list while the check runs.
    panel1_ = new QLabel(Q(CheckingCaption(true)), this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    MarkProgramText(panel1_);
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Raised);
    panel1_->setAlignment(Qt::AlignCenter);
    panel1_->setAutoFillBackground(true);
    panel1_->setGeometry((width() - 156) / 2, 120, 156, 25);
    panel1_->hide();

    timer1_.setSingleShot(true);
    timer1_.setInterval(100);
    connect(&timer1_, &QTimer::timeout, this, &TOrganCheckFrm::Timer1Timer);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    TFlatSkin::ForDialog(this);
}

void TOrganCheckFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // a restore from the task bar is no new showing
    listView1_->clear();
    const bool chinese = Chinese();
    const char* const headers[2][3] = {{"重复输出元件号", "程序段", "行号"},
                                       {"Repeated output", "Block", "Line"}};
    for (int c = 0; c < 3; ++c)
        listView1_->headerItem()->setText(c, Q(headers[chinese ? 0 : 1][c]));
    panel1_->setText(Q(CheckingCaption(chinese)));
    panel1_->show();
    panel1_->raise();
    timer1_.start();
}

void TOrganCheckFrm::Timer1Timer() {
    timer1_.stop();
    const QList<QIcon> images = ToolImages();
    const QIcon firstIcon = PlaceIcon(images, kFirstPlaceImage, listView1_->iconSize());
    const QIcon secondIcon = PlaceIcon(images, kSecondPlaceImage, listView1_->iconSize());
    const OutputScan scan(TheProgram().cells);
    for (std::size_t g = 0; g < kOutputGroups.size(); ++g) {
        for (const OutputPlace& place : scan.Duplicates(kOutputGroups[g])) {
            auto* item = new QTreeWidgetItem(listView1_);
            item->setText(0, QString::fromStdString(place.name));
            item->setText(1, QString::fromStdString(place.block));
            item->setText(2, QString::number(place.line));
            item->setIcon(0, place.second ? secondIcon : firstIcon);
        }
        if (g + 1 < kOutputGroups.size()) {
            panel1_->setText(panel1_->text() + Q(CheckingStep(Chinese())));
            panel1_->repaint();
        }
    }
    panel1_->hide();
    emit CheckFinished();
}

void TOrganCheckFrm::ListView1DblClick() {
    QTreeWidgetItem* item = listView1_->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    const int row = OutputPlaceRow(item->text(1).toStdString(), item->text(2).toStdString());
    if (host_.showPlace) host_.showPlace(kOutputColumn, row);
}

}  // namespace vx
