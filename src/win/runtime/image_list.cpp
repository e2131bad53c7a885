// ImageList: the controls' icons, by tag.
#include "win/runtime/image_list.h"

namespace tpr::win {

// 32-bit colour with a mask: systems without alpha-blended image lists
// (Windows 2000) still draw the pictures through their masks.
ImageList::ImageList(int size) : list_(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 8, 8)) {}

void ImageList::Add(HICON icon, std::wstring key, int32_t tag) {
    const int index = list_ && icon ? ::ImageList_AddIcon(list_.get(), icon) : -1;
    entries_.push_back({std::move(key), tag, index});
}

int ImageList::IndexOfTag(int32_t tag) const {
    for (const Entry& entry : entries_) {
        if (entry.tag == tag) return entry.index;
    }
    return -1;
}

std::vector<std::wstring> ImageList::Keys() const {
    std::vector<std::wstring> keys;
    keys.reserve(entries_.size());
    for (const Entry& entry : entries_) keys.push_back(entry.key);
    return keys;
}

}  // namespace tpr::win
