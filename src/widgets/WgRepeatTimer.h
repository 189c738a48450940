// The timer that repeats a held button's click.
//
// The widgets that repeat while held (the rapid-fire button) start it on the
// press and stop it on the release; the interval may change from one tick to
// the next. The program runs it on the window timers; tests give the button
// one they tick by hand.
#pragma once

#include <functional>

namespace vx {

class TWgRepeatTimer {
  public:
    virtual ~TWgRepeatTimer() = default;
    // (Re)starts the timer: it ticks every `intervalMs` from now.
    virtual void Start(int intervalMs) = 0;
    // The interval from the next tick on.
    virtual void SetInterval(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;

    std::function<void()> onTick;
};

}  // namespace vx
