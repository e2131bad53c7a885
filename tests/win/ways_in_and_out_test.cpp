// The ways in and out besides the dialogs: files dropped on the window, the
// photo dragged out, Copy and Paste through the clipboard, the keys and the
// view's menu.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <future>

#include "core/common/ui_texts.h"
#include "core/main_window/command_keys.h"
#include "core/main_window/status_texts.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/common/drag_drop.h"
#include "win/imaging/clipboard_bitmap.h"
#include "win/main_window/photo_copies.h"
#include "win/runtime/text.h"
#include "window_driver.h"

namespace tpr::test {
namespace {

// The data, dragged from nowhere and let go at once over the middle of the
// window: the system's own drag, dropped on whatever target is there.
bool DropOn(HWND window, win::TransferData data) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return win::DragOut(*win::MakeDataObject(std::move(data)).get());
}

// A packed bitmap of w x h pixels (0xAARRGGBB from fill), 24 or 32 bits a
// pixel, rows from the bottom; the 32-bit one with the alpha form's header
// and masks when alphaForm.
template <class Fill>
std::string PackedDib(int w, int h, int bits, bool alphaForm, Fill fill) {
    BITMAPV5HEADER header{};
    header.bV5Size = alphaForm ? sizeof(BITMAPV5HEADER) : sizeof(BITMAPINFOHEADER);
    header.bV5Width = w;
    header.bV5Height = h;
    header.bV5Planes = 1;
    header.bV5BitCount = static_cast<WORD>(bits);
    header.bV5Compression = alphaForm ? BI_BITFIELDS : BI_RGB;
    header.bV5RedMask = 0xFF0000, header.bV5GreenMask = 0xFF00, header.bV5BlueMask = 0xFF;
    header.bV5AlphaMask = 0xFF000000;
    std::string bytes(reinterpret_cast<const char*>(&header), header.bV5Size);
    const size_t stride = (static_cast<size_t>(w) * bits / 8 + 3) / 4 * 4;
    for (int y = h - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < w; ++x) {
            const uint32_t pixel = fill(x, y);
            std::memcpy(&row[static_cast<size_t>(x) * bits / 8], &pixel, bits / 8);
        }
        bytes += row;
    }
    return bytes;
}

void PutOnClipboard(UINT format, const std::string& bytes) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    if (!bytes.empty()) ::SetClipboardData(format, win::GlobalCopy(bytes.data(), bytes.size()).release());
    ::CloseClipboard();
}

std::string ClipboardBytes(UINT format) {
    std::string bytes;
    if (!::OpenClipboard(nullptr)) return bytes;
    if (const HANDLE data = ::GetClipboardData(format)) {
        const win::LockedGlobal locked(data);
        bytes.assign(reinterpret_cast<const char*>(locked.bytes()), locked.size());
    }
    ::CloseClipboard();
    return bytes;
}

// The colour at (x, y) of a packed 24-bit bitmap, rows from the bottom.
COLORREF DibPixel(const std::string& dib, int x, int y) {
    const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
    const size_t stride = (static_cast<size_t>(header.biWidth) * 3 + 3) / 4 * 4;
    const auto* pixel = reinterpret_cast<const uint8_t*>(dib.data()) + header.biSize +
                        (header.biHeight - 1 - y) * stride + x * 3;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

class WaysInAndOutTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        win::Program().CurrentPhotoFileName.clear();
        SetWorkArea(800, 600);
    }
    void Open(const std::wstring& name, int width, int height) {
        WritePhoto(folder.File(name), width, height);
        form.ShowPhotoFile(folder.File(name));
    }
    bool Shows(const std::wstring& name, int width, int height) const {
        return win::Program().CurrentPhotoFileName == name &&
               ShownResolution() == PhotoResolutionText(width, height);
    }
    TempFolder folder;
};

