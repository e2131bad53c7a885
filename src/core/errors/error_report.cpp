// The error report's text and the log file ErrorReport.txt.
#include "core/errors/error_report.h"

#include <algorithm>
#include <charconv>

#include "core/errors/error_framework.h"
#include "core/runtime/text_replace.h"

namespace tpr::err {
namespace {

constexpr std::wstring_view kCrLf = L"\r\n";

// While the header is filled, each "%" of its template stands as this
// character, so that a "%" inside a filled-in value is never taken for a
// placeholder.
constexpr wchar_t kFieldMarker = 8;
constexpr std::wstring_view kHeaderTemplate =
    L"%Descr% %nl%  Time='%Time%' App='%App%:%Ver%' ADO-version='%ADOVersion%' Computer='%Comp%' %nl%"
    L"  Method: %MethodName% %nl%"
    L"  Number: %ErrNum% = &H%ErrHex% = vbObjectError %ErrNumRel1% = ERRMAP_APP_FIRST %ErrNumRel2% "
    L"%ErrStd%%nl%"
    L"  Source: %Source% %nl%"
    L"  Description: %Descr%%nl%";

// The runtime leaves this code ("environment option not found") behind
// after many calls that did not fail.
constexpr uint32_t kErrorEnvVarNotFound = 203;

constexpr size_t kCallStackLineWidth = 100;
constexpr size_t kLongestInlineValue = 40;

constexpr uint32_t kOpenRetryPauseMs = 200;
constexpr uint64_t kOpenRetryLimitMs = 1000;

template <class Body>
void Absorbing(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
        // The report keeps what was built before the failure.
    }
}

std::wstring TwoDigits(int value) {
    value %= 100;
    return {static_cast<wchar_t>(L'0' + value / 10), static_cast<wchar_t>(L'0' + value % 10)};
}

std::wstring TimeText(ErrorPlatform& platform) {
    const LocalTime t = platform.Now();
    const std::wstring date = platform.DateSeparator();
    const std::wstring time = platform.TimeSeparator();
    return TwoDigits(t.month) + date + TwoDigits(t.day) + date + TwoDigits(t.year) + L' ' +
           TwoDigits(t.hour) + time + TwoDigits(t.minute) + time + TwoDigits(t.second);
}

std::wstring VersionText(const AppVersion& v) {
    return std::to_wstring(v.major) + L'.' + std::to_wstring(v.minor) + L'.' + std::to_wstring(v.revision);
}

std::wstring AdoVersionText(ErrorPlatform& platform) {
    try {
        return platform.AdoVersion().value_or(L"?");
    } catch (...) {
        return L"?";
    }
}

std::wstring HexText(int32_t number) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    uint32_t rest = static_cast<uint32_t>(number);
    std::wstring text;
    do {
        text.insert(text.begin(), kDigits[rest % 16]);
        rest /= 16;
    } while (rest != 0);
    return text;
}

// "+ 5" or "- 5". Worked out in 64 bits: a positive number above 262,143 lies
// further than 32 bits reach from the bases.
std::wstring RelationText(int32_t number, int32_t base) {
    const int64_t difference = int64_t{number} - int64_t{base};
    return difference >= 0 ? L"+ " + std::to_wstring(difference) : L"- " + std::to_wstring(-difference);
}

// The classic runtime's text of a double: up to 15 significant digits, no
// trailing zeros, "." whatever the locale, and "1E-05" / "1E+15" beyond.
std::wstring NumberText(double value) {
    if (value == 0.0) return L"0";  // also for -0
    char buffer[32];
    const auto result =
        std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 15);
    std::wstring text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), L'e', L'E');
    return text;
}

std::vector<std::wstring_view> SplitAtComma(std::wstring_view list) {
    std::vector<std::wstring_view> pieces;
    if (list.empty()) return pieces;
    for (size_t start = 0;;) {
        const size_t comma = list.find(L',', start);
        pieces.push_back(list.substr(start, comma - start));
        if (comma == std::wstring_view::npos) return pieces;
        start = comma + 1;
    }
}

