// What the process holds: private bytes, their peak, and live GDI objects.
#include "process_memory.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>

namespace tpr::test {
namespace {

// The commit charge, PagefileUsage: Wine leaves the EX counters'
// PrivateUsage 0.
uint64_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{sizeof counters};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

constexpr double kMegabyte = 1e6;

}  // namespace

double PrivateMegabytes() { return static_cast<double>(PrivateBytes()) / kMegabyte; }

PrivatePeak::PrivatePeak()
    : thread_([this] {
          while (!stop_) {
              const uint64_t now = PrivateBytes();
              uint64_t seen = peak_;
              while (now > seen && !peak_.compare_exchange_weak(seen, now)) {
              }
              ::Sleep(1);
          }
      }) {}

PrivatePeak::~PrivatePeak() {
    stop_ = true;
    thread_.join();
}

double PrivatePeak::Take() {
    const uint64_t peak = std::max(peak_.exchange(0), PrivateBytes());
    return static_cast<double>(peak) / kMegabyte;
}

int LiveGdiObjects() {
    int count = 0;
    for (UINT_PTR value = 0; value <= 0xFFFF; ++value) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(value))) ++count;
    }
    return count;
}

}  // namespace tpr::test
