// The keys from the user's keyboard through the X server, and the copy read
// back by another program (this driver).
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "e2e_support.h"
#include "win/common/drag_drop.h"
#include "win/runtime/data_object.h"

namespace tpr::e2e {
namespace {

// A format's bytes on the clipboard; empty when it holds none.
std::string ClipboardBytes(UINT format) {
    std::string bytes;
    if (!::OpenClipboard(nullptr)) return bytes;
    if (const HANDLE data = ::GetClipboardData(format)) {
        bytes.assign(static_cast<const char*>(::GlobalLock(data)), ::GlobalSize(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return bytes;
}

TEST(KeysTest, KeysOpenTheDialogApplyAPresetTurnThePhotoChangeTheQualityAndCopyIt) {
    ClearSettings();
    const TempFolder folder;
    WritePhoto(folder.File(L"wide.tif"), 1000, 500, L"image/tiff");  // a scan
    RunningProgram program;
    ASSERT_TRUE(WaitForTheFirstLayout(program)) << program.StatusText(1);
    // The keyboard goes to the window the user clicked.
    RECT status{};
    ::GetWindowRect(::FindWindowExW(program.MainWindow(), nullptr, STATUSCLASSNAMEW, nullptr), &status);
    ASSERT_TRUE(Xdotool(PointerTo(status) + " click 1 key ctrl+o"));
    EXPECT_TRUE(
        AnswerFileDialog(program.ProcessId(), texts::SelectPhotoTitle, {folder.File(L"wide.tif"), IDOK}).shown);

    const struct {
        const char* keys;
        SIZE workArea, shown;
        const wchar_t* quality;
    } steps[] = {
        {"ctrl+3", {1024, 768}, {1000, 500}, L"70"},
        {"ctrl+r", {1024, 768}, {384, 768}, L"70"},
        {"ctrl+Down ctrl+Down", {1024, 768}, {384, 768}, L"50"},
    };
    for (const auto& step : steps) {
        ASSERT_TRUE(Xdotool(std::string("key ") + step.keys));
        EXPECT_TRUE(WaitUntil(
            5000,
            [&] {
                return program.StatusText(1) == WorkAreaResolutionText(step.workArea.cx, step.workArea.cy) &&
                       program.StatusText(2) == PhotoResolutionText(step.shown.cx, step.shown.cy) &&
                       WindowTextOf(program.QualityList()) == step.quality;
            }))
            << step.keys << ": " << program.StatusText(2).size();
    }

    // The copy, as another program pastes it: the bitmap shown, corner for
    // corner as on screen, and the JPEG file of the same size.
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    ASSERT_TRUE(Xdotool("key ctrl+c"));
    ASSERT_TRUE(WaitUntil(5000, [] { return ::IsClipboardFormatAvailable(CF_HDROP); }));
    const std::string dib = ClipboardBytes(CF_DIB);
    ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER));
    const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
    ASSERT_TRUE(header.biWidth == 384 && header.biHeight == 768 && header.biBitCount == 24);
    RECT view{};
    ::GetWindowRect(::FindWindowExW(program.MainWindow(), nullptr, L"TprPictureBox", nullptr), &view);
    const HDC screen = ::GetDC(nullptr);
    const size_t stride = (384 * 3 + 3) / 4 * 4;
    for (const POINT corner : {POINT{0, 0}, POINT{383, 0}, POINT{0, 767}, POINT{383, 767}}) {
        const auto* pixel = reinterpret_cast<const uint8_t*>(dib.data()) + header.biSize +
                            (767 - corner.y) * stride + corner.x * 3;
        EXPECT_EQ(RGB(pixel[2], pixel[1], pixel[0]),
                  ::GetPixel(screen, view.left + corner.x, view.top + corner.y))
            << corner.x << "," << corner.y;
    }
    ::ReleaseDC(nullptr, screen);
    const std::string list = ClipboardBytes(CF_HDROP);
    const std::wstring file(reinterpret_cast<const wchar_t*>(
        list.data() + reinterpret_cast<const DROPFILES*>(list.data())->pFiles));
    const SIZE size = ImageFileSize(file);
    EXPECT_TRUE(size.cx == 384 && size.cy == 768 && file.find(L"\\wide_resized.jpg") != std::wstring::npos);
}

// A drag from another program, let go over the window at once: the
// system's drag between processes, as from the shell.
TEST(DropTest, AFileDraggedFromAnotherProgramOpens) {
    const TempFolder folder;
    WritePhoto(folder.File(L"dropped.jpg"), 400, 300);
    RunningProgram program;
    ASSERT_TRUE(WaitForTheFirstLayout(program)) << program.StatusText(1);
    RECT window{};
    ::GetWindowRect(program.MainWindow(), &window);
    ::SetCursorPos((window.left + window.right) / 2, (window.top + window.bottom) / 2);
    ::OleInitialize(nullptr);
    EXPECT_TRUE(win::DragOut(*win::MakeDataObject(win::FileListTransfer(folder.File(L"dropped.jpg"))).get()));
    ::OleUninitialize();
    EXPECT_TRUE(WaitUntil(5000, [&] { return program.StatusText(2) == PhotoResolutionText(400, 300); }))
        << program.StatusText(2).size();
}

}  // namespace
}  // namespace tpr::e2e
