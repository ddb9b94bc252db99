#pragma once

#include <QElapsedTimer>
#include <QList>
#include <algorithm>
#include <functional>

// Runs of each in-process measurement; the median keeps one slow run from a busy neighbour
// out of the figure.
inline constexpr int BenchRuns = 7;

// The median of BenchRuns runs of `work`, in milliseconds; `prepare` runs untimed before each.
inline double medianMs(const std::function<void()>& work,
                       const std::function<void()>& prepare = {})
{
    QList<double> times;
    for (int run = 0; run < BenchRuns; ++run) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(BenchRuns / 2);
}
