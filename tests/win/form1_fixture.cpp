#include "form1_fixture.h"

#include "runtime/screen.h"

namespace tpr::test {

void Form1Test::SetWorkArea(int width, int height) {
    RECT window{}, client{};
    ::GetWindowRect(form.hwnd(), &window);
    ::GetClientRect(form.hwnd(), &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    const int top = win::PixelsY(form.ClientAreaTop);
    const int status = form.StatusBar1.HeightPixels();
    ::SetWindowPos(form.hwnd(), nullptr, 0, 0, width + frameWidth, height + top + status + frameHeight,
                   SWP_NOMOVE | SWP_NOZORDER);
}

RECT Form1Test::ViewRect() const {
    RECT rect{};
    ::GetWindowRect(form.picBox.hwnd(), &rect);
    ::MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace tpr::test
