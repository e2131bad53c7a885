// The few values that live for the whole process, set up by Main and read by
// the windows.
#pragma once

#include <cstdint>
#include <string>

#include "core/imaging/jpeg_metadata.h"

namespace tpr::win {

class Form1;

struct ProgramState {
    Form1* MainForm = nullptr;           // the one main window, set once by Main
    std::wstring CurrentPhotoFileName;   // file name of the photo loaded from a path
    JpegMetadata CurrentPhotoFacts;      // what the photo's JPEG file says of it, for Save
    int16_t JpegQuality = 70;            // percent, used by Save
    bool WindowActivated = false;        // true once the main window was first activated
};

ProgramState& Program();

}  // namespace tpr::win
