// The classic runtime error that a call raises: the error itself, or just its number (0 when none).
#pragma once

#include <cstdint>
#include <optional>

#include "core/runtime/runtime_error.h"

namespace tpr {

template <class Call>
std::optional<RuntimeError> ErrorRaisedBy(Call&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

template <class Call>
int32_t ErrorNumberOf(Call&& call) {
    const std::optional<RuntimeError> error = ErrorRaisedBy(call);
    return error ? error->number : 0;
}

}  // namespace tpr
