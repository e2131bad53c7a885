// The time of one resize of the program's own, as its resize handler runs it
// on a shown main window, beside each platform call that resize is made of,
// timed alone on the same photo and size.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "bench_support.h"

namespace tpr::bench {

// The work area the main window gets at its first activation, in pixels.
inline constexpr int kWorkAreaWidth = 800;
inline constexpr int kWorkAreaHeight = 600;

struct ResizeFigures {
    SIZE photo{};  // its pixels
    SIZE drawn{};  // the size it is shown at
    // GDI+ does not prefilter a shrink here, so the program reduces the photo
    // itself before GDI+ draws it (ReducedBitmap).
    bool reducedFirst = false;
    Duration ours;       // Form1::ResizePhotoInProperties
    Duration image;      // GdipCreateBitmapFromHBITMAP of the photo, and its disposal
    Duration prefilter;  // ReducedBitmap of the photo to the drawn size, and its disposal
    // GdipDrawImageRectRectI in mode 7 onto a canvas of the drawn size: of the
    // image the program draws (the reduced copy when it reduces first), and of
    // the whole photo, which is what GDI+ alone would do.
    Duration draw;
    Duration wholeDraw;

    // The calls the program's resize is made of here.
    Duration Parts() const { return (reducedFirst ? prefilter : image) + draw; }
};

// Opens each photo (a Windows path) in a main window shown as the program
// shows it, and times the resize and its parts, each the best of `samples`.
// Raises std::runtime_error when a photo does not show as expected or an
// error reaches one of the window's top-level traps.
std::vector<ResizeFigures> MeasureResizes(const std::vector<std::wstring>& photos, int samples);

}  // namespace tpr::bench
