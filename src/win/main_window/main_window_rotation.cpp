// Rotation: the photo turned a quarter either way becomes the photo.
#include "core/errors/trap.h"
#include "win/imaging/gdi_rotate.h"
#include "win/main_window/main_window.h"

namespace tpr::win {

void Form1::RotateCCW() {
    err::LeafTrap(L"Form1.RotateCCW", [&] { Rotate(true); });
}

void Form1::RotateCW() {
    err::LeafTrap(L"Form1.RotateCW", [&] { Rotate(false); });
}

// The photo is shown on one work surface and turned onto the other, whose
// image becomes the photo. The surfaces live for this one turn, and the
// photo's own bitmap is the first one's image where it can be: a large photo
// is then held twice at most, as it was and as turned, never three times.
// The photo as it was goes before the turned one is laid out. A turn that
// fails leaves the photo as it was.
void Form1::Rotate(bool left) {
    Picture turned;
    {
        WorkSurface picDest, picDest2;
        picDest.SetPicture(picImage.picture, picImage.width, picImage.height);
        RotatePictureBox(left, picDest, picDest2);
        turned = picDest2.TakeImage();
    }
    picImage.SetPicture(std::move(turned));
    ResizePhotoInProperties();
}

}  // namespace tpr::win
