#include "win/main_window/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "core/common/ui_texts.h"
#include "core/errors/error_framework.h"
#include "core/errors/trap.h"
#include "core/imaging/fit.h"
#include "core/main_window/command_keys.h"
#include "core/main_window/quality.h"
#include "core/main_window/status_texts.h"
#include "core/runtime/conversions.h"
#include "win/common/fonts.h"
#include "win/imaging/gdiplus_resize.h"
#include "win/main_window/photo_copies.h"
#include "win/main_window/placeholder.h"
#include "win/main_window/program_state.h"
#include "win/resources/resource_ids.h"
#include "win/runtime/application.h"
#include "win/runtime/forms.h"
#include "win/runtime/screen.h"
#include "win/runtime/settings.h"

namespace tpr::win {
namespace {

enum ControlId { kPicBoxId = 100, kStatusBarId, kCommand1Id, kFontContainerId };

// Posted on each activation, so that the activation event comes after the
// window's load and first resize, as the program expects: the platform
// activates a window being shown before it sends the first WM_SIZE.
constexpr UINT kActivatedMessage = WM_APP + 1;
// Posted at the window's first activation: what the window needs only once
// it is in use waits until that activation has sized it and fitted the photo.
constexpr UINT kFirstActivationDoneMessage = WM_APP + 2;

// The icons of the command bar, each tagged with the command it decorates;
// three of them also have the keys the hidden toolbar asks for.
ImageList LoadImageMenu() {
    struct MenuImage {
        int iconId;
        const wchar_t* key;
        CommandId tag;
    };
    static constexpr MenuImage kImages[] = {
        {kOpenIconId, L"Open", kCommandOpen},
        {kSaveIconId, L"Save", kCommandSave},
        {kRotateCcwIconId, L"", kCommandRotateCcw},
        {kRotateCwIconId, L"", kCommandRotateCw},
        {kInfoIconId, L"Info", kCommandAbout},
    };
    // The pictures are drawn at 16, 24 and 32 pixels: the largest that the
    // display's scale does not shrink (16 at 100 %, 24 at 150 %, 32 at 200 %).
    const int scaled = 16 * ScreenDotsPerInch() / 96;
    const int size = scaled >= 32 ? 32 : scaled >= 24 ? 24 : 16;
    ImageList images(size);
    for (const MenuImage& image : kImages) {
        const UniqueHicon icon(static_cast<HICON>(::LoadImageW(
            ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(image.iconId), IMAGE_ICON, size, size, 0)));
        images.Add(icon.get(), image.key, image.tag);
    }
    return images;
}

// The modifier keys held now, as a mouse event reports them.
int16_t ModifierKeys() {
    const auto held = [](int key) { return ::GetKeyState(key) < 0; };
    return static_cast<int16_t>((held(VK_SHIFT) ? kShiftMask : 0) | (held(VK_CONTROL) ? kCtrlMask : 0) |
                                (held(VK_MENU) ? kAltMask : 0));
}

// The settings store's place of the JPEG quality.
constexpr wchar_t kSettingsSection[] = L"Settings";
constexpr wchar_t kJpegQualityKey[] = L"JpegQuality";

}  // namespace

// The window goes while the object is whole, so its own handlers see it go.
Form1::~Form1() {
    if (hwnd()) ::DestroyWindow(hwnd());
}

void Form1::Show() {
    if (!hwnd()) {
        const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAppIconId));
        RegisterWindowClass(kClassName, CS_HREDRAW | CS_VREDRAW, icon,
                            static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        // The window opens at the size its first activation gives it, an
        // 800 x 600 work area: made at that width, the command bar is laid
        // out once, and the activation finds no size to change, so a photo
        // named at the start is fitted once before the first frame.
        const WorkAreaPreset& opening = *PresetByCommandId(kCommandPreset800);
        const int width =
            PixelsX(PresetWindowWidth(opening.width, TwipsPerPixelX(), ::GetSystemMetrics(SM_CYFRAME)));
        CreateWindowOfClass(kClassName, texts::AppName.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                            CW_USEDEFAULT, CW_USEDEFAULT, width, 700, nullptr);
        ApplyWorkAreaPreset(opening);
    }
    ::ShowWindow(hwnd(), SW_SHOW);
    ::UpdateWindow(hwnd());
}

double Form1::ScaleWidth() const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    return client.right * TwipsPerPixelX();
}

double Form1::ScaleHeight() const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    return client.bottom * TwipsPerPixelY();
}

double Form1::StatusBarHeight() const { return StatusBar1.HeightPixels() * TwipsPerPixelY(); }

