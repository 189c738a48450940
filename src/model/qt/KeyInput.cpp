#include "model/qt/KeyInput.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "model/CellKind.h"
#include "model/QuickEntry.h"
#include "model/qt/FunInput.h"
#include "platform/Text.h"
#include "platform/paint/Canvas.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kWidth = 252;
constexpr int kHeight = 33;

}  // namespace

TKeyInputFrm::TKeyInputFrm(TEntryHost& host, TFunInputFrm& entry, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), host_(host), entry_(entry) {
    setObjectName(QStringLiteral("KeyInputFrm"));
    setFixedSize(kWidth, kHeight);
    CanvasFont font;
    setFont(ToQFont(font));

    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Sunken);
    panel1_->setGeometry(0, 0, kWidth, kHeight);
    panel1_->setAutoFillBackground(true);
    QPalette white = panel1_->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel1_->setPalette(white);

    edit1_ = new TEntryEdit(panel1_);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(5, 5, 188, 22);
    edit1_->SetTypingLimit(kQuickEntryLength);
    QFont red = ToQFont(font);
    red.setPixelSize(16);
    edit1_->setFont(red);
    edit1_->setStyleSheet(QStringLiteral("color: red;"));
    edit1_->installEventFilter(this);
    connect(edit1_, &QLineEdit::textChanged, this, &TKeyInputFrm::Edit1Change);

    bitBtn1_ = new QPushButton(QStringLiteral("取消"), panel1_);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(198, 5, 49, 22);
    bitBtn1_->setAutoDefault(false);
    bitBtn1_->setFocusPolicy(Qt::NoFocus);
    connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::reject);

    flatSkin1_ = TFlatSkin::ForDialog(this);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move((s.width() - kWidth) / 2, (s.height() - kHeight) / 2);
    }
}

void TKeyInputFrm::Execute(QChar letter, QPoint place) {
    Prepare(letter);
    move(place);
    ShowModally(*this);
}

void TKeyInputFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TKeyInputFrm::FormShow() {
    entry_.SetOrEdgeFlag(false);
    edit1_->SetText(letter_.isNull() ? QString() : QString(letter_));
    edit1_->setFocus();
    CaretAfterText();
    caretPending_ = true;  // the dialog's focus-in that follows would select the text
    if (host_.EntryHintWanted()) host_.ShowEntryHint(true);
}

void TKeyInputFrm::done(int result) {
    host_.ShowEntryHint(false);
    QDialog::done(result);
}

void TKeyInputFrm::Edit1Change() {
    if (changing_) return;
    const QString typed = edit1_->text();
    const std::string upper = AsciiUpper(typed.toStdString());
    if (QString::fromStdString(upper) != typed) {
        changing_ = true;
        edit1_->SetText(QString::fromStdString(upper));
        changing_ = false;
    }
    edit1_->setCursorPosition(static_cast<int>(edit1_->text().size()));

    const QuickEntryAction action = QuickEntryOnChange(upper);
    switch (action.kind) {
        case QuickEntryAction::Kind::PlaceTool:
            if (action.orEdge) entry_.SetOrEdgeFlag(true);
            host_.PlaceToolAtCursor(action.toolKind);
            // A refused place opened no dialog: the flag must not wait for a
            // later edge contact.
            if (!entry_.isVisible()) entry_.SetOrEdgeFlag(false);
            reject();
            break;
        case QuickEntryAction::Kind::OpenEntry:
            entry_.Execute(CellKind::kFunctionBox, action.entryText, std::string());
            host_.RepaintGrid();
            reject();
            break;
        default:
            break;
    }
}

void TKeyInputFrm::Edit1Enter() {
    const QuickEntryAction action = QuickEntryOnEnter(edit1_->text().toStdString());
    switch (action.kind) {
        case QuickEntryAction::Kind::StoreEntry:
            entry_.Prepare(CellKind::kFunctionBox, action.entryText, std::string());
            entry_.SetTag(-1);
            entry_.show();
            entry_.BitBtn1Click();
            host_.RepaintGrid();
            entry_.SetTag(0);
            break;
        case QuickEntryAction::Kind::PlaceTool:
            host_.PlaceToolAtCursor(action.toolKind);
            break;
        case QuickEntryAction::Kind::LinkDown:
            host_.YlineClick();
            break;
        case QuickEntryAction::Kind::LinkRemove:
            host_.YlineDELClick();
            break;
        default:
            return;  // not a word of Enter: nothing happens
    }
    reject();
}

void TKeyInputFrm::CaretAfterText() {
    edit1_->deselect();
    edit1_->setCursorPosition(static_cast<int>(edit1_->text().size()));
}

bool TKeyInputFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit1_ && event->type() == QEvent::FocusIn && caretPending_) {
        caretPending_ = false;
        edit1_->event(event);
        CaretAfterText();
        return true;
    }
    if (watched == edit1_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Edit1Enter();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            bitBtn1_->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vx
