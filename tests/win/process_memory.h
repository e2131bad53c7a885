// What the test process holds: its private memory and its GDI objects, for
// the tests that watch the program over a large photo and a long session.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

namespace tpr::test {

// The process's private bytes now, in megabytes of 10^6 bytes.
double PrivateMegabytes();

// The highest private megabytes since construction or the last Take,
// sampled every millisecond: Wine's PeakPagefileUsage is no peak.
class PrivatePeak {
public:
    PrivatePeak();
    ~PrivatePeak();
    PrivatePeak(const PrivatePeak&) = delete;
    PrivatePeak& operator=(const PrivatePeak&) = delete;
    double Take();  // and sampling starts again from now

private:
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> peak_{0};
    std::thread thread_;  // last: starts once the rest is ready
};

// The GDI objects alive in the process, counted over the handle values
// GetObjectType knows: Wine's GetGuiResources always answers 0.
int LiveGdiObjects();

}  // namespace tpr::test
