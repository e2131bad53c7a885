// Data handed between programs by drag-and-drop and the clipboard: a data
// object of the program's own that offers blocks of memory in named formats,
// the shell's file list, and a view of another program's data object.
#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <objidl.h>
#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "win/runtime/com_ptr.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

// One format's data, in a movable global block as the clipboard takes it.
struct TransferFormat {
    CLIPFORMAT format;
    UniqueHglobal data;
};
using TransferData = std::vector<TransferFormat>;

// A global block's bytes, locked for as long as the view lives.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL block)
        : block_(block),
          bytes_(static_cast<const uint8_t*>(::GlobalLock(block))),
          size_(bytes_ ? ::GlobalSize(block) : 0) {}
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    ~LockedGlobal() {
        if (bytes_) ::GlobalUnlock(block_);
    }
    const uint8_t* bytes() const { return bytes_; }
    size_t size() const { return size_; }

private:
    HGLOBAL block_;
    const uint8_t* bytes_;
    size_t size_;
};

// A data object that offers each format of `data` (for the whole content,
// in global memory) and hands out a copy of it on each request.
ComPtr<IDataObject> MakeDataObject(TransferData data);

// A copy of bytes in a new movable global block; error 7 when there is no
// memory for it.
UniqueHglobal GlobalCopy(const void* bytes, size_t size);

// The shell's file list naming one file, and the drop effect that goes with
// it ("Preferred DropEffect": the file is to be copied, not moved).
TransferData FileListTransfer(const std::wstring& path);

// The paths of a shell file list, in its order.
std::vector<std::wstring> FilesOf(HDROP list);

// Another program's data object, as a drop hands it over.
class DataObject {
public:
    explicit DataObject(IDataObject& data) : data_(data) {}

    // The files of its file list; none when it offers no file list.
    std::vector<std::wstring> Files() const;

private:
    IDataObject& data_;
};

inline std::wstring ErrTypeName(const DataObject&) { return L"DataObject"; }

}  // namespace tpr::win
