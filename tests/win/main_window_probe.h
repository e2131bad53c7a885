// The tests' one door into the main window: its controls and layout, live.
#pragma once

#include "win/main_window/main_window.h"

namespace tpr::win {

// Named by Form1 as its friend; references, so that what the window changes
// later (the bar it builds on load, the layout on a resize) shows here.
class MainWindowProbe {
public:
    explicit MainWindowProbe(Form1& form)
        : photo(form.picImage),
          placeholder(form.imNoImage),
          view(form.picBox),
          statusBar(form.StatusBar1),
          fontLabel(form.lblFontContainer),
          icons(form.ImageMenu),
          commandBars(form.CommandBars1),
          standardBar(form.StandardToolbar),
          hiddenToolbar(form.Toolbar1),
          clientAreaTop(form.ClientAreaTop),
          resizingByPreset(form.ResizingByPreset) {}

    ImageHolder& photo;
    ImageHolder& placeholder;
    PictureBox& view;
    StatusBar& statusBar;
    const HWND& fontLabel;
    const ImageList& icons;
    CommandBars& commandBars;
    CommandBar* const& standardBar;
    Toolbar& hiddenToolbar;
    const int32_t& clientAreaTop;  // twips
    const bool& resizingByPreset;
};

}  // namespace tpr::win
