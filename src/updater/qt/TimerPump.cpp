#include "updater/qt/TimerPump.h"

#include <algorithm>
#include <climits>

namespace vx {

TimerPump::TimerPump(TimerSet& timers, QObject* parent) : QObject(parent), timers_(timers) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimerPump::Fire);
    timers_.SetScheduleChanged([this] { Reschedule(); });
    Reschedule();
}

TimerPump::~TimerPump() {
    timers_.SetScheduleChanged({});
}

void TimerPump::Fire() {
    // A message box shown from a timer action runs a nested event loop; the
    // timers do not run again inside their own action.
    if (running_) return;
    running_ = true;
    timers_.RunDue();
    running_ = false;
    Reschedule();
}

void TimerPump::Reschedule() {
    if (running_) return;  // Fire reschedules when the actions are done
    std::optional<Clock::TimePoint> next = timers_.NextDue();
    if (!next) {
        timer_.stop();
        return;
    }
    const auto wait = std::chrono::ceil<Millis>(*next - timers_.GetClock().Now()).count();
    timer_.start(static_cast<int>(std::clamp<long long>(wait, 0, INT_MAX)));
}

}  // namespace vx