TEST_F(WaysInAndOutTest, ADropOpensTheFirstFileAsOpenDoesAndAFolderOrNoFileDoesNothing) {
    WritePhoto(folder.File(L"first.jpg"), 400, 300);
    WritePhoto(folder.File(L"second.jpg"), 200, 100);
    WriteFileBytes(folder.File(L"broken.jpg"), "not a picture");
    ::CreateDirectoryW(folder.File(L"sub").c_str(), nullptr);
    const struct {
        const wchar_t* file;  // null: a drop of a bitmap alone
        bool taken;
        const wchar_t* report;
    } cases[] = {
        {L"first.jpg", true, L""},
        {L"sub", false, L""},
        {nullptr, false, L""},
        {L"broken.jpg", true, L"Invalid picture"},
    };
    for (const auto& c : cases) {
        win::TransferData data;
        if (c.file) {
            data = win::FileListTransfer(folder.File(c.file));
        } else {
            data.push_back({CF_DIB, win::PackedDibOf(SolidPicture(10, 10, RGB(1, 2, 3)))});
        }
        EXPECT_EQ(DropOn(form.hwnd(), std::move(data)), c.taken) << c.file;
        EXPECT_TRUE(Shows(L"first.jpg", 400, 300)) << c.file;
        EXPECT_EQ(Log().find(L"Form1.Form_OLEDragDrop(Data={DataObject},") != std::wstring::npos &&
                      Log().find(c.report) != std::wstring::npos,
                  *c.report != 0);
    }
}

TEST_F(WaysInAndOutTest, ThePhotoDraggedOutIsItsJpegFileAndItsOwnWindowRefusesIt) {
    Open(L"wide.jpg", 1000, 500);
    std::vector<std::wstring> dropped;
    win::UniqueHwnd receiver(::CreateWindowExW(WS_EX_TOPMOST, L"LISTBOX", L"", WS_POPUP | WS_VISIBLE, 900,
                                               100, 200, 200, nullptr, nullptr, nullptr, nullptr));
    bool refusing = false;
    win::DropTargetRegistration target;
    target.Register(
        receiver.get(),
        [&](IDataObject& data, DWORD, POINTL) {
            dropped = win::DataObject(data).Files();
            return true;
        },
        refusing);
    ::SetCursorPos(1000, 200);
    form.DragPhotoOut();
    ASSERT_EQ(dropped.size(), 1u);
    const SIZE size = ImageFileSize(dropped[0]);
    EXPECT_TRUE(size.cx == 800 && size.cy == 400 &&
                dropped[0].find(L"\\wide_resized.jpg") != std::wstring::npos);
    // Over its own window the drag is refused, and the photo stays.
    receiver.reset();
    RECT view{};
    ::GetWindowRect(probe.view.hwnd(), &view);
    ::SetCursorPos((view.left + view.right) / 2, (view.top + view.bottom) / 2);
    form.DragPhotoOut();
    EXPECT_TRUE(Shows(L"wide.jpg", 800, 400));
}

TEST_F(WaysInAndOutTest, CopyPutsTheShownPixelsAndTheJpegFileOnTheClipboardButNotThePlaceholder) {
    PutOnClipboard(CF_DIB, PackedDib(3, 3, 24, false, [](int, int) { return 0x123456u; }));
    form.SetNoImage();
    form.CopyPhoto();
    EXPECT_EQ(DibPixel(ClipboardBytes(CF_DIB), 2, 2), RGB(0x12, 0x34, 0x56)) << "the clipboard is as it was";

    Open(L"wide.jpg", 1000, 500);
    form.CopyPhoto();
    const std::string dib = ClipboardBytes(CF_DIB);
    ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER));
    const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
    EXPECT_TRUE(header.biWidth == 800 && header.biHeight == 400) << header.biWidth << "x" << header.biHeight;
    const Pixels view = ReadPixels(probe.view.GetPicture());
    for (const POINT corner : {POINT{0, 0}, POINT{799, 0}, POINT{0, 399}, POINT{799, 399}}) {
        EXPECT_EQ(DibPixel(dib, corner.x, corner.y), view.at(corner.x, corner.y))
            << corner.x << "," << corner.y;
    }
    std::string list = ClipboardBytes(CF_HDROP);
    const auto* files = reinterpret_cast<const DROPFILES*>(list.data());
    const std::wstring file(reinterpret_cast<const wchar_t*>(list.data() + files->pFiles));
    const SIZE size = ImageFileSize(file);
    EXPECT_TRUE(size.cx == 800 && size.cy == 400) << win::ToNarrow(file);
    EXPECT_NE(file.find(L"\\" + texts::AppName + L"\\wide_resized.jpg"), std::wstring::npos);
    const std::string effect = ClipboardBytes(::RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT));
    EXPECT_TRUE(effect.size() == 4 && effect[0] == DROPEFFECT_COPY);
    EXPECT_TRUE(Log().empty());
}

