#include "model/qt/FunInput.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <array>

#include "editor/DeviceComments.h"
#include "editor/GridCursor.h"
#include "model/ApartInjunction.h"
#include "model/CellKind.h"
#include "model/ElementEntry.h"
#include "model/LadderProgram.h"
#include "model/qt/OUTfun.h"
#include "model/qt/Ucanzhao.h"
#include "online/DeviceImage.h"
#include "online/EvaluateCell.h"
#include "platform/paint/Canvas.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kWidth = 342;
constexpr int kHeight = 82;
constexpr int kFieldLength = 26;
constexpr TColor kCommentColor = 8454143;  // light yellow

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The element tool button whose picture stands for a symbol; 0 for none.
int GlyphButtonOf(std::uint8_t symbol) {
    switch (symbol) {
        case CellKind::kOpenContact:
            return 1;
        case CellKind::kClosedContact:
            return 2;
        case CellKind::kRisingEdge:
            return 3;
        case CellKind::kFallingEdge:
            return 4;
        case CellKind::kParallelOpenContact:
            return 5;
        case CellKind::kParallelClosedContact:
            return 6;
        case CellKind::kCoil:
            return 7;
        case CellKind::kFunctionBox:
        case CellKind::kCompareContact:
        case CellKind::kStepContact:
            return 8;
        default:
            return 0;
    }
}

DeviceCode DeviceOfCell(int column, int row) {
    return EvaluateCell(TheProgram().cells, column, row, TheDeviceImage(), WordDisplay::kSigned)
        .code;
}

}  // namespace

TFunInputFrm::TFunInputFrm(TEntryHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), host_(host) {
    setObjectName(QStringLiteral("FunInputFrm"));
    setFixedSize(kWidth, kHeight);
    CanvasFont font;
    setFont(ToQFont(font));

    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Raised);
    panel1_->setGeometry(0, 0, kWidth, kHeight);
    panel1_->installEventFilter(this);

    image2_ = new QLabel(panel1_);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setGeometry(6, 6, 32, 22);
    image2_->setAlignment(Qt::AlignCenter);

    auto* label1 = new QLabel(QStringLiteral("元件"), panel1_);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(41, 6, 32, 22);
    edit1_ = new TEntryEdit(panel1_);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(74, 6, 215, 22);
    edit1_->SetTypingLimit(kFieldLength);
    QFont red = ToQFont(font);
    red.setPixelSize(16);
    edit1_->setFont(red);
    QPalette redText = edit1_->palette();
    redText.setColor(QPalette::Text, Qt::red);
    edit1_->setPalette(redText);
    edit1_->setStyleSheet(QStringLiteral("color: red;"));

    bitBtn2_ = new QPushButton(QStringLiteral("..."), panel1_);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    bitBtn2_->setToolTip(QStringLiteral("指令参照"));
    bitBtn2_->setGeometry(294, 6, 42, 22);

    auto* label2 = new QLabel(QStringLiteral("注释"), panel1_);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(41, 31, 32, 22);
    edit2_ = new TEntryEdit(panel1_);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setGeometry(74, 31, 215, 22);
    edit2_->SetTypingLimit(kFieldLength);
    edit2_->setStyleSheet(QStringLiteral("background: %1;").arg(ToQColor(kCommentColor).name()));

    checkBox1_ = new QCheckBox(QStringLiteral("保存这个对话框"), panel1_);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox1_->setGeometry(6, 57, 130, 20);

    bitBtn1_ = new QPushButton(QStringLiteral("确认"), panel1_);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(196, 56, 68, 22);
    bitBtn3_ = new QPushButton(QStringLiteral("取消"), panel1_);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setGeometry(268, 56, 68, 22);
    // Enter in a field is OK; on a focused button it presses that button.
    for (QPushButton* button : {bitBtn1_, bitBtn2_, bitBtn3_})
        button->setAutoDefault(true);
    setTabOrder(edit1_, edit2_);
    setTabOrder(edit2_, checkBox1_);
    setTabOrder(checkBox1_, bitBtn1_);
    setTabOrder(bitBtn1_, bitBtn3_);
    setTabOrder(bitBtn3_, bitBtn2_);
    connect(bitBtn1_, &QPushButton::clicked, this, &TFunInputFrm::BitBtn1Click);
    connect(bitBtn2_, &QPushButton::clicked, this, &TFunInputFrm::BitBtn2Click);
    connect(bitBtn3_, &QPushButton::clicked, this, &TFunInputFrm::BitBtn3Click);
    edit1_->installEventFilter(this);
    edit2_->installEventFilter(this);

    flatSkin1_ = TFlatSkin::ForDialog(this);

    // Centred on the screen until it is first shown at a cell.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move((s.width() - kWidth) / 2, (s.height() - kHeight) / 2);
    }
}

void TFunInputFrm::Prepare(std::int32_t entryKind, const std::string& edit1,
                           const std::string& edit2) {
    entryKind_ = entryKind;
    edit1_->SetText(Q(edit1));
    edit2_->SetText(Q(edit2));
}

void TFunInputFrm::Execute(std::int32_t entryKind, const std::string& edit1,
                           const std::string& edit2) {
    Prepare(entryKind, edit1, edit2);
    ShowModally(*this);
}

void TFunInputFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFunInputFrm::FormShow() {
    const GridCursor& cursor = TheGridCursor();
    // At the cursor cell, lifted when it would reach the screen's bottom.
    QPoint place = host_.GridPanelOnScreen() + QPoint(cursor.cursorCellX, cursor.cursorCellY + 100);
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        if (place.y() > s->geometry().height() - height() - 100) place.ry() -= 143;
    }
    move(place);

    if (tag_ != -1 && quickEntry_ != nullptr) quickEntry_->hide();
    host_.ShowEntryHint(false);

    checkBox1_->setChecked(false);
    edit1_->setFocus();
    PlaceCaret();
    caretPending_ = true;  // the dialog's focus-in that follows would select the text
    const std::uint8_t symbol = EntrySymbol(entryKind_);
    if (const int button = GlyphButtonOf(symbol)) {
        image2_->setPixmap(host_.ElementButtonGlyph(button));
    }
    TakeSnapshot();
}

void TFunInputFrm::PlaceCaret() {
    const std::uint8_t symbol = EntrySymbol(entryKind_);
    if (symbol == CellKind::kCoil || IsCompiledEntry(entryKind_)) {
        edit1_->deselect();
        edit1_->setCursorPosition(static_cast<int>(edit1_->text().size()));  // operands follow
    } else {
        edit1_->selectAll();  // replaced by typing
    }
}

void TFunInputFrm::TakeSnapshot() {
    const GridCursor& cursor = TheGridCursor();
    const DeviceCode code = DeviceOfCell(cursor.cursorCol, cursor.cursorRow);
    snapshotComment_ = code == kNoDevice ? std::string() : TheDeviceComments().CommentOf(code);
    edit2_->SetText(Q(snapshotComment_));
}

void TFunInputFrm::ApplyComment(int column, int row) {
    // An untouched field leaves the comment alone, even one a damaged file
    // gave; an edited one is stored as the comment file keeps it.
    const std::string field = edit2_->text().toStdString();
    if (field == snapshotComment_) return;
    const std::string typed = CommentAsKept(field);
    if (typed == snapshotComment_) return;
    // The comment belongs to the device of the cell just stored; a cell
    // without a device keeps none.
    const DeviceCode code = DeviceOfCell(column, row);
    if (code == kNoDevice) return;
    if (TheDeviceComments().SetCommentOf(code, typed)) host_.CommentsChanged();
}

void TFunInputFrm::BitBtn1Click() {
    GridCursor& cursor = TheGridCursor();
    LadderCells& cells = TheProgram().cells;
    const std::string text = edit1_->text().toStdString();
    const int row = cursor.cursorRow;
    std::optional<ElementEntryResult> result = EnterElement(
        {text, entryKind_, orEdgeFlag_, checkBox1_->isChecked(), cursor.cursorCol, row}, cells);
    if (!result) {
        // The user was told; the dialog stays open for the correction.
        activateWindow();
        edit1_->setFocus();
        return;
    }

    const bool changed = WritesChange(result->writes, cells);
    ApplyCellWrites(result->writes, cells);
    orEdgeFlag_ = false;
    ApplyComment(result->elementColumn, row);
    if (changed) host_.EditFileBackup();
    host_.MoveCursor(result->cursorColumn, result->cursorRow);
    host_.RepaintGrid();
    if (result->closes) {
        accept();
        return;
    }
    // Kept open for the next cell: a fresh entry at the new cursor cell.
    entryKind_ &= CellKind::kSymbolMask;
    TakeSnapshot();
    edit1_->setFocus();
}

void TFunInputFrm::BitBtn2Click() {
    if (IsCompiledEntry(entryKind_)) {
        if (catalogue_ == nullptr) return;
        const InstrFields fields = ApartInjunction(edit1_->text().toStdString());
        std::string mnemonic = fields.mnemonic;
        while (!mnemonic.empty() && mnemonic.back() == ' ')
            mnemonic.pop_back();
        catalogue_->SetTarget(edit1_);
        catalogue_->Open(Q(mnemonic), {Q(fields.operand1), Q(fields.operand2), Q(fields.operand3),
                                       Q(fields.operand4)});
    } else {
        if (picker_ == nullptr) return;
        picker_->SetTarget(edit1_);
        picker_->Open(edit1_->text(), EntrySymbol(entryKind_) == CellKind::kCoil);
    }
    // Back to the element field, for more typing or Enter.
    edit1_->setFocus();
}

void TFunInputFrm::BitBtn3Click() {
    QDialog::reject();
}

void TFunInputFrm::reject() {
    BitBtn3Click();
}

void TFunInputFrm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFunInputFrm::FormClose() {
    // An "ORP "/"ORF " that was not stored must not join a later edge contact.
    orEdgeFlag_ = false;
    dragging_ = false;
}

bool TFunInputFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit1_ && event->type() == QEvent::FocusIn && caretPending_) {
        caretPending_ = false;
        edit1_->event(event);
        PlaceCaret();
        return true;
    }
    if (watched == panel1_) {
        // Dragged by its background.
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                dragging_ = true;
                dragOffset_ = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
                return true;
            }
        } else if (event->type() == QEvent::MouseMove && dragging_) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton) {
                move(mouse->globalPosition().toPoint() - dragOffset_);
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            dragging_ = false;
        }
    } else if ((watched == edit1_ || watched == edit2_) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            bitBtn1_->click();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            bitBtn3_->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vx