// Queues a long value to be written in full below its call-stack line.
void DeferValue(std::wstring_view name, std::wstring_view text) {
    std::wstring& deferred = ErrorContext().deferredValues;
    if (!deferred.empty()) deferred += kCrLf;
    std::wstring indented = L"      " + std::wstring(text);
    ReplaceAll(indented, kCrLf, L"\r\n      ");
    deferred += L"    Value Of ";
    deferred += name;
    deferred += L':';
    deferred += kCrLf;
    deferred += indented;
}

}  // namespace

SplitName ErrSplitName(std::wstring_view qualifiedName) {
    const size_t open = qualifiedName.find(L'(');
    if (open == std::wstring_view::npos) return {std::wstring(qualifiedName), {}};
    std::wstring_view parameters = qualifiedName.substr(open + 1);
    if (!parameters.empty()) parameters.remove_suffix(1);  // the closing ")"
    return {std::wstring(qualifiedName.substr(0, open)), std::wstring(parameters)};
}

void ErrSetField(std::wstring_view field, std::wstring_view value) {
    std::wstring placeholder;
    placeholder += kFieldMarker;
    placeholder += field;
    placeholder += kFieldMarker;
    ReplaceAll(ErrorContext().reportText, placeholder, value);
}

void ErrWriteHeader(std::wstring_view bareName) noexcept {
    ErrorContextRecord& context = ErrorContext();
    Absorbing([&] {
        context.reportText = kHeaderTemplate;
        std::replace(context.reportText.begin(), context.reportText.end(), L'%', kFieldMarker);
        ErrSetField(L"nl", kCrLf);
        ErrSetField(L"MethodName", bareName);
        ErrorPlatform& platform = Platform();
        ErrSetField(L"Comp", platform.ComputerName());
        ErrSetField(L"Time", TimeText(platform));
        ErrSetField(L"App", platform.AppName());
        ErrSetField(L"Ver", VersionText(platform.Version()));
        ErrSetField(L"ADOVersion", AdoVersionText(platform));
        ErrSetField(L"ErrNum", std::to_wstring(context.number));
        ErrSetField(L"ErrHex", HexText(context.number));
        ErrSetField(L"ErrNumRel1", RelationText(context.number, vbObjectError));
        ErrSetField(L"ErrNumRel2", RelationText(context.number, ERRMAP_APP_FIRST));
        ErrSetField(L"ErrStd", context.number == ERRMAP_APP_FIRST ? L"= ERR_GENERAL" : L"");
        ErrSetField(L"Source", context.source);
        ErrSetField(L"Descr", context.description);
    });
    // Even a header cut short must not leave control characters in the log.
    std::replace(context.reportText.begin(), context.reportText.end(), kFieldMarker, L'%');
}

void ErrAddApiErrorLine() noexcept {
    Absorbing([] {
        const uint32_t code = ErrorContext().lastOsError;
        if (code == 0 || code == kErrorEnvVarNotFound) return;
        // Printed as the classic runtime's signed 32-bit number.
        ErrAddLine(L"  API Error: (" + std::to_wstring(static_cast<int32_t>(code)) + L") " +
                   ErrApiErrorText(code));
    });
}

std::wstring ErrApiErrorText(uint32_t code) noexcept {
    std::wstring text;
    Absorbing([&] {
        text = Platform().OsMessageText(code);
        ReplaceAll(text, kCrLf, L"");
        text.erase(std::remove(text.begin(), text.end(), L'\0'), text.end());
    });
    return text;
}

void ErrAddCallStackLine(std::wstring_view bareName, std::wstring_view parameterNames,
                         const ErrArgs& args) noexcept {
    ErrorContextRecord& context = ErrorContext();
    Absorbing([&] {
        std::wstring line =
            L"  Call Stack: " + std::wstring(bareName) + L'(' + ErrFormatArgs(parameterNames, args) + L')';
        if (context.line != 0) line += L"  at Line " + std::to_wstring(context.line);
        line += L' ';
        ErrAddLine(ErrPadRight(std::move(line), L'-', kCallStackLineWidth));
        if (!context.deferredValues.empty()) ErrAddLine(context.deferredValues);
    });
    // Values of a line that failed must not turn up under the next one.
    context.deferredValues.clear();
}

