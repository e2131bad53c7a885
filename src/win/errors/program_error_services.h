// The program's side of the error framework: the machine and program facts a
// report's header prints, and the log file on disk.
#pragma once

#include <string>

#include "core/errors/error_services.h"

namespace tpr::win {

class ProgramErrorPlatform final : public err::ErrorPlatform {
public:
    // Takes the application title as it is at start: the log folder keeps
    // that name even when the title is changed later in the run.
    ProgramErrorPlatform();

    std::wstring AppName() override { return appName_; }
    err::AppVersion Version() override;
    std::wstring ProgramFolder() override;
    std::wstring ComputerName() override;
    err::LocalTime Now() override;
    std::wstring DateSeparator() override;
    std::wstring TimeSeparator() override;
    std::wstring OsMessageText(uint32_t code) override;
    std::optional<std::wstring> AdoVersion() override;
    err::OsDescription Os() override;
    std::wstring SupportRequestLine() override;

private:
    std::wstring appName_;
};

class ProgramLogFiles final : public err::LogFileSystem {
public:
    // The log goes below the user's documents folder, or below the folder
    // given here.
    explicit ProgramLogFiles(std::wstring documentsFolder = {})
        : documentsFolder_(std::move(documentsFolder)) {}

    std::wstring DocumentsFolder() override;
    bool FolderExists(const std::wstring& path) override;
    void CreateFolder(const std::wstring& path) override;
    bool FileExists(const std::wstring& path) override;
    // Appends in the system code page. Others may read the file meanwhile;
    // a second writer waits for its turn.
    std::unique_ptr<err::LogWriter> OpenForAppend(const std::wstring& path) override;
    void Sleep(uint32_t milliseconds) override;
    uint64_t MonotonicMilliseconds() override;

private:
    std::wstring documentsFolder_;
};

}  // namespace tpr::win
