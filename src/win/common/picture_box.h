// The photo view: a child window that shows its picture at its upper-left
// corner. Position and size are kept in twips, as the rest of the window's
// layout is, and the window follows them at the nearest pixel.
#pragma once

#include "win/runtime/picture.h"
#include "win/runtime/window.h"

namespace tpr::win {

class PictureBox : public Window<PictureBox> {
public:
    void Create(HWND parent, int id);

    const Picture& GetPicture() const { return picture_; }
    void SetPicture(Picture picture);

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void SetWidth(double twips);
    void SetHeight(double twips);
    void Move(double left, double top);
    void SetVisible(bool visible);
    bool Visible() const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void ApplyPlacement();
    void Paint();

    Picture picture_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// An image holder that is never shown: it keeps a picture at its natural
// size, in twips.
struct ImageHolder {
    Picture picture;
    double width = 0;
    double height = 0;

    void SetPicture(Picture newPicture);
};

}  // namespace tpr::win
