// Driving windows from outside, as a user would: find a process's windows,
// read their texts, and answer the common file dialogs. Works from another
// thread of the same process or from another process.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace tpr::test {

// Text of a window or control, also of another process.
std::wstring WindowTextOf(HWND window);
std::wstring ClassNameOf(HWND window);

// Visible top-level windows of a process; with a title, those that carry it.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const std::wstring& title = L"");

// Polls until the condition holds or the time is up; whether it held.
template <class Condition>
bool WaitUntil(DWORD timeoutMs, Condition condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

// Presses a button of a dialog as a click does, without waiting for what the
// click starts (a prompt of its own).
void PressButton(HWND dialog, int id);

// The user's part in a common Open or Save dialog.
struct FileDialogAnswer {
    std::wstring typed;       // typed into the file-name box; nothing typed when empty
    int button = IDOK;        // IDOK or IDCANCEL
    int overwriteAnswer = 0;  // IDYES or IDNO for the overwrite prompt; 0 when none is expected
    int fileTypeIndex = -1;   // an entry of "Files of type" to choose first, from 0; none when -1
};

// What the user saw of it.
struct FileDialogSeen {
    bool shown = false;
    std::wstring suggestedName;  // the file-name box as the dialog came up
    std::wstring fileType;       // the entry chosen in "Files of type"
    bool overwritePrompt = false;
    // The files the dialog listed under the chosen entry, when one was
    // chosen; read from the same process only.
    std::vector<std::wstring> listed;
};

// Waits for the process's file dialog with this title and answers it.
FileDialogSeen AnswerFileDialog(DWORD processId, const std::wstring& title, const FileDialogAnswer& answer);

}  // namespace tpr::test
