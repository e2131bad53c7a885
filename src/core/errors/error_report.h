// The text of an error report and the log file it is appended to. A report
// is a header written by the trap that first records an error, the system's
// message for the last OS error when one applies, and one call-stack line per
// trap the error climbs through, innermost first. Lines end with CR LF.
//
// The builders work on ErrorContext().reportText. Each stops at its first own
// failure, keeps what it produced so far and returns normally: a report must
// never start a new error.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/errors/error_services.h"
#include "core/errors/error_value.h"

namespace tpr::err {

inline constexpr std::wstring_view kErrorReportFileName = L"ErrorReport.txt";

struct SplitName {
    std::wstring bareName;        // "mCommon.Spliting"
    std::wstring parameterNames;  // "sFullPath,point"
};
SplitName ErrSplitName(std::wstring_view qualifiedName);

// Starts a new report: the header for the procedure `bareName`.
void ErrWriteHeader(std::wstring_view bareName) noexcept;
// Replaces the header placeholder `field` by `value` in the report text.
void ErrSetField(std::wstring_view field, std::wstring_view value);
// Appends "  API Error: (code) message" for the saved last OS error, except
// for 0 and 203, which the runtime leaves behind without a failure.
void ErrAddApiErrorLine() noexcept;
// Appends the call-stack line of one trap and any long argument values.
void ErrAddCallStackLine(std::wstring_view bareName, std::wstring_view parameterNames,
                         const ErrArgs& args) noexcept;

std::wstring ErrFormatArgs(std::wstring_view parameterNames, const ErrArgs& args) noexcept;
std::wstring ErrFormatValue(const ErrValue& value);
// Appends `line` and CR LF to the report text, unless the error is quiet.
void ErrAddLine(std::wstring_view line);
// `text` filled on the right with `fill` to `width` characters; a longer
// text is returned unchanged.
std::wstring ErrPadRight(std::wstring text, wchar_t fill, size_t width);
// The system's message for an OS error code, on one line.
std::wstring ErrApiErrorText(uint32_t code) noexcept;

std::wstring ErrLastReport();

// The folder of the log: the documents folder and the application's name.
std::wstring ErrLogFolder();
// The log file the report dialog's folder links select.
std::wstring ErrLogFilePath();
// Appends the last report to `fileName` in the log folder (or to
// `fileName` itself when it holds a path). True when the entry was written.
bool ErrWriteLog(std::wstring_view fileName) noexcept;
// Opens `path` for appending; a file held by another process is tried again
// every 200 ms for up to a second. Nothing when it never opened.
std::unique_ptr<LogWriter> ErrOpenAppend(const std::wstring& path);

}  // namespace tpr::err
