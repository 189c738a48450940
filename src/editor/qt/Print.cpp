#include "editor/qt/Print.h"

#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "platform/paint/Canvas.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kWidth = 393;
constexpr int kHeight = 160;

QLineEdit* PageField(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(QStringLiteral("1"), parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setMaxLength(3);
    // Digits only (Backspace works as ever).
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), edit));
    edit->setFixedWidth(40);
    edit->setEnabled(false);
    return edit;
}

}  // namespace

TForPrint::TForPrint(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ForPrint"));
    setWindowTitle(QStringLiteral("打印项目"));
    setModal(true);
    CanvasFont canvasFont;
    setFont(ToQFont(canvasFont));
    TFlatSkin::ForDialog(this);

    auto* range = new QGroupBox(QStringLiteral("梯形图打印范围"), this);
    range->setObjectName(QStringLiteral("GroupBox1"));
    radioButton1_ = new QRadioButton(QStringLiteral("全部范围(&r)"), range);
    radioButton1_->setObjectName(QStringLiteral("RadioButton1"));
    radioButton1_->setChecked(true);
    radioButton2_ = new QRadioButton(QStringLiteral("设置范围(&g)"), range);
    radioButton2_->setObjectName(QStringLiteral("RadioButton2"));
    edit1_ = PageField("Edit1", range);
    edit2_ = PageField("Edit2", range);
    auto* pages = new QHBoxLayout;
    pages->addSpacing(18);
    pages->addWidget(edit1_);
    pages->addWidget(new QLabel(QStringLiteral("页至"), range));
    pages->addWidget(edit2_);
    pages->addWidget(new QLabel(QStringLiteral("页"), range));
    pages->addStretch();
    auto* rangeLayout = new QVBoxLayout(range);
    rangeLayout->addWidget(radioButton1_);
    rangeLayout->addWidget(radioButton2_);
    rangeLayout->addLayout(pages);

    auto* items = new QGroupBox(QStringLiteral("打印项目选择"), this);
    items->setObjectName(QStringLiteral("GroupBox2"));
    checkBox1_ = new QCheckBox(QStringLiteral("打印梯形图(&L)"), items);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox1_->setChecked(true);
    checkBox2_ = new QCheckBox(QStringLiteral("打印指令表(&I)"), items);
    checkBox2_->setObjectName(QStringLiteral("CheckBox2"));
    speedButton1_ = new QToolButton(items);
    speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    speedButton1_->setText(QStringLiteral("..."));
    auto* font = new QHBoxLayout;
    font->addWidget(new QLabel(QStringLiteral("指令表字体设置"), items));
    font->addWidget(speedButton1_);
    font->addStretch();
    auto* itemsLayout = new QVBoxLayout(items);
    itemsLayout->addWidget(checkBox1_);
    itemsLayout->addWidget(checkBox2_);
    itemsLayout->addLayout(font);

    bitBtn1_ = new QPushButton(QStringLiteral("确认(&Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);
    bitBtn3_ = new QPushButton(QStringLiteral("取消(&N)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(range, 0, 0);
    layout->addWidget(items, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bitBtn1_);
    buttons->addWidget(bitBtn3_);
    layout->addLayout(buttons, 1, 0, 1, 2);
    setFixedSize(layout->sizeHint().expandedTo(QSize(kWidth, kHeight)));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + 150);
    }

    // The page fields are enabled exactly while a range is chosen, however it
    // was chosen (mouse, arrow keys, access key, or by the program).
    connect(radioButton2_, &QRadioButton::toggled, this, [this](bool range) {
        edit1_->setEnabled(range);
        edit2_->setEnabled(range);
    });

    chooseFont_ = [this](const QFont& current) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current, this);
        if (!ok) return std::nullopt;
        return chosen;
    };
    connect(speedButton1_, &QToolButton::clicked, this, &TForPrint::SpeedButton1Click);
    connect(bitBtn1_, &QPushButton::clicked, this, [this] {
        confirmed_ = true;
        accept();
    });
    connect(bitBtn3_, &QPushButton::clicked, this, [this] {
        confirmed_ = false;
        reject();
    });
}

void TForPrint::SpeedButton1Click() {
    if (!chooseFont_) return;
    if (std::optional<QFont> chosen = chooseFont_(instructionFont_)) instructionFont_ = *chosen;
}

PrintOptions TForPrint::Options() const {
    PrintOptions options;
    options.confirmed = confirmed_;
    options.allPages = radioButton1_->isChecked();
    options.firstPage = edit1_->text().toInt();
    options.lastPage = edit2_->text().toInt();
    options.ladder = checkBox1_->isChecked();
    options.instructionList = checkBox2_->isChecked();
    options.instructionFont = instructionFont_;
    return options;
}

void TForPrint::showEvent(QShowEvent* event) {
    setFixedSize(layout()->sizeHint().expandedTo(QSize(kWidth, kHeight)));
    QDialog::showEvent(event);
}

PrintOptions TForPrint::Execute() {
    confirmed_ = false;
    exec();
    return Options();
}

}  // namespace vx
