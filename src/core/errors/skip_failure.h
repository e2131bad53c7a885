// For the few operations that skip a failing step instead of reporting it:
// the step's error ends the step, and the operation goes on with the next.
#pragma once

namespace tpr::err {

template <class Step>
void SkipFailure(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
        // Skipped: the operation reports nothing.
    }
}

}  // namespace tpr::err
