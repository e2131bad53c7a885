// A GDI+ session for as long as the object lives.
#pragma once

#include "win/runtime/unique_any.h"  // GDI+, after the headers it needs

namespace tpr::win {

class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread and codecs on
        status_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession() {
        if (status_ == Gdiplus::Ok) Gdiplus::GdiplusShutdown(token_);
    }
    // Ok once the session started; else why it did not.
    Gdiplus::Status status() const { return status_; }

private:
    ULONG_PTR token_ = 0;
    Gdiplus::Status status_ = Gdiplus::Ok;
};

}  // namespace tpr::win
