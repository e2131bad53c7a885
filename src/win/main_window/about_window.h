// The About window: the program's name, version and legal notice, its
// website and the technical-support address as links.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win/common/link_label.h"
#include "win/runtime/modal.h"
#include "win/runtime/window.h"

namespace tpr::win {

class Form10 : public Window<Form10> {
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

    Form10() = default;
    ~Form10() override;

    // Loads the window and shows it modal over `owner`; returns when it is
    // closed.
    void ShowModal(HWND owner);

    void Form_Load();
    void bnOK_Click();
    void Label4_Click();
    void Label5_Click();
    void Form_Unload(int16_t& Cancel);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Controls.
    HWND imgIcon = nullptr;
    HWND lblAppName = nullptr, lblVersion = nullptr, lblNotice1 = nullptr, lblNotice2 = nullptr;
    HWND lblWebsite = nullptr, lblSupport = nullptr;
    LinkLabel Label4;  // the website
    LinkLabel Label5;  // the technical-support address
    HWND bnOK = nullptr;

private:
    template <class Form>
    friend LRESULT DialogFormMessage(Form& form, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void OnCommand(int id);
    void Layout(HWND owner);
    void Unload();

    ModalLoop modal_;
};

}  // namespace tpr::win
