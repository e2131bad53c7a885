// What the test process holds: its private memory and its GDI objects, for
// the tests that watch the program over a large photo and a long session.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>

namespace tpr::test {

// The commit charge, PagefileUsage: Wine leaves the EX counters'
// PrivateUsage 0.
inline uint64_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{sizeof counters};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// In megabytes of 10^6 bytes.
inline double PrivateMegabytes() { return static_cast<double>(PrivateBytes()) / 1e6; }

// The highest private megabytes since construction or the last Take,
// sampled every millisecond: Wine's PeakPagefileUsage is no peak.
class PrivatePeak {
public:
    PrivatePeak() = default;
    ~PrivatePeak() {
        stop_ = true;
        thread_.join();
    }
    PrivatePeak(const PrivatePeak&) = delete;
    PrivatePeak& operator=(const PrivatePeak&) = delete;
    // And sampling starts again from now.
    double Take() { return static_cast<double>(std::max(peak_.exchange(0), PrivateBytes())) / 1e6; }

private:
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> peak_{0};
    std::thread thread_{[this] {  // last: starts once the rest is ready
        while (!stop_) {
            const uint64_t now = PrivateBytes();
            uint64_t seen = peak_;
            while (now > seen && !peak_.compare_exchange_weak(seen, now)) {
            }
            ::Sleep(1);
        }
    }};
};

// The GDI objects alive in the process, counted over the handle values
// GetObjectType knows: Wine's GetGuiResources always answers 0.
inline int LiveGdiObjects() {
    int count = 0;
    for (UINT_PTR value = 0; value <= 0xFFFF; ++value)
        count += ::GetObjectType(reinterpret_cast<HGDIOBJ>(value)) ? 1 : 0;
    return count;
}

}  // namespace tpr::test
