// The classic error number that a call raises, 0 when it raises none.
#pragma once

#include <cstdint>

#include "core/runtime/runtime_error.h"

namespace tpr {

template <class Call>
int32_t ErrorNumberOf(Call&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number;
    }
    return 0;
}

}  // namespace tpr
