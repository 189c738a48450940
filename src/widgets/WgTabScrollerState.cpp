#include "widgets/WgTabScrollerState.h"

namespace vx {

TRect TWgTabScrollerState::HalfRect(int half, TSize size) const {
    if (orientation_ == kSideBySide) {
        const int middle = (size.cx + 1) / 2;
        return half == 0 ? TRect{0, 0, middle, size.cy} : TRect{middle, 0, size.cx, size.cy};
    }
    const int middle = (size.cy + 1) / 2;
    return half == 1 ? TRect{0, 0, size.cx, middle} : TRect{0, middle, size.cx, size.cy};
}

int TWgTabScrollerState::HalfAt(TPoint point, TSize size) const {
    return HalfRect(1, size).Contains(point) ? 1 : 0;
}

void TWgTabScrollerState::MouseDown(TPoint point, TSize size) {
    half_ = HalfAt(point, size);
    pressed_ = true;
    down_ = true;
    Repaint();
    timer_.Start(kInitialDelayMs);
}

void TWgTabScrollerState::TimerTick(bool enabled) {
    timer_.SetInterval(kRepeatDelayMs);
    if (down_ && enabled) Fire();
}

void TWgTabScrollerState::MouseMove(TPoint point, TSize size) {
    if (!pressed_) return;
    const bool inside = HalfRect(half_, size).Contains(point);
    if (inside == down_) return;
    down_ = inside;
    Repaint();
}

void TWgTabScrollerState::MouseUp() {
    timer_.Stop();
    if (!pressed_) return;
    pressed_ = false;
    if (down_) {
        down_ = false;
        Fire();
        Repaint();
    }
}

void TWgTabScrollerState::SetHot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    Repaint();
}

}  // namespace vx
