#include "widgets/qt/WgBHints.h"

#include <QApplication>
#include <QHelpEvent>

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

void TWgBalloonHints::ShowHint(QWidget* control, QPoint globalPos) {
    QString text = control ? control->toolTip() : QString();
    bool canShow = !text.isEmpty();
    if (OnShowHint) OnShowHint(text, canShow, control);
    if (!canShow || text.isEmpty()) {
        HideHint();
        return;
    }
    window_->SetHintTarget(control, globalPos);
    window_->ActivateHint(window_->CalcHintRect(text), text);
    hideTimer_.start();
}

void TWgBalloonHints::HideHint() {
    hideTimer_.stop();
    if (window_) window_->CancelHint();
}

bool TWgBalloonHints::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !window_) return false;
    switch (event->type()) {
        case QEvent::ToolTip:
            if (widget == window_) return true;
            // A control without a hint of its own: the item views' and tab
            // bars' tips of their items stay theirs.
            if (widget->toolTip().isEmpty()) return false;
            ShowHint(widget, static_cast<QHelpEvent*>(event)->globalPos());
            return true;
        case QEvent::Leave:
        case QEvent::Hide:
            if (widget == window_->HintControl() && window_->isVisible()) HideHint();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            if (widget != window_ && window_->isVisible()) HideHint();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace vx
