// The drop target, its registration, and the drop source of a drag out.
#include "win/common/drag_drop.h"

#include "win/runtime/com_object.h"

namespace tpr::win {
namespace {

class DropTarget : public ComObject<IDropTarget> {
public:
    DropTarget(DropHandler onDrop, const bool& refusing) : onDrop_(std::move(onDrop)), refusing_(refusing) {}

    STDMETHODIMP DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC files{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        accepting_ = !refusing_ && data && data->QueryGetData(&files) == S_OK;
        return Answer(effect);
    }
    STDMETHODIMP DragOver(DWORD, POINTL, DWORD* effect) override { return Answer(effect); }
    STDMETHODIMP DragLeave() override {
        accepting_ = false;
        return S_OK;
    }
    STDMETHODIMP Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        const bool copying = accepting_ && data && (*effect & DROPEFFECT_COPY);
        accepting_ = false;
        // The handler traps its own errors: nothing it raises comes back here.
        *effect = copying && onDrop_(*data, keys, point) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }

private:
    HRESULT Answer(DWORD* effect) const {
        if (!effect) return E_INVALIDARG;
        *effect = accepting_ && (*effect & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }

    DropHandler onDrop_;
    const bool& refusing_;
    bool accepting_ = false;
};

// The drag follows the left button: released, it drops; Esc cancels.
class DropSource : public ComObject<IDropSource> {
public:
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keys) override {
        if (escapePressed) return DRAGDROP_S_CANCEL;
        return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
    }
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

void DropTargetRegistration::Register(HWND window, DropHandler onDrop, const bool& refusing) {
    Revoke();
    ComPtr<IDropTarget> target;
    *target.put() = new DropTarget(std::move(onDrop), refusing);
    if (FAILED(::RegisterDragDrop(window, target.get()))) return;
    window_ = window;
    target_ = std::move(target);
}

void DropTargetRegistration::Revoke() {
    if (!window_) return;
    ::RevokeDragDrop(window_);
    window_ = nullptr;
    target_.reset();
}

bool DragOut(IDataObject& data) {
    ComPtr<IDropSource> source;
    *source.put() = new DropSource;
    DWORD effect = DROPEFFECT_NONE;
    return ::DoDragDrop(&data, source.get(), DROPEFFECT_COPY, &effect) == DRAGDROP_S_DROP &&
           effect != DROPEFFECT_NONE;
}

}  // namespace tpr::win
