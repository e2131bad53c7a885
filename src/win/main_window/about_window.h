// The About window: the program's name, version and legal notice, its
// website and the technical-support address as links.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win/common/dialog_window.h"
#include "win/common/link_label.h"

namespace tpr::win {

class Form10 : public DialogWindow<Form10> {
public:
    static constexpr wchar_t kFormName[] = L"Form10";
    static constexpr wchar_t kClassName[] = L"TprAboutWindow";

    enum ControlId {
        kOkId = IDOK,
        kIconId = 101,
        kAppNameId,
        kVersionId,
        kNotice1Id,
        kNotice2Id,
        kWebsiteLabelId,
        kSupportLabelId,
        kLabel4Id,
        kLabel5Id,
    };

    void Form_Load();
    void bnOK_Click();
    void Label4_Click();
    void Label5_Click();
    void Form_Unload(int16_t& Cancel);

    // Controls.
    HWND imgIcon = nullptr;
    HWND lblAppName = nullptr, lblVersion = nullptr, lblNotice1 = nullptr, lblNotice2 = nullptr;
    HWND lblWebsite = nullptr, lblSupport = nullptr;
    LinkLabel Label4;  // the website
    LinkLabel Label5;  // the technical-support address

private:
    friend class DialogWindow<Form10>;
    void CreateControls();
    void OnCommand(int id);
    void Layout(HWND owner);
    // Runs the unload handler before the window goes.
    void Unload();
};

}  // namespace tpr::win
