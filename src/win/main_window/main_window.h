// The main window: the photo view between the command bar and the status bar,
// refitted and resampled on every change of the window's size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/main_window/commands.h"
#include "core/main_window/hidden_toolbar.h"
#include "core/main_window/presets.h"
#include "win/common/drag_drop.h"
#include "win/common/picture_box.h"
#include "win/main_window/command_bars.h"
#include "win/main_window/status_bar.h"
#include "win/runtime/data_object.h"
#include "win/runtime/image_list.h"
#include "win/runtime/unique_any.h"
#include "win/runtime/window.h"

namespace tpr::win {

class Form1 : public Window<Form1> {
public:
    static constexpr wchar_t kClassName[] = L"ThunderRT6FormDC";
    // What the photo is shown on, around it and through its transparent pixels.
    static constexpr COLORREF kViewBackground = RGB(255, 255, 255);

    Form1() = default;
    ~Form1() override;

    // Creates the window on first use (its load handler runs then) and shows it.
    void Show();

    // Size of the client area in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;
    double StatusBarHeight() const;  // twips
    // The window's outer size in twips, as a single-precision value; the
    // window takes it at the nearest pixel, and its resize handler runs
    // before the assignment returns.
    void SetWidth(float twips);
    void SetHeight(float twips);

    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_Unload(int16_t& Cancel);
    void ResizePhotoInProperties();
    void SetNoImage();
    void Command1_Click() {}

    // The command bar.
    void LoadMenuToolbar();
    CommandBarControl& AddButton(CommandBarControls& Controls, ControlType ControlType, int32_t ID,
                                 const std::wstring& Caption, bool BeginGroup = false,
                                 bool EnableCaption = false);
    void DockCommandBarRightOf(CommandBar& BarToDock, CommandBar& BarOnLeft);
    // The bars' layout changed: the free client area and the work-area panel follow.
    void CommandBars1_Resize();

    // Command dispatch: the command bar reports a control's identifier, the
    // hidden toolbar a button (acted on by its key) or a drop-down entry.
    void CommandBars1_Execute(int32_t Control);
    void Toolbar1_ButtonClick(const ToolbarButton& Button);
    void Toolbar1_ButtonMenuClick(const ButtonMenu& ButtonMenu);
    // Sizes the window so that its work area is exactly the preset's pixels.
    void ApplyWorkAreaPreset(const WorkAreaPreset& preset);

    // Commands.
    void bnOpen();
    void bnSave();
    std::wstring GetReportPath();
    // Loads the photo at path into picImage, upright by the orientation its
    // camera recorded, and shows it fitted; its name becomes the current
    // photo's name only once it has loaded. Every way a photo comes in
    // opens it here. False, once the user is told, for a photo in a format
    // the program knows but cannot open; the photo on show stays.
    bool ShowPhotoFile(const std::wstring& path);
    void RotateCCW();
    void RotateCW();
    void mnuHelpAbout_Click();

    // Ways in and out besides the dialogs: files dropped on the window, the
    // clipboard, the photo dragged out of the view, keys and the view's menu.
    void Form_OLEDragDrop(const DataObject& Data, int32_t& Effect, int16_t Button, int16_t Shift, float X,
                          float Y);
    void Form_KeyDown(int16_t& KeyCode, int16_t& Shift);
    void picBox_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void picBox_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void CopyPhoto();
    void PastePhoto();
    void DragPhotoOut();
    // Runs a key of the window's accelerator table, unless a modal dialog is
    // open; whether the message was such a key.
    bool TranslateKey(MSG& message);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The tests look at the controls and the layout through this one door.
    friend class MainWindowProbe;

    // Controls.
    ImageHolder picImage;   // the photo at its natural size
    ImageHolder imNoImage;  // the placeholder shown when no photo is loaded
    PictureBox picBox;      // the photo view
    StatusBar StatusBar1;
    HWND Command1 = nullptr;
    HWND lblFontContainer = nullptr;  // hidden label that carries the interface font
    ImageList ImageMenu;              // the controls' icons, tagged with their command identifiers
    CommandBars CommandBars1;
    CommandBar* StandardToolbar = nullptr;  // the bar LoadMenuToolbar builds
    Toolbar Toolbar1 = MakeToolbar1();      // never shown

    // The client area the command bars leave free, in twips.
    int32_t ClientAreaLeft = 0;
    int32_t ClientAreaTop = 0;
    int32_t ClientAreaRight = 0;
    int32_t ClientAreaBottom = 0;
    bool ResizingByPreset = false;
    // While a preset changes the width, the resize handler lays out the bars
    // but leaves the photo's fit owed to the change of height that follows.
    bool PhotoFitHeld = false;
    bool PhotoFitOwed = false;
    bool DraggingOut = false;  // the photo is being dragged out of the view

    void CreateControls();
    void Rotate(bool left);
    void RunCommand(int32_t command);
    void ChooseQuality();
    void StepQuality(int step);
    // Whether a photo is on show: one opened or pasted, not the placeholder.
    bool HasPhoto() const;
    // Opens the first of the files as the Open dialog's choice; a folder, or
    // no file, does nothing. Whether a file was opened.
    bool OpenFirstFile(const std::vector<std::wstring>& files);
    // The photo on show as the clipboard and a drag out offer it.
    TransferData PhotoTransferData();
    void ShowViewMenu(POINT screenPoint);
    // The caption the command bar, or else the view's menu, gives a command.
    static const wchar_t* CommandCaption(CommandId id);
    // Made when the window is: the keys' table; after its first activation:
    // the window as a drop target, and old photo copies are removed.
    void LoadKeys();
    void AcceptDrops();
    void FinishStartAfterFirstActivation();
    // The key an accelerator reports by its identifier, handed to the key handler.
    void AcceleratorKeyDown(WORD id);

    UniqueHfont interfaceFont_;
    UniqueHaccel accelerators_;
    DropTargetRegistration dropTarget_;
    bool firstActivationSeen_ = false;  // the first activation came
};

inline std::wstring ErrTypeName(const Form1&) { return L"Form1"; }

}  // namespace tpr::win
