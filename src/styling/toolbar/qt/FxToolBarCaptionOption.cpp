// The caption option button of a docked bar with a caption: its hot and down
// states follow the mouse and fade in and out, 20 per tick of a 40 ms timer.
#include <QMouseEvent>

#include "styling/glow/GlowButtonRules.h"
#include "styling/toolbar/qt/FxToolBar.h"

namespace vx {

void TFxCustomToolBar::BeginCaptionOptionFade(bool down, int increment) {
    captionFadeDown_ = down;
    captionFadeIncrement_ = increment;
    if (!captionFadeTimer_.isActive()) captionFadeTimer_.start();
}

void TFxCustomToolBar::CaptionOptionFadeTick() {
    if (!captionFadeTimer_.isActive()) return;
    int& level = captionFadeDown_ ? captionDownLevel_ : captionHotLevel_;
    if (!FadeStep(level, captionFadeIncrement_)) {
        captionFadeTimer_.stop();
        if (captionFadeIncrement_ < 0) {
            if (captionFadeDown_)
                captionOptionDown_ = false;
            else
                captionOptionHot_ = false;
        }
        if (!captionFadeDown_) captionDownLevel_ = 0;
    }
    update();
}

void TFxCustomToolBar::CaptionOptionMouse(QEvent* event) {
    const TRect r = CaptionOptionButtonRect();
    bool over = false;
    if (event->type() != QEvent::Leave) {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        over = r.Contains({pos.x(), pos.y()});
    }
    const bool fadingOut = captionFadeTimer_.isActive() && captionFadeIncrement_ < 0;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (!over) return;
            captionOptionHot_ = true;
            captionOptionDown_ = true;
            BeginCaptionOptionFade(true, 20);
            break;
        case QEvent::MouseButtonRelease:
            if (!captionOptionDown_) return;
            BeginCaptionOptionFade(true, -20);
            break;
        default:  // moved or left
            if (captionOptionDown_) return;
            if (over && (!captionOptionHot_ || fadingOut)) {
                captionOptionHot_ = true;
                BeginCaptionOptionFade(false, 20);
            } else if (!over && captionOptionHot_ && !fadingOut) {
                BeginCaptionOptionFade(false, -20);
            } else {
                return;
            }
            break;
    }
    update();
}

}  // namespace vx
