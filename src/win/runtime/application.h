// The application object: title, version, the executable's folder, the
// command-line argument string and the previous-instance indication, as the
// rest of the program reads them.
#pragma once

#include <memory>
#include <string>

namespace tpr::win {

class ApplicationWindow;

class Application {
public:
    Application(std::wstring title, int major, int minor, int revision, std::wstring path);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application title, "Tessaly Photo Resizer" unless renamed by SetTitle.
    const std::wstring& Title = title_;
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
    std::wstring Path;  // folder of the executable, without a trailing backslash

    // The text that follows the program's own path on its command line,
    // unchanged (quotes included), without the blank that separates them.
    std::wstring Command() const;

    // Renames the application and, while it runs, its application window.
    void SetTitle(std::wstring title);

    // True when another instance of the program was running already when this
    // one started to run.
    bool PrevInstance() const;

    // This instance's hidden application window while it runs, else null.
    ApplicationWindow* Window() const;

private:
    friend class RunningInstance;
    struct Instance;

    std::wstring title_;
    std::unique_ptr<Instance> instance_;
};

// The process's application object, set up on first use.
Application& App();

// This process as a running instance of the program, for the object's
// lifetime: later starts see it as their previous instance (a named mutex
// marks it, so two starts cannot both miss each other) and find it by its
// hidden application window.
class RunningInstance {
public:
    RunningInstance();
    ~RunningInstance();
    RunningInstance(const RunningInstance&) = delete;
    RunningInstance& operator=(const RunningInstance&) = delete;
};

// The argument part of a full command line as the classic runtime hands it on.
std::wstring ArgumentsOfCommandLine(const std::wstring& commandLine);

}  // namespace tpr::win
