// The application object: title, version, the executable's folder and the
// command-line argument string, as the rest of the program reads them.
#pragma once

#include <string>

namespace tpr::win {

struct Application {
    std::wstring Title;  // the application title, "Tessaly Photo Resizer" unless changed
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
    std::wstring Path;  // folder of the executable, without a trailing backslash

    // The text that follows the program's own path on its command line,
    // unchanged (quotes included), without the blank that separates them.
    std::wstring Command() const;
};

// The process's application object, set up on first use.
Application& App();

// The argument part of a full command line as the classic runtime hands it on.
std::wstring ArgumentsOfCommandLine(const std::wstring& commandLine);

}  // namespace tpr::win
