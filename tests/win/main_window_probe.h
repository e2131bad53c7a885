// The tests' one door into the main window: its controls and layout, live.
#pragma once

#include "win/main_window/main_window.h"

namespace tpr::win {

// Named by Form1 as its friend; references, so that what the window changes
// later (the bar it builds on load, the layout on a resize) shows here.
class MainWindowProbe {
public:
    explicit MainWindowProbe(Form1& window) : form(window) {}

    Form1& form;
    ImageHolder& photo = form.picImage;
    ImageHolder& placeholder = form.imNoImage;
    PictureBox& view = form.picBox;
    StatusBar& statusBar = form.StatusBar1;
    const HWND& fontLabel = form.lblFontContainer;
    const ImageList& icons = form.ImageMenu;
    CommandBars& commandBars = form.CommandBars1;
    CommandBar* const& standardBar = form.StandardToolbar;
    Toolbar& hiddenToolbar = form.Toolbar1;
    const int32_t& clientAreaTop = form.ClientAreaTop;  // twips
    const bool& resizingByPreset = form.ResizingByPreset;
};

}  // namespace tpr::win
