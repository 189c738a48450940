#include "editor/qt/SubRename.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/qt/RecordTextValidator.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kLeft = 200;
constexpr int kRowDigits = 4;

}  // namespace

TSubRenameFrm::TSubRenameFrm(SubRenameHost host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      host_(std::move(host)) {
    setObjectName(QStringLiteral("SubRenameFrm"));
    setWindowTitle(QString::fromStdString(SubRenameCaption(kGoToRowTag)));
    setModal(true);

    // Rename: the name as typed, no longer than the project file keeps.
    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    auto* label1 = new QLabel(QStringLiteral("名称："), panel1_);
    label1->setObjectName(QStringLiteral("Label1"));
    edit1_ = new QLineEdit(panel1_);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setValidator(new TRecordTextValidator(edit1_));
    edit1_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(13, QChar(0x540D))) + 16);
    auto* renameLayout = new QHBoxLayout(panel1_);
    renameLayout->setContentsMargins(0, 0, 0, 0);
    renameLayout->addWidget(label1);
    renameLayout->addWidget(edit1_, 1);

    // Go to row: 1 to the block's row count, four digits at most.
    panel2_ = new QWidget(this);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    auto* label2 = new QLabel(QStringLiteral("定位到行："), panel2_);
    label2->setObjectName(QStringLiteral("Label2"));
    spinEdit1_ = new QSpinBox(panel2_);
    spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    spinEdit1_->setRange(1, kMainRows);
    spinEdit1_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(kRowDigits, '0')) + 48);
    label3_ = new QLabel(panel2_);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("1 ~ 2000")) + 4);
    auto* rowLayout = new QHBoxLayout(panel2_);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(label2);
    rowLayout->addWidget(spinEdit1_);
    rowLayout->addWidget(label3_, 1);

    bitBtn1_ = new QPushButton(QStringLiteral("确认(Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);  // Enter in either field confirms
    bitBtn3_ = new QPushButton(QStringLiteral("取消(N)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setAutoDefault(false);
    for (QPushButton* b : {bitBtn1_, bitBtn3_})
        b->setMinimumSize(88, 28);
    connect(bitBtn1_, &QPushButton::clicked, this, &TSubRenameFrm::BitBtn1Click);
    connect(bitBtn3_, &QPushButton::clicked, this, [this] { done(kResultCancel); });

    // The two panels share one place; the mode shows one of them.
    auto* fields = new QGridLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(panel1_, 0, 0);
    fields->addWidget(panel2_, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bitBtn1_);
    buttons->addWidget(bitBtn3_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    const QSize hint = sizeHint();
    setFixedSize(std::max(hint.width(), 280), std::max(hint.height(), 84));
    skin_ = TFlatSkin::ForDialog(this);

    // Its left edge 200 pixels in, centred down the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + kLeft, s.top() + (s.height() - height()) / 2);
    }
}

void TSubRenameFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TSubRenameFrm::FormShow() {
    setWindowTitle(
        QString::fromStdString(SubRenameCaption(tag_, !host_.chinese || host_.chinese())));
    if (IsRenameTag(tag_)) {
        panel2_->hide();
        panel1_->show();
        edit1_->setText(host_.subroutineName ? QString::fromStdString(host_.subroutineName(tag_))
                                             : QString());
        edit1_->setFocus();
        edit1_->selectAll();
        return;
    }
    panel1_->hide();
    panel2_->show();
    const GoToRowOffer offer = host_.goToOffer ? host_.goToOffer() : GoToRowOffer{};
    spinEdit1_->setMaximum(offer.maximum);
    spinEdit1_->setValue(offer.value);
    label3_->setText(QString::fromStdString(offer.range));
    spinEdit1_->setToolTip(label3_->text());
    spinEdit1_->setFocus();
    spinEdit1_->selectAll();
}

void TSubRenameFrm::BitBtn1Click() {
    if (IsRenameTag(tag_)) {
        if (host_.rename) host_.rename(tag_, edit1_->text().toStdString());
    } else {
        // The field may still hold typed digits that it has not taken.
        spinEdit1_->interpretText();
        if (host_.goToRow) host_.goToRow(GoToGridRow(spinEdit1_->value(), spinEdit1_->maximum()));
    }
    done(kResultYes);
}

}  // namespace vx
