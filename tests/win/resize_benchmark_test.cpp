// Not run with the suite: times ResizePicture on a large photo
// (scripts/bench-resize.sh runs it beside another resizer).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "imaging/gdiplus_resize.h"
#include "runtime/picture.h"
#include "runtime/text.h"

namespace tpr::win {
namespace {

// CPU time of this thread in milliseconds: the machine may be shared, and
// the wall clock then counts other programs' work too.
double ThreadCpuMilliseconds() {
    FILETIME created, ended, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto ticks = [](FILETIME t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

TEST(ResizeBenchmark, DISABLED_ResizePictureOfTheBenchPhoto) {
    const char* path = std::getenv("TPR_BENCH_PHOTO");
    ASSERT_TRUE(path) << "run by scripts/bench-resize.sh";
    const Picture photo = LoadPicture(ToWide(path));
    const SIZE size = photo.PixelSize();
    const GdiPlusSession session;
    double bestWall = 1e9, bestCpu = 1e9;
    for (int run = 0; run < 3; ++run) {
        const double cpuBefore = ThreadCpuMilliseconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        const Picture resized = ResizePicture(photo.Handle(), photo.Kind(), 800, 600, RGB(255, 255, 255), true);
        const double wall =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallBefore).count();
        const double cpu = ThreadCpuMilliseconds() - cpuBefore;
        ASSERT_TRUE(resized);
        bestWall = std::min(bestWall, wall);
        bestCpu = std::min(bestCpu, cpu);
    }
    std::printf("ResizePicture %ldx%ld into 800x600: %.0f ms wall, %.0f ms CPU (best of 3)\n",
                static_cast<long>(size.cx), static_cast<long>(size.cy), bestWall, bestCpu);
}

}  // namespace
}  // namespace tpr::win
