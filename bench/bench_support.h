// The clocks of the benchmark, the best time of a call over samples, and
// how the benchmark gives up.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

namespace tpr::bench {

// Ends the benchmark, saying what the program failed to do
// (std::runtime_error).
[[noreturn]] void Fail(const std::wstring& what);

// Milliseconds of the wall clock (performance counter) and of CPU time spent
// by the calling thread. On a shared machine the wall clock also counts
// other programs' work; the thread's CPU time does not, but Wine counts it in
// ticks of 10 ms.
double WallMilliseconds();
double ThreadCpuMilliseconds();

struct Duration {
    double wallMs = 0;
    double cpuMs = 0;
};

inline Duration operator+(Duration a, Duration b) { return {a.wallMs + b.wallMs, a.cpuMs + b.cpuMs}; }

// The least time of one call over the samples taken. A sample repeats a
// short call until it lasts about kSampleMs, so that the ticks of the CPU
// clock stay small beside it. The first sample makes one call more, untimed,
// which warms the caches and sizes the repetitions. Calls to compare are
// sampled in turn, round after round, so that a change in the machine's load
// falls on all of them alike.
class BestTime {
public:
    static constexpr double kSampleMs = 250;

    template <class Call>
    void Sample(Call call) {
        if (repeats_ == 0) {
            const double started = WallMilliseconds();
            call();
            const double once = std::max(WallMilliseconds() - started, 0.01);
            repeats_ = std::max(1, static_cast<int>(std::ceil(kSampleMs / once)));
        }
        const double cpu = ThreadCpuMilliseconds(), wall = WallMilliseconds();
        for (int repeat = 0; repeat < repeats_; ++repeat) call();
        best_.wallMs = std::min(best_.wallMs, (WallMilliseconds() - wall) / repeats_);
        best_.cpuMs = std::min(best_.cpuMs, (ThreadCpuMilliseconds() - cpu) / repeats_);
    }

    Duration Best() const { return best_; }

private:
    Duration best_{1e300, 1e300};
    int repeats_ = 0;
};

}  // namespace tpr::bench
