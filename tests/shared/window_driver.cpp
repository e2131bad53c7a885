#include "window_driver.h"

#include <commctrl.h>

namespace tpr::test {
namespace {

// Controls of the common file dialog.
constexpr int kFileNameBox = 1148;  // an editable combo box
constexpr int kFileTypeBox = 1136;

struct WindowSearch {
    DWORD processId;
    std::wstring title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window) &&
        (search->title.empty() || WindowTextOf(window) == search->title)) {
        search->found.push_back(window);
    }
    return TRUE;
}

bool IsDialogBox(HWND window) { return ClassNameOf(window) == L"#32770"; }

// A dialog box that the given window raised (a message box it owns).
HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(owner, &processId);
    HWND result = nullptr;
    WaitUntil(timeoutMs, [&] {
        for (HWND window : TopLevelWindowsOf(processId)) {
            if (IsDialogBox(window) && ::GetWindow(window, GW_OWNER) == owner) result = window;
        }
        return result != nullptr;
    });
    return result;
}

// A visible dialog box of the process with this title; null when none comes
// in time.
HWND WaitForDialog(DWORD processId, const std::wstring& title, DWORD timeoutMs = 10000) {
    HWND result = nullptr;
    WaitUntil(timeoutMs, [&] {
        for (HWND window : TopLevelWindowsOf(processId, title)) {
            if (IsDialogBox(window)) result = window;
        }
        return result != nullptr;
    });
    return result;
}

}  // namespace

std::wstring WindowTextOf(HWND window) {
    wchar_t text[1024] = {};
    ::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                          nullptr);
    return text;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const std::wstring& title) {
    WindowSearch search{processId, title, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PressButton(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

namespace {

// The names in the dialog's list of files, in the order shown.
std::vector<std::wstring> ListedNames(HWND dialog) {
    std::vector<std::wstring> names;
    const HWND view = ::FindWindowExW(::FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr), nullptr,
                                      L"SysListView32", nullptr);
    const int count = view ? static_cast<int>(::SendMessageW(view, LVM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t name[MAX_PATH] = {};
        LVITEMW item{};
        item.pszText = name;
        item.cchTextMax = MAX_PATH;
        ::SendMessageW(view, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
        names.emplace_back(name);
    }
    return names;
}

// Chooses an entry of "Files of type" as a user does, and what the list then shows.
std::vector<std::wstring> ListedUnderFileType(HWND dialog, int index) {
    const HWND types = ::GetDlgItem(dialog, kFileTypeBox);
    // The list of the entry shown first, once it holds still.
    std::vector<std::wstring> listed;
    WaitUntil(3000, [&] {
        std::vector<std::wstring> now = ListedNames(dialog);
        const bool settled = !now.empty() && now == listed;
        listed = std::move(now);
        return settled;
    });
    if (::SendMessageW(types, CB_GETCURSEL, 0, 0) == index) return listed;
    ::SendMessageW(types, CB_SETCURSEL, index, 0);
    // A choice by the mouse or the keys tells the dialog both.
    for (const WORD notification : {CBN_SELCHANGE, CBN_SELENDOK})
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeBox, notification), reinterpret_cast<LPARAM>(types));
    // The dialog fills the list again in its own time.
    const std::vector<std::wstring> before = listed;
    WaitUntil(3000, [&] { return (listed = ListedNames(dialog)) != before; });
    return listed;
}

}  // namespace

FileDialogSeen AnswerFileDialog(DWORD processId, const std::wstring& title, const FileDialogAnswer& answer) {
    FileDialogSeen seen;
    const HWND dialog = WaitForDialog(processId, title);
    if (!dialog) return seen;
    seen.shown = true;
    seen.suggestedName = WindowTextOf(::GetDlgItem(dialog, kFileNameBox));
    seen.fileType = WindowTextOf(::GetDlgItem(dialog, kFileTypeBox));
    if (answer.fileTypeIndex >= 0) seen.listed = ListedUnderFileType(dialog, answer.fileTypeIndex);
    if (!answer.typed.empty()) {
        ::SendMessageW(::GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(answer.typed.c_str()));
    }
    PressButton(dialog, answer.button);
    if (answer.overwriteAnswer != 0) {
        if (const HWND prompt = WaitForOwnedDialog(dialog, 10000)) {
            seen.overwritePrompt = true;
            PressButton(prompt, answer.overwriteAnswer);
        }
    }
    // Gone before the next dialog is looked for.
    WaitUntil(10000, [&] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); });
    return seen;
}

}  // namespace tpr::test
