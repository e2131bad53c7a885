// Rotation: the photo turned a quarter either way becomes the photo.
#include "errors/trap.h"
#include "imaging/gdi_rotate.h"
#include "main_window/form1.h"

namespace tpr::win {

void Form1::RotateCCW() {
    err::LeafTrap(L"Form1.RotateCCW", [&] { Rotate(true); });
}

void Form1::RotateCW() {
    err::LeafTrap(L"Form1.RotateCW", [&] { Rotate(false); });
}

// The photo is drawn on one work surface and turned onto the other, whose
// image becomes the photo. The surfaces live for this one turn, so that a
// large photo is not held in memory three times between turns; a turn that
// fails leaves the photo as it was.
void Form1::Rotate(bool left) {
    {
        WorkSurface picDest, picDest2;
        picDest.SetPicture(picImage.picture, picImage.width, picImage.height);
        RotatePictureBox(left, picDest, picDest2);
        picImage.SetPicture(picDest2.TakeImage());
    }
    ResizePhotoInProperties();
}

}  // namespace tpr::win
