#include "widgets/qt/WgTabButton.h"

#include <QMouseEvent>

#include "widgets/qt/WgTabs.h"

namespace vx {

TWgTabButton::TWgTabButton(TWgCustomTabControl* owner) : TCustomControl(owner), owner_(owner) {
    setMouseTracking(true);
}

void TWgTabButton::SetHot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    update();
}

void TWgTabButton::MouseEnter() {
    SetHot(true);
}

void TWgTabButton::MouseLeave() {
    if (!pressed_) SetHot(false);
}

void TWgTabButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    down_ = true;
    update();
}

void TWgTabButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (!pressed_) {
        SetHot(inside);
        return;
    }
    if (inside == down_) return;
    down_ = inside;
    update();
}

void TWgTabButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    const bool click = down_;
    down_ = false;
    update();
    SetHot(rect().contains(event->position().toPoint()));
    if (click) Click();
}

}  // namespace vx
