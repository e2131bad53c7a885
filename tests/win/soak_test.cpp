// A long session on the main window with a 2-megapixel photo: 1000 resizes
// as the user drags the border, 100 turns both ways and 50 saves through the
// Save dialog. What the process holds must not grow with the operations:
// its GDI objects and private memory after the first hundred operations,
// once everything made on first use exists, against the last hundred.
#include <algorithm>
#include <cstdio>
#include <string>

#include "dialog_user.h"
#include "main_window_fixture.h"
#include "process_memory.h"
#include "test_files.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

// No GDI object may outlive its operation. Each kind of operation runs at
// least 45 times between the two counts, so even one object left behind by
// every save would add 45; the slack only allows for an object the
// platform makes once and keeps at some later first use.
constexpr int kGdiObjectSlack = 3;
// The highest private memory over the first and over the last hundred
// operations, each of which sweeps the whole range of window sizes. A view
// picture (0.3 MB at the least) left behind by each save would add over
// 12 MB; 8 MB leaves room for the heap's own ups and downs, and still
// catches 10 KB left behind by each resize.
constexpr double kPrivateGrowthMegabytes = 8;

constexpr int kOperations = 1150;
constexpr int kCompared = 100;

// One in 23 operations is a save and two are turns, the rest resizes:
// 1000 resizes, 100 turns and 50 saves, every kind in every hundred.
enum class Operation { Resize, TurnLeft, TurnRight, Save };
Operation OperationAt(int index) {
    switch (index % 23) {
    case 7: return Operation::TurnLeft;
    case 15: return Operation::TurnRight;
    case 22: return Operation::Save;
    default: return Operation::Resize;
    }
}

// There and back between a low and a high bound, step by step.
int Swing(int index, int step, int low, int high) {
    const int span = high - low, phase = index * step % (2 * span);
    return low + (phase < span ? phase : 2 * span - phase);
}

using SoakTest = Form1Test;

TEST_F(SoakTest, LongSessionKeepsGdiObjectsAndMemoryFlat) {
    const TempFolder folder;
    const std::wstring photo = folder.File(L"soak.jpg");
    WritePhoto(photo, 1600, 1200);
    form.ShowPhotoFile(photo);
    const std::wstring saved = folder.File(L"saved.jpg");

    int gdiAfterFirst = 0;
    double firstMegabytes = 0, lastMegabytes = 0;
    for (int index = 0; index < kOperations; ++index) {
        switch (OperationAt(index)) {
        case Operation::Resize:
            // Outer sizes change on every step, as a drag does, and sweep
            // their whole range within every hundred operations.
            ::SetWindowPos(form.hwnd(), nullptr, 0, 0, Swing(index, 23, 500, 1100), Swing(index, 17, 400, 850),
                           SWP_NOMOVE | SWP_NOZORDER);
            break;
        case Operation::TurnLeft: form.RotateCCW(); break;
        case Operation::TurnRight: form.RotateCW(); break;
        case Operation::Save: {
            // Into the same folder as it was each time, so that every Save
            // dialog shows the same list.
            DialogUser user(L"Save photo", FileDialogAnswer{saved});
            form.bnSave();
            ASSERT_TRUE(user.Seen().shown);
            ASSERT_TRUE(::DeleteFileW(saved.c_str())) << "saved at operation " << index;
            break;
        }
        }
        PumpMessages();
        const double megabytes = PrivateMegabytes();
        if (index < kCompared) firstMegabytes = std::max(firstMegabytes, megabytes);
        if (index >= kOperations - kCompared) lastMegabytes = std::max(lastMegabytes, megabytes);
        if (index == kCompared - 1) gdiAfterFirst = LiveGdiObjects();
        if ((index + 1) % 250 == 0) std::printf("after %4d: %d GDI objects\n", index + 1, LiveGdiObjects());
    }
    const int gdiAtEnd = LiveGdiObjects();
    std::printf(
        "GDI objects after the first hundred %d, at the end %d; private memory at most %.1f MB over "
        "the first hundred, %.1f MB over the last\n",
        gdiAfterFirst, gdiAtEnd, firstMegabytes, lastMegabytes);
    EXPECT_LE(gdiAtEnd, gdiAfterFirst + kGdiObjectSlack);
    EXPECT_LT(lastMegabytes - firstMegabytes, kPrivateGrowthMegabytes);
    EXPECT_TRUE(form.picBox.Visible());
    EXPECT_TRUE(Log().empty()) << win::ToNarrow(Log());
}

}  // namespace
}  // namespace tpr::test