std::wstring ErrFormatArgs(std::wstring_view parameterNames, const ErrArgs& args) noexcept {
    std::wstring items;
    Absorbing([&] {
        // A procedure without arguments passes none: one omitted value.
        const ErrArgs omitted{ErrValue::Omitted()};
        const ErrArgs& values = args.empty() ? omitted : args;
        const std::vector<std::wstring_view> names = SplitAtComma(parameterNames);
        for (size_t i = 0; i < values.size(); ++i) {
            const std::wstring_view name = i < names.size() ? names[i] : std::wstring_view();
            std::wstring text = ErrFormatValue(values[i]);
            if (text.size() > kLongestInlineValue || text.find(kCrLf) != std::wstring::npos) {
                DeferValue(name, text);
                text = L"{Text}";
            }
            if (i > 0) items += L", ";
            if (!name.empty()) {
                items += name;
                items += L'=';
            }
            items += text;
        }
    });
    return items;
}

std::wstring ErrFormatValue(const ErrValue& value) {
    using Kind = ErrValue::Kind;
    switch (value.kind) {
        case Kind::Array:
            return L"{Array}";
        case Kind::Empty:
            return L"{Empty}";
        case Kind::Null:
            return L"{Null}";
        case Kind::Integer:
            return std::to_wstring(value.integer);
        case Kind::Double:
            return NumberText(value.number);
        case Kind::Boolean:
            return value.boolean ? L"True" : L"False";
        case Kind::Date:
        case Kind::String:
            return L'\'' + value.text + L'\'';
        case Kind::Object:
            return L'{' + value.text + L'}';
        case Kind::Omitted:
            return L"";
        case Kind::Other:
            break;
    }
    return L"{?}";
}

void ErrAddLine(std::wstring_view line) {
    if (ErrIsQuiet()) return;
    std::wstring& report = ErrorContext().reportText;
    report += line;
    report += kCrLf;
}

std::wstring ErrPadRight(std::wstring text, wchar_t fill, size_t width) {
    if (text.size() < width) text.append(width - text.size(), fill);
    return text;
}

std::wstring ErrLastReport() {
    const ErrorContextRecord& context = ErrorContext();
    if (!context.reportText.empty()) return context.reportText;
    if (context.source == kErrorInSource) return CurrentError().description;
    return {};
}

std::wstring ErrLogFolder() { return Files().DocumentsFolder() + L'\\' + Platform().AppName(); }

std::wstring ErrLogFilePath() { return ErrLogFolder() + L'\\' + std::wstring(kErrorReportFileName); }

bool ErrWriteLog(std::wstring_view fileName) noexcept {
    bool written = false;
    Absorbing([&] {
        const std::wstring report = ErrLastReport();
        if (report.empty()) return;
        LogFileSystem& files = Files();
        ErrorPlatform& platform = Platform();
        const std::wstring folder = ErrLogFolder();
        if (!files.FolderExists(folder)) files.CreateFolder(folder);
        const std::wstring path = fileName.find(L'\\') == std::wstring_view::npos
                                      ? folder + L'\\' + std::wstring(fileName)
                                      : std::wstring(fileName);
        const bool newFile = !files.FileExists(path);
        const std::unique_ptr<LogWriter> log = ErrOpenAppend(path);
        if (!log) return;
        if (newFile) {
            log->Write(platform.SupportRequestLine() + std::wstring(kCrLf));
            log->Write(L" \r\n");
        }
        log->Write(report + std::wstring(kCrLf));
        log->Write(L"Program path: " + platform.ProgramFolder() + std::wstring(kCrLf));
        log->Write(L"Error report path: " + folder + std::wstring(kCrLf));
        const OsDescription os = platform.Os();
        log->Write(L"OS: " + os.name + L' ' + os.version + L" build " + os.build + L" (" + os.servicePack +
                   L")\r\n\r\n\r\n");
        written = true;
    });
    return written;
}

std::unique_ptr<LogWriter> ErrOpenAppend(const std::wstring& path) {
    LogFileSystem& files = Files();
    const uint64_t start = files.MonotonicMilliseconds();
    for (;;) {
        if (std::unique_ptr<LogWriter> log = files.OpenForAppend(path)) return log;
        files.Sleep(kOpenRetryPauseMs);
        if (files.MonotonicMilliseconds() - start > kOpenRetryLimitMs) return nullptr;
    }
}

}  // namespace tpr::err
