// The user at a file dialog that the test's own thread shows: a second thread
// waits for the dialog, answers it and reports what it saw.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

#include "window_driver.h"

namespace tpr::test {

class DialogUser {
public:
    DialogUser(std::wstring title, FileDialogAnswer answer)
        : thread_([this, title = std::move(title), answer = std::move(answer)] {
              seen_ = AnswerFileDialog(::GetCurrentProcessId(), title, answer);
          }) {}
    ~DialogUser() {
        if (thread_.joinable()) thread_.join();
    }
    DialogUser(const DialogUser&) = delete;
    DialogUser& operator=(const DialogUser&) = delete;

    // Once the dialog has been answered (or never came).
    const FileDialogSeen& Seen() {
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    FileDialogSeen seen_;
    std::thread thread_;  // last: starts once the rest is ready
};

}  // namespace tpr::test