TEST_F(WaysInAndOutTest, PasteTakesABitmapAtFullSizeOrAFileAndNothingElse) {
    WritePhoto(folder.File(L"listed.jpg"), 400, 300);
    const auto halves = [](uint32_t left, uint32_t right) {
        return [=](int x, int) { return x < 500 ? left : right; };
    };
    const struct {
        const char* what;
        UINT format;
        std::string bytes;    // empty: an empty clipboard
        const wchar_t* name;  // after the paste
        SIZE shown;
        COLORREF left, right;  // in the view, at a quarter and three quarters of its width
    } cases[] = {
        // clang-format off
        {"24-bit", CF_DIB, PackedDib(1000, 500, 24, false, halves(0xFF0000, 0x0000FF)), L"Pasted photo",
         {800, 400}, RGB(255, 0, 0), RGB(0, 0, 255)},
        {"32-bit, alpha 0", CF_DIB, PackedDib(1000, 500, 32, false, halves(0x00FF00, 0x00FF00)), L"Pasted photo",
         {800, 400}, RGB(0, 255, 0), RGB(0, 255, 0)},
        {"alpha form", CF_DIBV5, PackedDib(1000, 500, 32, true, halves(0x00000000, 0xFFFF0000)), L"Pasted photo",
         {800, 400}, RGB(255, 255, 255), RGB(255, 0, 0)},
        {"rows missing", CF_DIB, PackedDib(1000, 500, 24, false, halves(0, 0)).substr(0, 2000), L"Pasted photo",
         {800, 400}, RGB(255, 255, 255), RGB(255, 0, 0)},
        {"empty", CF_DIB, "", L"Pasted photo", {800, 400}, RGB(255, 255, 255), RGB(255, 0, 0)},
        {"file list", CF_HDROP, "", L"listed.jpg", {400, 300}, CLR_INVALID, CLR_INVALID},
        // clang-format on
    };
    for (const auto& c : cases) {
        if (c.format == CF_HDROP) {
            ASSERT_TRUE(::OpenClipboard(nullptr));
            ::EmptyClipboard();
            for (win::TransferFormat& entry : win::FileListTransfer(folder.File(L"listed.jpg"))) {
                ::SetClipboardData(entry.format, entry.data.release());
            }
            ::CloseClipboard();
        } else {
            PutOnClipboard(c.format, c.bytes);
        }
        form.PastePhoto();
        EXPECT_TRUE(Shows(c.name, c.shown.cx, c.shown.cy)) << c.what;
        if (c.left == CLR_INVALID) continue;
        const Pixels view = ReadPixels(probe.view.GetPicture());
        EXPECT_TRUE(Near(view.at(200, 200), c.left) && Near(view.at(600, 200), c.right)) << c.what;
    }
    EXPECT_TRUE(Log().empty()) << win::ToNarrow(Log());
}

TEST_F(WaysInAndOutTest, APastedBitmapSavesFittedUnderThePastedName) {
    PutOnClipboard(CF_DIB,
                   PackedDib(1000, 500, 24, false, [](int x, int) { return x < 500 ? 0xFF0000u : 0xFFu; }));
    form.PastePhoto();
    auto user = std::async(std::launch::async, AnswerFileDialog, ::GetCurrentProcessId(),
                           texts::SavePhotoTitle, FileDialogAnswer{folder.File(L"saved.jpg")});
    form.bnSave();
    EXPECT_EQ(user.get().suggestedName, L"Pasted photo_resized.jpg");
    const SIZE size = ImageFileSize(folder.File(L"saved.jpg"));
    EXPECT_TRUE(size.cx == 800 && size.cy == 400);
    EXPECT_TRUE(Near(ImageFilePixel(folder.File(L"saved.jpg"), 200, 200), RGB(255, 0, 0), 16) &&
                Near(ImageFilePixel(folder.File(L"saved.jpg"), 600, 200), RGB(0, 0, 255), 16));
}

// A key pressed on the window or on a control in it, as the message loop
// hands it over.
bool PressKey(win::Form1& form, HWND window, WORD key, bool ctrl) {
    BYTE keys[256] = {};
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    MSG message{window, WM_KEYDOWN, key, 1};
    const bool translated = form.TranslateKey(message);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    PumpMessages();
    return translated;
}

