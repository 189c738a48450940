#include "updater/Timers.h"

#include <thread>

namespace vx {
namespace {

// Window timers have a floor too; an interval of 0 would fire without end.
Millis AtLeastOne(Millis interval) {
    return interval < Millis(1) ? Millis(1) : interval;
}

}  // namespace

void SystemClock::SleepUntil(TimePoint when) {
    std::this_thread::sleep_until(when);
}

Clock& TheSystemClock() {
    static SystemClock clock;
    return clock;
}

TimerSet::Id TimerSet::Add(std::function<void()> onTimer) {
    Id id = nextId_++;
    entries_[id].action = std::move(onTimer);
    return id;
}

void TimerSet::Start(Id id, Millis interval) {
    auto found = entries_.find(id);
    if (found == entries_.end()) return;
    found->second.interval = AtLeastOne(interval);
    found->second.due = clock_.Now() + found->second.interval;
    found->second.running = true;
    Changed();
}

void TimerSet::Stop(Id id) {
    auto found = entries_.find(id);
    if (found != entries_.end()) found->second.running = false;
}

bool TimerSet::Running(Id id) const {
    auto found = entries_.find(id);
    return found != entries_.end() && found->second.running;
}

TimerSet::Id TimerSet::After(Millis delay, std::function<void()> action) {
    Id id = nextId_++;
    Entry& entry = entries_[id];
    entry.action = std::move(action);
    entry.due = clock_.Now() + (delay < Millis(0) ? Millis(0) : delay);
    entry.running = true;
    entry.oneShot = true;
    Changed();
    return id;
}

void TimerSet::Remove(Id id) {
    entries_.erase(id);
}

void TimerSet::RunDue() {
    const Clock::TimePoint now = clock_.Now();
    for (;;) {
        auto earliest = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (!it->second.running || it->second.due > now) continue;
            if (earliest == entries_.end() || it->second.due < earliest->second.due) earliest = it;
        }
        if (earliest == entries_.end()) return;
        std::function<void()> action;
        if (earliest->second.oneShot) {
            action = std::move(earliest->second.action);
            entries_.erase(earliest);
        } else {
            Entry& entry = earliest->second;
            entry.due += entry.interval;
            if (entry.due <= now) entry.due = now + entry.interval;  // missed ticks fold into one
            action = entry.action;  // a copy: the action may remove its own timer
        }
        if (action) action();
    }
}

std::optional<Clock::TimePoint> TimerSet::NextDue() const {
    std::optional<Clock::TimePoint> next;
    for (const auto& [id, entry] : entries_) {
        if (entry.running && (!next || entry.due < *next)) next = entry.due;
    }
    return next;
}

bool TimerSet::RunUntil(const std::function<bool()>& done, Millis limit) {
    const Clock::TimePoint end = clock_.Now() + limit;
    for (;;) {
        RunDue();
        if (done()) return true;
        std::optional<Clock::TimePoint> next = NextDue();
        if (!next || *next > end) {
            clock_.SleepUntil(end);
            RunDue();
            return done();
        }
        clock_.SleepUntil(*next);
    }
}

}  // namespace vx
