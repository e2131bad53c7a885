// The orientation a camera recorded in a photo file.
#include "win/imaging/exif_file.h"

#include <windows.h>

#include <vector>

#include "core/imaging/exif_orientation.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

Orientation RecordedOrientation(const std::wstring& path) {
    const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return Orientation::Upright;
    std::vector<uint8_t> head(kExifHeadBytes);
    size_t filled = 0;
    DWORD read = 0;
    while (filled < head.size() &&
           ::ReadFile(file.get(), head.data() + filled, static_cast<DWORD>(head.size() - filled), &read,
                      nullptr) &&
           read > 0) {
        filled += read;
    }
    return ExifOrientation(head.data(), filled).value_or(Orientation::Upright);
}

}  // namespace tpr::win
