// Timing helpers of the benchmark programs: calls timed one by one, their
// median, and the mean time per call of a run of calls.
#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
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

}  // namespace vx::bench
