// A session of drags, turns and saves on the main window: what the process holds must not grow.
#include <algorithm>
#include <cstdio>
#include <future>
#include <string>

#include "core/common/ui_texts.h"
#include "main_window_fixture.h"
#include "process_memory.h"
#include "test_files.h"
#include "win/runtime/text.h"
#include "window_driver.h"

namespace tpr::test {
namespace {

// One cycle: 10 resizes, a turn each way and a save. The first warms up.
constexpr int kCycle = 13;
constexpr int kMeasured = 5 * kCycle;
// One GDI object left behind by every tenth operation fails the test.
constexpr int kGdiObjectSlack = kMeasured / 10 - 1;
// The highest private memory over the first and over the last cycle: 8 MB
// catches 125 KB left behind by each operation (a view picture is 0.3 MB at
// the least) and leaves room for the heap's own ups and downs.
constexpr double kPrivateGrowthMegabytes = 8;

// There and back between a low and a high bound, step by step.
int Swing(int index, int step, int low, int high) {
    const int span = high - low, phase = index * step % (2 * span);
    return low + (phase < span ? phase : 2 * span - phase);
}

using SoakTest = Form1Test;

TEST_F(SoakTest, SessionKeepsGdiObjectsAndMemoryFlat) {
    const TempFolder folder;
    const std::wstring photo = folder.File(L"soak.jpg");
    WritePhoto(photo, 1600, 1200);
    form.ShowPhotoFile(photo);
    const std::wstring saved = folder.File(L"saved.jpg");

    int gdiAfterWarmUp = 0;
    double firstMegabytes = 0, lastMegabytes = 0;
    for (int index = 0; index < kCycle + kMeasured; ++index) {
        const int step = index % kCycle;
        if (step == 4) {
            form.RotateCCW();
        } else if (step == 8) {
            form.RotateCW();
        } else if (step == 12) {  // into the same folder, so that every dialog shows the same list
            auto user = std::async(std::launch::async, AnswerFileDialog, ::GetCurrentProcessId(),
                                   texts::SavePhotoTitle, FileDialogAnswer{saved});
            form.bnSave();
            ASSERT_TRUE(user.get().shown);
            ASSERT_TRUE(::DeleteFileW(saved.c_str())) << "saved at operation " << index;
        } else {  // outer sizes change on every step, as a drag does, over their whole range each cycle
            ::SetWindowPos(form.hwnd(), nullptr, 0, 0, Swing(index, 97, 500, 1100),
                           Swing(index, 71, 400, 850), SWP_NOMOVE | SWP_NOZORDER);
        }
        PumpMessages();
        const double megabytes = PrivateMegabytes();
        if (index < kCycle) firstMegabytes = std::max(firstMegabytes, megabytes);
        if (index >= kMeasured) lastMegabytes = std::max(lastMegabytes, megabytes);
        if (index == kCycle - 1) gdiAfterWarmUp = LiveGdiObjects();
    }
    const int gdiAtEnd = LiveGdiObjects();
    std::printf(
        "GDI objects after the warm-up %d, at the end %d; private memory at most %.1f MB over the "
        "first cycle, %.1f MB over the last\n",
        gdiAfterWarmUp, gdiAtEnd, firstMegabytes, lastMegabytes);
    EXPECT_LE(gdiAtEnd, gdiAfterWarmUp + kGdiObjectSlack);
    EXPECT_LT(lastMegabytes - firstMegabytes, kPrivateGrowthMegabytes);
    EXPECT_TRUE(Log().empty()) << win::ToNarrow(Log());
}

}  // namespace
}  // namespace tpr::test
