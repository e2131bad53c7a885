// The photo copies folder: its place, and the removal of old copies.
#include "win/main_window/photo_copies.h"

#include <windows.h>

#include <cstdint>

#include "core/common/ui_texts.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {
namespace {

std::wstring CopiesFolder() {
    std::wstring temp(MAX_PATH + 1, L'\0');
    temp.resize(::GetTempPathW(static_cast<DWORD>(temp.size()), temp.data()));
    if (!temp.empty() && temp.back() != L'\\') temp += L'\\';
    return temp + texts::AppName;
}

uint64_t AsNumber(const FILETIME& time) {
    return static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

}  // namespace

std::wstring PhotoCopyPath(const std::wstring& name) {
    const std::wstring folder = CopiesFolder();
    // A folder there already is fine; any other failure shows in the write.
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\" + name;
}

void RemoveOldPhotoCopies() {
    constexpr uint64_t kDay = 24ull * 60 * 60 * 10000000;  // in the file times' 100 ns
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const std::wstring folder = CopiesFolder();
    WIN32_FIND_DATAW found{};
    const UniqueFind search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const uint64_t written = AsNumber(found.ftLastWriteTime);
        if (AsNumber(now) > written && AsNumber(now) - written > kDay) {
            ::DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        }
    } while (::FindNextFileW(search.get(), &found));
}

}  // namespace tpr::win
