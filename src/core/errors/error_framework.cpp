// The error framework behind the traps (module ErrTrap31): the call stack and the top of the climb.
#include "core/errors/error_framework.h"

#include <cwchar>
#include <new>
#include <stdexcept>

#include "core/errors/error_report.h"
#include "core/errors/error_services.h"
#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"

namespace tpr::err {
namespace {

ErrorRecord g_currentError;
ErrorContextRecord g_errorContext;

ErrorRecord RecordOf(const RuntimeError& e) {
    return {e.number, e.source, e.description, e.helpFile, e.helpContext, e.lastOsError, e.line};
}

std::wstring Widened(const char* text) {
    std::wstring wide;
    for (; *text; ++text) wide += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return wide;
}

// The exception in flight as a runtime error. Exceptions of the standard
// library take the classic number that fits them best.
ErrorRecord RecordOfExceptionInFlight() {
    try {
        throw;
    } catch (const RuntimeError& e) {
        return RecordOf(e);
    } catch (const std::bad_alloc&) {
        return RecordOf(RuntimeError(kErrOutOfMemory));
    } catch (const std::length_error&) {
        // A size beyond what a container can hold: the classic runtime said
        // "Out of memory" for an array that could not be made that large.
        return RecordOf(RuntimeError(kErrOutOfMemory));
    } catch (const std::out_of_range&) {
        return RecordOf(RuntimeError(kErrSubscriptOutOfRange));
    } catch (const std::exception& e) {
        return RecordOf(
            RuntimeError(kErrInternal, ClassicErrorText(kErrInternal) + L": " + Widened(e.what())));
    } catch (...) {
        return RecordOf(RuntimeError(kErrInternal));
    }
}

// Clears the saved flag when ErrorIn ends, also when it ends by a failure,
// so that the next trap saves its error afresh.
class SavedFlagReset {
public:
    ~SavedFlagReset() { ErrorContext().saved = false; }
};

// ErrorIn without the raise at its end.
std::wstring RecordError(std::wstring_view qualifiedName, const ErrArgs& args, uint32_t options) {
    ErrorRecord& current = CurrentError();
    ErrorContextRecord& context = ErrorContext();
    const SavedFlagReset savedFlagReset;
    if (current.number == 0 && !context.saved) {
        current.number = ERRMAP_APP_FIRST;
        current.description = kLostErrorDescription;
    }
    ErrPreserve();
    std::wstring report;
    if (ErrIsQuiet()) {
        context.reportText.clear();
    } else if (options & EI_REPORT) {
        const SplitName name = ErrSplitName(qualifiedName);
        if (context.source == kErrorInSource) {
            // Recorded by a trap further down: continue its report.
            context.reportText = context.description;
        } else {
            ErrWriteHeader(name.bareName);
            ErrAddApiErrorLine();
        }
        ErrAddCallStackLine(name.bareName, name.parameterNames, args);
        context.source = kErrorInSource;
        context.description = context.reportText;
        report = context.reportText;
    }
    ErrRecall();
    return report;
}

// Raises the current error again to the caller's trap. The line number is
// not passed on: it belongs to the procedure that failed, and the caller's
// own call-stack line must not claim it.
[[noreturn]] void RaiseCurrentError() {
    const ErrorRecord& current = CurrentError();
    RuntimeError error(current.number, current.description, current.source);
    error.helpFile = current.helpFile;
    error.helpContext = current.helpContext;
    error.lastOsError = ErrorContext().lastOsError;
    throw error;
}

}  // namespace

ErrorRecord& CurrentError() { return g_currentError; }
ErrorContextRecord& ErrorContext() { return g_errorContext; }

void ErrPreserve() {
    const ErrorRecord& current = CurrentError();
    ErrorContextRecord& context = ErrorContext();
    if (current.number == 0 || context.saved) return;
    context.number = current.number;
    context.description = current.description;
    context.source = current.source;
    context.helpFile = current.helpFile;
    context.helpContext = std::to_wstring(current.helpContext);
    context.line = current.line;
    context.lastOsError = current.lastOsError;
    context.saved = true;
}

void ErrRecall() {
    const ErrorContextRecord& context = ErrorContext();
    if (!context.saved) return;
    ErrorRecord& current = CurrentError();
    current = ErrorRecord{};
    current.number = context.number;
    current.source = context.source;
    current.description = context.description;
    if (!context.helpContext.empty()) {
        current.helpContext = static_cast<int32_t>(std::wcstol(context.helpContext.c_str(), nullptr, 10));
    }
    current.helpFile = context.helpFile;
}

bool ErrIsQuiet() {
    const int32_t number = ErrorContext().number;
    return number >= kQuietErrorFirst && number <= kQuietErrorLast;
}

bool ErrRetryQuery() {
    ErrPreserve();
    return false;
}

std::wstring ErrorIn(std::wstring_view qualifiedName, const ErrArgs& args, uint32_t options) {
    std::wstring report = RecordError(qualifiedName, args, options);
    if (options & EI_RERAISE) RaiseCurrentError();
    return report;
}

namespace {
int g_unattendedScopes = 0;
}  // namespace

UnattendedReports::UnattendedReports() { ++g_unattendedScopes; }
UnattendedReports::~UnattendedReports() { --g_unattendedScopes; }

void ErrReportShow() {
    if (ErrIsQuiet()) return;
    ErrWriteLog(kErrorReportFileName);
    if (g_unattendedScopes > 0) return;
    ReportDialogHost& dialogs = Dialogs();
    dialogs.ShowReportDialog(dialogs.IsMainWindowLoaded());
}

void ResetErrorFramework() {
    CurrentError() = ErrorRecord{};
    ErrorContext() = ErrorContextRecord{};
}

void LeafTrapCaught(std::wstring_view qualifiedName, const ErrArgs& args) {
    static_assert(kLeafTrapOptions & EI_RERAISE, "a leaf trap passes the error on");
    CurrentError() = RecordOfExceptionInFlight();
    ErrRetryQuery();
    RecordError(qualifiedName, args, kLeafTrapOptions);
    RaiseCurrentError();
}

void TopLevelTrapCaught(std::wstring_view qualifiedName, const ErrArgs& args) noexcept {
    static_assert(!(kTopLevelTrapOptions & EI_RERAISE), "a top-level trap ends the error");
    try {
        CurrentError() = RecordOfExceptionInFlight();
        ErrRetryQuery();
        ErrorIn(qualifiedName, args, kTopLevelTrapOptions);
        ErrReportShow();
    } catch (...) {
        // Nothing leaves an event: a report or dialog that cannot be made is
        // given up.
    }
    // The handler ends normally, and with it the error.
    CurrentError() = ErrorRecord{};
}

}  // namespace tpr::err
