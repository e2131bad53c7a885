// A reference-counted COM interface pointer: released when the last owner goes.
#pragma once

#include <objbase.h>

#include <utility>

namespace tpr::win {

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : ptr_(other.ptr_) {
        if (ptr_) ptr_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(ptr_, other.ptr_);
        return *this;
    }
    ~ComPtr() { reset(); }

    Interface* get() const { return ptr_; }
    Interface* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    void reset() {
        if (Interface* old = std::exchange(ptr_, nullptr)) old->Release();
    }
    // For functions that hand out a new reference through a pointer argument.
    Interface** put() {
        reset();
        return &ptr_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

private:
    Interface* ptr_ = nullptr;
};

}  // namespace tpr::win
