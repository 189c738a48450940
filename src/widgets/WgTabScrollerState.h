// The tab scroller's two arrow buttons as a state machine: which half is
// pressed, whether the pointer is still over it, the auto-repeat (first
// repeat after 400 ms, then every 100 ms) and the event of each half.
//
// Side by side (orientation 0) half 0 is the left half (arrow left) and half
// 1 the right one; above each other (orientation 1) half 0 is the lower half
// (arrow down) and half 1 the upper one. The halves meet at the middle,
// rounded up. A press acts on the half whose arrow it hits.
#pragma once

#include <functional>

#include "platform/Geometry.h"
#include "widgets/WgRepeatTimer.h"
#include "widgets/WgTabsTypes.h"

namespace vx {

class TWgTabScrollerState {
  public:
    static constexpr int kSideBySide = 0;
    static constexpr int kStacked = 1;
    static constexpr int kInitialDelayMs = 400;
    static constexpr int kRepeatDelayMs = 100;

    struct Hooks {
        std::function<void(int half)> scroll;  // a half's event
        std::function<void()> repaint;
    };

    TWgTabScrollerState(TWgRepeatTimer& timer, Hooks hooks)
        : timer_(timer), hooks_(std::move(hooks)) {}

    int Orientation() const { return orientation_; }
    void SetOrientation(int value) { orientation_ = value == kStacked ? kStacked : kSideBySide; }
    bool Pressed() const { return pressed_; }
    bool Down() const { return down_; }
    bool Hot() const { return hot_; }
    int PressedHalf() const { return half_; }

    // The rectangle of a half in a scroller of the size.
    TRect HalfRect(int half, TSize size) const;
    // The half under the point.
    int HalfAt(TPoint point, TSize size) const;

    void MouseDown(TPoint point, TSize size);
    void MouseMove(TPoint point, TSize size);
    void MouseUp();
    // A tick of the repeat timer (the owner ties the timer's ticks here).
    void TimerTick(bool enabled);
    // Mouse enter (true) and leave (false).
    void SetHot(bool hot);

  private:
    void Repaint() const {
        if (hooks_.repaint) hooks_.repaint();
    }
    void Fire() const {
        if (hooks_.scroll) hooks_.scroll(half_);
    }

    TWgRepeatTimer& timer_;
    Hooks hooks_;
    int orientation_ = kSideBySide;
    bool pressed_ = false;
    bool down_ = false;
    bool hot_ = false;
    int half_ = 0;
};

}  // namespace vx
