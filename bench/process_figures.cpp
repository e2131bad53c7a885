#include "process_figures.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <utility>

#include "bench_support.h"
#include "core/main_window/status_texts.h"
#include "e2e_support.h"
#include "empty_window_path.h"

namespace tpr::bench {
namespace {

constexpr DWORD kTimeoutMs = 60000;
constexpr WPARAM kSaveCommand = 2;
constexpr WORD kRotateCcwCommand = 7;
constexpr WORD kRotateCwCommand = 8;

// Polls often: start-up takes a fraction of a second.
template <class Condition>
bool WaitClosely(Condition condition) {
    const double end = WallMilliseconds() + kTimeoutMs;
    while (!condition()) {
        if (WallMilliseconds() > end) return false;
        ::Sleep(1);
    }
    return true;
}

// The most the process held in memory so far. Wine fills the peak working
// set from Linux's own peak (VmHWM), but gives the current figure for the
// peak page-file usage and none for the private usage: only the working set
// has a peak on both platforms. It counts the program's code and the
// system's libraries too, as an empty window program's shows.
double PeakWorkingSet(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!::GetProcessMemoryInfo(process, &counters, sizeof counters)) Fail(L"no memory figures");
    return static_cast<double>(counters.PeakWorkingSetSize);
}

// The empty window program, started; ended with the object.
class EmptyWindowProgram {
public:
    EmptyWindowProgram() {
        std::wstring path = TPR_EMPTY_WINDOW_PATH;
        std::replace(path.begin(), path.end(), L'/', L'\\');
        std::wstring commandLine = L"\"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process_)) {
            Fail(L"the empty window program did not start");
        }
    }
    ~EmptyWindowProgram() {
        for (HWND window : test::TopLevelWindowsOf(process_.dwProcessId))
            ::PostMessageW(window, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
            ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    EmptyWindowProgram(const EmptyWindowProgram&) = delete;
    EmptyWindowProgram& operator=(const EmptyWindowProgram&) = delete;

    // Shown and answering, as the program counts as started only once its
    // window answers the benchmark's questions.
    bool WindowShown() const {
        for (const HWND window : test::TopLevelWindowsOf(process_.dwProcessId)) {
            DWORD_PTR answer = 0;
            if (::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer)) return true;
        }
        return false;
    }
    HANDLE Process() const { return process_.hProcess; }

private:
    PROCESS_INFORMATION process_{};
};

// The photo on show in the program's window: the status bar reports a size
// and the photo view is visible again after the resize that wrote it.
bool ShowsPhoto(e2e::RunningProgram& program) {
    if (!program.FindMainWindow()) return false;
    int width = 0, height = 0;
    if (std::swscanf(program.StatusText(2).c_str(), L"Photo resolution: %dx%d", &width, &height) != 2 ||
        width <= 0 || height <= 0) {
        return false;
    }
    const HWND view = ::FindWindowExW(program.MainWindow(), nullptr, L"TprPictureBox", nullptr);
    return view && ::IsWindowVisible(view);
}

std::wstring CommandLineOf(const std::wstring& photo) { return photo.empty() ? L"" : L"\"" + photo + L"\""; }

// The time to the picture on show, and the program's own time of its open.
std::pair<double, double> ProgramStartMs(const std::wstring& photo) {
    const test::TempFolder folder;
    const std::wstring timingFile = folder.File(L"open.txt");
    ::SetEnvironmentVariableW(L"TPR_OPEN_TIMING_FILE", timingFile.c_str());
    const double started = WallMilliseconds();
    e2e::RunningProgram program(CommandLineOf(photo), false);
    if (!WaitClosely([&] { return ShowsPhoto(program); })) Fail(L"the program did not show " + photo);
    const double startMs = WallMilliseconds() - started;
    ::SetEnvironmentVariableW(L"TPR_OPEN_TIMING_FILE", nullptr);
    double openMs = 0;
    const auto readOpen = [&] {
        FILE* in = ::_wfopen(timingFile.c_str(), L"r");
        const bool read = in && std::fscanf(in, "open %lf", &openMs) == 1;
        if (in) std::fclose(in);
        return read;
    };
    if (!WaitClosely(readOpen)) Fail(L"the program wrote no open time for " + photo);
    return {startMs, openMs};
}

}  // namespace

StartFigures MeasureStarts(const std::wstring& photo, int samples) {
    StartFigures best{1e300, 1e300, 1e300, 1e300, 0};
    for (int sample = 0; sample < samples; ++sample) {
        {
            const double started = WallMilliseconds();
            const EmptyWindowProgram empty;
            if (!WaitClosely([&] { return empty.WindowShown(); }))
                Fail(L"the empty window program showed nothing");
            best.emptyMs = std::min(best.emptyMs, WallMilliseconds() - started);
            best.emptyPeakBytes = PeakWorkingSet(empty.Process());
        }
        const auto [startMs, openMs] = ProgramStartMs(photo);
        best.programMs = std::min(best.programMs, startMs);
        best.openMs = std::min(best.openMs, openMs);
        best.placeholderMs = std::min(best.placeholderMs, ProgramStartMs(L"").first);
    }
    return best;
}

double MeasurePeakMemory(const std::wstring& photo, SIZE shown) {
    e2e::RunningProgram program(CommandLineOf(photo));
    const std::wstring shownText = PhotoResolutionText(shown.cx, shown.cy);
    const auto showsText = [&](const std::wstring& text) {
        return test::WaitUntil(kTimeoutMs, [&] { return program.StatusText(2) == text; });
    };
    if (!program.MainWindow() || !showsText(shownText)) Fail(L"the program did not show " + photo);

    // Each command returns once the program has handled it.
    ::SendMessageW(program.MainWindow(), WM_COMMAND, MAKEWPARAM(kRotateCcwCommand, 0), 0);
    const std::wstring turnedText = program.StatusText(2);
    ::SendMessageW(program.MainWindow(), WM_COMMAND, MAKEWPARAM(kRotateCwCommand, 0), 0);
    if (turnedText == shownText || program.StatusText(2) != shownText)
        Fail(L"the program did not turn " + photo);

    const test::TempFolder folder;
    const std::wstring saved = folder.File(L"saved.jpg");
    ::PostMessageW(program.MainWindow(), WM_COMMAND, kSaveCommand, 0);
    if (!test::AnswerFileDialog(program.ProcessId(), L"Save photo", test::FileDialogAnswer{saved}).shown ||
        !test::WaitUntil(kTimeoutMs, [&] { return test::ImageFileSize(saved).cx == shown.cx; })) {
        Fail(L"the program did not save " + photo);
    }
    if (program.TopLevelWindows().size() != 1) Fail(L"the program reported an error with " + photo);
    return PeakWorkingSet(program.Process());
}

}  // namespace tpr::bench
