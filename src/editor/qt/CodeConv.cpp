#include "editor/qt/CodeConv.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

#include "platform/paint/Canvas.h"
#include "platform/qt/ProgramText.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr int kCellWidth = 22;

// Navy for a clear bit, red for a set one.
constexpr const char* kCellStyle =
    "QPushButton { background-color: #000080; color: white; border: 1px solid #404040; }"
    "QPushButton:checked { background-color: #FF0000; }";

QLabel* AddLabel(QWidget* parent, const char* text, int x, int y, int w) {
    auto* label = new QLabel(Q(text), parent);
    label->setGeometry(x, y, w, 22);
    return label;
}

}  // namespace

TCodeConvFrm::TCodeConvFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CodeConvFrm"));
    setWindowTitle(Q("码制转换器"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(ToQFont(CanvasFont{}));
    setFixedSize(392, 186);

    AddLabel(this, "十进制", 8, 8, 40);
    edit1_ = new QLineEdit(QStringLiteral("0"), this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    // The validators limit what is typed; shown values may be longer (the
    // hexadecimal form of 99999 has five digits).
    edit1_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), edit1_));
    edit1_->setGeometry(50, 8, 64, 22);
    AddLabel(this, "十六进制", 124, 8, 52);
    edit2_ = new QLineEdit(QStringLiteral("0"), this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,4}")), edit2_));
    edit2_->setGeometry(178, 8, 56, 22);

    // Bits 15-8 over bits 7-0, each row in its panel.
    const char* panelCaptions[2] = {"二进制高八位", "二进制低八位"};
    for (int half = 0; half < 2; ++half) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(half + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setGeometry(8, 36 + 28 * half, 346, 26);
        for (int i = 0; i < 8; ++i) {
            const int bit = 15 - 8 * half - i;
            auto* cell = new QPushButton(QString::number(bit), panel);
            cell->setObjectName(
                QStringLiteral("X00_%1").arg(bit, 2, 16, QLatin1Char('0')).toUpper());
            cell->setCheckable(true);
            cell->setFocusPolicy(Qt::NoFocus);
            cell->setCursor(Qt::PointingHandCursor);
            cell->setToolTip(Q("单击变换"));
            cell->setStyleSheet(Q(kCellStyle));
            // The cells keep their colours: the dialog's skin leaves them alone.
            SetControlTag(cell, kSkinOptOutTag);
            cell->setGeometry(3 + i * (kCellWidth + 1), 2, kCellWidth, 22);
            // The cell has toggled itself; the numbers follow the cells.
            connect(cell, &QPushButton::clicked, this, [this] { Run(BitsChanged); });
            cells_[static_cast<std::size_t>(bit)] = cell;
        }
        auto* caption = new QLabel(Q(panelCaptions[half]), panel);
        caption->setGeometry(8 * (kCellWidth + 1) + 16, 2, 150, 22);
    }

    AddLabel(this, "二进制", 8, 96, 44);
    edit3_ = new QLineEdit(QStringLiteral("0000000000000000"), this);
    MarkProgramText(edit3_);  // the value in binary
    edit3_->setObjectName(QStringLiteral("Edit3"));
    edit3_->setReadOnly(true);
    edit3_->setToolTip(Q("可供复制使用"));
    edit3_->setGeometry(54, 96, 130, 22);
    AddLabel(this, "二进制输入模式", 192, 96, 90);
    binCode_ = new QComboBox(this);
    binCode_->setObjectName(QStringLiteral("BinCode"));
    binCode_->addItems({Q("自然码"), Q("格雷码")});
    binCode_->setCurrentIndex(0);
    binCode_->setGeometry(284, 96, 100, 22);

    AddLabel(this, "二进制可单击某位变换", 8, 122, 180);
    AddLabel(this, "参数设置可输入键变换", 192, 122, 192);

    auto button = [this](const char* name, const char* caption, int x) {
        auto* b = new QPushButton(Q(caption), this);
        b->setObjectName(Q(name));
        b->setAutoDefault(false);
        b->setGeometry(x, 150, 80, 28);
        return b;
    };
    bitBtn1_ = button("BitBtn1", kSetAllCaption, 8);
    MarkProgramText(bitBtn1_);  // set or clear, by the value
    bitBtn2_ = button("BitBtn2", "左移<<", 104);
    bitBtn4_ = button("BitBtn4", "右移>>", 200);
    bitBtn3_ = button("BitBtn3", "关闭(&C)", 304);
    connect(bitBtn1_, &QPushButton::clicked, this, [this] { Run(SetOrClear); });
    connect(bitBtn2_, &QPushButton::clicked, this, [this] { Run(ShiftLeft); });
    connect(bitBtn4_, &QPushButton::clicked, this, [this] { Run(ShiftRight); });
    connect(bitBtn3_, &QPushButton::clicked, this, &QWidget::close);

    for (QLineEdit* edit : {edit1_, edit2_, edit3_})
        edit->installEventFilter(this);
    setTabOrder(edit1_, edit2_);
    edit1_->setFocus();

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2 - 100);
    }
    TFlatSkin::ForDialog(this);
}

void TCodeConvFrm::ShowConverter() {
    show();
    raise();
    activateWindow();
}

bool TCodeConvFrm::eventFilter(QObject* watched, QEvent* event) {
    const bool hexField = watched == edit2_;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (hexField) {
                Run(HexEntered);
            } else {
                Run([](CodeConvFields& f) { DecimalEntered(f, true); });
            }
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving the field for another control of this window; a switch
        // to another window is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (hexField) {
                Run(HexEntered);
            } else {
                Run([](CodeConvFields& f) { DecimalEntered(f, false); });
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

CodeConvFields TCodeConvFrm::Fields() const {
    CodeConvFields fields;
    fields.decimal = edit1_->text().toStdString();
    fields.hex = edit2_->text().toStdString();
    fields.bits = 0;
    for (int bit = 0; bit < 16; ++bit) {
        if (BitCell(bit)->isChecked())
            fields.bits = static_cast<std::uint16_t>(fields.bits | (1u << bit));
    }
    fields.gray = binCode_->currentIndex() == 1;
    fields.binary = edit3_->text().toStdString();
    fields.setClear = setClear_;
    return fields;
}

void TCodeConvFrm::Show(const CodeConvFields& fields) {
    if (edit1_->text() != Q(fields.decimal)) edit1_->setText(Q(fields.decimal));
    if (edit2_->text() != Q(fields.hex)) edit2_->setText(Q(fields.hex));
    for (int bit = 0; bit < 16; ++bit)
        BitCell(bit)->setChecked((fields.bits >> bit) & 1u);
    edit3_->setText(Q(fields.binary));
    setClear_ = fields.setClear;
    bitBtn1_->setText(Q(SetClearButtonText(setClear_, chinese_)));
}

void TCodeConvFrm::SetChinese(bool chinese) {
    chinese_ = chinese;
    bitBtn1_->setText(Q(SetClearButtonText(setClear_, chinese_)));
    // The binary field is the program's; its hint is said here.
    edit3_->setToolTip(Q(chinese_ ? "可供复制使用" : "Ready to copy"));
}

}  // namespace vx
