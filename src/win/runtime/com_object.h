// The reference counting and interface look-up of a COM object the program
// implements itself: made with new holding one reference, freed by its last
// Release.
#pragma once

#include <objbase.h>

namespace tpr::win {

template <class Interface>
class ComObject : public Interface {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (!::IsEqualIID(iid, IID_IUnknown) && !::IsEqualIID(iid, __uuidof(Interface))) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        return static_cast<ULONG>(::InterlockedIncrement(&references_));
    }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

protected:
    virtual ~ComObject() = default;

private:
    LONG references_ = 1;
};

}  // namespace tpr::win
