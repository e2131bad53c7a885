// Shows a finely textured photo in the main window for a screenshot, with the
// shrink's prefilter on or off (scripts/shot-moire.sh runs it and takes the
// shots).
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

#include "main_window_fixture.h"
#include "test_pictures.h"
#include "win/imaging/platform_capabilities.h"

namespace tpr::test {
namespace {

// A zone plate: rings whose frequency grows from the centre to half a cycle
// per pixel at the corners, which a shrink that only samples turns into
// false rings (moiré).
COLORREF ZonePlate(int x, int y) {
    const double dx = x - 2000.0, dy = y - 1500.0;
    const auto level = static_cast<BYTE>(127.5 + 127.5 * std::cos(3.14159265358979 * (dx * dx + dy * dy) / 5000.0));
    return RGB(level, level, level);
}

TEST_F(Form1Test, ZonePlateForAScreenshot) {
    const char* marker = std::getenv("TPR_SHOT_MARKER");
    const char* prefilter = std::getenv("TPR_SHOT_PREFILTER");
    ASSERT_TRUE(marker && prefilter) << "run by scripts/shot-moire.sh";
    // The prefilter is the program's own where GDI+ lacks one: "off" forces
    // the answer that GDI+ has it, so the photo goes to GDI+ as it is.
    const win::ForcedCapability forced(win::Capability::ShrinkPrefilters, std::string(prefilter) == "off");
    SetWorkArea(800, 600);
    probe.photo.SetPicture(win::PictureFromBitmap(MakeBitmap(4000, 3000, ZonePlate)));
    form.ResizePhotoInProperties();
    ::UpdateWindow(form.hwnd());
    PumpMessages();

    // Tell the script where the view is on the screen, and wait for its shot.
    RECT view{};
    ::GetWindowRect(probe.view.hwnd(), &view);
    {
        std::ofstream out(marker);
        out << view.right - view.left << "x" << view.bottom - view.top << "+" << view.left << "+" << view.top;
    }
    for (int waited = 0; waited < 600 && ::GetFileAttributesA(marker) != INVALID_FILE_ATTRIBUTES; ++waited) {
        PumpMessages();
        ::Sleep(100);
    }
}

}  // namespace
}  // namespace tpr::test
