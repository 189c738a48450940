// Time and timers of the updater.
//
// The updater's serial port polls every few milliseconds and its boot-loader
// session runs from three periodic timers and a few fixed waits. They all run
// on one thread from one TimerSet, which reads the time from a Clock: the
// programs use the system's steady clock, tests a clock they move by hand, so a
// session that waits half a minute for a silent chip runs in no time.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>

namespace vx {

using Millis = std::chrono::milliseconds;

class Clock {
  public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~Clock() = default;
    virtual TimePoint Now() const = 0;
    // Returns once the time has come (at once when it has passed).
    virtual void SleepUntil(TimePoint when) = 0;
};

// The system's steady clock.
class SystemClock final : public Clock {
  public:
    TimePoint Now() const override { return std::chrono::steady_clock::now(); }
    void SleepUntil(TimePoint when) override;
};

// One system clock for everyone who needs no other.
Clock& TheSystemClock();

// Periodic and one-shot timers on one thread, in the manner of window timers:
// a periodic timer fires once per interval, a late one fires once and not once
// per missed interval, and timers may be started, stopped, added and removed
// from inside a timer's action.
class TimerSet {
  public:
    using Id = int;

    explicit TimerSet(Clock& clock) : clock_(clock) {}
    TimerSet(const TimerSet&) = delete;
    TimerSet& operator=(const TimerSet&) = delete;

    Clock& GetClock() const { return clock_; }

    // A periodic timer, stopped until Start.
    Id Add(std::function<void()> onTimer);
    // (Re)starts the timer: it first fires one interval from now.
    void Start(Id id, Millis interval);
    void Stop(Id id);
    bool Running(Id id) const;
    // Runs the action once, after the delay.
    Id After(Millis delay, std::function<void()> action);
    // Removes a timer of either kind; an unknown id is ignored.
    void Remove(Id id);

    // Fires every running timer whose time has come, earliest first.
    void RunDue();
    // When the next running timer is due; nothing when none runs.
    std::optional<Clock::TimePoint> NextDue() const;
    // Runs the timers, sleeping through the clock in between, until done()
    // holds or the time limit has passed. Returns done().
    bool RunUntil(const std::function<bool()>& done, Millis limit);

    // Called whenever a timer is started, so an outer event loop can wake up
    // for a due time earlier than the one it waits for.
    void SetScheduleChanged(std::function<void()> hook) { scheduleChanged_ = std::move(hook); }

  private:
    struct Entry {
        std::function<void()> action;
        Millis interval{0};
        Clock::TimePoint due{};
        bool running = false;
        bool oneShot = false;
    };

    void Changed() {
        if (scheduleChanged_) scheduleChanged_();
    }

    Clock& clock_;
    std::map<Id, Entry> entries_;
    Id nextId_ = 1;
    std::function<void()> scheduleChanged_;
};

}  // namespace vx
