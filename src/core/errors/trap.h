// The two error traps. A procedure states its qualified name, its arguments
// and its body; the trap runs the body and, when an error escapes it, hands the
// error to the error framework with the argument values as they are then:
//
//   return LeafTrap(L"mCommon.Spliting(sFullPath,point)", [&] { ... }, sFullPath, point);
//
// A leaf trap adds the procedure's call-stack line and raises the error again
// to the caller. A top-level trap (event handlers and Main) finishes the
// report, logs and shows it, and ends the event normally: nothing escapes it,
// so it is safe at every boundary with the platform's C frames.
#pragma once

#include <string_view>

#include "core/errors/error_value.h"

namespace tpr::err {

// Implemented by the error framework. Both must be called from inside a catch
// handler: they read the exception in flight.
[[noreturn]] void LeafTrapCaught(std::wstring_view qualifiedName, const ErrArgs& args);
void TopLevelTrapCaught(std::wstring_view qualifiedName, const ErrArgs& args) noexcept;

template <class Body, class... Args>
decltype(auto) LeafTrap(std::wstring_view qualifiedName, Body&& body, const Args&... args) {
    try {
        return body();
    } catch (...) {
        LeafTrapCaught(qualifiedName, ErrArgs{ToErrValue(args)...});
    }
}

template <class Body, class... Args>
void TopLevelTrap(std::wstring_view qualifiedName, Body&& body, const Args&... args) noexcept {
    try {
        body();
    } catch (...) {
        try {
            TopLevelTrapCaught(qualifiedName, ErrArgs{ToErrValue(args)...});
        } catch (...) {
            // Building the argument list itself ran out of memory: nothing
            // more can be reported, and nothing may leave an event.
        }
    }
}

}  // namespace tpr::err
