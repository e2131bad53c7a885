// A flag raised for the length of a scope: lowered again when the scope ends,
// however it ends, so that an error or a call that did nothing cannot leave
// it standing.
#pragma once

namespace tpr {

class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;
    ~ScopedFlag() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace tpr
