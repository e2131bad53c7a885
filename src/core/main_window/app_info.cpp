#include "core/main_window/app_info.h"

#include "core/common/ui_texts.h"

namespace tpr {

std::wstring VersionLineText(int major, int minor) {
    std::wstring minorText = std::to_wstring(minor);
    if (minorText.size() < 2) minorText.insert(0, 2 - minorText.size(), L'0');
    return texts::VersionLabelText + std::to_wstring(major) + L"." + minorText;
}

std::wstring MailSubject(int major, int minor) {
    return texts::AppName + L" v" + std::to_wstring(major) + L"." + std::to_wstring(minor);
}

}  // namespace tpr
