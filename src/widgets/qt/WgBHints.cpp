#include "widgets/qt/WgBHints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>

namespace vx {

TWgBalloonHints::TWgBalloonHints(QObject* owner) : QObject(owner) {
    font_.name = "Tahoma";
    font_.size = 8;
    font_.color = clInfoText;
    window_ = new TWgCustomHintWindow();
    window_->bitmaps = &bitmaps_;
    Link();
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kHidePauseMs);
    connect(&hideTimer_, &QTimer::timeout, this, &TWgBalloonHints::HideHint);
    showTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, &TWgBalloonHints::ShowSpot);
    qApp->installEventFilter(this);
}

TWgBalloonHints::~TWgBalloonHints() {
    if (qApp) qApp->removeEventFilter(this);
    delete window_;
}

void TWgBalloonHints::Link() {
    window_->captionWidth = captionWidth_;
    window_->fillColor = color_;
    window_->corner = corner_;
    window_->showBalloon = showBalloon_;
    window_->alignment = alignment_;
    window_->frameColor = frameColor_;
    window_->centerThreshold = centerThreshold_;
    window_->onSetHintRect = onSetHintRect_;
    window_->onSetHintWinSize = onSetHintWinSize_;
    window_->SetFont(font_);
    window_->update();
}

void TWgBalloonHints::SetAlignment(TAlignment a) {
    alignment_ = a;
    Link();
}
void TWgBalloonHints::SetCaptionWidth(int w) {
    captionWidth_ = w;
    Link();
}
void TWgBalloonHints::SetCenterThreshold(int t) {
    centerThreshold_ = t;
    Link();
}
void TWgBalloonHints::SetColor(TColor c) {
    color_ = c;
    Link();
}
void TWgBalloonHints::SetCorner(TWgHintCorner c) {
    corner_ = c;
    Link();
}
void TWgBalloonHints::SetFont(const CanvasFont& font) {
    font_ = font;
    Link();
}
void TWgBalloonHints::SetFrameColor(TColor c) {
    frameColor_ = c;
    Link();
}
void TWgBalloonHints::SetShowBalloon(bool s) {
    showBalloon_ = s;
    Link();
}
void TWgBalloonHints::SetOnSetHintRect(THintRectEvent e) {
    onSetHintRect_ = std::move(e);
    Link();
}
void TWgBalloonHints::SetOnSetHintWinSize(THintSizeEvent e) {
    onSetHintWinSize_ = std::move(e);
    Link();
}

TWgBalloonHints::Spot TWgBalloonHints::SpotAt(QWidget* widget, QPoint globalPos) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        const TControlHint hint = WidgetHintAt(w, w->mapFromGlobal(globalPos));
        if (!hint.text.isEmpty())
            return {w, hint.text, QRect(w->mapToGlobal(hint.area.topLeft()), hint.area.size())};
        if (w->isWindow()) break;
    }
    return {};
}

void TWgBalloonHints::MouseAt(QWidget* widget, QPoint globalPos) {
    const Spot spot = SpotAt(widget, globalPos);
    if (spot.control && spot == spot_) {
        // Still on the spot: a hint still due points where the mouse is now.
        if (showTimer_.isActive()) mousePos_ = globalPos;
        return;
    }
    CancelHint(true, false);
    if (!spot.control) return;
    spot_ = spot;
    mousePos_ = globalPos;
    showTimer_.start(following_ ? HintShortPause() : HintPause());
}

void TWgBalloonHints::LookAtMouse() {
    lookPending_ = false;
    if (moved_) MouseAt(moved_, movedPos_);
}

void TWgBalloonHints::ShowHint(QWidget* control, QPoint globalPos) {
    CancelHint(true, false);
    spot_ = SpotAt(control, globalPos);
    mousePos_ = globalPos;
    ShowSpot();
}

void TWgBalloonHints::ShowSpot() {
    showTimer_.stop();
    QWidget* control = spot_.control;
    QString text = spot_.text;
    bool canShow = control && !text.isEmpty();
    if (OnShowHint) OnShowHint(text, canShow, control);
    if (!canShow || text.isEmpty()) {
        window_->CancelHint();
        return;
    }
    window_->SetHintTarget(control, mousePos_);
    window_->ActivateHint(window_->CalcHintRect(text), text);
    hideTimer_.start();
}

void TWgBalloonHints::HideHint() {
    CancelHint(false, true);
}

void TWgBalloonHints::CancelHint(bool forget, bool endRun) {
    showTimer_.stop();
    hideTimer_.stop();
    if (window_) {
        // The mouse moved on from a balloon that was up: the next hint
        // follows it.
        if (window_->isVisible()) following_ = true;
        window_->CancelHint();
    }
    if (endRun) following_ = false;
    if (forget) spot_ = {};
}

bool TWgBalloonHints::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !window_ || widget == window_) {
        if (widget && event->type() == QEvent::ToolTip) return true;
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseMove: {
            auto* move = static_cast<QMouseEvent*>(event);
            if (move->buttons() != Qt::NoButton) break;
            const QPoint at = move->globalPosition().toPoint();
            // A move a child left to its parent: the child is where it is.
            if (lookPending_ && moved_ && at == movedPos_ && widget->isAncestorOf(moved_)) break;
            moved_ = widget;
            movedPos_ = at;
            // Looked at once the control has taken the move: its hot part
            // (and so its hint) follows the mouse.
            if (!lookPending_) {
                lookPending_ = true;
                QMetaObject::invokeMethod(this, &TWgBalloonHints::LookAtMouse,
                                          Qt::QueuedConnection);
            }
            break;
        }
        case QEvent::ToolTip: {
            // The desktop's request for a hint: a spot the mouse has not
            // been seen on starts its pause; the balloon never shows early.
            // A widget without a hint here (an item view's cells and tab
            // bar's tabs included) passes the request on to its parent.
            auto* help = static_cast<QHelpEvent*>(event);
            if (WidgetHintAt(widget, help->pos()).text.isEmpty()) return false;
            MouseAt(widget, help->globalPos());
            return true;
        }
        case QEvent::Leave:
            if (widget == spot_.control)
                CancelHint(true, widget->isWindow());
            else if (widget->isWindow())
                following_ = false;
            break;
        case QEvent::Hide:
            if (widget == spot_.control) CancelHint(true, false);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            if (window_->isVisible() || showTimer_.isActive()) CancelHint(false, true);
            break;
        default:
            break;
    }
    return false;
}

}  // namespace vx