void Form1::SetWidth(float twips) {
    RECT window{};
    ::GetWindowRect(hwnd(), &window);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, PixelsX(twips), window.bottom - window.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetHeight(float twips) {
    RECT window{};
    ::GetWindowRect(hwnd(), &window);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left, PixelsY(twips),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::CreateControls() {
    picBox.Create(hwnd(), kPicBoxId);
    StatusBar1.Create(hwnd(), kStatusBarId);
    // Out of sight: the button exists, its click does nothing.
    Command1 = ::CreateWindowExW(0, WC_BUTTONW, L"Command1", WS_CHILD | BS_PUSHBUTTON, -2000, -2000, 80, 24,
                                 hwnd(), reinterpret_cast<HMENU>(kCommand1Id), ::GetModuleHandleW(nullptr),
                                 nullptr);
    interfaceFont_ = CreateInterfaceFont();
    lblFontContainer = ::CreateWindowExW(0, WC_STATICW, L"", WS_CHILD, 0, 0, 0, 0, hwnd(),
                                         reinterpret_cast<HMENU>(kFontContainerId),
                                         ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(lblFontContainer, WM_SETFONT, reinterpret_cast<WPARAM>(interfaceFont_.get()), FALSE);
    SetFontContainer(lblFontContainer);
    imNoImage.SetPicture(DrawPlaceholderPicture());
    ImageMenu = LoadImageMenu();
    CommandBars1.Create(hwnd(), interfaceFont_.get(), [this] { CommandBars1_Resize(); });
    LoadKeys();
}

void Form1::Form_Load() {
    err::TopLevelTrap(L"Form1.Form_Load", [&] {
        Program().JpegQuality = QualityFromStoredText(
            GetSetting(App().Title, kSettingsSection, kJpegQualityKey, std::to_wstring(kDefaultJpegQuality)));
        LoadMenuToolbar();
        ApplyContainerFont(hwnd());
    });
}

// The first activation gives the window its 800 x 600 work area, through the
// hidden toolbar's button as a click on it would.
void Form1::Form_Activate() {
    err::TopLevelTrap(L"Form1.Form_Activate", [&] {
        if (Program().WindowActivated) return;
        constexpr int k800x600Button = 5;
        Toolbar1_ButtonClick(Toolbar1.Buttons(k800x600Button));
        Toolbar1.SetPressed(k800x600Button, true);
        Program().WindowActivated = true;
    });
}

// A drop needs the window on show, and old copies may go at any time: the
// registration with the platform's drag-and-drop service and the search of
// the copies folder wait until the first activation is done.
void Form1::FinishStartAfterFirstActivation() {
    err::TopLevelTrap(L"Form1.FinishStartAfterFirstActivation", [&] {
        AcceptDrops();
        RemoveOldPhotoCopies();
    });
}

void Form1::Form_Unload(int16_t& Cancel) {
    err::TopLevelTrap(L"Form1.Form_Unload(Cancel)", [&] {
        SaveSetting(App().Title, kSettingsSection, kJpegQualityKey, std::to_wstring(Program().JpegQuality));
    }, Cancel);
}

void Form1::Form_Resize() {
    err::TopLevelTrap(L"Form1.Form_Resize", [&] {
        ::SetWindowTextW(hwnd(), texts::AppName.c_str());
        EnsureQualityMenu(Toolbar1);
        Toolbar1.SetImageList(ImageMenu.Keys());
        Toolbar1.SetImage(L"Open", L"Open");
        Toolbar1.SetImage(L"Save", L"Save");
        Toolbar1.SetImage(L"About", L"Info");
        PhotoFitOwed = PhotoFitHeld;
        if (!PhotoFitHeld) ResizePhotoInProperties();
        // A size the user gave is no preset's.
        if (!ResizingByPreset) {
            for (int button = kFirstPresetButton; button <= kLastPresetButton; ++button) {
                Toolbar1.SetPressed(button, false);
            }
        }
        ResizingByPreset = false;
    });
}

void Form1::ResizePhotoInProperties() {
    err::LeafTrap(L"Form1.ResizePhotoInProperties", [&] {
        picBox.SetVisible(false);
        picBox.SetWidth(ScaleWidth());
        const double workAreaHeight = ScaleHeight() - ClientAreaTop - StatusBarHeight();
        // A work area without height or width (a window dragged that small,
        // or minimised) has nothing to show: the view stays hidden, quietly.
        if (workAreaHeight <= 0 || picBox.Width() <= 0) return;
        picBox.SetHeight(workAreaHeight);

        const int32_t boxWidth = RoundToLong(picBox.Width());
        const int32_t boxHeight = RoundToLong(picBox.Height());
        int32_t photoWidth = RoundToLong(picImage.width);
        int32_t photoHeight = RoundToLong(picImage.height);
        const bool photoHasArea = photoWidth > 0 && photoHeight > 0;
        AdjustImageDimensions(photoWidth, photoHeight, boxWidth, boxHeight);

        const double tppX = TwipsPerPixelX();
        const double tppY = TwipsPerPixelY();
        // A side the fit makes thinner than a pixel (a long panorama strip)
        // is still shown one pixel wide.
        if (photoHasArea) {
            photoWidth = std::max(photoWidth, RoundToLong(tppX));
            photoHeight = std::max(photoHeight, RoundToLong(tppY));
        }
        const int32_t pixelWidth = RoundToLong(photoWidth / tppX);
        const int32_t pixelHeight = RoundToLong(photoHeight / tppY);
        StatusBar1.SetPanelText(2, PhotoResolutionText(pixelWidth, pixelHeight));

        GdiPlusSession session;
        picBox.Move((picBox.Width() - photoWidth) / 2.0, (picBox.Height() - photoHeight) / 2.0 + ClientAreaTop);
        picBox.SetPicture(ResizePicture(picImage.picture.Handle(), picImage.picture.Kind(), pixelWidth,
                                        pixelHeight, kViewBackground, true));
        picBox.SetWidth(photoWidth);
        picBox.SetHeight(photoHeight);
        session.End();
        picBox.SetVisible(true);
    });
}

void Form1::SetNoImage() {
    err::LeafTrap(L"Form1.SetNoImage", [&] {
        picImage = imNoImage;
        ResizePhotoInProperties();
    });
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        AddLoadedForm(L"Form1", hwnd());
        CreateControls();
        Form_Load();
        return 0;
    case WM_SIZE:
        // The bars first: the resize handler fits the photo below them.
        StatusBar1.Resize();
        CommandBars1.FollowWindowSize();
        Form_Resize();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) ::PostMessageW(hwnd(), kActivatedMessage, 0, 0);
        return DefaultProcedure(message, wParam, lParam);
    case kActivatedMessage:
        if (!firstActivationSeen_) ::PostMessageW(hwnd(), kFirstActivationDoneMessage, 0, 0);
        firstActivationSeen_ = true;
        Form_Activate();
        return 0;
    case kFirstActivationDoneMessage:
        FinishStartAfterFirstActivation();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 1 && lParam == 0) {
            AcceleratorKeyDown(LOWORD(wParam));
        } else if (LOWORD(wParam) == kCommand1Id && HIWORD(wParam) == BN_CLICKED) {
            Command1_Click();
        } else if (const CommandBarControl* control = CommandBars1.ExecutedControl(wParam, lParam)) {
            CommandBars1_Execute(control->Id());
        } else if (lParam == 0) {
            // A command posted by identifier alone.
            CommandBars1_Execute(LOWORD(wParam));
        }
        return 0;
    case WM_PARENTNOTIFY:
    case WM_CONTEXTMENU: {
        // A press or a right-click on the view, at a point of the view in twips.
        const bool press = message == WM_PARENTNOTIFY;
        if (press ? LOWORD(wParam) != WM_LBUTTONDOWN : reinterpret_cast<HWND>(wParam) != picBox.hwnd()) {
            return DefaultProcedure(message, wParam, lParam);
        }
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::MapWindowPoints(press ? hwnd() : nullptr, picBox.hwnd(), &point, 1);
        RECT view{};
        ::GetClientRect(picBox.hwnd(), &view);
        // From the keyboard, the menu opens at the view's centre.
        if (!press && lParam == -1) point = {view.right / 2, view.bottom / 2};
        if (!::PtInRect(&view, point)) return 0;
        const auto x = static_cast<float>(point.x * TwipsPerPixelX());
        const auto y = static_cast<float>(point.y * TwipsPerPixelY());
        if (press) {
            picBox_MouseDown(kLeftButton, ModifierKeys(), x, y);
        } else {
            picBox_MouseUp(kRightButton, ModifierKeys(), x, y);
        }
        return 0;
    }
    case WM_NOTIFY:
        if (CommandBars1.HandleNotify(*reinterpret_cast<const NMHDR*>(lParam))) return 0;
        return DefaultProcedure(message, wParam, lParam);
    case WM_CLOSE: {
        int16_t cancel = 0;
        Form_Unload(cancel);
        ::DestroyWindow(hwnd());
        return 0;
    }
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
        // The session ends without a close: the window unloads as a close
        // unloads it, and a failure is logged with no dialog to hold up the
        // log-off.
        if (wParam) {
            const err::UnattendedReports unattended;
            int16_t cancel = 0;
            Form_Unload(cancel);
        }
        return 0;
    case WM_DESTROY:
        dropTarget_.Revoke();
        RemoveLoadedForm(hwnd());
        SetFontContainer(nullptr);
        if (Program().MainForm == this) ::PostQuitMessage(0);
        return 0;
    default: return DefaultProcedure(message, wParam, lParam);
    }
}

}  // namespace tpr::win
