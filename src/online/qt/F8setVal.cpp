#include "online/qt/F8setVal.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

#include "model/LadderProgram.h"
#include "online/LinkTexts.h"
#include "online/qt/LadderPoller.h"
#include "outside/ModbusLink.h"
#include "platform/MessageBox.h"
#include "platform/paint/Canvas.h"
#include "platform/qt/ProgramText.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kDialogTop = 120;
// A bit label: red when set, navy when clear, grey while its bit is off.
constexpr TColor kBitSet = clRed;
constexpr TColor kBitClear = clNavy;
constexpr TColor kBitOff = clGray;

QLabel* Label(QWidget* parent, const char* text, int x, int y) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->move(x, y);
    return label;
}

QRadioButton* Radio(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), parent);
    radio->setObjectName(QString::fromUtf8(name));
    radio->setGeometry(geometry);
    return radio;
}

// A memo of the value forms of one width.
QPlainTextEdit* Hints(QWidget* parent, const char* name, const char* text) {
    auto* memo = new QPlainTextEdit(QString::fromUtf8(text), parent);
    memo->setObjectName(QString::fromUtf8(name));
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setGeometry(16, 82, 418, 60);
    return memo;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TF8setValFrm::TF8setValFrm(QWidget* parent, TLadderPoller* poller)
    : QDialog(parent), poller_(poller) {
    setObjectName(QStringLiteral("F8setValFrm"));
    setWindowTitle(QStringLiteral("设置当前值"));
    setFixedSize(450, 358);

    Label(this, "软元件:", 16, 18);
    dtc_ = new QComboBox(this);
    dtc_->setObjectName(QStringLiteral("DTC"));
    dtc_->addItems({QStringLiteral("D"), QStringLiteral("T"), QStringLiteral("C")});
    dtc_->setGeometry(74, 14, 52, 24);
    spinEdit1_ = new QSpinBox(this);
    MarkProgramText(spinEdit1_);  // its hint is the device's range
    spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    spinEdit1_->setRange(0, FamilyHighest(ValueFamily::D));
    spinEdit1_->setGeometry(132, 14, 76, 24);

    radioButton1_ = Radio(this, "RadioButton1", "16 bits", {222, 15, 72, 22});
    radioButton2_ = Radio(this, "RadioButton2", "32 bits", {296, 15, 72, 22});
    radioButton3_ = Radio(this, "RadioButton3", "32 Float", {370, 15, 76, 22});
    radioButton1_->setChecked(true);
    auto* widths = new QButtonGroup(this);
    for (QRadioButton* radio : {radioButton1_, radioButton2_, radioButton3_})
        widths->addButton(radio);

    Label(this, "设定值:", 16, 52);
    edit1_ = new QLineEdit(QStringLiteral("K1000"), this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setMaxLength(33);
    edit1_->setGeometry(74, 48, 360, 24);

    bits16_ = Hints(this, "bits16", "K-32768  ~ K32767\nH0 ~ HFFFF\nB0 ~ B1111111111111111");
    bits32_ = Hints(this, "bits32",
                    "K-2147483647  ~ K2147483647\nH0 ~ HFFFFFFFF\nB0 ~ B1111111111111111");
    bits32F_ = Hints(this, "bits32F", "E设置范围\n-3.4E38～3.4E38 (有效数位:7)");

    // The bit labels, the highest bit on the left: bits 31-16 above, 15-0 below.
    const char* panelNames[] = {"Panel3", "Panel24", "Panel5", "Panel4"};
    const QPoint panelPlaces[] = {{229, 178}, {16, 178}, {229, 150}, {16, 150}};
    for (int p = 0; p < 4; ++p) {
        auto* panel = new QWidget(this);
        panel->setObjectName(QString::fromUtf8(panelNames[p]));
        panel->setGeometry(QRect(panelPlaces[p], QSize(205, 24)));
        bitPanels_[static_cast<std::size_t>(p)] = panel;
        for (int i = 0; i < 8; ++i) {
            const int bit = p * 8 + i;
            auto* label = new QLabel(QString::number(bit), panel);
            label->setObjectName(QStringLiteral("X00_%1").arg(bit, 2, 16, QChar('0')).toUpper());
            label->setAlignment(Qt::AlignCenter);
            label->setFrameShape(QFrame::Box);
            label->setGeometry(3 + (7 - i) * 25, 2, 24, 20);
            label->installEventFilter(this);
            bitLabels_[static_cast<std::size_t>(bit)] = label;
            PaintBitLabel(bit);
        }
    }

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setGeometry(16, 210, 418, 96);

    bitBtn1_ = Button(this, "BitBtn1", "确认(&Y)", {120, 318, 96, 28});
    bitBtn1_->setDefault(true);  // Enter in the value presses OK
    bitBtn3_ = Button(this, "BitBtn3", "取消(&N)", {234, 318, 96, 28});

    skin_ = TFlatSkin::ForDialog(this);

    connect(dtc_, &QComboBox::currentIndexChanged, this, [this] { DTCChange(); });
    for (QRadioButton* radio : {radioButton1_, radioButton2_, radioButton3_})
        connect(radio, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(bitBtn3_, &QPushButton::clicked, this, &QDialog::reject);

    DTCChange();
    RadioButton1Click();

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + kDialogTop);
    }
}

ValueWidth TF8setValFrm::Width() const {
    if (radioButton2_->isChecked()) return ValueWidth::k32Bits;
    if (radioButton3_->isChecked()) return ValueWidth::k32Float;
    return ValueWidth::k16Bits;
}

ValueFamily TF8setValFrm::Family() const {
    return static_cast<ValueFamily>(std::clamp(dtc_->currentIndex(), 0, 2));
}

void TF8setValFrm::SetDevice(ValueFamily family, int number) {
    dtc_->setCurrentIndex(static_cast<int>(family));
    DTCChange();
    spinEdit1_->setValue(number);
}

void TF8setValFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TF8setValFrm::FormShow() {
    radioButton1_->setChecked(true);
    DTCChange();
    RadioButton1Click();
    edit1_->setFocus();
}

void TF8setValFrm::DTCChange() {
    const int highest = FamilyHighest(Family());
    spinEdit1_->setMaximum(highest);  // a larger number comes down to it
    spinEdit1_->setToolTip(QStringLiteral("0~%1").arg(highest));
}

void TF8setValFrm::RadioButton1Click() {
    const ValueWidth width = Width();
    bits16_->setVisible(width == ValueWidth::k16Bits);
    bits32_->setVisible(width == ValueWidth::k32Bits);
    bits32F_->setVisible(width == ValueWidth::k32Float);
    const bool wide = width != ValueWidth::k16Bits;
    bitPanels_[2]->setEnabled(wide);
    bitPanels_[3]->setEnabled(wide);
    bits_ &= 0xFFFFu;  // the upper labels start clear, or off
    for (int bit = 16; bit < 32; ++bit)
        PaintBitLabel(bit);
}

bool TF8setValFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int bit = 0; bit < 32; ++bit) {
            QLabel* label = bitLabels_[static_cast<std::size_t>(bit)];
            if (watched == label && label->isEnabled()) {
                X00_00Click(bit);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TF8setValFrm::X00_00Click(int bit) {
    bits_ ^= std::uint32_t{1} << bit;
    PaintBitLabel(bit);
    edit1_->setText(QString::fromStdString(BitLabelsText(bits_, Width())));
}

void TF8setValFrm::ShowBits(std::uint32_t bits, int count) {
    for (int bit = 0; bit < count; ++bit) {
        const std::uint32_t mask = std::uint32_t{1} << bit;
        bits_ = (bits & mask) != 0 ? (bits_ | mask) : (bits_ & ~mask);
        PaintBitLabel(bit);
    }
}

void TF8setValFrm::PaintBitLabel(int bit) {
    QLabel* label = bitLabels_[static_cast<std::size_t>(bit)];
    const bool off = bit >= 16 && Width() == ValueWidth::k16Bits;
    const QColor color = ToQColor(off ? kBitOff : (BitShownSet(bit) ? kBitSet : kBitClear));
    QPalette palette = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, color);
    label->setPalette(palette);
}

void TF8setValFrm::Refuse(const char* chinese, const char* english) {
    ShowMessage(
        {kProductTitle, chinese_ ? chinese : english, MsgIcon::Exclamation, MsgButtons::Ok});
}

void TF8setValFrm::BitBtn1Click() {
    const ValueWidth width = Width();
    const SetValueEntry entry = ParseSetValue(edit1_->text().toStdString(), width);
    if (!entry.text.empty()) edit1_->setText(QString::fromStdString(entry.text));
    if (entry.error == ValueError::Input) {
        Refuse("输入错误 ！", "Input error!");
        return;
    }
    if (entry.parsed) ShowBits(entry.pattern, WidthBits(width));
    if (entry.error == ValueError::Range) {
        Refuse("数值超过范围 ！", "Value out of range!");
        return;
    }

    const ValueFamily family = Family();
    const int number = spinEdit1_->value();
    if (const std::string refusal = WidthRefusal(family, number, width, chinese_);
        !refusal.empty()) {
        ShowMessage({kProductTitle, refusal, MsgIcon::Exclamation, MsgButtons::Ok});
        return;
    }
    memo1_->appendPlainText(QString::fromStdString(SetValueLogLine(family, number, entry, width)));
    const std::uint16_t words[2] = {entry.low, entry.high};
    bool written = false;
    {
        const TLadderPoller::Hold hold(poller_);
        written = Modbus_Write_W_register(words, number, entry.words, FamilyWriteCode(family));
    }
    if (!written)
        ShowMessage(
            {kProductTitle, LinkFailedText(chinese_), MsgIcon::Information, MsgButtons::Ok});
}

}  // namespace vx
