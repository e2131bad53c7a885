// ProgramErrorPlatform and ProgramLogFiles: the machine's facts and the log file on disk.
#include "win/errors/program_error_services.h"

#include <windows.h>
// After windows.h, which it needs.
#include <oleauto.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "core/common/os_version.h"
#include "core/common/ui_texts.h"
#include "core/runtime/runtime_error.h"
#include "win/common/file_system.h"
#include "win/common/version_query.h"
#include "win/runtime/application.h"
#include "win/runtime/com_ptr.h"
#include "win/runtime/text.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {
namespace {

constexpr int32_t kErrDeviceIo = 57;  // "Device I/O error"

std::wstring LocaleText(LCTYPE item, const wchar_t* fallback) {
    const int length = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, item, nullptr, 0);
    std::wstring text(static_cast<size_t>(std::max(length, 0)), L'\0');
    if (length <= 1 || ::GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text.data(), length) != length)
        return fallback;
    text.resize(static_cast<size_t>(length - 1));  // without the closing NUL
    return text;
}

class OwnedVariant {
public:
    OwnedVariant() { ::VariantInit(&value); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;
    ~OwnedVariant() { ::VariantClear(&value); }

    VARIANT value;
};

class FileLogWriter final : public err::LogWriter {
public:
    explicit FileLogWriter(UniqueFile file) : file_(std::move(file)) {}

    void Write(std::wstring_view text) override {
        const std::string bytes = ToNarrow(text);
        const auto size = static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file_.get(), bytes.data(), size, &written, nullptr) || written != size) {
            Raise(kErrDeviceIo);
        }
    }

private:
    UniqueFile file_;
};

}  // namespace

ProgramErrorPlatform::ProgramErrorPlatform() : appName_(App().Title) {}

err::AppVersion ProgramErrorPlatform::Version() {
    const Application& app = App();
    return {app.Major, app.Minor, app.Revision};
}

std::wstring ProgramErrorPlatform::ProgramFolder() { return App().Path; }

std::wstring ProgramErrorPlatform::ComputerName() {
    char name[256] = {};
    DWORD length = 255;
    if (!::GetComputerNameA(name, &length)) return {};
    return ToWide(std::string_view(name, length));
}

err::LocalTime ProgramErrorPlatform::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::wstring ProgramErrorPlatform::DateSeparator() { return LocaleText(LOCALE_SDATE, L"/"); }

std::wstring ProgramErrorPlatform::TimeSeparator() { return LocaleText(LOCALE_STIME, L":"); }

std::wstring ProgramErrorPlatform::OsMessageText(uint32_t code) {
    char text[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                          code, 0, text, sizeof text, nullptr);
    return ToWide(std::string_view(text, length));
}

// Read through late binding: the component is optional, and no type library
// of it is needed to build the program.
std::optional<std::wstring> ProgramErrorPlatform::AdoVersion() {
    CLSID classId{};
    if (FAILED(::CLSIDFromProgID(L"ADODB.Connection", &classId))) return std::nullopt;
    ComPtr<IDispatch> connection;
    if (FAILED(::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                  connection.put_void()))) {
        return std::nullopt;
    }
    wchar_t member[] = L"Version";
    LPOLESTR names[] = {member};
    DISPID version = 0;
    if (FAILED(connection->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &version)))
        return std::nullopt;
    DISPPARAMS noArguments{};
    OwnedVariant result;
    if (FAILED(connection->Invoke(version, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &noArguments,
                                  &result.value, nullptr, nullptr)) ||
        FAILED(::VariantChangeType(&result.value, &result.value, 0, VT_BSTR))) {
        return std::nullopt;
    }
    return std::wstring(result.value.bstrVal, ::SysStringLen(result.value.bstrVal));
}

err::OsDescription ProgramErrorPlatform::Os() {
    OSVersionInfo info;
    GetOSVersion(info, &QueryVersionExA);
    return {info.OSName, info.Version, info.Build, info.ServicePack};
}

std::wstring ProgramErrorPlatform::SupportRequestLine() { return texts::SendReportToSupportText; }

std::wstring ProgramLogFiles::DocumentsFolder() {
    return documentsFolder_.empty() ? GetSpecialFolder(nullptr, 5) : documentsFolder_;
}

bool ProgramLogFiles::FolderExists(const std::wstring& path) { return FolderExist(path); }

void ProgramLogFiles::CreateFolder(const std::wstring& path) {
    if (!::CreateDirectoryW(path.c_str(), nullptr)) Raise(kErrPathNotFound);
}

bool ProgramLogFiles::FileExists(const std::wstring& path) { return FileExist(path); }

std::unique_ptr<err::LogWriter> ProgramLogFiles::OpenForAppend(const std::wstring& path) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    LARGE_INTEGER none{};
    if (!::SetFilePointerEx(file.get(), none, nullptr, FILE_END)) return nullptr;
    return std::make_unique<FileLogWriter>(std::move(file));
}

void ProgramLogFiles::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

uint64_t ProgramLogFiles::MonotonicMilliseconds() {
    LARGE_INTEGER frequency{}, counter{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return static_cast<uint64_t>(counter.QuadPart) /
           static_cast<uint64_t>(std::max<LONGLONG>(frequency.QuadPart / 1000, 1));
}

}  // namespace tpr::win
