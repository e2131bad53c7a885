#include "bench_support.h"

#include <windows.h>

#include <cstdint>
#include <stdexcept>

#include "win/runtime/text.h"

namespace tpr::bench {

void Fail(const std::wstring& what) { throw std::runtime_error(win::ToNarrow(what)); }

double WallMilliseconds() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

double ThreadCpuMilliseconds() {
    FILETIME created, ended, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto ticks = [](FILETIME time) {
        return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;  // 100 ns ticks
}

}  // namespace tpr::bench
