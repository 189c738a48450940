#include "editor/qt/Lookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "editor/GridCursor.h"
#include "model/LadderProgram.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "platform/paint/Canvas.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

TForLookup::TForLookup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ForLookup"));
    setWindowTitle(Q("元件名查找"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(ToQFont(CanvasFont{}));
    setFixedSize(390, 134);

    auto* label1 = new QLabel(Q("查找内容"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(12, 12, 74, 20);
    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setEditable(true);
    comboBox1_->setInsertPolicy(QComboBox::NoInsert);  // texts join the history on a hit only
    comboBox1_->setGeometry(90, 9, 288, 24);
    comboBox1_->installEventFilter(this);
    comboBox1_->lineEdit()->installEventFilter(this);

    auto* groupBox1 = new QGroupBox(Q(" 查找方向 "), this);
    groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    groupBox1->setGeometry(12, 40, 92, 86);
    radioButton1_ = new QRadioButton(Q("向上"), groupBox1);
    radioButton1_->setObjectName(QStringLiteral("RadioButton1"));
    radioButton1_->setGeometry(14, 24, 70, 20);
    radioButton2_ = new QRadioButton(Q("向下"), groupBox1);
    radioButton2_->setObjectName(QStringLiteral("RadioButton2"));
    radioButton2_->setGeometry(14, 52, 70, 20);
    radioButton2_->setChecked(true);

    auto check = [this](const char* name, const char* caption, int top, bool on) {
        auto* box = new QCheckBox(Q(caption), this);
        box->setObjectName(Q(name));
        box->setGeometry(114, top, 170, 20);
        box->setChecked(on);
        return box;
    };
    checkBox1_ = check("CheckBox1", "匹配全部字", 42, false);
    checkBox2_ = check("CheckBox2", "查找全部程序对象", 63, true);
    checkBox3_ = check("CheckBox3", "找到后关闭对话框", 84, false);
    checkBox4_ = check("CheckBox4", "程序间跳跃提示", 105, true);
    // The notice belongs to the search over all blocks, whichever way it is ticked.
    connect(checkBox2_, &QCheckBox::toggled, checkBox4_, &QWidget::setEnabled);

    bitBtn1_ = new QPushButton(Q("查找(&F)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(292, 46, 86, 28);
    bitBtn3_ = new QPushButton(Q("关闭(&C)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setGeometry(292, 90, 86, 28);
    for (QPushButton* button : {bitBtn1_, bitBtn3_})
        button->setAutoDefault(false);  // Enter in the search box finds, once
    connect(bitBtn1_, &QPushButton::clicked, this, &TForLookup::BitBtn1Click);
    connect(bitBtn3_, &QPushButton::clicked, this, &TForLookup::BitBtn3Click);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    TFlatSkin::ForDialog(this);
}

QCheckBox* TForLookup::CheckBox(int n) const {
    switch (n) {
        case 1:
            return checkBox1_;
        case 2:
            return checkBox2_;
        case 3:
            return checkBox3_;
        case 4:
            return checkBox4_;
        default:
            return nullptr;
    }
}

void TForLookup::ShowLookup() {
    show();
    raise();
    activateWindow();
    comboBox1_->setFocus();
}

void TForLookup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    comboBox1_->setFocus();
}

bool TForLookup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            BitBtn1Click();
            return true;
        }
        if (key == Qt::Key_Escape) {
            BitBtn3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForLookup::BitBtn1Click() {
    const std::string text = AsciiUpper(comboBox1_->currentText().toStdString());
    comboBox1_->setEditText(QString::fromStdString(text));
    if (host_.programShown && !host_.programShown()) return;
    if (text.empty()) return;

    LookupOptions options;
    options.upward = radioButton1_->isChecked();
    options.wholeText = checkBox1_->isChecked();
    options.allBlocks = checkBox2_->isChecked();
    // The cursor is only where the step starts: it moves on a hit, never on a miss.
    const GridCursor& cursor = TheGridCursor();
    const std::optional<LookupHit> hit = LookupStep(
        TheProgram().cells, text, options, cursor.cursorCol, cursor.cursorRow, TheProgramBlocks());
    if (!hit) {
        ShowMessage({kProductTitle,
                     !host_.chinese || host_.chinese() ? "搜索完毕 ！" : "Search complete!",
                     MsgIcon::Information, MsgButtons::Ok});
        return;
    }
    AddLookupItems(text);
    const ProgramBlocks& blocks = TheProgramBlocks();
    const bool chinese = !host_.chinese || host_.chinese();
    if (std::optional<BlockJump> jump = options.upward
                                            ? ResiliencyFrontSect(blocks, hit->row, chinese)
                                            : JumpNextSect(blocks, hit->row, chinese))
        SwitchBlock(*jump);
    if (host_.placeCursor) host_.placeCursor(hit->column, hit->row);
    if (checkBox3_->isChecked()) close();
}

void TForLookup::SwitchBlock(const BlockJump& jump) {
    if (checkBox4_->isChecked()) {
        ShowMessage({kProductTitle, jump.notice, MsgIcon::Exclamation, MsgButtons::Ok, true});
    }
    if (host_.showBlock) host_.showBlock(jump.node);
}

void TForLookup::AddLookupItems(const std::string& text) {
    const std::size_t before = history_.Entries().size();
    if (!history_.AddLookupItems(text)) return;
    const QString shown = comboBox1_->currentText();
    if (history_.Entries().size() <= before) comboBox1_->clear();  // the history started afresh
    comboBox1_->addItem(QString::fromStdString(text));
    comboBox1_->setEditText(shown);
}

}  // namespace vx
