// An image list of small square pictures for the window's controls. Each
// picture carries an optional key and a tag (a number its user chooses), by
// which the controls find it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "win/runtime/unique_any.h"

namespace tpr::win {

class ImageList {
public:
    ImageList() = default;
    // An empty list of pictures of size x size pixels.
    explicit ImageList(int size);

    HIMAGELIST handle() const { return list_.get(); }

    // Adds a copy of the icon. An icon that cannot be taken still takes its
    // place and key, without a picture, so the other pictures keep theirs.
    void Add(HICON icon, std::wstring key, int32_t tag);

    // Index of the first picture with this tag in the platform's list; -1
    // when none has it, or when its picture is missing.
    int IndexOfTag(int32_t tag) const;
    std::vector<std::wstring> Keys() const;

private:
    struct Entry {
        std::wstring key;
        int32_t tag;
        int index;  // in the platform's list; -1 without a picture
    };

    UniqueHimagelist list_;
    std::vector<Entry> entries_;
};

}  // namespace tpr::win