TEST_F(WaysInAndOutTest, KeysRunTheirCommandsWhereverTheFocusIsButNotUnderAModalDialog) {
    Open(L"wide.jpg", 1000, 500);
    const HWND list = probe.commandBars.FindControl(kCommandQuality)->ListWindow();
    const struct {
        HWND window;
        WORD key;
        bool ctrl, enabled, taken;
        SIZE workArea;
        int quality;
        SIZE shown;
    } cases[] = {
        {form.hwnd(), '3', true, true, true, {1024, 768}, 70, {1000, 500}},
        {list, '1', true, true, true, {640, 480}, 70, {640, 320}},
        {probe.view.hwnd(), 'L', true, true, true, {640, 480}, 70, {240, 480}},
        {form.hwnd(), 'R', true, true, true, {640, 480}, 70, {640, 320}},
        {list, VK_DOWN, true, true, true, {640, 480}, 60, {640, 320}},
        {form.hwnd(), VK_UP, true, true, true, {640, 480}, 70, {640, 320}},
        {form.hwnd(), 'R', false, true, false, {640, 480}, 70, {640, 320}},
        {form.hwnd(), '2', true, false, false, {640, 480}, 70, {640, 320}},
    };
    for (const auto& c : cases) {
        ::EnableWindow(form.hwnd(), c.enabled);
        EXPECT_EQ(PressKey(form, c.window, c.key, c.ctrl), c.taken) << c.key;
        ::EnableWindow(form.hwnd(), TRUE);
        EXPECT_EQ(probe.statusBar.PanelText(1), WorkAreaResolutionText(c.workArea.cx, c.workArea.cy))
            << c.key;
        EXPECT_EQ(win::Program().JpegQuality, c.quality) << c.key;
        EXPECT_EQ(ShownResolution(), PhotoResolutionText(c.shown.cx, c.shown.cy)) << c.key;
    }
}

// The items of the menu on show, read and the menu closed once it is up.
std::vector<std::pair<int, std::wstring>> g_menuItems;
void CALLBACK ReadMenuAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND popup = ::FindWindowW(L"#32768", nullptr);
    if (!popup) return;
    ::KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        g_menuItems.push_back({static_cast<int>(::GetMenuItemID(menu, i)), text});
    }
    ::EndMenu();
}

TEST_F(WaysInAndOutTest, ARightClickOnTheViewOffersTheCommandsWithTheirKeys) {
    form.SetNoImage();
    RECT view{};
    ::GetWindowRect(probe.view.hwnd(), &view);
    ::SetTimer(nullptr, 0, 100, ReadMenuAndClose);
    ::SendMessageW(probe.view.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(probe.view.hwnd()),
                   MAKELPARAM(view.left + 10, view.top + 10));
    const std::vector<std::pair<int, std::wstring>> expected = {
        // clang-format off
        {kCommandOpen, L"Open\tCtrl+O"}, {kCommandSave, L"Save...\tCtrl+S"}, {0, L""},
        {kCommandCopy, L"Copy\tCtrl+C"}, {kCommandPaste, L"Paste\tCtrl+V"}, {0, L""},
        {kCommandRotateCcw, L"Rotate CCW\tCtrl+L"}, {kCommandRotateCw, L"Rotate CW\tCtrl+R"}, {0, L""},
        {kCommandAbout, L"About\tF1"},
        // clang-format on
    };
    EXPECT_EQ(g_menuItems, expected);
}

TEST(PhotoCopiesTest, AStartRemovesCopiesOlderThanADay) {
    const std::wstring old = win::PhotoCopyPath(L"old.jpg"), recent = win::PhotoCopyPath(L"recent.jpg");
    WriteFileBytes(old, "old");
    WriteFileBytes(recent, "recent");
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER dayAndMinuteAgo{{now.dwLowDateTime, now.dwHighDateTime}};
    dayAndMinuteAgo.QuadPart -= (24ull * 60 + 1) * 60 * 10000000;
    const FILETIME written{dayAndMinuteAgo.LowPart, dayAndMinuteAgo.HighPart};
    {
        const win::UniqueFile file(
            ::CreateFileW(old.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ::SetFileTime(file.get(), nullptr, nullptr, &written);
    }
    win::RemoveOldPhotoCopies();
    EXPECT_FALSE(FileExists(old));
    EXPECT_TRUE(FileExists(recent));
    ::DeleteFileW(recent.c_str());
}

}  // namespace
}  // namespace tpr::test
