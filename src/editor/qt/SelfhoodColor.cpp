#include "editor/qt/SelfhoodColor.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "platform/Colors.h"
#include "platform/paint/Canvas.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kTop = 80;
constexpr int kColumnsOfPanels = 3;

}  // namespace

TSelfhoodColorFrm::TSelfhoodColorFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("SelfhoodColorFrm"));
    setWindowTitle(QStringLiteral("梯形图颜色配置"));
    setModal(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    const int panelWidth = fontMetrics().horizontalAdvance(QStringLiteral("块注释颜色")) + 24;
    for (std::size_t i = 0; i < kColourPanels.size(); ++i) {
        auto* panel = new QLabel(QString::fromUtf8(kColourPanels[i].caption), this);
        panel->setObjectName(QString::fromUtf8(kColourPanels[i].name));
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAutoFillBackground(true);
        panel->setMinimumSize(panelWidth, 32);
        panel->setCursor(Qt::PointingHandCursor);
        panel->installEventFilter(this);
        panels_[i] = panel;
        const int at = static_cast<int>(i);
        layout->addWidget(panel, at / kColumnsOfPanels, at % kColumnsOfPanels);
    }
    bitBtn1_ = new QPushButton(QStringLiteral("确认(&Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);
    bitBtn1_->setMinimumHeight(32);
    connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(bitBtn1_, 1, 2);

    // The chooser starts with 16 empty custom colours.
    colorDialog1_ = new QColorDialog(this);
    colorDialog1_->setObjectName(QStringLiteral("ColorDialog1"));
    colorDialog1_->setOption(QColorDialog::DontUseNativeDialog);
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::white));

    const QSize hint = sizeHint();
    setFixedSize(std::max(hint.width(), 301), std::max(hint.height(), 117));
    skin_ = TFlatSkin::ForDialog(this);
}

std::optional<LadderColourSet> TSelfhoodColorFrm::Execute(const LadderColourSet& colours) {
    colours_ = colours;
    for (std::size_t i = 0; i < panels_.size(); ++i)
        Paint(static_cast<int>(i));
    if (exec() != QDialog::Accepted) return std::nullopt;
    return colours_;
}

void TSelfhoodColorFrm::showEvent(QShowEvent* event) {
    // Centred across the screen, its top edge 80 pixels down.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + kTop);
    }
    QDialog::showEvent(event);
}

bool TSelfhoodColorFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < panels_.size(); ++i) {
            if (watched == panels_[i]) {
                PanelClick(static_cast<int>(i));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSelfhoodColorFrm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        colorDialog1_->setWindowTitle(QColorDialog::tr("Select Color"));
    QDialog::changeEvent(event);
}

void TSelfhoodColorFrm::PanelClick(int index) {
    ColorValue& colour = colours_.*kColourPanels[static_cast<std::size_t>(index)].colour;
    colorDialog1_->setCurrentColor(ToQColor(colour));
    if (colorDialog1_->exec() != QDialog::Accepted) return;
    colour = ToTColor(colorDialog1_->selectedColor());
    Paint(index);
}

void TSelfhoodColorFrm::Paint(int index) {
    QLabel* panel = panels_[static_cast<std::size_t>(index)];
    const ColorValue colour = colours_.*kColourPanels[static_cast<std::size_t>(index)].colour;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    palette.setColor(QPalette::WindowText, CaptionInWhite(colour) ? Qt::white : Qt::black);
    panel->setPalette(palette);
}

}  // namespace vx
