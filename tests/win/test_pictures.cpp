// Pixel readers for the tests' pictures.
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tpr::test {

Pixels ReadPixels(HBITMAP bitmap) {
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    Pixels result{info.bmWidth, info.bmHeight};
    BITMAPINFO header{{sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32}};
    std::vector<uint32_t> raw(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    const win::UniqueScreenDc screen(::GetDC(nullptr));
    ::GetDIBits(screen.get(), bitmap, 0, info.bmHeight, raw.data(), &header, DIB_RGB_COLORS);
    for (uint32_t p : raw) result.values.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    return result;
}

Pixels ReadPixels(const win::Picture& picture) {
    return ReadPixels(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(picture.Handle())));
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace tpr::test
