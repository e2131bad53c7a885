// The error framework behind the traps (module ErrTrap31). An error climbs
// from the failing procedure through the traps of its callers; each trap adds
// its call-stack line to a growing report and raises the error again, until a
// top-level trap (an event handler or Main) logs the report and shows the
// report dialog. The traps themselves are in errors/trap.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/errors/error_value.h"

namespace tpr::err {

// Base of application-defined error numbers; reports print every number
// relative to it.
constexpr int32_t vbObjectError = static_cast<int32_t>(0x80040000u);
// The number given to an error whose information was lost before a trap
// recorded it; the report marks it "= ERR_GENERAL".
constexpr int32_t ERRMAP_APP_FIRST = vbObjectError + 5198;
// Errors in this range climb without a report, a log entry or a dialog.
constexpr int32_t kQuietErrorFirst = vbObjectError + 4197;
constexpr int32_t kQuietErrorLast = vbObjectError + 5197;

// Options of ErrorIn. The other bits of the traps' values select database and
// web facilities the program never uses; they have no effect.
enum ErrorInOption : uint32_t {
    EI_RERAISE = 1,  // raise the error again to the caller after recording it
    EI_REPORT = 2,   // build or extend the report text
};
constexpr uint32_t kLeafTrapOptions = 35;
constexpr uint32_t kTopLevelTrapOptions = 42;

// The source an error carries once a trap has recorded it; its description
// is then the report so far.
inline constexpr std::wstring_view kErrorInSource = L"ErrTrap.ErrorIn";
inline constexpr std::wstring_view kLostErrorDescription =
    L"ErrorIn: Error information was lost. To fix: call ErrPreserve before doing anything in error handler.";

// The current error: what the raised tpr::RuntimeError carried, as the trap
// that caught it sees it. Number 0 means no error.
struct ErrorRecord {
    int32_t number = 0;
    std::wstring source;
    std::wstring description;
    std::wstring helpFile;
    int32_t helpContext = 0;
    uint32_t lastOsError = 0;
    int32_t line = 0;
};

// The framework's process-wide state.
struct ErrorContextRecord {
    bool saved = false;  // set between ErrPreserve and the end of ErrorIn
    int32_t number = 0;
    std::wstring source;
    std::wstring description;
    std::wstring helpFile;
    std::wstring helpContext;  // decimal text
    int32_t line = 0;
    uint32_t lastOsError = 0;
    // The report being built; it outlives ErrorIn so that the top-level trap
    // can log it.
    std::wstring reportText;
    // Long argument values waiting to be written under their call-stack line.
    std::wstring deferredValues;
};

ErrorRecord& CurrentError();
ErrorContextRecord& ErrorContext();

// Saves the current error into the context unless a copy was already taken
// in this trap, so that the first copy survives later calls.
void ErrPreserve();
// Puts the saved error back as the current error.
void ErrRecall();
bool ErrIsQuiet();
// The first step of every trap: preserves the error. It never asks for a
// retry, so the answer is always false.
bool ErrRetryQuery();

// Records the current error for the procedure `qualifiedName` (such as
// "mCommon.Spliting(sFullPath,point)") called with `args`; with EI_REPORT it
// extends the report, with EI_RERAISE it raises the error again as a
// tpr::RuntimeError. Returns the report text when it reported, else empty.
std::wstring ErrorIn(std::wstring_view qualifiedName, const ErrArgs& args, uint32_t options);

// The last step of a top-level trap: logs the report and shows the report
// dialog, modal while the main window is loaded, unless reports are
// unattended. Nothing for a quiet error.
void ErrReportShow();

// While one lives, reports are unattended: logged, but no dialog waits for
// a user who is not there (the Windows session is ending).
class UnattendedReports {
public:
    UnattendedReports();
    ~UnattendedReports();
    UnattendedReports(const UnattendedReports&) = delete;
    UnattendedReports& operator=(const UnattendedReports&) = delete;
};

// Forgets the current error and the framework state, as at start-up.
void ResetErrorFramework();

}  // namespace tpr::err
