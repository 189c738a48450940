// Timing helpers of the benchmark programs: calls timed one by one, their
// median, and the mean time per call of a run of calls; a bounded wait for a
// state of the windows, and the end of a benchmark that cannot measure.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vx::bench {

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Runs `call(i)` for i = 0 .. rounds-1 and returns each call's time in ms.
template <typename F>
std::vector<double> Timed(int rounds, F&& call) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        call(i);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return ms;
}

// The mean time of one call in microseconds over `calls` calls, after a
// first call that builds fonts and caches.
inline double MicrosecondsPerCall(int calls, const std::function<void()>& work) {
    work();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        work();
    return timer.nsecsElapsed() / 1000.0 / calls;
}

// How long a benchmark waits for a window to reach a state before it gives up.
inline constexpr int kWaitMs = 10000;

// Processes events until `done` holds, for at most `ms` milliseconds; false
// when it never held. Checks again as soon as the events are processed, so
// a wait inside a timed call adds nothing once the state is reached.
inline bool WaitFor(const std::function<bool()>& done, int ms = kWaitMs) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        QCoreApplication::processEvents();
        if (done()) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(1);
    }
    return true;
}

// Tells why the benchmark gives no figures; returns the exit status for it.
inline int CannotMeasure(const char* program, const std::string& why) {
    std::fprintf(stderr, "%s: cannot measure: %s\n", program, why.c_str());
    return 2;
}

}  // namespace vx::bench
