// The interface font and the two ways the windows hand it to their controls.
#pragma once

#include <windows.h>

#include "win/runtime/unique_any.h"

namespace tpr::win {

// The font of the main window's hidden label lblFontContainer.
UniqueHfont CreateInterfaceFont();

// Names the main window's lblFontContainer, or none once it is gone.
void SetFontContainer(HWND label);

// Gives every control of the form the font of the main window's
// lblFontContainer; a control that takes no font is skipped.
void ApplyContainerFont(HWND form);

// Gives every control of the form the form's own font.
void ApplyFormFont(HWND form);

}  // namespace tpr::win
