#include "test_pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tpr::test {

Pixels ReadPixels(HBITMAP bitmap) {
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    Pixels result;
    result.width = info.bmWidth;
    result.height = info.bmHeight;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> raw(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    const win::UniqueScreenDc screen(::GetDC(nullptr));
    ::GetDIBits(screen.get(), bitmap, 0, info.bmHeight, raw.data(), &header, DIB_RGB_COLORS);
    result.values.reserve(raw.size());
    for (uint32_t p : raw) result.values.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    return result;
}

void WriteBmpFile(const std::wstring& path, int width, int height, COLORREF colour) {
    const uint32_t pixel = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    const std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, pixel);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD pixelBytes = static_cast<DWORD>(pixels.size() * sizeof(uint32_t));
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + pixelBytes;
    const win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot write the test photo";
    DWORD written = 0;
    ::WriteFile(file.get(), &header, sizeof header, &written, nullptr);
    ::WriteFile(file.get(), &info, sizeof info, &written, nullptr);
    ::WriteFile(file.get(), pixels.data(), pixelBytes, &written, nullptr);
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
