// UnopenablePhotoMessage from the shared texts.
#include "core/main_window/photo_messages.h"

#include "core/common/ui_texts.h"
#include "core/runtime/text_replace.h"

namespace tpr {

std::wstring UnopenablePhotoMessage(PictureFormat format) {
    const wchar_t* name = format == PictureFormat::WebP   ? L"a WebP"
                          : format == PictureFormat::Heic ? L"a HEIC"
                          : format == PictureFormat::Avif ? L"an AVIF"
                                                          : nullptr;
    if (!name) return {};
    std::wstring message = texts::UnopenablePhotoText;
    ReplaceAll(message, L"%1", name);
    return message;
}

}  // namespace tpr
