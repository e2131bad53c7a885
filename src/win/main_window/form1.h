// The main window: the photo view between the command bar and the status bar,
// refitted and resampled on every change of the window's size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "main_window/picture_box.h"
#include "main_window/status_bar.h"
#include "runtime/unique_any.h"
#include "runtime/window.h"

namespace tpr::win {

class Form1 : public Window<Form1> {
public:
    static constexpr wchar_t kClassName[] = L"ThunderRT6FormDC";

    Form1() = default;
    ~Form1() override;

    // Creates the window on first use (its load handler runs then) and shows it.
    void Show();

    // Size of the client area in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;
    double StatusBarHeight() const;  // twips

    void Form_Load();
    void Form_Resize();
    void Form_Unload(int16_t& Cancel);
    void ResizePhotoInProperties();
    void SetNoImage();
    void Command1_Click() {}

    // Command identifiers of the command bar's controls.
    enum CommandId : int32_t {
        kCommandOpen = 1,
        kCommandSave = 2,
        kCommandPreset640 = 3,
        kCommandPreset800 = 4,
        kCommandPreset1024 = 5,
        kCommandPreset1280 = 6,
        kCommandRotateCcw = 7,
        kCommandRotateCw = 8,
        kCommandAbout = 9,
        kCommandQuality = 22,
    };
    void CommandBars1_Execute(int32_t Control);

    // Commands.
    void bnOpen();
    void bnSave();
    std::wstring GetReportPath();
    // Loads the photo at path into picImage and shows it fitted; its name
    // becomes the current photo's name only once it has loaded.
    void ShowPhotoFile(const std::wstring& path);
    void RotateCCW();
    void RotateCW();
    void mnuHelpAbout_Click();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Controls.
    ImageHolder picImage;   // the photo at its natural size
    ImageHolder imNoImage;  // the placeholder shown when no photo is loaded
    PictureBox picBox;      // the photo view
    StatusBar StatusBar1;
    HWND Command1 = nullptr;
    HWND lblFontContainer = nullptr;  // hidden label that carries the interface font

    // Top of the area the command bar leaves free, in twips.
    double ClientAreaTop = 0;
    bool ResizingByPreset = false;

private:
    void CreateControls();
    void Rotate(bool left);

    UniqueHfont interfaceFont_;
};

inline std::wstring ErrTypeName(const Form1&) { return L"Form1"; }

}  // namespace tpr::win
