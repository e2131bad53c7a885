// Files for the Windows tests: a private temporary folder, photos written and
// decoded by GDI+ independently of the program's code, raw bytes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tpr::test {

// A new empty folder for one test, in the temporary folder or in `parent`,
// removed with the object.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& parent = {});
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Names of the files and folders in it, sorted.
    std::vector<std::wstring> Names() const;

private:
    std::wstring path_;
};

// Writes a photo of the given size with GDI+ (format: L"image/jpeg",
// L"image/bmp" or L"image/gif"): a left-to-right colour ramp with a dark
// square in the upper-left corner, so orientation can be checked.
void WritePhoto(const std::wstring& path, int width, int height, const wchar_t* format = L"image/jpeg");

// Width and height of an image file as GDI+ decodes it; {0, 0} when it cannot.
SIZE ImageFileSize(const std::wstring& path);
// A pixel of an image file as GDI+ decodes it; CLR_INVALID when it cannot.
COLORREF ImageFilePixel(const std::wstring& path, int x, int y);

std::string ReadFileBytes(const std::wstring& path);
// How often part stands in text, without overlaps.
size_t CountOf(const std::string& text, const std::string& part);
// The text in double quotes, as a command line wants a path with blanks.
inline std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

}  // namespace tpr::test
