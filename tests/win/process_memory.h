// What the test process holds: its private memory and its GDI objects, for
// the tests that watch the program over a large photo and a long session.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

namespace tpr::test {

// The process's private bytes now, in megabytes of 10^6 bytes.
double PrivateMegabytes();

// The highest private bytes since construction or the last Take, sampled
// every millisecond on a thread of its own: Wine's PeakPagefileUsage is the
// current figure again, not a peak.
class PrivatePeak {
public:
    PrivatePeak();
    ~PrivatePeak();
    PrivatePeak(const PrivatePeak&) = delete;
    PrivatePeak& operator=(const PrivatePeak&) = delete;

    // Megabytes; sampling starts again from now.
    double Take();

private:
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> peak_{0};
    std::thread thread_;  // last: starts once the rest is ready
};

// The GDI objects alive in the process. Wine's GetGuiResources always
// answers 0, so the handle values 0 to 0xFFFF that GetObjectType knows are
// counted instead (about 80 ms).
int LiveGdiObjects();

}  // namespace tpr::test
