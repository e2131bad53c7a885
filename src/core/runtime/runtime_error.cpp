// RuntimeError, the classic error record, and its classic texts.
#include "core/runtime/runtime_error.h"

namespace tpr {
namespace {

LastOsErrorReader g_lastOsErrorReader = nullptr;

}  // namespace

std::wstring ClassicErrorText(int32_t number) {
    switch (number) {
    case 3: return L"Return without GoSub";
    case 5: return L"Invalid procedure call or argument";
    case 6: return L"Overflow";
    case 7: return L"Out of memory";
    case 9: return L"Subscript out of range";
    case 11: return L"Division by zero";
    case 13: return L"Type mismatch";
    case 28: return L"Out of stack space";
    case 51: return L"Internal error";
    case 52: return L"Bad file name or number";
    case 53: return L"File not found";
    case 55: return L"File already open";
    case 57: return L"Device I/O error";
    case 61: return L"Disk full";
    case 70: return L"Permission denied";
    case 71: return L"Disk not ready";
    case 75: return L"Path/File access error";
    case 76: return L"Path not found";
    case 91: return L"Object variable or With block variable not set";
    case 380: return L"Invalid property value";
    case 481: return L"Invalid picture";
    case 521: return L"Can't open Clipboard";
    default: return L"Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int32_t number_, std::wstring description_, std::wstring source_)
    : number(number_),
      source(std::move(source_)),
      description(description_.empty() ? ClassicErrorText(number_) : std::move(description_)),
      lastOsError(g_lastOsErrorReader ? g_lastOsErrorReader() : 0) {}

void Raise(int32_t number, std::wstring description) { throw RuntimeError(number, std::move(description)); }

void SetLastOsErrorReader(LastOsErrorReader reader) { g_lastOsErrorReader = reader; }

}  // namespace tpr
