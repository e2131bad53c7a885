// The program's data object and its format list, file lists, and the view of
// another program's data object.
#include "win/runtime/data_object.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "core/runtime/runtime_error.h"
#include "win/runtime/com_object.h"

namespace tpr::win {
namespace {

FORMATETC GlobalFormat(CLIPFORMAT format) { return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The formats a data object offers, one at a time.
class FormatEnumerator : public ComObject<IEnumFORMATETC> {
public:
    FormatEnumerator(std::vector<FORMATETC> formats, ULONG next)
        : formats_(std::move(formats)), next_(next) {}

    STDMETHODIMP Next(ULONG count, FORMATETC* formats, ULONG* fetched) override {
        ULONG given = 0;
        for (; given < count && next_ < formats_.size(); ++given) formats[given] = formats_[next_++];
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        next_ = std::min<size_t>(next_ + count, formats_.size());
        return next_ < formats_.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        next_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumFORMATETC** copy) override {
        if (!copy) return E_POINTER;
        *copy = new FormatEnumerator(formats_, static_cast<ULONG>(next_));
        return S_OK;
    }

private:
    std::vector<FORMATETC> formats_;
    size_t next_;
};

class GlobalDataObject : public ComObject<IDataObject> {
public:
    explicit GlobalDataObject(TransferData data) : data_(std::move(data)) {}

    STDMETHODIMP GetData(FORMATETC* wanted, STGMEDIUM* medium) override {
        if (!wanted || !medium) return E_INVALIDARG;
        const TransferFormat* offered = Find(*wanted);
        if (!offered) return DV_E_FORMATETC;
        const LockedGlobal offeredBytes(offered->data.get());
        HGLOBAL copy = nullptr;
        try {
            copy = GlobalCopy(offeredBytes.bytes(), offeredBytes.size()).release();
        } catch (...) {
            // Nothing may leave a call from another program.
        }
        if (!copy) return E_OUTOFMEMORY;
        *medium = STGMEDIUM{};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* wanted) override {
        return wanted && Find(*wanted) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* canonical) override {
        if (canonical) canonical->ptd = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (!formats) return E_POINTER;
        if (direction != DATADIR_GET) return E_NOTIMPL;
        std::vector<FORMATETC> offered;
        for (const TransferFormat& entry : data_) offered.push_back(GlobalFormat(entry.format));
        *formats = new FormatEnumerator(std::move(offered), 0);
        return S_OK;
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    const TransferFormat* Find(const FORMATETC& wanted) const {
        if (!(wanted.tymed & TYMED_HGLOBAL) || wanted.dwAspect != DVASPECT_CONTENT) return nullptr;
        for (const TransferFormat& entry : data_) {
            if (entry.format == wanted.cfFormat) return &entry;
        }
        return nullptr;
    }

    TransferData data_;
};

}  // namespace

ComPtr<IDataObject> MakeDataObject(TransferData data) {
    ComPtr<IDataObject> object;
    *object.put() = new GlobalDataObject(std::move(data));
    return object;
}

UniqueHglobal GlobalCopy(const void* bytes, size_t size) {
    UniqueHglobal copy(::GlobalAlloc(GMEM_MOVEABLE, size));
    if (!copy) Raise(kErrOutOfMemory);
    std::memcpy(::GlobalLock(copy.get()), bytes, size);
    ::GlobalUnlock(copy.get());
    return copy;
}

TransferData FileListTransfer(const std::wstring& path) {
    // The header, then the paths in UTF-16, each ended by a null, and a null
    // after the last.
    const DROPFILES header{sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
    std::wstring paths = path + L'\0';
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(paths.c_str()), (paths.size() + 1) * sizeof(wchar_t));
    const DWORD copyEffect = DROPEFFECT_COPY;
    TransferData transfer;
    transfer.push_back({CF_HDROP, GlobalCopy(bytes.data(), bytes.size())});
    transfer.push_back({static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT)),
                        GlobalCopy(&copyEffect, sizeof copyEffect)});
    return transfer;
}

std::vector<std::wstring> FilesOf(HDROP list) {
    std::vector<std::wstring> files;
    const UINT count = ::DragQueryFileW(list, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring file(::DragQueryFileW(list, i, nullptr, 0), L'\0');
        ::DragQueryFileW(list, i, file.data(), static_cast<UINT>(file.size() + 1));
        files.push_back(std::move(file));
    }
    return files;
}

std::vector<std::wstring> DataObject::Files() const {
    FORMATETC wanted = GlobalFormat(CF_HDROP);
    struct Medium : STGMEDIUM {
        Medium() : STGMEDIUM{} {}
        ~Medium() { ::ReleaseStgMedium(this); }
    } medium;
    if (FAILED(data_.GetData(&wanted, &medium)) || medium.tymed != TYMED_HGLOBAL) return {};
    return FilesOf(static_cast<HDROP>(medium.hGlobal));
}

}  // namespace tpr::win
