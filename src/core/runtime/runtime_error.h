// The program's runtime error: the classic error record carried by an
// exception, so that an error raised anywhere climbs through the traps of its
// callers with its number, source and description intact.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace tpr {

// Classic error numbers the program raises itself.
enum ErrorNumber : int32_t {
    kErrInvalidCall = 5,      // "Invalid procedure call or argument"
    kErrOverflow = 6,         // "Overflow"
    kErrOutOfMemory = 7,      // "Out of memory"
    kErrSubscriptOutOfRange = 9,  // "Subscript out of range"
    kErrDivisionByZero = 11,  // "Division by zero"
    kErrTypeMismatch = 13,    // "Type mismatch"
    kErrInternal = 51,        // "Internal error"
    kErrFileNotFound = 53,    // "File not found"
    kErrPermissionDenied = 70,  // "Permission denied"
    kErrPathNotFound = 76,    // "Path not found"
    kErrObjectNotSet = 91,    // "Object variable or With block variable not set"
    kErrInvalidPicture = 481, // "Invalid picture"
    kErrClipboardBusy = 521,  // "Can't open Clipboard"
};

// The classic description of an error number ("Overflow" for 6, ...), or
// "Application-defined or object-defined error" for numbers without one.
std::wstring ClassicErrorText(int32_t number);

class RuntimeError : public std::exception {
public:
    // An empty description takes the classic text of the number.
    explicit RuntimeError(int32_t number, std::wstring description = {}, std::wstring source = {});

    int32_t number = 0;
    std::wstring source;
    std::wstring description;
    std::wstring helpFile;
    int32_t helpContext = 0;
    uint32_t lastOsError = 0;  // the platform's last-error code when the error was raised
    int32_t line = 0;

    const char* what() const noexcept override { return "tpr::RuntimeError"; }
};

[[noreturn]] void Raise(int32_t number, std::wstring description = {});

// The platform's last-error code is read when an error is raised. The Win32
// layer installs its reader at start-up; without one the code is 0.
using LastOsErrorReader = uint32_t (*)();
void SetLastOsErrorReader(LastOsErrorReader reader);

}  // namespace tpr
