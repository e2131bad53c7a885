#include "test_files.h"

#include <gdiplus.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <stdexcept>

namespace tpr::test {
namespace {

class GdiPlus {
public:
    GdiPlus() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiPlus() { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

CLSID EncoderFor(const wchar_t* format) {
    UINT count = 0, bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, bytes, codecs);
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, format) == 0) return codecs[i].Clsid;
    }
    throw std::runtime_error("no encoder");
}

}  // namespace

TempFolder::TempFolder(const std::wstring& parent) {
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = (parent.empty() ? std::wstring(base) : parent) + L"tpr-test-" +
            std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    ::CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    std::wstring from = path_ + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationW(&op);
}

std::vector<std::wstring> TempFolder::Names() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void WritePhoto(const std::wstring& path, int width, int height, const wchar_t* format) {
    const GdiPlus session;
    Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool marker = x < width / 5 && y < height / 5;
            const BYTE ramp = static_cast<BYTE>(255 * x / std::max(1, width - 1));
            bitmap.SetPixel(x, y,
                            marker ? Gdiplus::Color(20, 20, 20) : Gdiplus::Color(ramp, 160, 255 - ramp));
        }
    }
    const CLSID encoder = EncoderFor(format);
    if (bitmap.Save(path.c_str(), &encoder, nullptr) != Gdiplus::Ok)
        throw std::runtime_error("photo not written");
}

SIZE ImageFileSize(const std::wstring& path) {
    const GdiPlus session;
    Gdiplus::Bitmap image(path.c_str());
    if (image.GetLastStatus() != Gdiplus::Ok) return {0, 0};
    return {static_cast<LONG>(image.GetWidth()), static_cast<LONG>(image.GetHeight())};
}

COLORREF ImageFilePixel(const std::wstring& path, int x, int y) {
    const GdiPlus session;
    Gdiplus::Bitmap image(path.c_str());
    Gdiplus::Color colour;
    if (image.GetLastStatus() != Gdiplus::Ok || image.GetPixel(x, y, &colour) != Gdiplus::Ok) return CLR_INVALID;
    return colour.ToCOLORREF();
}

size_t CountOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

std::string ReadFileBytes(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(::GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace tpr::test
