// PictureBox and ImageHolder: a picture shown at its upper-left corner, and one held unseen.
#include "win/common/picture_box.h"

#include <algorithm>

#include "win/runtime/screen.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

void PictureBox::Create(HWND parent, int id) {
    static constexpr wchar_t kClassName[] = L"TprPictureBox";
    RegisterWindowClass(kClassName, 0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    CreateWindowOfClass(kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void PictureBox::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void PictureBox::SetWidth(double twips) {
    width_ = twips;
    ApplyPlacement();
}

void PictureBox::SetHeight(double twips) {
    height_ = twips;
    ApplyPlacement();
}

void PictureBox::Move(double left, double top) {
    left_ = left;
    top_ = top;
    ApplyPlacement();
}

void PictureBox::SetVisible(bool visible) { ::ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

bool PictureBox::Visible() const { return ::IsWindowVisible(hwnd()) != FALSE; }

void PictureBox::ApplyPlacement() {
    // Sizes can be negative or huge on the way; the window only takes what
    // the platform can hold.
    auto pixels = [](double twips, double perPixel) {
        const double value = twips / perPixel;
        return value < -32768.0 ? -32768 : value > 32767.0 ? 32767 : static_cast<int>(value + (value < 0 ? -0.5 : 0.5));
    };
    const double tppX = TwipsPerPixelX(), tppY = TwipsPerPixelY();
    ::MoveWindow(hwnd(), pixels(left_, tppX), pixels(top_, tppY), std::max(0, pixels(width_, tppX)),
                 std::max(0, pixels(height_, tppY)), TRUE);
}

void PictureBox::Paint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd(), &ps);
    if (picture_.Kind() == PictureKind::Bitmap) {
        const UniqueHdc source(::CreateCompatibleDC(dc));
        const SelectGuard select(source.get(),
                                 reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(picture_.Handle())));
        const SIZE size = picture_.PixelSize();
        ::BitBlt(dc, 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    }
    ::EndPaint(hwnd(), &ps);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        Paint();
        return 0;
    }
    return DefaultProcedure(message, wParam, lParam);
}

void ImageHolder::SetPicture(Picture newPicture) {
    picture = std::move(newPicture);
    const SIZE size = picture ? picture.PixelSize() : SIZE{0, 0};
    width = size.cx * TwipsPerPixelX();
    height = size.cy * TwipsPerPixelY();
}

}  // namespace tpr::win
